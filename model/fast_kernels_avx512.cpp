// The measurement kernels for AVX-512, eight lanes; this file alone is compiled for that level.
#include "fast_kernels.h"

#include <cstddef>
#include <cstdint>
#include <immintrin.h>

namespace detector::fast {
namespace avx512_level {
namespace {

constexpr const char* kKernelName = "avx512";
constexpr int kLanes = 8;
constexpr bool kHasFusedMultiplyAdd = true;
// Vectors in flight together: enough independent chains to keep the units busy.
constexpr int kBatch = 6;
constexpr int kFilterBatch = 8;
typedef double Vd __attribute__((vector_size(64)));
typedef std::uint64_t Vu __attribute__((vector_size(64)));
typedef std::int64_t Vi __attribute__((vector_size(64)));

// The builtin behind _mm512_mul_epu32 with a zero pass-through: the intrinsic's undefined one
// trips GCC 12's uninitialised-use warning.
inline Vu multiplyLow32(Vu a, Vu b) {
    return (Vu)__builtin_ia32_pmuludq512_mask((__v16si)a, (__v16si)b, __v8di{}, (__mmask8)-1);
}
inline Vd fusedMultiplyAdd(Vd a, Vd b, Vd c) {
    return _mm512_fmadd_pd(a, b, c);
}

// One instruction each, with the rounding mode in the instruction; the masked forms keep GCC 12
// from warning about the undefined pass-through of the plain ones.
#define DETECTOR_KERNEL_DIRECTED_ROUNDING 1
// 64-bit lane products and conversions of 64-bit integers to double (AVX-512 DQ).
#define DETECTOR_KERNEL_WIDE_INTEGERS 1
inline Vd addTowardZero(Vd a, Vd b) {
    return _mm512_maskz_add_round_pd((__mmask8)-1, a, b, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC);
}
inline Vd multiplyTowardZero(Vd a, Vd b) {
    return _mm512_maskz_mul_round_pd((__mmask8)-1, a, b, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC);
}

// Of two values the one of larger and of smaller magnitude, with its own sign; on equal
// magnitudes the first gives b and the second a, so the two are never the same operand.
#define DETECTOR_KERNEL_MAGNITUDE_ORDER 1
inline Vd largerMagnitude(Vd a, Vd b) {
    return _mm512_range_pd(a, b, 0b0111);
}
inline Vd smallerMagnitude(Vd a, Vd b) {
    return _mm512_range_pd(a, b, 0b0110);
}

#include "exact_steps.inc"

#include "fast_kernels.inc"

} // namespace
} // namespace avx512_level

const FastKernels& avx512Kernels() {
    return avx512_level::kKernels;
}

} // namespace detector::fast
