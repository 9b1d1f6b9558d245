// A program with a graphics window that reads what is typed, for the tests in a real terminal:
//   standard_input_probe lines|keys
// Its window stands at (100, 100) (where the window system lets it) with a client area of 200 by
// 150 pixels in the colour 0x3366CC (red 0x33, green 0x66, blue 0xCC); once it is open the program
// prints "ready". With "lines" it reads standard input the ways programs do (std::getline,
// scanf, getchar, fgets, then std::getline to the end), printing "got HOW [WHAT]" for each, and
// "end of input" at its end. With "keys" it never reads standard input: it gathers the printable
// characters of the key queue until Escape, prints "typed [THEM]" and ends.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "graphics/context/window_canvas.h"
#include "graphics/kanvo.h"
#include "graphics/platform/window.h"

namespace {

void report(const char* how, const std::string& what) {
  std::printf("got %s [%s]\n", how, what.c_str());
  std::fflush(stdout);
}

void read_lines() {
  std::string line;
  if (std::getline(std::cin, line)) report("getline", line);
  int number = 0;
  if (std::scanf("%d", &number) == 1) report("scanf", std::to_string(number));
  const int next = std::getchar();
  if (next != EOF) report("getchar", std::string(1, static_cast<char>(next)));
  char rest[64];
  if (std::fgets(rest, sizeof rest, stdin) != nullptr) {
    rest[std::strcspn(rest, "\n")] = '\0';
    report("fgets", rest);
  }
  while (std::getline(std::cin, line)) report("getline", line);
  std::printf("end of input\n");
}

void gather_keys() {
  std::string typed;
  for (;;) {
    const kanvo::KeyMessage key = kanvo::get_key_message();
    if (key.message == 0 || key.key == kanvo::VK_ESCAPE) break;
    const unsigned char first = static_cast<unsigned char>(key.text[0]);
    if (key.message == kanvo::WM_KEYDOWN && first >= 0x20) typed += key.text;
  }
  std::printf("typed [%s]\n", typed.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  using namespace kanvo;
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode != "lines" && mode != "keys") {
    std::fprintf(stderr, "usage: %s lines|keys\n", argv[0]);
    return 2;
  }
  const WindowHandle window = open_window(200, 150, 0);
  const platform::Size outer = window_outer_size(200, 150, 0);
  platform::place_on_top(window, 100, 100, outer.cx, outer.cy);
  set_bk_color(rgb(0x33, 0x66, 0xCC));
  clear_canvas();
  std::printf("ready\n");
  std::fflush(stdout);
  if (mode == "lines") {
    read_lines();
  } else {
    gather_keys();
  }
  return 0;
}
