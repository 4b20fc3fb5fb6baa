// The double-extended arithmetic of the model: every step rounds to a 64-bit significand first
// and to double only where the model stores a value.
#pragma once

#include <limits>

namespace detector {

// GCC on x86-64 gives long double the x87 double-extended format. Readings depend on it to the
// last bit, so a build where long double is anything else must not compile.
static_assert(std::numeric_limits<long double>::digits == 64,
              "long double must be the double-extended format with a 64-bit significand");
static_assert(std::numeric_limits<long double>::round_style == std::round_to_nearest);

using Extended = long double;

// 10^-5 and the square root of 2, each the nearest value with a 64-bit significand.
inline constexpr Extended kExtendedScale = 1e-5L;
inline constexpr Extended kExtendedSqrt2 = 1.41421356237309504880168872420969808L;

inline double toDouble(Extended x) {
    return static_cast<double>(x);
}

// a + b computed with a 64-bit significand, then stored as a double.
inline double addStored(double a, double b) {
    return toDouble(static_cast<Extended>(a) + static_cast<Extended>(b));
}

// a * b computed with a 64-bit significand, then stored as a double.
inline double mulStored(double a, double b) {
    return toDouble(static_cast<Extended>(a) * static_cast<Extended>(b));
}

// a / b computed with a 64-bit significand, then stored as a double.
inline double divStored(double a, double b) {
    return toDouble(static_cast<Extended>(a) / static_cast<Extended>(b));
}

} // namespace detector
