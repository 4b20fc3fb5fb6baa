// The measurement kernels for AVX2 with FMA, four lanes; this file alone is compiled for that
// level.
#include "fast_kernels.h"

#include <cstddef>
#include <cstdint>
#include <immintrin.h>

namespace detector::fast {
namespace avx2_level {
namespace {

constexpr const char* kKernelName = "avx2";
constexpr int kLanes = 4;
constexpr bool kHasFusedMultiplyAdd = true;
// Vectors in flight together: enough independent chains to keep the units busy.
constexpr int kBatch = 5;
constexpr int kFilterBatch = 5;
typedef double Vd __attribute__((vector_size(32)));
typedef std::uint64_t Vu __attribute__((vector_size(32)));
typedef std::int64_t Vi __attribute__((vector_size(32)));

inline Vu multiplyLow32(Vu a, Vu b) {
    return (Vu)_mm256_mul_epu32((__m256i)a, (__m256i)b);
}
inline Vd fusedMultiplyAdd(Vd a, Vd b, Vd c) {
    return _mm256_fmadd_pd(a, b, c);
}

#include "exact_steps.inc"

#include "fast_kernels.inc"

} // namespace
} // namespace avx2_level

const FastKernels& avx2Kernels() {
    return avx2_level::kKernels;
}

} // namespace detector::fast
