#!/usr/bin/env bash
# Set-up and test: installs what is missing, builds and runs the whole suite
# headless (the window tests use Qt's offscreen platform).
#   scripts/test.sh [PRESET]    PRESET: default (the default) or asan
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
bash scripts/build.sh "$preset"
ctest --preset "$preset" -j "$(nproc)"
