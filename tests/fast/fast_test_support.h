// Shared helpers of the fast-measurement tests: the kernel levels and bit-exact comparison.
#pragma once

#include "fast_kernels.h"
#include "fast_measure.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>

namespace fast_test {

#ifdef DETECTOR_LONG_TESTS
inline constexpr int kStressScale = 50;
#else
inline constexpr int kStressScale = 1;
#endif

inline constexpr detector::MeasurePath kKernelLevels[] = {
    detector::MeasurePath::Portable, detector::MeasurePath::Avx2, detector::MeasurePath::Avx512};

inline const detector::fast::FastKernels& kernelsOf(detector::MeasurePath path) {
    switch (path) {
    case detector::MeasurePath::Avx2:
        return detector::fast::avx2Kernels();
    case detector::MeasurePath::Avx512:
        return detector::fast::avx512Kernels();
    default:
        return detector::fast::portableKernels();
    }
}

inline std::string levelName(const testing::TestParamInfo<detector::MeasurePath>& info) {
    return std::string(detector::measurePathName(info.param));
}

inline std::uint64_t bits(double x) {
    return std::bit_cast<std::uint64_t>(x);
}

// Runs the tests of one kernel level, skipped where the processor lacks it.
class KernelLevel : public testing::TestWithParam<detector::MeasurePath> {
protected:
    void SetUp() override {
        if (!detector::isMeasurePathSupported(GetParam()))
            GTEST_SKIP() << "this processor lacks " << detector::measurePathName(GetParam());
    }
    const detector::fast::FastKernels& kernels() const { return kernelsOf(GetParam()); }
};

} // namespace fast_test
