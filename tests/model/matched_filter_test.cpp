#include "matched_filter.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

using detector::CFilter;

TEST(MatchedFilter, WithoutAnArrayOutputsZeroAndResetDoesNothing) {
    CFilter filter;
    EXPECT_EQ(filter.taps(), nullptr);
    EXPECT_EQ(filter.count(), 0);
    EXPECT_EQ(filter.Process(5.0), 0.0);
    filter.Reset();
    EXPECT_EQ(filter.taps(), nullptr);
    EXPECT_EQ(filter.Process(-3.0), 0.0);
}

struct FilterCase {
    const char* name;
    int taps;
    std::vector<double> inputs;
    std::vector<double> outputs;
};

TEST(MatchedFilter, OutputsTheSumOfTheLastInputs) {
    std::vector<double> ones(101, 1.0);
    std::vector<double> ramp;
    for (int i = 1; i <= 100; ++i)
        ramp.push_back(i);
    ramp.push_back(100);
    const FilterCase cases[] = {
        {"first output is the input", 100, {2.5}, {2.5}},
        {"one tap passes each input", 1, {3.0, -7.0, 0.25}, {3.0, -7.0, 0.25}},
        {"window fills then slides", 100, ones, ramp},
        {"oldest value drops out", 3, {1, 2, 4, 8, 16}, {1, 3, 7, 14, 28}},
        // Newest first: 1 + 1 = 2 survives before 1e16 is added; oldest first both ones vanish.
        {"newest tap is added first", 3, {1e16, 1.0, 1.0}, {1e16, 1e16, 10000000000000002.0}},
    };
    for (const auto& c : cases) {
        CFilter filter;
        filter.Allocate(c.taps);
        std::vector<double> outputs;
        for (double x : c.inputs)
            outputs.push_back(filter.Process(x));
        EXPECT_EQ(outputs, c.outputs) << c.name;
    }
}

TEST(MatchedFilter, ResetAndReallocateStartFromZeroTaps) {
    CFilter filter;
    filter.Allocate(4);
    for (double x : {9.0, 8.0, 7.0, 6.0})
        filter.Process(x);
    filter.Reset();
    EXPECT_EQ(filter.count(), 4);
    EXPECT_EQ(filter.Process(0.5), 0.5);

    filter.Process(3.0);
    filter.Allocate(2);
    EXPECT_EQ(filter.count(), 2);
    EXPECT_EQ(filter.taps()[0], 0.0);
    EXPECT_EQ(filter.taps()[1], 0.0);
    EXPECT_EQ(filter.Process(1.0), 1.0);
    EXPECT_EQ(filter.Process(2.0), 3.0);
    EXPECT_EQ(filter.Process(4.0), 6.0);
}

TEST(MatchedFilter, TapsHoldTheInputsNewestFirst) {
    CFilter filter;
    filter.Allocate(3);
    for (double x : {1.0, 2.0, 3.0, 4.0})
        filter.Process(x);
    EXPECT_EQ(filter.taps()[0], 4.0);
    EXPECT_EQ(filter.taps()[1], 3.0);
    EXPECT_EQ(filter.taps()[2], 2.0);
}

TEST(MatchedFilter, RefusesACountBelowOneAndKeepsItsArray) {
    CFilter filter;
    filter.Allocate(2);
    EXPECT_THROW(filter.Allocate(0), std::invalid_argument);
    EXPECT_THROW(filter.Allocate(-5), std::invalid_argument);
    EXPECT_EQ(filter.count(), 2);
    EXPECT_EQ(filter.Process(1.5), 1.5);
}

} // namespace
