// A short program with a graphics window that ends in one of the ways a program ends, for the
// lifecycle runs on a real X server:
//   lifecycle_probe return|close|exit|reopen|click|put [MARKS]
// It draws a screenful of small circles (MARKS of them, 22000 unless given), as the quiz does, and
// prints "last" right after its last call into the library:
//   return  returns from main with the window open;
//   close   closes the window, then returns;
//   exit    calls exit() with the window open;
//   reopen  opens and draws three times, then closes and returns;
//   click   prints "closebox X Y" (a point of the close box on the screen) and waits until the
//           user's close ends it;
//   put     opens a window without a canvas (so that a repaint shows nothing of what is drawn),
//           prints "client X Y", waits for a click, puts a red image of 50 by 50 at (10, 10) of
//           the window, prints "put", and ends at the next click.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "graphics/context/window_canvas.h"
#include "graphics/kanvo.h"
#include "graphics/platform/window.h"
#include "host/windows/frame.h"
#include "tests/support/library_window.h"

namespace {

using namespace kanvo;
namespace frame = kanvo::win::detail;

constexpr std::int32_t kWidth = 440;
constexpr std::int32_t kHeight = 420;

int marks = 22000;

void draw_marks() {
  set_color(0xFFFFFF);
  for (int i = 0; i < marks; ++i) stroke_circle(i % kWidth, (i / kWidth) % kHeight, 2);
}

void say(const char* line) {
  std::printf("%s\n", line);
  std::fflush(stdout);
}

// Puts the window's outer top-left corner at (100, 100), its client area `width` by `height`.
void place(WindowHandle window, std::int32_t width, std::int32_t height) {
  const platform::Size outer = window_outer_size(width, height, 0);
  platform::place_on_top(window, 100, 100, outer.cx, outer.cy);
}

Point close_box_on_screen(WindowHandle window) {
  const Rect outer = testing::outer_rect(window);
  frame::FrameLook look;
  look.style = win::get_window_style(testing::host_window(window));
  look.width = outer.right - outer.left;
  look.height = outer.bottom - outer.top;
  for (std::int32_t x = look.width - 1; x >= 0; --x) {
    const kanvo::surface::Point middle{x, frame::kCaptionHeight / 2};
    if (frame::hit_test(look, middle) == frame::FramePart::close_box) {
      return {outer.left + x - frame::kCaptionButtonWidth / 2, outer.top + middle.y};
    }
  }
  return {-1, -1};
}

void wait_for_click() {
  for (;;) {
    const MouseMessage message = get_mouse_message();
    if (message.message == WM_LBUTTONDOWN || message.message == 0) return;
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view way = argc > 1 ? argv[1] : "";
  if (argc > 2) marks = std::max(std::atoi(argv[2]), 0);
  if (way == "return" || way == "close" || way == "exit") {
    open_window(kWidth, kHeight, 0);
    draw_marks();
    if (way == "close") close_window();
    say("last");
    if (way == "exit") std::exit(0);
    return 0;
  }
  if (way == "reopen") {
    for (int i = 0; i < 3; ++i) {
      open_window(kWidth, kHeight, 0);
      draw_marks();
    }
    close_window();
    say("last");
    return 0;
  }
  if (way == "click") {
    const WindowHandle window = open_window(200, 150, 0);
    place(window, 200, 150);
    draw_marks();
    const Point box = close_box_on_screen(window);
    std::printf("closebox %d %d\n", box.x, box.y);
    std::fflush(stdout);
    for (;;) get_mouse_message();
  }
  if (way == "put") {
    const WindowHandle window = open_window(0, 0, 0);
    place(window, 200, 150);
    const Point client = testing::client_origin(window);
    std::printf("client %d %d\n", client.x, client.y);
    std::fflush(stdout);
    wait_for_click();
    CanvasImage red(50, 50);
    set_working_image(&red);
    set_bk_color(0x0000FF);
    clear_canvas();
    set_working_image(nullptr);
    put_image(10, 10, &red, SRCCOPY);
    say("put");
    wait_for_click();
    return 0;
  }
  std::fprintf(stderr, "usage: %s return|close|exit|reopen|click|put [MARKS]\n", argv[0]);
  return 2;
}
