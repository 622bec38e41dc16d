#!/usr/bin/env bash
# Sets up (Debian packages, build) and runs every test suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --timeout 600 -j "$(nproc)"
