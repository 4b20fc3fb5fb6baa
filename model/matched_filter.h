// The matched filter: a delay line of equal taps whose output is the sum of the last N inputs.
#pragma once

#include <cstdint>
#include <memory>

namespace detector {

class CFilter {
public:
    CFilter() = default;
    CFilter(const CFilter&) = delete;
    CFilter& operator=(const CFilter&) = delete;

    // Makes n taps at 0.0, replacing any array there was. Throws std::invalid_argument for n < 1.
    void Allocate(std::int32_t n);
    void Reset();
    // Shifts x in and returns the sum of all taps, newest first.
    double Process(double x);

    const double* taps() const { return FTaps.get(); }
    double* taps() { return FTaps.get(); }
    std::int32_t count() const { return FCount; }

private:
    std::unique_ptr<double[]> FTaps; // element 0 the newest sample; null while there is no array
    std::int32_t FCount = 0;
};

} // namespace detector
