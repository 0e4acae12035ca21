// Routines built in several versions, one per processor family, of which the
// loader picks the best the processor has. Only GCC and clang on x86-64 can
// do that (target_clones); everywhere else, WebAssembly and other processors
// among them, the same routines are built once, from the same generic vector
// code, and compute the same values.
//
// Either way the routine is a call of its own, never inlined into its
// caller: the loader's choice cannot be, and the normal relies on it (see
// vGetNormal).
//
// A ThreadSanitizer build takes the single version too: the loader calls the
// versions' resolver before the sanitizer's runtime is set up, and the
// resolver, instrumented like any function, would crash there. So does a
// build configured with ORVANE_SINGLE_VERSION, which runs here what any
// x86-64 processor runs, for measuring it beside the other.
#pragma once

#if defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define ORVANE_THREAD_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_THREAD__)
#define ORVANE_THREAD_SANITIZER 1
#endif

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__)) && \
    !defined(ORVANE_THREAD_SANITIZER) && !defined(ORVANE_SINGLE_VERSION)
#define ORVANE_MULTIVERSIONED __attribute__((target_clones("avx2", "default")))
#define ORVANE_HAS_VERSIONS 1
#else
#define ORVANE_MULTIVERSIONED __attribute__((noinline))
#endif
