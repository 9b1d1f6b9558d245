#!/usr/bin/env bash
# Runs every example without a screen and turns the pictures they save into the PNG files that
# the guide shows (docs/images). Run it after a change to an example or to how something draws:
#   scripts/example-pictures.sh [build folder, default: build]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
cmake --build "$build" --target examples >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export KANVO_DISPLAY=headless SDL_AUDIODRIVER=dummy
examples="$build/examples"
"$examples/shapes" --once
"$examples/colour_wheel" --once
"$examples/animation" --frames 90
"$examples/paint" --replay "$root/examples/data/paint_replay.txt"
"$examples/text" --once
"$examples/images" --once
"$examples/homework"

for picture in *.bmp; do
  convert "$picture" -strip "$root/docs/images/${picture%.bmp}.png"
done
ls "$root/docs/images"
