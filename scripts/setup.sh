#!/usr/bin/env bash
# Installs the Debian 12 packages Kova needs to build, test and run. Quick when they are
# already there: apt is only called for what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libsqlite3-dev qt6-base-dev qt6-base-dev-tools qt6-charts-dev qt6-svg-dev libqt6sql6-sqlite
  libqt6opengl6-dev libgl1-mesa-dev libgtest-dev libgmock-dev libbenchmark-dev
  poppler-utils fonts-dejavu-core xvfb xauth clang-format
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}" >&2
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
