// The noise source: a 64-bit linear congruential generator and the sum-of-24-uniforms noise.
#pragma once

#include "extended_arithmetic.h"

#include <cstdint>

namespace detector {

class NoiseSource {
public:
    // The state that a seed of 1 gives, as before any seeding.
    NoiseSource() { RandomSeed(1); }

    void RandomSeed(std::uint32_t seed);
    std::int32_t RandomNext();
    // One sample of gain k; the caller rounds it to double where it stores it.
    Extended Noise(double k);

    std::uint64_t state() const { return m_state; }
    void setState(std::uint64_t state) { m_state = state; }

    static constexpr std::uint32_t kSeedMultiplier = 22695477u;
    static constexpr std::uint64_t kStateMultiplier = 1486058704437ull;
    static constexpr std::uint64_t kIncrement = 1;
    static constexpr int kTermsPerSample = 24;
    static constexpr std::int32_t kRemainderModulus = 100000;

private:
    std::uint64_t m_state = 0;
};

// The seconds of calendar time, taken as an unsigned 32-bit number, as the program seeds itself.
std::uint32_t clockSeed();

} // namespace detector
