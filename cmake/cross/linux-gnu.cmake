# What every processor's toolchain file here shares: Debian's cross compiler
# for the GNU triple ORVANE_CROSS_TRIPLE, its sysroot /usr/<triple> as the
# only place to find headers, libraries and packages, and qemu-user on that
# sysroot as the emulator, which ctest puts before every program it runs
# that the build made (make exact, scripts/exactness).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_CXX_COMPILER ${ORVANE_CROSS_TRIPLE}-g++)
set(CMAKE_FIND_ROOT_PATH /usr/${ORVANE_CROSS_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${ORVANE_CROSS_QEMU} -L /usr/${ORVANE_CROSS_TRIPLE})
