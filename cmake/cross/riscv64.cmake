# Debian's riscv64: 64-bit RISC-V, built by g++-riscv64-linux-gnu and run by
# qemu-riscv64 (see linux-gnu.cmake).
set(CMAKE_SYSTEM_PROCESSOR riscv64)
set(ORVANE_CROSS_TRIPLE riscv64-linux-gnu)
set(ORVANE_CROSS_QEMU qemu-riscv64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu.cmake)
