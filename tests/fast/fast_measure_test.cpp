// The fast measurements against the straightforward procedures: readings, recorder, taps and
// generator state must agree to the last bit after every measurement, on every kernel level.
#include "detector_model.h"
#include "fast_test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>
#include <vector>

namespace {

using detector::DetectorModel;
using detector::MeasurePath;
using fast_test::bits;

std::atomic<bool> g_countAllocations{false};
std::atomic<int> g_allocations{0};

} // namespace

void* operator new(std::size_t size) {
    if (g_countAllocations)
        ++g_allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

enum class Setup { Variance, FalseAlarm, Detection };

// Everything a measurement leaves that anyone can observe.
struct Outcome {
    std::uint64_t reading = 0; // the bits of the variance, or the count
    std::uint64_t recorder = 0;
    std::vector<std::uint64_t> taps;
    std::uint64_t state = 0;

    bool operator==(const Outcome&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Outcome& o) {
    return out << "reading bits " << o.reading << ", recorder bits " << o.recorder
               << ", generator state " << o.state;
}

Outcome outcomeOf(const DetectorModel& model, std::uint64_t reading) {
    Outcome o{reading, bits(model.FRecorder), {}, model.noise().state()};
    for (std::int32_t i = 0; i < model.FFilter.count(); ++i)
        o.taps.push_back(bits(model.FFilter.taps()[i]));
    return o;
}

Outcome measure(DetectorModel& model, Setup setup) {
    switch (setup) {
    case Setup::Variance:
        return outcomeOf(model, bits(model.MeasureVariance()));
    case Setup::FalseAlarm:
        return outcomeOf(model, static_cast<std::uint64_t>(model.CountFalseAlarms()));
    case Setup::Detection:
        return outcomeOf(model, static_cast<std::uint64_t>(model.CountDetections()));
    }
    return {};
}

Outcome measureReference(DetectorModel& model, Setup setup) {
    switch (setup) {
    case Setup::Variance:
        return outcomeOf(model, bits(model.MeasureVarianceReference()));
    case Setup::FalseAlarm:
        return outcomeOf(model, static_cast<std::uint64_t>(model.CountFalseAlarmsReference()));
    case Setup::Detection:
        return outcomeOf(model, static_cast<std::uint64_t>(model.CountDetectionsReference()));
    }
    return {};
}

// Forces a path for the life of a test.
class ForcedPath {
public:
    explicit ForcedPath(MeasurePath path) { detector::forceMeasurePath(path); }
    ~ForcedPath() { detector::forceMeasurePath(std::nullopt); }
    ForcedPath(const ForcedPath&) = delete;
    ForcedPath& operator=(const ForcedPath&) = delete;
};

std::vector<MeasurePath> supportedLevels() {
    std::vector<MeasurePath> levels;
    for (const MeasurePath level : fast_test::kKernelLevels)
        if (detector::isMeasurePathSupported(level))
            levels.push_back(level);
    return levels;
}

struct Case {
    std::uint32_t seed;
    double gain;
    double threshold;
};

// One session of measurements on the reference and on each level, from the same seed and with
// the same settings; a difference names the level, the setup and the step.
void expectSameSession(const Case& c, const std::vector<Setup>& setups,
                       void (*adjust)(DetectorModel&) = nullptr) {
    const auto prepare = [&](DetectorModel& model) {
        model.FGain = c.gain;
        model.FThreshold = c.threshold;
        if (adjust)
            adjust(model);
    };
    DetectorModel reference(c.seed);
    prepare(reference);
    std::vector<Outcome> expected;
    for (const Setup setup : setups)
        expected.push_back(measureReference(reference, setup));
    for (const MeasurePath level : supportedLevels()) {
        ForcedPath forced(level);
        DetectorModel model(c.seed);
        prepare(model);
        for (std::size_t step = 0; step < setups.size(); ++step)
            EXPECT_EQ(measure(model, setups[step]), expected[step])
                << detector::measurePathName(level) << ", seed " << c.seed << ", K " << c.gain
                << ", H " << c.threshold << ", step " << step;
    }
}

const std::vector<Setup> kSession = {Setup::Variance, Setup::FalseAlarm, Setup::Detection,
                                     Setup::Variance};

TEST(FastMeasure, GainsAndThresholdsMatchTheReference) {
    const Case cases[] = {
        {11, 0.0, 100.0},          // the pulse alone reaches exactly 100: not above
        {12, 0.0, 99.0},           //
        {13, 0.0, 0.0},            //
        {14, 1e-300, 0.0},         // below the kernels' range: the reference runs
        {15, 1e-30, 1e-29},        //
        {16, 0x1p-100, 0.0},       // the smallest gain the kernels take
        {17, 1e-5, 1e-4},          //
        {18, 1.0, 25.0},           //
        {19, 1.0, 0.0},            //
        {20, 0.37, 9.0},           //
        {21, 3.3, 80.0},           //
        {22, 999.9, 25000.0},      //
        {23, 1000.0, 5000.0},      //
        {4294967295u, 1.0, 100.0}, //
    };
    for (const Case& c : cases)
        expectSameSession(c, kSession);
}

TEST(FastMeasure, SeedSweepMatchesTheReference) {
    const std::uint32_t seeds = 12 * fast_test::kStressScale;
    for (std::uint32_t seed = 0; seed < seeds; ++seed)
        expectSameSession({seed * 2654435761u, 1.0, 25.0},
                          {Setup::Variance, Setup::FalseAlarm, Setup::Detection});
}

// The last filter output of the first trial, as the straightforward procedure forms it.
double firstTrialOutput(std::uint32_t seed, double gain, bool signalOn) {
    DetectorModel model(seed);
    detector::CFilter filter;
    filter.Allocate(model.FSamplesPerTrial);
    double y = 0.0;
    for (std::int32_t i = 0; i < model.FSamplesPerTrial; ++i) {
        const detector::Extended noise = model.noise().Noise(gain);
        y = filter.Process(detector::toDouble(signalOn ? noise + 1.0L : noise));
    }
    return y;
}

TEST(FastMeasure, ThresholdEqualToAnOutputIsNotExceeded) {
    for (const double gain : {1.0, 0.37}) {
        const double falseAlarmOutput = firstTrialOutput(5, gain, false);
        expectSameSession({5, gain, falseAlarmOutput}, {Setup::FalseAlarm});
        expectSameSession({5, gain, std::nextafter(falseAlarmOutput, -1e9)}, {Setup::FalseAlarm});
        const double detectionOutput = firstTrialOutput(6, gain, true);
        expectSameSession({6, gain, detectionOutput}, {Setup::Detection});
        expectSameSession({6, gain, std::nextafter(detectionOutput, -1e9)}, {Setup::Detection});
    }
}

TEST(FastMeasure, OtherSizesFallBackToTheReference) {
    expectSameSession({31, 1.0, 5.0}, kSession, [](DetectorModel& m) {
        m.FTrialCount = 7;
        m.FVarianceSamples = 333;
    });
    expectSameSession({32, 1.0, 5.0}, kSession, [](DetectorModel& m) {
        m.FSamplesPerTrial = 50;
        m.FFilter.Allocate(50);
    });
}

TEST(FastMeasure, MeasurementsAllocateNothing) {
    for (const MeasurePath level : supportedLevels()) {
        ForcedPath forced(level);
        DetectorModel model(3);
        g_allocations = 0;
        g_countAllocations = true;
        model.MeasureVariance();
        model.CountFalseAlarms();
        model.CountDetections();
        g_countAllocations = false;
        EXPECT_EQ(g_allocations, 0) << detector::measurePathName(level);
    }
}

TEST(FastMeasure, PathsAreNamedAndForced) {
    for (const MeasurePath path :
         {MeasurePath::Reference, MeasurePath::Portable, MeasurePath::Avx2, MeasurePath::Avx512}) {
        EXPECT_EQ(detector::measurePathFromName(detector::measurePathName(path)), path);
    }
    EXPECT_EQ(detector::measurePathFromName("sse9"), std::nullopt);
    EXPECT_TRUE(detector::isMeasurePathSupported(MeasurePath::Portable));
    EXPECT_TRUE(detector::isMeasurePathSupported(detector::bestMeasurePath()));
    {
        ForcedPath forced(MeasurePath::Reference);
        EXPECT_EQ(detector::activeMeasurePath(), MeasurePath::Reference);
    }
    if (!std::getenv("DETECTOR_MODEL_PATH")) {
        EXPECT_EQ(detector::activeMeasurePath(), detector::bestMeasurePath());
    }
}

} // namespace
