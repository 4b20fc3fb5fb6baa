// A straightforward, independent rendering of the detector model, written plainly from the
// algorithm: the yardstick that the model and any faster code must match bit for bit.
#pragma once

#include <cstdint>

namespace yardstick {

// The generator as two 32-bit halves, stepped with the two halves of the multiplier.
struct Generator {
    std::uint32_t low = 0;
    std::uint32_t high = 0;

    void seed(std::uint32_t s) {
        low = s * 22695477u + 1u;
        high = 0;
    }
    std::uint32_t next() {
        // (high:low) * (346:20021) + 1 modulo 2^64, by halves.
        const std::uint64_t lowProduct = std::uint64_t(low) * 20021u + 1u;
        const std::uint32_t newHigh = std::uint32_t(lowProduct >> 32) + high * 20021u + low * 346u;
        low = std::uint32_t(lowProduct);
        high = newHigh;
        return high & 0x7FFFFFFFu;
    }
    std::uint64_t state() const { return (std::uint64_t(high) << 32) | low; }
};

struct Model {
    Generator gen;
    double gain = 1.0;
    double threshold = 25.0;
    double recorder = 0.0;
    double taps[100] = {};

    long double noise() {
        double s = 0.0;
        for (int i = 0; i < 24; ++i) {
            const long double u = (double)((long double)(gen.next() % 100000) * 1e-5L);
            s = (double)(((long double)s + u) - 0.5L);
        }
        const long double p = (long double)gain * s;
        return p / __builtin_sqrtl(2.0L);
    }

    double process(double x) {
        for (int i = 99; i > 0; --i)
            taps[i] = taps[i - 1];
        taps[0] = x;
        double s = 0.0;
        for (double tap : taps)
            s = (double)((long double)s + tap);
        return s;
    }

    void reset() {
        for (double& tap : taps)
            tap = 0.0;
    }

    double variance() {
        reset();
        recorder = 0.0;
        for (int i = 0; i < 100; ++i)
            process((double)noise());
        for (int i = 0; i < 100000; ++i) {
            const double y = process((double)noise());
            const double square = (double)((long double)y * y);
            recorder = (double)((long double)recorder + square);
        }
        return (double)((long double)recorder / 100000.0L);
    }

    int count(bool signal) {
        int n = 0;
        for (int trial = 0; trial < 1000; ++trial) {
            reset();
            double y = 0.0;
            for (int i = 0; i < 100; ++i) {
                const long double x = signal ? noise() + 1.0L : noise();
                y = process((double)x);
            }
            if (y > threshold)
                ++n;
        }
        return n;
    }
};

} // namespace yardstick
