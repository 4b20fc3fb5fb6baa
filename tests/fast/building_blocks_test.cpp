// The building blocks of the fast kernels against the double-extended arithmetic they stand in
// for, on random and deliberately awkward inputs: near-ties of both roundings, powers of two,
// cancellation, signed zeros. A sweep of seeds alone misses faults these find.
#include "extended_arithmetic.h"
#include "fast_test_support.h"
#include "generator_jump.h"
#include "noise_source.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <vector>

namespace {

using detector::Extended;
using detector::toDouble;
using fast_test::bits;
using fast_test::KernelLevel;

using Random = std::mt19937_64;

// A double m * 2^exponent with a random significand of `significantBits` bits and a random sign.
double randomDouble(Random& random, int significantBits, int exponent) {
    const std::uint64_t top = std::uint64_t{1} << (significantBits - 1);
    const std::uint64_t m = top | (random() & (top - 1));
    const double sign = (random() & 1) ? -1.0 : 1.0;
    return sign * std::ldexp(static_cast<double>(m), exponent - significantBits + 1);
}

int randomInt(Random& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

// b that puts a + b within a few units of 2^-64 of a half-way point of doubles, on either side.
double nearTieAddend(Random& random, double a) {
    const int e = std::ilogb(a);
    const double half = std::ldexp(1.0, e - 53);
    const double sixtyFourth = std::ldexp(1.0, e - 64);
    const double nudges[] = {0.0, 0.5, -0.5, 0x1p-30, -0x1p-30, 1.0, -1.0};
    const double b = half + randomInt(random, -3, 3) * sixtyFourth +
                     nudges[randomInt(random, 0, 6)] * sixtyFourth;
    return (random() & 1) ? b : -b;
}

// Pairs (a, b) of every awkward kind for the double-rounded sum.
void additionCases(Random& random, std::size_t n, std::vector<double>& a, std::vector<double>& b) {
    for (std::size_t i = 0; i < n; ++i) {
        double x = randomDouble(random, 53, randomInt(random, -40, 40));
        double y = 0.0;
        switch (i % 6) {
        case 0: // any two, any exponent gap up to 80
            y = randomDouble(random, 53, randomInt(random, -40, 40));
            break;
        case 1: // near-ties of either rounding
            y = nearTieAddend(random, x);
            break;
        case 2: // a power of two, b pulling towards zero into the binade below, or away
            x = std::ldexp((random() & 1) ? -1.0 : 1.0, randomInt(random, -40, 40));
            if (random() & 1) {
                y = randomDouble(random, randomInt(random, 1, 53),
                                 std::ilogb(x) - randomInt(random, 1, 70));
            } else { // near a tie of the binade below
                const int e = std::ilogb(x);
                y = std::copysign(std::ldexp(1.0, e - 54) +
                                      randomInt(random, -3, 3) * std::ldexp(1.0, e - 65) +
                                      randomInt(random, -1, 1) *
                                          std::ldexp(1.0, e - 66 - randomInt(random, 0, 30)),
                                  -x);
            }
            break;
        case 3: // cancellation
            y = -x * (1.0 + randomInt(random, -4, 4) * 0x1p-52) +
                randomDouble(random, 20, std::ilogb(x) - 60);
            break;
        case 4: // few-bit values, whose sums hit ties exactly
            x = randomDouble(random, randomInt(random, 1, 20), randomInt(random, -20, 20));
            y = randomDouble(random, randomInt(random, 1, 20), randomInt(random, -60, 20));
            break;
        default: // zeros of both signs
            x = (random() & 1) ? 0.0 : -0.0;
            y = (random() & 2) ? ((random() & 1) ? 0.0 : -0.0)
                : x == 0.0     ? randomDouble(random, 53, 3)
                               : x;
            break;
        }
        if (random() & 1)
            std::swap(x, y);
        a.push_back(x);
        b.push_back(y);
    }
}

template <typename Reference>
void expectBitsMatch(const std::vector<double>& a, const std::vector<double>& b,
                     const std::vector<double>& out, Reference reference, const char* what) {
    std::size_t mismatches = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double expected = reference(a[i], b[i]);
        if (bits(out[i]) != bits(expected) && ++mismatches <= 5)
            ADD_FAILURE() << what << std::hexfloat << " of " << a[i] << " and " << b[i] << ": got "
                          << out[i] << ", want " << expected;
    }
    EXPECT_EQ(mismatches, 0u) << what << " over " << out.size() << " cases";
}

constexpr std::size_t kCases = 1000000;

TEST_P(KernelLevel, AddStoredMatchesExtendedAddition) {
    Random random(1);
    std::vector<double> a, b;
    additionCases(random, kCases * fast_test::kStressScale, a, b);
    std::vector<double> out(a.size());
    kernels().addStored(a.data(), b.data(), out.data(), a.size());
    expectBitsMatch(a, b, out, detector::addStored, "sum");
}

TEST_P(KernelLevel, MulStoredMatchesExtendedProduct) {
    Random random(2);
    std::vector<double> a, b;
    for (std::size_t i = 0; i < kCases * fast_test::kStressScale; ++i) {
        switch (i % 4) {
        case 0: // anything in the model's range
            a.push_back(randomDouble(random, 53, randomInt(random, -220, 220)));
            b.push_back(randomDouble(random, 53, randomInt(random, -220, 220)));
            break;
        case 1: // squares, as the variance forms them
            a.push_back(randomDouble(random, 53, randomInt(random, -30, 30)));
            b.push_back(a.back());
            break;
        default: // 26 to 40 significant bits: products near both kinds of ties
            a.push_back(
                randomDouble(random, randomInt(random, 26, 40), randomInt(random, -30, 30)));
            b.push_back(i % 8 == 2 ? a.back()
                                   : randomDouble(random, randomInt(random, 26, 40),
                                                  randomInt(random, -30, 30)));
            break;
        }
    }
    std::vector<double> out(a.size());
    kernels().mulStored(a.data(), b.data(), out.data(), a.size());
    expectBitsMatch(a, b, out, detector::mulStored, "product");
}

double exactUniform(std::uint32_t r) {
    return toDouble(static_cast<Extended>(r) * detector::kExtendedScale);
}

double noiseStepReference(double sum, double u) {
    return toDouble((static_cast<Extended>(sum) + u) - 0.5L);
}

TEST_P(KernelLevel, NoiseStepMatchesExtendedSteps) {
    Random random(3);
    std::vector<double> sums, uniforms;
    const auto anyUniform = [&] {
        const std::uint32_t r = random() % 8 == 0 ? random() % 1000 : random() % 100000;
        return exactUniform(r);
    };
    for (std::size_t i = 0; i < kCases * fast_test::kStressScale / 24; ++i) {
        // a sum as a real sample runs through it
        double sum = 0.0;
        for (int t = 0; t < 24; ++t) {
            const double u = anyUniform();
            sums.push_back(sum);
            uniforms.push_back(u);
            sum = noiseStepReference(sum, u);
        }
        // any multiple of 2^-69 below 12, down to the smallest, and the half-way value 0.5
        const int bitsUsed = randomInt(random, 1, 53);
        const int top = randomInt(random, -69 + bitsUsed - 1, 3);
        sums.push_back(randomDouble(random, bitsUsed, top));
        uniforms.push_back(anyUniform());
        sums.push_back(0.5 - uniforms.back() + randomInt(random, -2, 2) * 0x1p-60);
        uniforms.push_back(uniforms.back());
    }
    std::vector<double> out(sums.size());
    kernels().noiseStep(sums.data(), uniforms.data(), out.data(), sums.size());
    expectBitsMatch(sums, uniforms, out, noiseStepReference, "noise step");
}

TEST_P(KernelLevel, UniformIsExactForEveryRemainder) {
    std::vector<std::uint32_t> r(100000);
    for (std::uint32_t i = 0; i < r.size(); ++i)
        r[i] = i;
    std::vector<double> out(r.size());
    kernels().uniform(r.data(), out.data(), r.size());
    for (std::uint32_t i = 0; i < r.size(); ++i)
        ASSERT_EQ(bits(out[i]), bits(exactUniform(i))) << "r = " << i;
}

TEST_P(KernelLevel, RemainderMatchesIntegerRemainder) {
    std::vector<std::uint32_t> v;
#ifdef DETECTOR_LONG_TESTS
    const std::uint64_t chunk = std::uint64_t{1} << 24;
    v.resize(chunk);
    std::vector<std::uint32_t> out(chunk);
    for (std::uint64_t start = 0; start < (std::uint64_t{1} << 31); start += chunk) {
        for (std::uint64_t i = 0; i < chunk; ++i)
            v[i] = static_cast<std::uint32_t>(start + i);
        kernels().remainder(v.data(), out.data(), chunk);
        for (std::uint64_t i = 0; i < chunk; ++i)
            ASSERT_EQ(out[i], v[i] % 100000u) << "v = " << v[i];
    }
#else
    Random random(4);
    for (std::uint32_t q = 0; q <= 21474; ++q)
        for (const std::uint32_t r : {0u, 1u, 83647u, 83648u, 99999u})
            if (std::uint64_t{q} * 100000u + r < (std::uint64_t{1} << 31))
                v.push_back(q * 100000u + r);
    v.push_back(0x7FFFFFFFu);
    for (std::size_t i = 0; i < kCases; ++i)
        v.push_back(static_cast<std::uint32_t>(random() & 0x7FFFFFFFu));
    std::vector<std::uint32_t> out(v.size());
    kernels().remainder(v.data(), out.data(), v.size());
    for (std::size_t i = 0; i < v.size(); ++i)
        ASSERT_EQ(out[i], v[i] % 100000u) << "v = " << v[i];
#endif
}

double sampleReference(double sum, double gain, bool signalOn) {
    const Extended q = (static_cast<Extended>(gain) * sum) / detector::kExtendedSqrt2;
    return toDouble(signalOn ? q + 1.0L : q);
}

TEST_P(KernelLevel, ScaledSamplesMatchExtendedScaling) {
    Random random(5);
    const double gains[] = {1.0,
                            0.37,
                            3.3,
                            999.9,
                            1000.0,
                            1e-5,
                            0x1p-100,
                            0x1p100,
                            0.0,
                            -2.5,
                            std::ldexp(1.0, randomInt(random, -90, 90)) * 1.2345};
    const auto inverse = detector::fast::inverseSqrt2();
    for (const double gain : gains) {
        std::vector<double> sums;
        for (std::size_t i = 0; i < kCases * fast_test::kStressScale / 40; ++i) {
            const int bitsUsed = randomInt(random, 1, 53);
            sums.push_back(
                randomDouble(random, bitsUsed, randomInt(random, -69 + bitsUsed - 1, 3)));
            // sums that put the sample near -1, where adding the signal cancels
            if (gain >= 0.2) {
                const double nearMinusOne = std::round(-std::sqrt(2.0) / gain * 0x1p69) * 0x1p-69;
                sums.push_back(nearMinusOne + randomInt(random, -1000, 1000) * 0x1p-69);
            }
        }
        sums.push_back(0.0);
        sums.push_back(-0.0);
        for (const bool signalOn : {false, true}) {
            const detector::fast::SampleScaling scaling{gain, inverse.high, inverse.low,
                                                        detector::fast::recomputeSample};
            std::vector<double> out(sums.size());
            const std::size_t recomputed =
                kernels().scaleSamples(sums.data(), scaling, signalOn, out.data(), sums.size());
            std::vector<double> gainsUsed(sums.size(), gain);
            expectBitsMatch(
                sums, gainsUsed, out,
                [&](double s, double k) { return sampleReference(s, k, signalOn); },
                signalOn ? "sample with signal" : "sample");
            EXPECT_LT(recomputed, sums.size() / 1000 + 2) << "gain " << gain;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, KernelLevel, testing::ValuesIn(fast_test::kKernelLevels),
                         fast_test::levelName);

TEST(GeneratorJump, EqualsThatManySteps) {
    for (const std::uint64_t steps : {0u, 1u, 2u, 24u, 2400u, 12345u}) {
        detector::NoiseSource source;
        source.RandomSeed(99);
        const std::uint64_t start = source.state();
        for (std::uint64_t i = 0; i < steps; ++i)
            source.RandomNext();
        EXPECT_EQ(detector::fast::generatorJump(steps).apply(start), source.state()) << steps;
    }
}

} // namespace
