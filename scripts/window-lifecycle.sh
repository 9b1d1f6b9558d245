#!/usr/bin/env bash
# Runs short window programs on a virtual X server, each way of ending RUNS times (1,000 unless
# given), and prints the crashes, hangs and the longest time from a program's last call to its
# end. Exits with 1 when any run crashed, hung or took 2 s or longer to end.
#   scripts/window-lifecycle.sh [RUNS] [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-1000}
build=${2:-build}
./scripts/setup.sh
[[ -f "$build/build.ninja" ]] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target window_lifecycle lifecycle_probe >/dev/null
exec "$build/tests/graphics/window_lifecycle" "$runs"
