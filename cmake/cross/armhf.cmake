# Debian's armhf: 32-bit ARM with hardware floating point, built by g++-arm-linux-gnueabihf and run by
# qemu-arm (see linux-gnu.cmake).
set(CMAKE_SYSTEM_PROCESSOR armv7l)
set(ORVANE_CROSS_TRIPLE arm-linux-gnueabihf)
set(ORVANE_CROSS_QEMU qemu-arm)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu.cmake)
