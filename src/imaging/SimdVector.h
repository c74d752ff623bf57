#pragma once

#include <cstdint>
#include <cstring>

// Small fixed-width integer vectors (a GCC and Clang extension). The
// compiler maps them to SIMD registers where the target has them (SSE2 on
// every x86-64) and to plain scalar code elsewhere; overflow can't happen
// within the ranges the callers keep to.
using Int32x4 = int32_t __attribute__((vector_size(16)));
using Int16x4 = int16_t __attribute__((vector_size(8)));
using Uint8x4 = uint8_t __attribute__((vector_size(4)));
using Uint16x4 = uint16_t __attribute__((vector_size(8)));

inline Int32x4 LoadInt16x4(const int16_t* p)
{
    Int16x4 v;
    std::memcpy(&v, p, sizeof v);
    return __builtin_convertvector(v, Int32x4);
}

inline Int32x4 LoadUint8x4(const uint8_t* p)
{
    Uint8x4 v;
    std::memcpy(&v, p, sizeof v);
    return __builtin_convertvector(v, Int32x4);
}

inline Int32x4 Splat(int32_t value)
{
    return Int32x4 { value, value, value, value };
}

inline Int32x4 ClampVector(Int32x4 v, int32_t low, int32_t high)
{
    Int32x4 lo = Splat(low), hi = Splat(high);
    v = v < lo ? lo : v;
    return v > hi ? hi : v;
}

inline void StoreUint8x4(uint8_t* p, Int32x4 v)
{
    Uint8x4 bytes = __builtin_convertvector(v, Uint8x4);
    std::memcpy(p, &bytes, sizeof bytes);
}

inline void StoreUint16x4(uint16_t* p, Int32x4 v)
{
    Uint16x4 words = __builtin_convertvector(v, Uint16x4);
    std::memcpy(p, &words, sizeof words);
}

// Turns four rows of four into four columns.
inline void Transpose4x4(Int32x4& a, Int32x4& b, Int32x4& c, Int32x4& d)
{
    Int32x4 t0 = __builtin_shufflevector(a, b, 0, 4, 1, 5);
    Int32x4 t1 = __builtin_shufflevector(a, b, 2, 6, 3, 7);
    Int32x4 t2 = __builtin_shufflevector(c, d, 0, 4, 1, 5);
    Int32x4 t3 = __builtin_shufflevector(c, d, 2, 6, 3, 7);
    a = __builtin_shufflevector(t0, t2, 0, 1, 4, 5);
    b = __builtin_shufflevector(t0, t2, 2, 3, 6, 7);
    c = __builtin_shufflevector(t1, t3, 0, 1, 4, 5);
    d = __builtin_shufflevector(t1, t3, 2, 3, 6, 7);
}

// Hot functions are built twice on x86-64, once for AVX2, and the better
// one is chosen when the program starts. Sanitizer builds keep one.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__SANITIZE_ADDRESS__) && !defined(VBX_NO_TARGET_CLONES)
#    define VBX_SIMD_CLONES __attribute__((target_clones("avx2", "default")))
#else
#    define VBX_SIMD_CLONES
#endif
