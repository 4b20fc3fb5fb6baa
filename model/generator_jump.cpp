#include "generator_jump.h"

#include "noise_source.h"

namespace detector::fast {

AffineStep compose(AffineStep first, AffineStep second) {
    return {second.multiplier * first.multiplier,
            second.multiplier * first.increment + second.increment};
}

AffineStep generatorJump(std::uint64_t steps) {
    AffineStep result;
    AffineStep power{NoiseSource::kStateMultiplier, NoiseSource::kIncrement};
    for (; steps != 0; steps >>= 1) {
        if (steps & 1u)
            result = compose(result, power);
        power = compose(power, power);
    }
    return result;
}

} // namespace detector::fast
