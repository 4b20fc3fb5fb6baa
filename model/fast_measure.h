// The fast measurements: the same readings as the straightforward procedures, bit for bit, from
// vectorised kernels chosen by the processor's instruction set.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace detector {

class DetectorModel;

// Which code runs a measurement: the straightforward procedures or a kernel level.
enum class MeasurePath { Reference, Portable, Avx2, Avx512 };

std::string_view measurePathName(MeasurePath path);
std::optional<MeasurePath> measurePathFromName(std::string_view name);
bool isMeasurePathSupported(MeasurePath path);
// The fastest level this processor runs.
MeasurePath bestMeasurePath();

// The path measurements take: one forced by forceMeasurePath, else the environment variable
// DETECTOR_MODEL_PATH (reference, portable, avx2 or avx512; a level this processor lacks gives
// the best one it has), else the best.
MeasurePath activeMeasurePath();
// Forces a path for tests and benchmarks; nullopt returns to the default choice.
void forceMeasurePath(std::optional<MeasurePath> path);

namespace fast {

// The scratch room a model keeps for the fast measurements, in doubles.
std::size_t scratchDoubles();

// Each runs the measurement on the active kernel level and returns true, leaving the model as
// the straightforward procedure would; or returns false, touching nothing, when the reference
// path is active or the model's state lies outside what the kernels are made for.
bool measureVariance(DetectorModel& model, double* scratch, double& reading);
bool countTrialsAbove(DetectorModel& model, double* scratch, bool signalOn, std::int32_t& count);

// One stored noise sample from its sum of uniforms, in the double-extended arithmetic: the
// fallback for the rare lanes the kernels cannot settle.
double recomputeSample(double sum, double gain, bool signalOn);

// 1/sqrt 2 (of the 64-bit sqrt 2) as high + low, to about 2^-105.
struct InversePair {
    double high;
    double low;
};
InversePair inverseSqrt2();

} // namespace fast
} // namespace detector
