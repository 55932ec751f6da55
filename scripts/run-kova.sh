#!/usr/bin/env bash
# Builds Kova and starts the main program on the delivered database (the first run copies it
# to the user's data directory, see README). Without a display it says so and computes the
# delivered sample job with kova-calc instead.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh"
bin="$root/build/bin"
if [ -x "$bin/Kova" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec "$bin/Kova"
fi
echo "No display available: computing the sample job with kova-calc instead of starting Kova."
exec "$bin/kova-calc" --db "$root/build/data/Kova.sqlite" job "$(cut -d, -f1 "$root/data/KovaJob.csv" | sed -n 2p | tr -d '"')"
