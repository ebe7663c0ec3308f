#!/usr/bin/env bash
# Set-up and start: installs what is missing, builds, starts the window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh default
exec build/default/src/ui/kalmo "$@"
