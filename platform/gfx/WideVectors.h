#pragma once

// Marks a pixel loop for a second build for processors with 256-bit vectors, picked when the
// program loads; the compiler writes both copies from the same plain C++. Left out under
// ThreadSanitizer, whose runtime is not up yet when the load-time choice runs, and where the
// compiler cannot make clones.
#if defined(__SANITIZE_THREAD__)
#define VC_WIDE_VECTORS
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define VC_WIDE_VECTORS
#endif
#endif
#if !defined(VC_WIDE_VECTORS)
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
#define VC_WIDE_VECTORS __attribute__((target_clones("avx2", "default")))
#else
#define VC_WIDE_VECTORS
#endif
#endif
