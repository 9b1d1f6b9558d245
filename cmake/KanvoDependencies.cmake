# Every dependency comes from Debian's packages (scripts/setup.sh installs them).
find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)
find_package(Iconv REQUIRED)
pkg_check_modules(FREETYPE REQUIRED IMPORTED_TARGET freetype2)
pkg_check_modules(FONTCONFIG REQUIRED IMPORTED_TARGET fontconfig)
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
pkg_check_modules(SDL2_MIXER REQUIRED IMPORTED_TARGET SDL2_mixer)
# Asked before SDL starts whether a Wayland compositor has a seat (host/display).
pkg_check_modules(WAYLAND_CLIENT REQUIRED IMPORTED_TARGET wayland-client)

# stb ships headers only; its implementation is compiled once, in graphics/files.
find_path(STB_INCLUDE_DIR stb_image.h PATH_SUFFIXES stb REQUIRED)

if(KANVO_BUILD_TESTS)
  find_package(GTest REQUIRED)
  include(GoogleTest)
  include(KanvoTesting)
endif()
if(KANVO_BUILD_BENCH)
  find_package(benchmark REQUIRED)
endif()
