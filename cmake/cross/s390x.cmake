# Debian's s390x: IBM Z, big-endian, built by g++-s390x-linux-gnu and run by
# qemu-s390x (see linux-gnu.cmake).
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(ORVANE_CROSS_TRIPLE s390x-linux-gnu)
set(ORVANE_CROSS_QEMU qemu-s390x)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu.cmake)
