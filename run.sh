#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset default
cmake --build --preset default
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/ui/detector-lab
fi
echo "No display to open the window on; running the measurements without it instead."
exec build/cli/detector-measure variance false-alarm detection
