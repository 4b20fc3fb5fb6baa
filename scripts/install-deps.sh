#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, if any are missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-translations-l10n libjpeg62-turbo-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool xclip x11-utils imagemagick desktop-file-utils
    fonts-liberation fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# No recommends: they pull in the GTK platform theme, whose native dialogs differ between desktops.
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
