// An animation with batch drawing: balls bounce in a box. Each frame is drawn in full on the
// canvas while batch drawing holds the window back, then shown at once, so nothing flickers.
// Runs until the window is closed; --frames N stops after N frames and saves the last one as
// animation.bmp.
#include <kanvo.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

struct Ball {
  int x, y, dx, dy, radius;
  Color colour;
};

int main(int argc, char* argv[]) {
  const bool limited = argc > 2 && std::strcmp(argv[1], "--frames") == 0;
  const int frames = limited ? std::atoi(argv[2]) : 0;

  open_window(640, 480, 0);
  Ball balls[12];
  for (int i = 0; i < 12; ++i) {
    balls[i] = {40 + i * 47,     60 + (i * 73) % 300, 2 + i % 4,
                3 + (i * 5) % 4, 12 + (i * 7) % 14,   hsv_to_rgb(i * 30.0f, 0.8f, 1.0f)};
  }

  begin_batch_draw();
  for (int frame = 1; !limited || frame <= frames; ++frame) {
    set_bk_color(rgb(20, 24, 40));
    clear_canvas();
    for (Ball& ball : balls) {
      ball.x += ball.dx;
      ball.y += ball.dy;
      if (ball.x - ball.radius < 0 || ball.x + ball.radius > 639) ball.dx = -ball.dx;
      if (ball.y - ball.radius < 0 || ball.y + ball.radius > 479) ball.dy = -ball.dy;
      set_line_color(rgb(255, 255, 255));
      set_fill_color(ball.colour);
      draw_circle(ball.x, ball.y, ball.radius);
    }
    char caption[32];
    std::snprintf(caption, sizeof caption, "frame %d", frame);
    set_text_color(rgb(200, 200, 200));
    out_text_at(10, 10, caption);
    flush_batch_draw();  // the finished frame goes to the window in one piece
    std::this_thread::sleep_for(std::chrono::milliseconds(16));
  }
  end_batch_draw();

  save_image("animation.bmp", nullptr);  // null: the window's picture
}
