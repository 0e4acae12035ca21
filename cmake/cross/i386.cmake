# Debian's i386: 32-bit x86, built by g++-i686-linux-gnu and run by
# qemu-i386 (see linux-gnu.cmake).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ORVANE_CROSS_TRIPLE i686-linux-gnu)
set(ORVANE_CROSS_QEMU qemu-i386)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu.cmake)
