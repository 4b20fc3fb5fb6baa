#include "detector_model.h"

#include "fast_measure.h"

namespace detector {

DetectorModel::DetectorModel() {
    setDefaults(clockSeed());
}

DetectorModel::DetectorModel(std::uint32_t seed) {
    setDefaults(seed);
}

void DetectorModel::setDefaults(std::uint32_t seed) {
    m_noise.RandomSeed(seed);
    FGain = 1.0;
    FTrialCount = 1000;
    FSamplesPerTrial = 100;
    FVarianceSamples = 100000;
    FFilter.Allocate(FSamplesPerTrial);
    FRecorder = 0.0;
    FThreshold = 25.0;
    m_fastScratch.assign(fast::scratchDoubles(), 0.0);
}

double DetectorModel::MeasureVariance() {
    double reading = 0.0;
    if (fast::measureVariance(*this, m_fastScratch.data(), reading))
        return reading;
    return MeasureVarianceReference();
}

std::int32_t DetectorModel::CountFalseAlarms() {
    std::int32_t count = 0;
    if (fast::countTrialsAbove(*this, m_fastScratch.data(), false, count))
        return count;
    return CountFalseAlarmsReference();
}

std::int32_t DetectorModel::CountDetections() {
    std::int32_t count = 0;
    if (fast::countTrialsAbove(*this, m_fastScratch.data(), true, count))
        return count;
    return CountDetectionsReference();
}

double DetectorModel::MeasureVarianceReference() {
    FFilter.Reset();
    FRecorder = 0.0;
    for (std::int32_t i = 0; i < FSamplesPerTrial; ++i)
        FFilter.Process(toDouble(m_noise.Noise(FGain)));
    for (std::int32_t i = 0; i < FVarianceSamples; ++i) {
        const double y = FFilter.Process(toDouble(m_noise.Noise(FGain)));
        FRecorder = addStored(FRecorder, mulStored(y, y));
    }
    return divStored(FRecorder, static_cast<double>(FVarianceSamples));
}

std::int32_t DetectorModel::CountFalseAlarmsReference() {
    return countTrialsAbove(false);
}

std::int32_t DetectorModel::CountDetectionsReference() {
    return countTrialsAbove(true);
}

std::int32_t DetectorModel::countTrialsAbove(bool signalOn) {
    const Extended signal = signalOn ? 1.0L : 0.0L;
    std::int32_t count = 0;
    for (std::int32_t trial = 0; trial < FTrialCount; ++trial) {
        FFilter.Reset();
        double y = 0.0;
        for (std::int32_t i = 0; i < FSamplesPerTrial; ++i) {
            const Extended noise = m_noise.Noise(FGain);
            y = FFilter.Process(toDouble(signalOn ? noise + signal : noise));
        }
        if (y > FThreshold)
            ++count;
    }
    return count;
}

} // namespace detector
