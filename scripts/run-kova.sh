#!/usr/bin/env bash
# Builds Kova and starts the main job on the delivered database.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh"
bin="$root/build/bin"
if [ -x "$bin/Kova" ]; then
  exec "$bin/Kova"
fi
# Until the main window exists: compute the delivered sample job on the delivered database.
exec "$bin/kova-calc" --db "$root/build/data/Kova.sqlite" job "$(cut -d, -f1 "$root/data/KovaJob.csv" | sed -n 2p | tr -d '"')"
