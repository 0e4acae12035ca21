// Routines built in several versions, one per processor family, of which the
// loader picks the best the processor has. Only GCC and clang on x86-64 can
// do that (target_clones); everywhere else, WebAssembly and other processors
// among them, the same routines are built once, from the same generic vector
// code, and compute the same values.
//
// Either way the routine is a call of its own, never inlined into its
// caller: the loader's choice cannot be, and the normal relies on it (see
// vGetNormal).
#pragma once

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define ORVANE_MULTIVERSIONED __attribute__((target_clones("avx2", "default")))
#else
#define ORVANE_MULTIVERSIONED __attribute__((noinline))
#endif
