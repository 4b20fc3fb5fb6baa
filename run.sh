#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset default
cmake --build --preset default
exec build/cli/detector-measure variance false-alarm detection
