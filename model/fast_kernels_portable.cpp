// The measurement kernels for baseline x86-64 (SSE2), two lanes, no fused multiply-add.
#include "fast_kernels.h"

#include <cstddef>
#include <cstdint>
#include <emmintrin.h>

namespace detector::fast {
namespace portable_level {
namespace {

constexpr const char* kKernelName = "portable";
constexpr int kLanes = 2;
constexpr bool kHasFusedMultiplyAdd = false;
// Vectors in flight together: enough independent chains to keep the units busy.
constexpr int kBatch = 5;
constexpr int kFilterBatch = 5;
typedef double Vd __attribute__((vector_size(16)));
typedef std::uint64_t Vu __attribute__((vector_size(16)));
typedef std::int64_t Vi __attribute__((vector_size(16)));

inline Vu multiplyLow32(Vu a, Vu b) {
    return (Vu)_mm_mul_epu32((__m128i)a, (__m128i)b);
}
// Exact but a library call per lane at this level; the steps use the split product instead.
inline Vd fusedMultiplyAdd(Vd a, Vd b, Vd c) {
    return Vd{__builtin_fma(a[0], b[0], c[0]), __builtin_fma(a[1], b[1], c[1])};
}

#include "exact_steps.inc"

#include "fast_kernels.inc"

} // namespace
} // namespace portable_level

const FastKernels& portableKernels() {
    return portable_level::kKernels;
}

} // namespace detector::fast
