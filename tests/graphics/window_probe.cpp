// A small program with a graphics window, for the tests on a real X server:
//   window_probe CANVAS_WIDTH CANVAS_HEIGHT
// Its window stands at (100, 100) with a client area of 200 by 150 pixels, whatever canvas it was
// opened with (0 0: none). It draws a white line along row 10, prints "client X Y" (the client
// area's top-left corner on the screen), then "waiting" before each wait for a mouse message and
// "message=N x=X y=Y left=0|1 right=0|1" after it, and ends after the first button press.
#include <cstdio>
#include <cstdlib>

#include "graphics/kanvo.h"

int main(int argc, char** argv) {
  using namespace kanvo;
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s CANVAS_WIDTH CANVAS_HEIGHT\n", argv[0]);
    return 2;
  }
  const WindowHandle window = open_window(std::atoi(argv[1]), std::atoi(argv[2]), 0);
  Rect outer{0, 0, 200, 150};
  ui::adjust_window_rect(&outer, window_style(0), false, 0);
  ui::set_window_pos(window, ui::kInsertTop, 100, 100, outer.right - outer.left,
                     outer.bottom - outer.top, ui::placement::kShowWindow);
  // The first repaint is over before the line is drawn, so that a window without a canvas shows
  // it too.
  ui::update_window(window);
  set_color(0xFFFFFF);
  draw_line(10, 10, 190, 10);
  Point client{0, 0};
  ui::client_to_screen(window, &client);
  std::printf("client %d %d\n", client.x, client.y);
  for (;;) {
    std::printf("waiting\n");
    std::fflush(stdout);
    const MouseMessage message = get_mouse_message();
    std::printf("message=%u x=%d y=%d left=%d right=%d\n", message.message, message.x, message.y,
                message.left_button ? 1 : 0, message.right_button ? 1 : 0);
    if (message.message != WM_MOUSEMOVE) break;  // the empty message too
  }
  std::fflush(stdout);
  return 0;
}
