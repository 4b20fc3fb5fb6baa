// Times the three measurements on the straightforward path and on each kernel level of this
// processor, in one run, and prints how many times faster each level is than the straightforward
// path, from the best of the repetitions, by wall time and by the process's processor time (the
// machine may be shared: processor time leaves out the time others had the core).
#include "detector_model.h"
#include "fast_measure.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using detector::DetectorModel;
using detector::MeasurePath;

enum class Setup { Variance, FalseAlarm, Detection };

constexpr std::pair<Setup, const char*> kSetups[] = {
    {Setup::Variance, "variance"},
    {Setup::FalseAlarm, "false-alarm"},
    {Setup::Detection, "detection"},
};
constexpr MeasurePath kPaths[] = {MeasurePath::Reference, MeasurePath::Portable, MeasurePath::Avx2,
                                  MeasurePath::Avx512};

void measureOnPath(benchmark::State& state, Setup setup, MeasurePath path) {
    detector::forceMeasurePath(path);
    DetectorModel model(12345);
    for (auto _ : state) {
        switch (setup) {
        case Setup::Variance:
            benchmark::DoNotOptimize(model.MeasureVariance());
            break;
        case Setup::FalseAlarm:
            benchmark::DoNotOptimize(model.CountFalseAlarms());
            break;
        case Setup::Detection:
            benchmark::DoNotOptimize(model.CountDetections());
            break;
        }
    }
    detector::forceMeasurePath(std::nullopt);
}

std::string benchmarkName(const char* setup, MeasurePath path) {
    return std::string(setup) + "/" + std::string(detector::measurePathName(path));
}

double fastest(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}

// Collects the best time of every benchmark while the console reporter prints as usual.
class BestTimes : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "best")
                m_best[run.run_name.function_name] = {run.GetAdjustedRealTime(),
                                                      run.GetAdjustedCPUTime()};
        ConsoleReporter::ReportRuns(runs);
    }

    void printRatios() const {
        printRatios("wall time", &Times::wall);
        printRatios("processor time", &Times::processor);
    }

private:
    struct Times {
        double wall = 0.0;
        double processor = 0.0;
    };

    void printRatios(const char* clock, double Times::*time) const {
        std::printf("\nTimes faster than the straightforward path, best of the repetitions, %s:\n",
                    clock);
        for (const auto& [setup, key] : kSetups) {
            const auto reference = m_best.find(benchmarkName(key, MeasurePath::Reference));
            if (reference == m_best.end())
                continue;
            const double referenceTime = reference->second.*time;
            std::printf("  %-12s reference %7.2f ms", key, referenceTime);
            for (const MeasurePath path : kPaths) {
                const auto level = m_best.find(benchmarkName(key, path));
                if (path == MeasurePath::Reference || level == m_best.end())
                    continue;
                std::printf("  %s %6.2f ms %5.1fx", std::string(measurePathName(path)).c_str(),
                            level->second.*time, referenceTime / (level->second.*time));
            }
            std::printf("\n");
        }
    }

    std::map<std::string, Times> m_best;
};

} // namespace

int main(int argc, char** argv) {
    for (const auto& [setup, key] : kSetups)
        for (const MeasurePath path : kPaths)
            if (detector::isMeasurePathSupported(path))
                benchmark::RegisterBenchmark(benchmarkName(key, path).c_str(), measureOnPath, setup,
                                             path)
                    ->Unit(benchmark::kMillisecond)
                    ->MinTime(0.2)
                    ->Repetitions(5)
                    ->ComputeStatistics("best", fastest)
                    ->ReportAggregatesOnly(true);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    BestTimes reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
