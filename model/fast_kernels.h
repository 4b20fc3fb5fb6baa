// The vectorised measurement kernels, one set per instruction-set level, and their building blocks.
#pragma once

#include <cstddef>
#include <cstdint>

namespace detector::fast {

// Recomputes one noise sample with the double-extended arithmetic, from its sum of uniforms S:
// the stored double of (K S) / sqrt 2, plus 1.0 before storing when the signal is on.
using SampleRecompute = double (*)(double sum, double gain, bool signalOn);

// What every kernel needs to form samples: the gain, 1/sqrt 2 as an unevaluated pair of doubles
// accurate far beyond 64 bits, and the extended-precision fallback for lanes it cannot settle.
struct SampleScaling {
    double gain = 1.0;
    double inverseSqrt2High = 0.0;
    double inverseSqrt2Low = 0.0;
    SampleRecompute recompute = nullptr;
};

// A lane's generator: the states at which the lanes of the first batch begin, and the jump that
// takes a lane from the end of its stretch to the beginning of its stretch in the next batch.
struct LaneStarts {
    const std::uint64_t* states = nullptr; // lanesPerBatch of them
    std::uint64_t jumpMultiplier = 1;
    std::uint64_t jumpIncrement = 0;
};

struct VarianceJob {
    LaneStarts lanes; // lane i of the first batch begins at sample i
    SampleScaling scaling;
    std::int32_t taps = 0; // filter length; the first `taps` samples only warm it up
    std::int32_t outputCount = 0;
    double* samples = nullptr; // room for taps + outputCount samples, each rounded up to a batch
    double* squares = nullptr; // the stored squares of the outputs, room rounded up to a batch
};

struct CountingJob {
    LaneStarts lanes; // lane i of the first batch begins at trial i
    SampleScaling scaling;
    bool signalOn = false;
    double threshold = 0.0;
    std::int32_t taps = 0;              // samples per trial, equal to the filter length
    std::int32_t trialCount = 0;        // a multiple of lanesPerBatch
    double* batchSamples = nullptr;     // room for taps * lanesPerBatch samples
    double* lastTrialSamples = nullptr; // receives the last trial's samples, oldest first
};

struct FastKernels {
    const char* name;
    std::int32_t lanesPerBatch; // samples, outputs or trials handled together

    // The recorder's total as the straightforward variance measurement forms it; leaves the
    // samples and the stored squares of the outputs in the job's buffers.
    double (*varianceRecorder)(const VarianceJob& job);
    // The number of trials whose last filter output exceeds the threshold.
    std::int32_t (*countTrials)(const CountingJob& job);

    // The building blocks over arrays, for the stress tests; each element on its own.
    // out = a + b, rounded to a 64-bit significand and then to double.
    void (*addStored)(const double* a, const double* b, double* out, std::size_t n);
    // out = a * b, rounded to a 64-bit significand and then to double.
    void (*mulStored)(const double* a, const double* b, double* out, std::size_t n);
    // One update of the noise sum: out = ((sum + u) - 0.5), each step with a 64-bit significand.
    void (*noiseStep)(const double* sum, const double* u, double* out, std::size_t n);
    // out = v mod 100000, for v below 2^31.
    void (*remainder)(const std::uint32_t* v, std::uint32_t* out, std::size_t n);
    // out = r / 100000 correctly rounded, for r below 100000.
    void (*uniform)(const std::uint32_t* r, double* out, std::size_t n);
    // out = the stored sample for the sum of uniforms; returns how many lanes were recomputed.
    std::size_t (*scaleSamples)(const double* sum, const SampleScaling& scaling, bool signalOn,
                                double* out, std::size_t n);
};

const FastKernels& portableKernels();
const FastKernels& avx2Kernels();
const FastKernels& avx512Kernels();

} // namespace detector::fast
