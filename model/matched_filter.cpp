#include "matched_filter.h"

#include "extended_arithmetic.h"

#include <algorithm>
#include <stdexcept>

namespace detector {

void CFilter::Allocate(std::int32_t n) {
    if (n < 1)
        throw std::invalid_argument("CFilter::Allocate: the number of taps must be at least 1");
    FTaps.reset();
    FCount = 0;
    FTaps = std::make_unique<double[]>(static_cast<std::size_t>(n));
    FCount = n;
    Reset();
}

void CFilter::Reset() {
    if (!FTaps)
        return;
    std::fill_n(FTaps.get(), FCount, 0.0);
}

double CFilter::Process(double x) {
    if (!FTaps)
        return 0.0;
    double* taps = FTaps.get();
    std::copy_backward(taps, taps + FCount - 1, taps + FCount);
    taps[0] = x;
    double sum = 0.0;
    for (std::int32_t i = 0; i < FCount; ++i)
        sum = addStored(sum, taps[i]);
    return sum;
}

} // namespace detector
