#!/usr/bin/env bash
# Installs the Debian packages that building, testing and benchmarking need,
# and only those that are missing, so a second run costs nothing.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  libpugixml-dev libexpat1-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev libsimpleini-dev
  clang libclang-rt-dev
  qt6-base-dev xvfb xauth
  python3-dev python3-pybind11 python3-pytest
  dpkg-dev file scdoc
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
