#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need,
# or, given package names, just those (tests/fuzz/run.sh asks for clang).
# Safe to run again: only what is missing is installed.
set -euo pipefail

packages=("$@")
((${#packages[@]})) || packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev
  libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev
  xvfb xauth fonts-dejavu-core
  fp-utils libchm-dev
  qt6-translations-l10n
  desktop-file-utils man-db
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
