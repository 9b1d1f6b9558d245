#!/usr/bin/env bash
# Installs the Debian packages the project needs, and only those that are missing.
# Quiet when everything is present; safe to run any number of times.
set -euo pipefail

packages=(
  # toolchain
  cmake ninja-build g++ clang pkg-config clang-format
  libgtest-dev libgmock-dev libbenchmark-dev libclang-rt-14-dev
  # libraries
  libsdl2-dev libsdl2-mixer-dev libfreetype-dev libfontconfig-dev libstb-dev libwayland-dev
  # fonts: the CJK face that stands in for "System" and unknown faces
  fonts-wqy-microhei fonts-dejavu-core
  # faces that programs ask for by name: Arial, Times New Roman, Courier New (metric equivalents)
  fonts-liberation2
  # end-to-end tests: a real terminal, a fixed clock, a virtual display
  tmux faketime xvfb xdotool x11-utils imagemagick
  # the same under a Wayland compositor; SDL draws Wayland windows through EGL
  weston libegl-mesa0
  # the Debian packages: their dependencies worked out, and which clips the installed quiz opens
  dpkg-dev strace
  # the peer benchmark's other side (make bench)
  python3-pil
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

((${#missing[@]} == 0)) && exit 0

echo "setup: installing ${missing[*]}"
run_as_root=()
if ((EUID != 0)); then
  if command -v sudo >/dev/null 2>&1; then
    run_as_root=(sudo)
  else
    echo "setup: these packages are missing and installing them needs root: ${missing[*]}" >&2
    exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
"${run_as_root[@]}" apt-get update -qq
"${run_as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
echo "setup: done"
