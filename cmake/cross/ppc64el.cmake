# Debian's ppc64el: 64-bit POWER, little-endian, built by g++-powerpc64le-linux-gnu and run by
# qemu-ppc64le (see linux-gnu.cmake).
set(CMAKE_SYSTEM_PROCESSOR ppc64le)
set(ORVANE_CROSS_TRIPLE powerpc64le-linux-gnu)
set(ORVANE_CROSS_QEMU qemu-ppc64le)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu.cmake)
