#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running ZO-VI need, then builds.
# Usage: scripts/setup.sh [build-dir]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libgl-dev
  qt6-qpa-plugins qt6-translations-l10n
  xvfb xauth imagemagick
  fonts-noto-cjk fonts-ipafont-gothic fonts-dejavu-core
  xdg-utils
  poppler-utils
)
bash scripts/install-packages.sh "${packages[@]}"

build_dir=${1:-build}
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOVI_WERROR=$werror
cmake --build "$build_dir"
