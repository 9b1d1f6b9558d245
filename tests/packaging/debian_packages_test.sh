#!/usr/bin/env bash
# debian_packages_test.sh BUILD_DIR: makes the Debian packages of the build with cpack, installs
# them with apt as a user would, and checks what they give:
#   - the shared library under its soname, and an example built against it with pkg-config and
#     with find_package, linked to it (ldd) and run without a screen;
#   - the static archive through kanvo-static and Kanvo::kanvo_static, drawing the same picture;
#   - kanvo-quiz started from an empty folder finds the installed clips, and from a folder with
#     its own "音乐" plays those instead (strace shows which files it opens);
#   - apt remove takes every installed file away again.
# Installing into /usr needs root. Exits with 77 (skipped) without root or without the tools, and
# when one of the packages is installed already: removing it afterwards would undo the machine's
# own installation. Runs on one machine wait for each other.
set -euo pipefail

build=$(cd "$1" && pwd)
packages=(libkanvo0.1 libkanvo-dev kanvo-quiz)
skip() {
  echo "SKIPPED: $*"
  exit 77
}
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

((EUID == 0)) || skip "installing packages needs root"
for tool in apt-get dpkg-deb dpkg-shlibdeps cpack cmake c++ pkg-config strace readelf ldd flock; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
# Runs of this test from other build folders on the machine install and remove the same
# packages: one at a time.
exec 9>/tmp/kanvo-debian-packages-test.lock
flock -w 480 9 || skip "another run of this test has held the machine's packages for 8 minutes"
installed() { [[ $(dpkg-query -W -f='${Status}' "$1" 2>/dev/null) == "install ok installed" ]]; }
for package in "${packages[@]}"; do
  ! installed "$package" || skip "$package is installed on this machine already"
done

work=$(mktemp -d)
apt_get() { apt-get -y -qq -o DPkg::Lock::Timeout=120 "$@"; }
clean_up() {
  local leftovers=()
  for package in "${packages[@]}"; do installed "$package" && leftovers+=("$package"); done
  ((${#leftovers[@]} == 0)) || apt_get remove "${leftovers[@]}" >/dev/null 2>&1 || true
  # The records kept for the maintainer scripts go too (apt knows no package it cannot fetch).
  dpkg --purge "${packages[@]}" >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap clean_up EXIT

# Packages: exactly the three, each with its files.
# The quiz's clips have Chinese file names, which the archiver takes only in a UTF-8 locale.
(cd "$work" && LC_ALL=C.UTF-8 cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/debs" >"$work/cpack.log" 2>&1) \
  || { cat "$work/cpack.log"; fail "cpack"; }
debs=()
for package in "${packages[@]}"; do
  deb=$(find "$work/debs" -maxdepth 1 -name "${package}_*.deb")
  [[ -n $deb ]] || fail "cpack made no package $package"
  debs+=("$deb")
done
depends=$(dpkg-deb -f "${debs[0]}" Depends)
[[ $depends == *fonts-wqy-microhei* ]] || fail "the library does not depend on its fonts"
[[ $depends == *libsdl2-2.0-0* ]] || fail "the library's run-time dependencies are missing"
DEBIAN_FRONTEND=noninteractive apt_get install "${debs[@]}" >"$work/apt.log" 2>&1 \
  || { cat "$work/apt.log"; fail "apt install"; }

library=$(dpkg -L libkanvo0.1 | grep '/libkanvo\.so\.[0-9.]*$' | sort | tail -1)
[[ -n $library ]] || fail "libkanvo0.1 holds no shared library"
readelf -d "$library" | grep 'SONAME.*\[libkanvo\.so\.0\.1\]' >/dev/null \
  || fail "$library has not the soname libkanvo.so.0.1"
for path in /usr/bin/kanvo-quiz /usr/include/kanvo/kanvo.h /usr/lib/libkanvo.a /usr/lib/libkanvo.so \
            /usr/share/doc/kanvo/docs/guide.md /usr/share/doc/kanvo/examples/shapes.cpp; do
  [[ -e $path ]] || fail "$path is not installed"
done
clips=(/usr/share/kanvo-quiz/音乐/*.wav)
((${#clips[@]} == 6)) || fail "${#clips[@]} clips installed, not 6"

# The library: built as a pupil would, against the installed files only. grep reads all it is
# given (no -q) throughout: under pipefail a writer cut off early would fail the pipe.
examples=/usr/share/doc/kanvo/examples
links_shared() { ldd "$1" | grep 'libkanvo\.so\.0\.1 => /' >/dev/null; }
run_once() {  # run_once FOLDER PROGRAM ARGS...: runs it without a screen in FOLDER
  local folder=$1
  shift
  mkdir -p "$folder"
  (cd "$folder" && KANVO_DISPLAY=headless timeout 60 "$@") || fail "$* did not run"
}
# shellcheck disable=SC2046 # the flags are words
c++ -Wall -Wextra -Wpedantic -Werror -o "$work/shapes-shared" "$examples/shapes.cpp" \
  $(pkg-config --cflags --libs kanvo) || fail "build with pkg-config kanvo"
links_shared "$work/shapes-shared" || fail "pkg-config kanvo does not link the shared library"
# shellcheck disable=SC2046
c++ -Wall -Wextra -Wpedantic -Werror -o "$work/shapes-static" "$examples/shapes.cpp" \
  $(pkg-config --cflags --libs kanvo-static) || fail "build with pkg-config kanvo-static"
! ldd "$work/shapes-static" | grep libkanvo >/dev/null \
  || fail "kanvo-static links the shared library"
run_once "$work/run-shared" "$work/shapes-shared" --once
run_once "$work/run-static" "$work/shapes-static" --once
[[ -s $work/run-shared/shapes.bmp ]] || fail "shapes.bmp was not written"
cmp -s "$work/run-shared/shapes.bmp" "$work/run-static/shapes.bmp" \
  || fail "the shared library and the archive draw different pictures"

# find_package: the examples folder as installed (Kanvo::kanvo), and a program of our own on the
# archive (Kanvo::kanvo_static).
cmake -S "$examples" -B "$work/with-cmake" -G Ninja >"$work/configure.log" \
  || { cat "$work/configure.log"; fail "configure the examples"; }
cmake --build "$work/with-cmake" --target example_images >"$work/build.log" \
  || { cat "$work/build.log"; fail "build with find_package"; }
links_shared "$work/with-cmake/images" || fail "Kanvo::kanvo does not link the shared library"
run_once "$work/run-images" "$work/with-cmake/images" --once
[[ -s $work/run-images/sailboat_turned.bmp ]] || fail "images found no embedded picture"
mkdir -p "$work/static-project"
cat >"$work/static-project/CMakeLists.txt" <<EOF
cmake_minimum_required(VERSION 3.25)
project(static_shapes CXX)
find_package(Kanvo REQUIRED)
add_executable(shapes $examples/shapes.cpp)
target_link_libraries(shapes PRIVATE Kanvo::kanvo_static)
EOF
cmake -S "$work/static-project" -B "$work/static-project/build" -G Ninja >"$work/configure.log" \
  || { cat "$work/configure.log"; fail "configure with Kanvo::kanvo_static"; }
cmake --build "$work/static-project/build" >"$work/build.log" \
  || { cat "$work/build.log"; fail "build with Kanvo::kanvo_static"; }
! ldd "$work/static-project/build/shapes" | grep libkanvo >/dev/null \
  || fail "Kanvo::kanvo_static links the shared library"

# The quiz: one revealed round, then the end of input; strace lists the clip files it looks at.
quiz_opens() {  # quiz_opens FOLDER: the clip files the quiz opened, started in FOLDER
  local folder=$1
  mkdir -p "$folder"
  (cd "$folder" && { echo Y; sleep 3; } | SDL_AUDIODRIVER=dummy KANVO_DISPLAY=headless \
    timeout 60 strace -f -qq -e trace=openat -o "$work/quiz.trace" kanvo-quiz >quiz.out 2>&1) \
    || fail "kanvo-quiz did not run in $folder"
  grep -q '函数的图像经过第' "$folder/quiz.out" || fail "kanvo-quiz revealed no answer in $folder"
  # strace writes the path's non-ASCII bytes as octal escapes; "音乐" is \351\237\263\344\271\220.
  grep -o 'openat([^"]*"[^"]*\\351\\237\\263\\344\\271\\220/[^"]*\.wav"' "$work/quiz.trace" \
    | sed 's/^openat([^"]*"\(.*\)"$/\1/' | sort -u || true
}
opened=$(quiz_opens "$work/empty-folder")
[[ $opened == /usr/share/kanvo-quiz/\\351\\237\\263\\344\\271\\220/*.wav ]] \
  || fail "started from an empty folder, the quiz opened '${opened:-no clip}', not an installed clip"
echo "from an empty folder the quiz opened $opened"
mkdir -p "$work/own-clips/音乐"
cp /usr/share/kanvo-quiz/音乐/*.wav "$work/own-clips/音乐/"
opened=$(quiz_opens "$work/own-clips")
[[ $opened == \\351\\237\\263\\344\\271\\220/*.wav ]] \
  || fail "with its own 音乐 folder, the quiz opened '${opened:-no clip}', not the folder's clip"
echo "from a folder with its own clips the quiz opened $opened"

# Removal: no file of the packages remains.
files=$(dpkg -L "${packages[@]}" | sort -u)
DEBIAN_FRONTEND=noninteractive apt_get remove "${packages[@]}" >"$work/apt.log" 2>&1 \
  || { cat "$work/apt.log"; fail "apt remove"; }
for package in "${packages[@]}"; do
  ! installed "$package" || fail "$package is still installed"
done
while IFS= read -r path; do
  # Folders the system owns (/usr/lib, /usr/share/doc) stay; every file of ours goes.
  [[ -d $path || ! -e $path ]] || fail "$path is left after apt remove"
done <<<"$files"
for folder in /usr/include/kanvo /usr/lib/cmake/Kanvo /usr/share/kanvo-quiz /usr/share/doc/kanvo; do
  [[ ! -e $folder ]] || fail "$folder is left after apt remove"
done
echo "packaged, installed with apt, built against and run, removed again"
