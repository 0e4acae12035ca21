# Debian's mips64el: 64-bit MIPS, little-endian, built by g++-mips64el-linux-gnuabi64 and run by
# qemu-mips64el (see linux-gnu.cmake).
set(CMAKE_SYSTEM_PROCESSOR mips64)
set(ORVANE_CROSS_TRIPLE mips64el-linux-gnuabi64)
set(ORVANE_CROSS_QEMU qemu-mips64el)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu.cmake)
