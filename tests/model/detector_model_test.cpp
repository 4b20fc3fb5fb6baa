#include "detector_model.h"
#include "reference_model.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using detector::DetectorModel;

TEST(DetectorModel, ConstructionSetsTheDefaultsAndSeeds) {
    DetectorModel model(4321);
    EXPECT_EQ(model.FTrialCount, 1000);
    EXPECT_EQ(model.FSamplesPerTrial, 100);
    EXPECT_EQ(model.FVarianceSamples, 100000);
    EXPECT_EQ(model.FThreshold, 25.0);
    EXPECT_EQ(model.FRecorder, 0.0);
    EXPECT_EQ(model.FGain, 1.0);
    ASSERT_EQ(model.FFilter.count(), 100);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(model.FFilter.taps()[i], 0.0);
    detector::NoiseSource seeded;
    seeded.RandomSeed(4321);
    EXPECT_EQ(model.noise().state(), seeded.state());
}

TEST(DetectorModel, ClockSeedIsTheCalendarSecond) {
    const std::uint32_t before = static_cast<std::uint32_t>(std::time(nullptr));
    DetectorModel model;
    const std::uint32_t after = static_cast<std::uint32_t>(std::time(nullptr));
    bool matched = false;
    for (std::uint32_t s = before; s <= after; ++s) {
        detector::NoiseSource seeded;
        seeded.RandomSeed(s);
        matched = matched || seeded.state() == model.noise().state();
    }
    EXPECT_TRUE(matched);
}

TEST(DetectorModel, SeedZeroReadingsInOneSession) {
    DetectorModel model(0);
    EXPECT_EQ(model.MeasureVariance(), 97.918037704833722);
    EXPECT_EQ(model.CountFalseAlarms(), 8);
    EXPECT_EQ(model.CountDetections(), 1000);
}

TEST(DetectorModel, ZeroGainGivesExactReadings) {
    DetectorModel model(77);
    model.FGain = 0.0;
    EXPECT_EQ(model.MeasureVariance(), 0.0);
    EXPECT_EQ(model.FRecorder, 0.0);
    for (double h : {0.0, 1e-300, 25.0}) {
        model.FThreshold = h;
        EXPECT_EQ(model.CountFalseAlarms(), 0) << "H = " << h;
    }
    model.FThreshold = 100.0; // the pulse alone sums to exactly 100, which is not above
    EXPECT_EQ(model.CountDetections(), 0);
    model.FThreshold = 99.0;
    EXPECT_EQ(model.CountDetections(), 1000);
}

TEST(DetectorModel, RecorderHoldsTheSumOfSquares) {
    DetectorModel model(5);
    model.FGain = 3.3;
    const double reading = model.MeasureVariance();
    EXPECT_EQ(reading, detector::divStored(model.FRecorder, 100000.0));
    EXPECT_NEAR(reading, 100 * 3.3 * 3.3, 0.1 * 100 * 3.3 * 3.3);
}

// Only the generator links one measurement to the next: dirty taps and recorder change nothing.
TEST(DetectorModel, MeasurementDependsOnlyOnTheGeneratorState) {
    DetectorModel clean(31);
    DetectorModel dirty(31);
    for (int i = 0; i < 37; ++i)
        dirty.FFilter.Process(1e6 + i);
    dirty.FRecorder = -123.0;
    EXPECT_EQ(clean.MeasureVariance(), dirty.MeasureVariance());
    EXPECT_EQ(clean.FRecorder, dirty.FRecorder);

    dirty.FFilter.Process(5e5);
    EXPECT_EQ(clean.CountFalseAlarms(), dirty.CountFalseAlarms());
    dirty.FFilter.Process(-5e5);
    EXPECT_EQ(clean.CountDetections(), dirty.CountDetections());
    EXPECT_EQ(clean.noise().state(), dirty.noise().state());
}

struct Setting {
    std::uint32_t seed;
    double gain;
    double threshold;
};

// The model against the straightforward yardstick, measurement after measurement, to the bit.
TEST(DetectorModel, MatchesTheYardstickBitForBit) {
    const Setting settings[] = {
        {0, 1.0, 25.0},          {1, 0.37, 3.0},
        {123456789, 3.3, 120.0}, {4294967295u, 1000.0, 3000.0},
        {2026, 1e-5, 0.0},       {42, 7.77, 101.5},
    };
    for (const auto& s : settings) {
        DetectorModel model(s.seed);
        model.FGain = s.gain;
        model.FThreshold = s.threshold;
        yardstick::Model yard;
        yard.gen.seed(s.seed);
        yard.gain = s.gain;
        yard.threshold = s.threshold;

        const double variance = model.MeasureVariance();
        EXPECT_EQ(variance, yard.variance()) << "seed " << s.seed << " gain " << s.gain;
        EXPECT_EQ(model.FRecorder, yard.recorder) << "seed " << s.seed;
        EXPECT_EQ(model.CountFalseAlarms(), yard.count(false)) << "seed " << s.seed;
        EXPECT_EQ(model.CountDetections(), yard.count(true)) << "seed " << s.seed;
        EXPECT_EQ(model.noise().state(), yard.gen.state()) << "seed " << s.seed;
        for (int i = 0; i < 100; ++i)
            ASSERT_EQ(model.FFilter.taps()[i], yard.taps[i]) << "seed " << s.seed << " tap " << i;
    }
}

TEST(DetectorModel, DefaultsGiveAFewFalseAlarmsAndCertainDetection) {
    long falseAlarms = 0;
    const int runs = 20;
    for (int seed = 0; seed < runs; ++seed) {
        DetectorModel model(seed * 7919u);
        falseAlarms += model.CountFalseAlarms();
        EXPECT_EQ(model.CountDetections(), 1000);
    }
    // P(y > 2.5 sigma) is about 0.0062, so about 6.2 per thousand; 20 runs give 124 +- 11.
    EXPECT_NEAR(falseAlarms / double(runs), 6.2, 2.0);
}

} // namespace
