// A small program that asks for text with the dialog, for the tests on a real X server:
//   ask_text_probe [--untitled] [--window] WIDTH HEIGHT OK_ONLY BUFFER_SIZE [DEFAULT [PROMPT]]
// It prints "confirmed=0|1" and "text=" with the buffer, bytes outside printable ASCII as \xHH.
// --untitled asks without a title. --window opens a graphics window of 600 by 400 first and
// prints "window L T R B" (its frame on the screen); after the dialog it prints "buttons=N", the
// button messages the window queued meanwhile, and then the next button press in it.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include "graphics/kanvo.h"
#include "tests/support/library_window.h"

namespace {

bool is_button(const kanvo::MouseMessage& m) {
  return m.message != WM_MOUSEMOVE && m.message != WM_MOUSEWHEEL;
}

}  // namespace

int main(int argc, char** argv) {
  bool untitled = false;
  bool with_window = false;
  for (; argc > 1 && std::string_view(argv[1]).starts_with("--"); --argc, ++argv) {
    untitled |= std::string_view(argv[1]) == "--untitled";
    with_window |= std::string_view(argv[1]) == "--window";
  }
  if (argc < 5) {
    std::fprintf(stderr,
                 "usage: ask_text_probe [--untitled] [--window] WIDTH HEIGHT OK_ONLY BUFFER_SIZE "
                 "[DEFAULT [PROMPT]]\n");
    return 2;
  }
  if (with_window) {
    const kanvo::Rect frame = kanvo::testing::outer_rect(kanvo::open_window(600, 400, 0));
    std::printf("window %d %d %d %d\n", frame.left, frame.top, frame.right, frame.bottom);
    std::fflush(stdout);
  }
  const int size = std::atoi(argv[4]);
  std::vector<char> buffer(static_cast<std::size_t>(size > 0 ? size : 1) + 16, '\0');
  std::strcpy(buffer.data(), "untouched");
  const char* prompt = argc > 6 ? argv[6] : "Type something:";
  const bool confirmed = kanvo::ask_text(
      buffer.data(), size, prompt, untitled ? nullptr : "Kanvo probe", argc > 5 ? argv[5] : nullptr,
      std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3]) != 0);
  std::printf("confirmed=%d\ntext=", confirmed ? 1 : 0);
  for (const char* c = buffer.data(); *c != '\0'; ++c) {
    const auto byte = static_cast<unsigned char>(*c);
    if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
      std::putchar(byte);
    } else {
      std::printf("\\x%02X", byte);
    }
  }
  std::printf("\n");
  if (with_window) {
    int buttons = 0;
    while (kanvo::mouse_hit()) buttons += is_button(kanvo::get_mouse_message());
    std::printf("buttons=%d\n", buttons);
    std::fflush(stdout);
    for (;;) {
      const kanvo::MouseMessage m = kanvo::get_mouse_message();
      if (!is_button(m)) continue;
      std::printf("pressed %d %d\n", m.x, m.y);
      break;
    }
  }
  return 0;
}
