// Runs the real detector-measure executable and checks its output, errors and exit status.
#include "detector_model.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Arguments are passed through the shell, each in single quotes.
Result runTool(const std::vector<std::string>& args) {
    // Named after the test, so that tests running side by side keep their own files.
    const std::string base = testing::TempDir() + "measure-" +
                             testing::UnitTest::GetInstance()->current_test_info()->name();
    const std::string outPath = base + ".out";
    const std::string errPath = base + ".err";
    std::string command = DETECTOR_MEASURE;
    for (const auto& a : args)
        command += " '" + a + "'";
    command += " >" + outPath + " 2>" + errPath;
    Result r;
    const int raw = std::system(command.c_str());
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = readFile(outPath);
    r.err = readFile(errPath);
    return r;
}

TEST(DetectorMeasure, SeedZeroJsonReadings) {
    const Result r = runTool({"--seed", "0", "--json", "variance", "false-alarm", "detection"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "{\"setup\":\"variance\",\"seed\":0,\"gain\":1,\"threshold\":25,"
                     "\"recorder\":97.918037704833722,\"trials\":1,\"counter\":0}\n"
                     "{\"setup\":\"false-alarm\",\"seed\":0,\"gain\":1,\"threshold\":25,"
                     "\"recorder\":0,\"trials\":1000,\"counter\":8}\n"
                     "{\"setup\":\"detection\",\"seed\":0,\"gain\":1,\"threshold\":25,"
                     "\"recorder\":0,\"trials\":1000,\"counter\":1000}\n");
}

TEST(DetectorMeasure, TextShowsTheInstrumentsAsTheWindowDoes) {
    const Result r = runTool({"--seed=0", "variance", "false-alarm"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Измерение дисперсии: регистратор 97,92; количество опытов 1; счётчик 0\n"
                     "Вероятность ложной тревоги: регистратор 0,00; количество опытов 1000; "
                     "счётчик 8\n");
}

// One generator serves the whole list, repeated: the readings of successive measurements.
TEST(DetectorMeasure, RunsRepeatTheListOnOneGenerator) {
    const Result r = runTool({"--seed", "17", "--gain", "0.37", "--threshold", "4.5", "--runs", "2",
                              "--json", "false-alarm", "variance"});
    ASSERT_EQ(r.status, 0) << r.err;
    detector::DetectorModel model(17);
    model.FGain = 0.37;
    model.FThreshold = 4.5;
    std::string expected;
    for (int run = 0; run < 2; ++run) {
        const int alarms = model.CountFalseAlarms();
        char recorder[40];
        std::snprintf(recorder, sizeof recorder, "%.17g", model.MeasureVariance());
        expected += "{\"setup\":\"false-alarm\",\"seed\":17,\"gain\":0.37,\"threshold\":4.5,"
                    "\"recorder\":0,\"trials\":1000,\"counter\":" +
                    std::to_string(alarms) + "}\n";
        expected += "{\"setup\":\"variance\",\"seed\":17,\"gain\":0.37,\"threshold\":4.5,"
                    "\"recorder\":" +
                    std::string(recorder) + ",\"trials\":1,\"counter\":0}\n";
    }
    EXPECT_EQ(r.out, expected);
}

TEST(DetectorMeasure, HelpPrintsUsage) {
    const Result r = runTool({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("detector-measure [--seed N]"), std::string::npos);
}

struct BadCall {
    std::vector<std::string> args;
    std::string named; // the bad argument the message must name
};

TEST(DetectorMeasure, BadInputIsRefusedWithoutMeasuring) {
    const BadCall calls[] = {
        {{}, "установка"},
        {{"--json"}, "установка"},
        {{"noise"}, "\"noise\""},
        {{"--verbose", "variance"}, "\"--verbose\""},
        {{"-x", "variance"}, "\"-x\""},
        {{"--gain", "1001", "variance"}, "--gain"},
        {{"--gain", "-0.5", "variance"}, "--gain"},
        {{"--gain", "1,5x", "variance"}, "\"1,5x\""},
        {{"--gain", "nan", "variance"}, "\"nan\""},
        {{"--gain", "inf", "variance"}, "\"inf\""},
        {{"--gain", "", "variance"}, "--gain"},
        {{"--threshold", "5000.5", "detection"}, "--threshold"},
        {{"--threshold", "abc", "detection"}, "\"abc\""},
        {{"--seed", "4294967296", "variance"}, "--seed"},
        {{"--seed", "-1", "variance"}, "--seed"},
        {{"--seed", "1e3", "variance"}, "--seed"},
        {{"--runs", "0", "variance"}, "--runs"},
        {{"variance", "--seed"}, "--seed"},
    };
    for (const auto& call : calls) {
        const Result r = runTool(call.args);
        std::string shown;
        for (const auto& a : call.args)
            shown += "[" + a + "]";
        EXPECT_EQ(r.status, 2) << shown;
        EXPECT_EQ(r.out, "") << shown;
        const auto firstLineEnd = r.err.find('\n');
        ASSERT_NE(firstLineEnd, std::string::npos) << shown;
        EXPECT_NE(r.err.substr(0, firstLineEnd).find(call.named), std::string::npos)
            << shown << ": " << r.err;
        EXPECT_NE(r.err.find("--help"), std::string::npos) << shown;
    }
}

TEST(DetectorMeasure, AcceptsTheLimitsOfEachRange) {
    const Result r = runTool(
        {"--seed", "4294967295", "--gain", "1000", "--threshold", "5000", "--json", "false-alarm"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"seed\":4294967295,\"gain\":1000,\"threshold\":5000"), std::string::npos)
        << r.out;
}

} // namespace
