// The detector model: its state and the three measurements of the laboratory setups.
#pragma once

#include "matched_filter.h"
#include "noise_source.h"

#include <cstdint>
#include <vector>

namespace detector {

class DetectorModel {
public:
    // Seeds the generator from the calendar clock, as the program does at start.
    DetectorModel();
    // Seeds the generator with a chosen seed, for tests and the command-line tool.
    explicit DetectorModel(std::uint32_t seed);

    // The mean square of FVarianceSamples filter outputs; leaves their sum in FRecorder.
    double MeasureVariance();
    // The number of noise-only trials whose last filter output exceeds FThreshold.
    std::int32_t CountFalseAlarms();
    // The number of signal-plus-noise trials whose last filter output exceeds FThreshold.
    std::int32_t CountDetections();

    // The three measurements step by step as described: the reference that the fast kernels
    // behind the three above must match bit for bit, and their fallback.
    double MeasureVarianceReference();
    std::int32_t CountFalseAlarmsReference();
    std::int32_t CountDetectionsReference();

    NoiseSource& noise() { return m_noise; }
    const NoiseSource& noise() const { return m_noise; }

    std::int32_t FTrialCount = 0;
    std::int32_t FSamplesPerTrial = 0;
    std::int32_t FVarianceSamples = 0;
    double FThreshold = 0.0;
    double FRecorder = 0.0;
    CFilter FFilter;
    double FGain = 0.0;

private:
    void setDefaults(std::uint32_t seed);
    std::int32_t countTrialsAbove(bool signalOn);

    NoiseSource m_noise;
    // Room for the fast measurements, made once so that a measurement allocates nothing.
    std::vector<double> m_fastScratch;
};

} // namespace detector
