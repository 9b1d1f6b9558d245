#!/usr/bin/env bash
# install_test.sh BUILD_DIR: installs the build into a temporary prefix, then, as a user of the
# installed library would, builds the examples with CMake (find_package) and one example with
# pkg-config, and runs them without a screen. debian_packages_test.sh does the same with the
# Debian packages in /usr.
set -euo pipefail

build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >"$work/install.log"
for path in lib/libkanvo.a lib/libkanvo.so.0.1 lib/libkanvo.so include/kanvo/kanvo.h \
            lib/cmake/Kanvo/KanvoConfig.cmake lib/pkgconfig/kanvo.pc lib/pkgconfig/kanvo-static.pc \
            share/doc/kanvo/docs/guide.md share/doc/kanvo/examples/shapes.cpp bin/kanvo-quiz \
            "share/kanvo-quiz/音乐/the first quadrant..wav"; do
  [[ -f $prefix/$path ]] || fail "$path is not installed"
done
# Only the library and what it needs: no test or tool code, no second copy of kanvo.h.
[[ ! -e $prefix/include/kanvo/graphics/kanvo.h ]] || fail "kanvo.h is installed twice"
if find "$prefix/include" -name '*.h' | grep -q -e /tests/ -e /tools/ -e /quiz/; then
  fail "headers of the tests, tools or quiz are installed"
fi
# The library's own headers only: none of the host's, nor the port's implementation.
if find "$prefix/include" -path '*host*' | grep .; then
  fail "host headers are installed"
fi

# CMake: the examples folder as installed, a project of its own.
examples=$prefix/share/doc/kanvo/examples
cmake -S "$examples" -B "$work/with-cmake" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_PREFIX_PATH="$prefix" >"$work/configure.log" || { cat "$work/configure.log"; fail "configure"; }
cmake --build "$work/with-cmake" --target example_images example_homework >"$work/build.log" \
  || { cat "$work/build.log"; fail "build with CMake"; }

# pkg-config: one file, one command line, as a pupil would type it.
export PKG_CONFIG_PATH=$prefix/lib/pkgconfig
flags=$(pkg-config --cflags --libs kanvo) || fail "pkg-config does not know kanvo"
# shellcheck disable=SC2086 # the flags are words
c++ -Wall -Wextra -Wpedantic -Werror -o "$work/shapes" "$examples/shapes.cpp" $flags \
  || fail "build with pkg-config"
# The loader does not search the temporary prefix; CMake's builds carry its path themselves.
export LD_LIBRARY_PATH=$prefix/lib

run() {
  local folder=$work/run-$1
  shift
  mkdir -p "$folder"
  (cd "$folder" && timeout 60 "$@") || fail "$* did not run"
}
check_picture() {
  local file=$1 size=$2
  [[ -f $file ]] || fail "$file was not written"
  [[ $(head -c 2 "$file") == BM ]] || fail "$file is not a bitmap file"
  # Width and height: 32-bit numbers at bytes 18 and 22 of the header (a negative height means
  # rows from the top).
  local width height
  width=$(od -An -t d4 -j 18 -N 4 "$file" | tr -d ' ')
  height=$(od -An -t d4 -j 22 -N 4 "$file" | tr -d ' -')
  [[ ${width}x$height == "$size" ]] || fail "$file is ${width}x$height, not $size"
}
run images "$work/with-cmake/images" --once
check_picture "$work/run-images/images.bmp" 640x480
check_picture "$work/run-images/sailboat_turned.bmp" 199x184
run homework env -u DISPLAY -u WAYLAND_DISPLAY -u KANVO_DISPLAY "$work/with-cmake/homework"
check_picture "$work/run-homework/homework.bmp" 400x300
check_picture "$work/run-homework/graph.bmp" 160x160
run shapes "$work/shapes" --once
check_picture "$work/run-shapes/shapes.bmp" 640x480
echo "installed, built outside the tree with CMake and pkg-config, ran without a screen"
