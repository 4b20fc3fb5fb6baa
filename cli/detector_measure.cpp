// detector-measure: runs the laboratory measurements headless and prints the instruments' readings.
#include "detector_model.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using detector::DetectorModel;

enum class Setup { Variance, FalseAlarm, Detection };

struct SetupName {
    Setup setup;
    std::string_view key;
    std::string_view title;
};

constexpr SetupName kSetups[] = {
    {Setup::Variance, "variance", "Измерение дисперсии"},
    {Setup::FalseAlarm, "false-alarm", "Вероятность ложной тревоги"},
    {Setup::Detection, "detection", "Вероятность правильного обнаружения"},
};

constexpr const char* kUsage =
    "Использование: detector-measure [--seed N] [--gain K] [--threshold H] [--runs N] [--json] "
    "SETUP...\n"
    "  SETUP         variance, false-alarm или detection; можно несколько\n"
    "  --seed N      начальное значение генератора, 0..4294967295 (по умолчанию — часы)\n"
    "  --gain K      коэффициент передачи усилителя, 0..1000 (по умолчанию 1)\n"
    "  --threshold H порог принятия решения в мВ, 0..5000 (по умолчанию 25)\n"
    "  --runs N      сколько раз повторить список измерений, 1..1000000 (по умолчанию 1)\n"
    "  --json        по одному объекту JSON на строку\n"
    "  --help        эта справка\n";

struct Options {
    std::optional<std::uint32_t> seed;
    double gain = 1.0;
    double threshold = 25.0;
    long runs = 1;
    bool json = false;
    bool help = false;
    std::vector<Setup> setups;
};

struct UsageError {
    std::string message;
};

// A whole text as a finite decimal number; nothing before or after it, no "nan" or "inf".
std::optional<double> parseNumber(std::string_view text) {
    if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '-' ||
                          text[0] == '+' || text[0] == '.'))
        return std::nullopt;
    if (text[0] == '+')
        text.remove_prefix(1);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// A whole text of decimal digits no larger than limit.
std::optional<std::uint64_t> parseWhole(std::string_view text, std::uint64_t limit) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value > limit)
        return std::nullopt;
    return value;
}

double numberInRange(std::string_view option, std::string_view text, double low, double high) {
    const auto value = parseNumber(text);
    if (!value || *value < low || *value > high) {
        char range[64];
        std::snprintf(range, sizeof range, "%g до %g", low, high);
        throw UsageError{std::string(option) + ": недопустимое значение \"" + std::string(text) +
                         "\"; допускается число от " + range};
    }
    return *value;
}

std::uint64_t wholeInRange(std::string_view option, std::string_view text, std::uint64_t low,
                           std::uint64_t high) {
    const auto value = parseWhole(text, high);
    if (!value || *value < low)
        throw UsageError{std::string(option) + ": недопустимое значение \"" + std::string(text) +
                         "\"; допускается целое число от " + std::to_string(low) + " до " +
                         std::to_string(high)};
    return *value;
}

Setup setupByKey(std::string_view key) {
    for (const auto& s : kSetups)
        if (s.key == key)
            return s.setup;
    throw UsageError{"неизвестная установка \"" + std::string(key) +
                     "\"; допускаются variance, false-alarm, detection"};
}

Options parseArguments(const std::vector<std::string_view>& args) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        std::optional<std::string_view> attached;
        if (arg.starts_with("--")) {
            if (const auto eq = arg.find('='); eq != std::string_view::npos) {
                attached = arg.substr(eq + 1);
                arg = arg.substr(0, eq);
            }
        }
        auto value = [&]() -> std::string_view {
            if (attached)
                return *attached;
            if (i + 1 >= args.size())
                throw UsageError{std::string(arg) + ": не указано значение"};
            return args[++i];
        };
        if (arg == "--help" && !attached)
            options.help = true;
        else if (arg == "--json" && !attached)
            options.json = true;
        else if (arg == "--seed")
            options.seed = static_cast<std::uint32_t>(wholeInRange(arg, value(), 0, 4294967295u));
        else if (arg == "--gain")
            options.gain = numberInRange(arg, value(), 0, 1000);
        else if (arg == "--threshold")
            options.threshold = numberInRange(arg, value(), 0, 5000);
        else if (arg == "--runs")
            options.runs = static_cast<long>(wholeInRange(arg, value(), 1, 1000000));
        else if (arg.starts_with("-") && arg.size() > 1)
            throw UsageError{"неизвестный параметр \"" + std::string(args[i]) + "\""};
        else
            options.setups.push_back(setupByKey(arg));
    }
    if (!options.help && options.setups.empty())
        throw UsageError{"не указана ни одна установка; допускаются variance, false-alarm, "
                         "detection"};
    return options;
}

// The reading as the window shows it: two decimals with a decimal comma.
std::string recorderText(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    if (char* point = std::strchr(text, '.'))
        *point = ',';
    return text;
}

// The shortest text that reads back as the same double.
std::string roundTrip(double value) {
    char text[64];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    return std::string(text, ec == std::errc() ? end : text);
}

struct Reading {
    double recorder = 0.0;
    std::int32_t trials = 0;
    std::int32_t counter = 0;
};

Reading measure(DetectorModel& model, Setup setup) {
    switch (setup) {
    case Setup::Variance:
        return {model.MeasureVariance(), 1, 0};
    case Setup::FalseAlarm:
        return {0.0, model.FTrialCount, model.CountFalseAlarms()};
    case Setup::Detection:
        return {0.0, model.FTrialCount, model.CountDetections()};
    }
    return {};
}

void printReading(const Options& options, std::uint32_t seed, Setup setup, const Reading& r) {
    const SetupName& name = kSetups[static_cast<int>(setup)];
    if (options.json) {
        char recorder[40];
        std::snprintf(recorder, sizeof recorder, "%.17g", r.recorder);
        std::cout << "{\"setup\":\"" << name.key << "\",\"seed\":" << seed
                  << ",\"gain\":" << roundTrip(options.gain)
                  << ",\"threshold\":" << roundTrip(options.threshold)
                  << ",\"recorder\":" << recorder << ",\"trials\":" << r.trials
                  << ",\"counter\":" << r.counter << "}\n";
    } else {
        std::cout << name.title << ": регистратор " << recorderText(r.recorder)
                  << "; количество опытов " << r.trials << "; счётчик " << r.counter << '\n';
    }
}

int run(const Options& options) {
    const std::uint32_t seed = options.seed ? *options.seed : detector::clockSeed();
    DetectorModel model(seed);
    model.FGain = options.gain;
    model.FThreshold = options.threshold;
    for (long run = 0; run < options.runs; ++run)
        for (Setup setup : options.setups)
            printReading(options, seed, setup, measure(model, setup));
    std::cout.flush();
    return std::cout ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    try {
        const Options options = parseArguments(args);
        if (options.help) {
            std::cout << kUsage;
            return 0;
        }
        return run(options);
    } catch (const UsageError& error) {
        std::cerr << "detector-measure: " << error.message << '\n'
                  << "Справка: detector-measure --help\n";
        return 2;
    }
}
