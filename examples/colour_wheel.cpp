// A colour wheel through the colour models: round the wheel the hue, outwards the saturation
// (HSV); beside it six hues from dark to light (HSL) with their greys underneath.
// Saves the picture as colour_wheel.bmp; a click ends the program (--once: end at once).
#include <kanvo.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>

int main(int argc, char* argv[]) {
  open_window(640, 480, 0);
  set_bk_color(rgb(40, 40, 48));
  clear_canvas();

  // The wheel, pixel by pixel. Batch drawing shows it when it is complete, not pixel by pixel.
  begin_batch_draw();
  const int cx = 220, cy = 224, radius = 200;
  for (int y = -radius; y <= radius; ++y) {
    for (int x = -radius; x <= radius; ++x) {
      const double distance = std::sqrt(x * x + y * y);
      if (distance > radius) continue;
      // The angle from the x axis, counter-clockwise; y grows downwards on the screen.
      double hue = std::atan2(-y, x) * 180 / std::numbers::pi;
      if (hue < 0) hue += 360;
      write_pixel(cx + x, cy + y, hsv_to_rgb(float(hue), float(distance / radius), 1.0f));
    }
  }

  // Six hues, each from black through the pure colour to white, and underneath as greys.
  set_text_color(rgb(230, 230, 230));
  set_bk_mode(TRANSPARENT);
  out_text_at(436, 8, "hue   dark to light");
  for (int row = 0; row < 6; ++row) {
    const float hue = row * 60.0f;
    const int top = 36 + row * 68;
    for (int step = 0; step < 16; ++step) {
      const Color colour = hsl_to_rgb(hue, 1.0f, step / 15.0f);
      set_fill_color(colour);
      paint_rect(470 + step * 10, top, 480 + step * 10, top + 24);
      set_fill_color(rgb_to_gray(colour));
      paint_rect(470 + step * 10, top + 26, 480 + step * 10, top + 36);
    }
    char label[16];
    std::snprintf(label, sizeof label, "%3.0f", hue);
    out_text_at(436, top + 4, label);
  }

  // One colour taken apart into its models.
  const Color orange = rgb(255, 140, 0);
  float h, s, l, v;
  rgb_to_hsl(orange, &h, &s, &l);
  rgb_to_hsv(orange, nullptr, nullptr, &v);
  char text[80];
  std::snprintf(text, sizeof text, "rgb(255,140,0): H %.0f  S %.2f  L %.2f  V %.2f", h, s, l, v);
  set_fill_color(orange);
  paint_rect(20, 450, 40, 466);
  out_text_at(48, 450, text);
  end_batch_draw();

  save_image("colour_wheel.bmp", nullptr);  // null: the window's picture
  if (argc > 1 && std::strcmp(argv[1], "--once") == 0) return 0;
  while (get_mouse_message().message != WM_LBUTTONDOWN) {
  }
}
