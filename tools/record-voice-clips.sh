#!/usr/bin/env bash
# Records the quiz's six voice clips into 音乐/: Mandarin speech synthesis of each answer text,
# as 16 kHz mono 16-bit wave files. Run once by hand (needs espeak-ng and sox); the clips are
# committed, so neither the build nor the tests need these tools.
set -euo pipefail
cd "$(dirname "$0")/.."
mkdir -p 音乐
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

record() {
  local text=$1 file=$2
  espeak-ng -v cmn -s 150 -w "$scratch/speech.wav" "$text"
  sox "$scratch/speech.wav" -r 16000 -c 1 -b 16 "音乐/$file" norm -1
}

record "函数的图像经过第1，3象限,且经过原点" "the 1st, 3rd quadrant and passes through the origin.wav"
record "函数的图像经过第1，3象限" "1st, 3rd quadrant.wav"
record "函数的图像经过第1，2象限,且经过原点" "the 1st, 2nd quadrant and passes through the origin.wav"
record "函数的图像经过第1，2象限" "the first, second quadrant..wav"
record "函数的图像经过第1象限,且经过原点" "the first quadrant and passes through the origin..wav"
record "函数的图像经过第1象限" "the first quadrant..wav"
