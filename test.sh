#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs the whole suite.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset ci
cmake --build --preset ci
ctest --preset ci
