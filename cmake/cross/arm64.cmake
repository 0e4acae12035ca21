# Debian's arm64: 64-bit ARM, built by g++-aarch64-linux-gnu and run by
# qemu-aarch64 (see linux-gnu.cmake).
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(ORVANE_CROSS_TRIPLE aarch64-linux-gnu)
set(ORVANE_CROSS_QEMU qemu-aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu.cmake)
