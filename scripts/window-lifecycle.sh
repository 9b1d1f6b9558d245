#!/usr/bin/env bash
# Runs short window programs on a virtual X server, each way of ending RUNS times (1,000 unless
# given), and prints the crashes, hangs, sanitizer reports and the longest time from a program's
# last call to its end. Exits with 1 when any run crashed, hung, was reported on by a sanitizer or
# took 2 s or longer to end.
#   scripts/window-lifecycle.sh [RUNS] [BUILD_DIR]
# BUILD_DIR is build unless given. A directory named build-address, build-undefined or
# build-thread is the build with that sanitizer (as `make sanitize-thread` makes it); it is
# configured so when it does not exist yet. For example, 100 runs each way under ThreadSanitizer:
#   scripts/window-lifecycle.sh 100 build-thread
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-1000}
build=${2:-build}
./scripts/setup.sh
if [[ ! -f "$build/build.ninja" ]]; then
  flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
  case "${build##*/}" in
    build-address | build-undefined | build-thread)
      flags=(-DCMAKE_BUILD_TYPE=Debug "-DKANVO_SANITIZER=${build##*/build-}")
      ;;
  esac
  cmake -S . -B "$build" -G Ninja "${flags[@]}" >/dev/null
fi
cmake --build "$build" --target window_lifecycle lifecycle_probe >/dev/null
# The same sanitizer settings as the test suite's: its suppressions for the system libraries,
# and no leak check, since the X libraries keep what they load.
export TSAN_OPTIONS="suppressions=$PWD/cmake/tsan_suppressions.txt:print_suppressions=0${TSAN_OPTIONS:+:$TSAN_OPTIONS}"
export ASAN_OPTIONS="detect_leaks=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
exec "$build/tests/graphics/window_lifecycle" "$runs"
