// Jumping the noise generator ahead: k steps of X <- A X + C are one affine step A^k X + C(k).
#pragma once

#include <cstdint>

namespace detector::fast {

// The map X <- multiplier * X + increment (mod 2^64).
struct AffineStep {
    std::uint64_t multiplier = 1;
    std::uint64_t increment = 0;

    std::uint64_t apply(std::uint64_t x) const { return multiplier * x + increment; }
};

// first, then second.
AffineStep compose(AffineStep first, AffineStep second);

// The map of `steps` generator steps, by repeated squaring.
AffineStep generatorJump(std::uint64_t steps);

} // namespace detector::fast
