// A game loop that never waits: a square moves with the arrow keys (faster with Shift), Space
// changes its colour, Escape ends. Each frame takes every key message that is waiting
// (key_hit, get_key_message), moves the square and draws the frame whole with batch drawing.
// After each move the program prints the square's position.
#include <kanvo.h>

#include <chrono>
#include <cstdio>
#include <thread>

int main() {
  constexpr int kWidth = 400, kHeight = 300, kSize = 40;
  open_window(kWidth, kHeight, 0);
  int x = (kWidth - kSize) / 2, y = (kHeight - kSize) / 2;
  float hue = 200.0f;
  bool running = true;

  begin_batch_draw();
  while (running) {
    while (key_hit()) {
      const KeyMessage key = get_key_message();
      if (key.message != WM_KEYDOWN) continue;  // releases move nothing
      const int step = key.shift ? 20 : 5;
      const int old_x = x, old_y = y;
      switch (key.key) {
        case VK_LEFT:
          x -= step;
          break;
        case VK_RIGHT:
          x += step;
          break;
        case VK_UP:
          y -= step;
          break;
        case VK_DOWN:
          y += step;
          break;
        case VK_SPACE:
          hue += 60.0f;
          break;
        case VK_ESCAPE:
          running = false;
          break;
        default:
          break;
      }
      x = x < 0 ? 0 : (x > kWidth - kSize ? kWidth - kSize : x);
      y = y < 0 ? 0 : (y > kHeight - kSize ? kHeight - kSize : y);
      if (x != old_x || y != old_y) {
        std::printf("x=%d y=%d\n", x, y);
        std::fflush(stdout);
      }
    }
    clear_canvas();
    set_fill_color(hsv_to_rgb(hue, 0.7f, 1.0f));
    paint_rect(x, y, x + kSize, y + kSize);
    flush_batch_draw();
    std::this_thread::sleep_for(std::chrono::milliseconds(16));  // about 60 frames a second
  }
  end_batch_draw();
  return 0;
}
