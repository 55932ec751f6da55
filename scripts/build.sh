#!/usr/bin/env bash
# Configures and builds Kova (programs, tools, delivered database, tests) into build/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOVA_PARTS=all >/dev/null
cmake --build "$root/build" -j"$(nproc)"
