#!/usr/bin/env bash
# Set-up and test: installs what is missing, builds and runs the whole suite
# headless (the window tests use Qt's offscreen platform).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh default
ctest --preset default -j "$(nproc)"
