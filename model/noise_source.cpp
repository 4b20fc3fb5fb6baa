#include "noise_source.h"

#include <ctime>

namespace detector {

void NoiseSource::RandomSeed(std::uint32_t seed) {
    // One 32-bit step on the low half; its output is discarded and the high half stays zero.
    const std::uint32_t low = seed * kSeedMultiplier + 1u;
    m_state = low;
}

std::int32_t NoiseSource::RandomNext() {
    m_state = m_state * kStateMultiplier + kIncrement;
    return static_cast<std::int32_t>((m_state >> 32) & 0x7FFFFFFFu);
}

Extended NoiseSource::Noise(double k) {
    double sum = 0.0;
    for (int i = 0; i < kTermsPerSample; ++i) {
        const std::int32_t r = RandomNext() % kRemainderModulus;
        const double u = toDouble(static_cast<Extended>(r) * kExtendedScale);
        sum = toDouble((static_cast<Extended>(sum) + u) - 0.5L);
    }
    const Extended scaled = static_cast<Extended>(k) * sum;
    return scaled / kExtendedSqrt2;
}

std::uint32_t clockSeed() {
    return static_cast<std::uint32_t>(std::time(nullptr));
}

} // namespace detector
