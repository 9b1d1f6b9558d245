// A small program with a graphics window, for the tests on a real X server:
//   window_probe CANVAS_WIDTH CANVAS_HEIGHT [keys]
// Its window stands at (100, 100) with a client area of 200 by 150 pixels, whatever canvas it was
// opened with (0 0: none). It prints "client X Y" (the client area's top-left corner on the
// screen), then "waiting" before each wait for a mouse message and
// "message=N x=X y=Y left=0|1 right=0|1" after it. A right button press draws a white line along
// row 10 (once the window is on the screen, so that no first repaint wipes it); a left button
// press ends the program. With "keys", the left press first prints every key message held
// then, one a line: "key=K down=0|1 text=T ctrl=0|1 shift=0|1 alt=0|1", then "keys N"; and
// while it waits it prints "key queue full" once the key queue fills, so that a test knows when
// its typing has been handled.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "graphics/context/graphics_context.h"
#include "graphics/context/window_canvas.h"
#include "graphics/kanvo.h"
#include "graphics/platform/window.h"
#include "tests/support/library_window.h"

int main(int argc, char** argv) {
  using namespace kanvo;
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s CANVAS_WIDTH CANVAS_HEIGHT\n", argv[0]);
    return 2;
  }
  const WindowHandle window = open_window(std::atoi(argv[1]), std::atoi(argv[2]), 0);
  const platform::Size outer = window_outer_size(200, 150, 0);
  platform::place_on_top(window, 100, 100, outer.cx, outer.cy);
  set_color(0xFFFFFF);
  const Point client = testing::client_origin(window);
  std::printf("client %d %d\n", client.x, client.y);
  const KeyQueue& keys = graphics_context().canvas.key_messages();
  bool told_full = false;
  for (;;) {
    std::printf("waiting\n");
    std::fflush(stdout);
    // The key queue has no event to wait on beside the mouse's, so it is looked at meanwhile.
    while (argc > 3 && !told_full && !mouse_hit()) {
      if (keys.is_full()) {
        told_full = true;
        std::printf("key queue full\n");
        std::fflush(stdout);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const MouseMessage message = get_mouse_message();
    std::printf("message=%u x=%d y=%d left=%d right=%d\n", message.message, message.x, message.y,
                message.left_button ? 1 : 0, message.right_button ? 1 : 0);
    if (message.message == WM_RBUTTONDOWN) draw_line(10, 10, 190, 10);
    if (message.message == WM_LBUTTONDOWN && argc > 3) {
      int held = 0;
      for (; key_hit(); ++held) {
        const KeyMessage key = get_key_message();
        std::printf("key=%u down=%d text=%s ctrl=%d shift=%d alt=%d\n", key.key,
                    key.message == WM_KEYDOWN ? 1 : 0, key.text, key.ctrl ? 1 : 0,
                    key.shift ? 1 : 0, key.alt ? 1 : 0);
      }
      std::printf("keys %d\n", held);
    }
    if (message.message == WM_LBUTTONDOWN || message.message == 0) break;
  }
  std::fflush(stdout);
  return 0;
}
