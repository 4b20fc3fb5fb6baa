#include "fast_measure.h"

#include "detector_model.h"
#include "extended_arithmetic.h"
#include "fast_kernels.h"
#include "generator_jump.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace detector {

namespace {

constexpr std::array kPathNames = {
    std::pair{MeasurePath::Reference, std::string_view("reference")},
    std::pair{MeasurePath::Portable, std::string_view("portable")},
    std::pair{MeasurePath::Avx2, std::string_view("avx2")},
    std::pair{MeasurePath::Avx512, std::string_view("avx512")},
};

std::optional<MeasurePath> g_forcedPath;

MeasurePath pathFromEnvironment() {
    const char* name = std::getenv("DETECTOR_MODEL_PATH");
    const auto path = name ? measurePathFromName(name) : std::nullopt;
    return path && isMeasurePathSupported(*path) ? *path : bestMeasurePath();
}

} // namespace

std::string_view measurePathName(MeasurePath path) {
    for (const auto& [p, name] : kPathNames)
        if (p == path)
            return name;
    return {};
}

std::optional<MeasurePath> measurePathFromName(std::string_view name) {
    for (const auto& [p, n] : kPathNames)
        if (n == name)
            return p;
    return std::nullopt;
}

bool isMeasurePathSupported(MeasurePath path) {
    switch (path) {
    case MeasurePath::Reference:
    case MeasurePath::Portable:
        return true;
    case MeasurePath::Avx2:
        return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    case MeasurePath::Avx512:
        return isMeasurePathSupported(MeasurePath::Avx2) && __builtin_cpu_supports("avx512f") &&
               __builtin_cpu_supports("avx512dq") && __builtin_cpu_supports("avx512vl") &&
               __builtin_cpu_supports("avx512bw");
    }
    return false;
}

MeasurePath bestMeasurePath() {
    for (const auto path : {MeasurePath::Avx512, MeasurePath::Avx2})
        if (isMeasurePathSupported(path))
            return path;
    return MeasurePath::Portable;
}

MeasurePath activeMeasurePath() {
    static const MeasurePath fromEnvironment = pathFromEnvironment();
    return g_forcedPath.value_or(fromEnvironment);
}

void forceMeasurePath(std::optional<MeasurePath> path) {
    g_forcedPath = path;
}

namespace fast {

namespace {

// The kernels are made for the program's fixed sizes; other sizes take the reference path.
constexpr std::int32_t kTaps = 100;
constexpr std::int32_t kVarianceOutputs = 100000;
constexpr std::int32_t kTrials = 1000;
constexpr std::int32_t kLargestBatch = 128;
// Kernels may run their last batch of samples and of outputs past the end.
constexpr std::size_t kSampleRoom = kTaps + kVarianceOutputs + 2 * kLargestBatch;
constexpr std::size_t kSquaresRoom = kVarianceOutputs + kLargestBatch;
static_assert(kSampleRoom >= std::size_t{kTaps} * kLargestBatch);
constexpr std::int64_t kStepsPerSample = NoiseSource::kTermsPerSample;

const FastKernels* kernelsFor(MeasurePath path) {
    switch (path) {
    case MeasurePath::Reference:
        return nullptr;
    case MeasurePath::Portable:
        return &portableKernels();
    case MeasurePath::Avx2:
        return &avx2Kernels();
    case MeasurePath::Avx512:
        return &avx512Kernels();
    }
    return nullptr;
}

// Zero, or a magnitude that keeps every value of the run a normal double far from both ends of
// the range, where the kernels' exact steps hold.
bool gainIsSafe(double gain) {
    const double k = std::fabs(gain);
    return k == 0.0 || (k >= 0x1p-100 && k <= 0x1p100);
}

const FastKernels* kernelsForModel(const DetectorModel& model) {
    const FastKernels* kernels = kernelsFor(activeMeasurePath());
    if (!kernels || kernels->lanesPerBatch > kLargestBatch || model.FSamplesPerTrial != kTaps ||
        model.FFilter.count() != kTaps || !gainIsSafe(model.FGain))
        return nullptr;
    return kernels;
}

SampleScaling scalingFor(double gain) {
    const InversePair inverse = inverseSqrt2();
    return {gain, inverse.high, inverse.low, recomputeSample};
}

// Lane i starts `stretch` generator steps after lane i - 1; after its stretch a lane jumps over
// the stretches of the other lanes of its batch.
struct Lanes {
    std::array<std::uint64_t, kLargestBatch> states{};
    LaneStarts starts;

    Lanes(std::uint64_t state, std::int64_t stretch, std::int32_t lanes) {
        for (std::int32_t i = 0; i < lanes; ++i)
            states[static_cast<std::size_t>(i)] =
                generatorJump(static_cast<std::uint64_t>(stretch * i)).apply(state);
        const AffineStep jump = generatorJump(static_cast<std::uint64_t>(stretch * (lanes - 1)));
        starts = {states.data(), jump.multiplier, jump.increment};
    }
};

void loadTapsNewestFirst(CFilter& filter, const double* oldestFirst) {
    double* taps = filter.taps();
    for (std::int32_t i = 0; i < kTaps; ++i)
        taps[i] = oldestFirst[kTaps - 1 - i];
}

} // namespace

std::size_t scratchDoubles() {
    return kSampleRoom + kSquaresRoom;
}

InversePair inverseSqrt2() {
    static const InversePair pair = [] {
        // high is 1/R rounded to double; low is (1 - high R) / R, where the residual is formed
        // exactly from R = rHigh + rLow: high * rHigh by Dekker's product, high * rLow (at most
        // 64 bits) in extended precision.
        const Extended r = kExtendedSqrt2;
        const double high = toDouble(1.0L / r);
        const double rHigh = toDouble(r);
        const double rLow = toDouble(r - rHigh);
        const double p = high * rHigh;
        const auto splitHalves = [](double a) {
            const double c = a * 134217729.0;
            const double h = c - (c - a);
            return std::pair{h, a - h};
        };
        const auto [ah, al] = splitHalves(high);
        const auto [bh, bl] = splitHalves(rHigh);
        const double pError = ((ah * bh - p) + ah * bl + al * bh) + al * bl;
        const Extended residual = ((1.0L - p) - pError) - static_cast<Extended>(high) * rLow;
        return InversePair{high, toDouble(residual * high)};
    }();
    return pair;
}

double recomputeSample(double sum, double gain, bool signalOn) {
    const Extended sample = (static_cast<Extended>(gain) * sum) / kExtendedSqrt2;
    return toDouble(signalOn ? sample + 1.0L : sample);
}

bool measureVariance(DetectorModel& model, double* scratch, double& reading) {
    const FastKernels* kernels = kernelsForModel(model);
    if (!kernels || model.FVarianceSamples != kVarianceOutputs)
        return false;
    const std::uint64_t start = model.noise().state();
    const Lanes lanes(start, kStepsPerSample, kernels->lanesPerBatch);
    VarianceJob job;
    job.lanes = lanes.starts;
    job.scaling = scalingFor(model.FGain);
    job.taps = kTaps;
    job.outputCount = kVarianceOutputs;
    job.samples = scratch;
    job.squares = scratch + kSampleRoom;
    const double recorder = kernels->varianceRecorder(job);

    constexpr std::int32_t sampleCount = kTaps + kVarianceOutputs;
    model.FRecorder = recorder;
    loadTapsNewestFirst(model.FFilter, job.samples + sampleCount - kTaps);
    model.noise().setState(generatorJump(kStepsPerSample * sampleCount).apply(start));
    reading = divStored(model.FRecorder, static_cast<double>(model.FVarianceSamples));
    return true;
}

bool countTrialsAbove(DetectorModel& model, double* scratch, bool signalOn, std::int32_t& count) {
    const FastKernels* kernels = kernelsForModel(model);
    if (!kernels || model.FTrialCount != kTrials)
        return false;
    const std::uint64_t start = model.noise().state();
    constexpr std::int64_t stepsPerTrial = kStepsPerSample * kTaps;
    const Lanes lanes(start, stepsPerTrial, kernels->lanesPerBatch);
    CountingJob job;
    job.lanes = lanes.starts;
    job.scaling = scalingFor(model.FGain);
    job.signalOn = signalOn;
    job.threshold = model.FThreshold;
    job.taps = kTaps;
    job.trialCount = kTrials;
    job.batchSamples = scratch;
    job.lastTrialSamples = scratch + kSampleRoom;
    count = kernels->countTrials(job);

    loadTapsNewestFirst(model.FFilter, job.lastTrialSamples);
    model.noise().setState(generatorJump(stepsPerTrial * kTrials).apply(start));
    return true;
}

} // namespace fast
} // namespace detector
