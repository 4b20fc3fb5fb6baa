#!/usr/bin/env bash
# Builds the measurement benchmark in build-bench/ (Release) and runs it; extra arguments go to
# Google Benchmark, e.g. --benchmark_filter=variance.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cmake -S "$root" -B "$root/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build-bench" --target measure_bench
"$root/build-bench/bench/measure_bench" "$@"
