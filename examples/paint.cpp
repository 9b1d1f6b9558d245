// A small paint program: drag with the left button to paint, click a colour in the palette to pick
// it, turn the wheel for a thinner or thicker brush, click the right button to save the picture as
// paint.bmp. With --replay FILE the mouse messages come from a file instead of the mouse, one
// per line ("down 10 60", "move 12 64", "up 12 64", "wheel 0 0 120", "right 0 0"), so that a
// test or a grader can paint without anyone at the mouse; the program ends at the file's end.
#include <kanvo.h>

#include <cstdio>
#include <cstring>

const Color palette[] = {rgb(0, 0, 0),      rgb(220, 40, 40),  rgb(250, 160, 20),
                         rgb(240, 220, 40), rgb(40, 170, 70),  rgb(30, 110, 220),
                         rgb(140, 60, 180), rgb(255, 255, 255)};
const int swatch = 40;  // size of a palette square

MouseMessage next_message(std::FILE* replay) {
  if (replay == nullptr) return get_mouse_message();
  const struct {
    const char* word;
    std::uint32_t message;
    bool left_button;
  } kinds[] = {{"down", WM_LBUTTONDOWN, true},
               {"move", WM_MOUSEMOVE, true},
               {"up", WM_LBUTTONUP, false},
               {"wheel", WM_MOUSEWHEEL, false},
               {"right", WM_RBUTTONDOWN, false}};
  MouseMessage message;  // message 0 ends the program
  char line[80], word[8];
  int x = 0, y = 0, wheel = 0;
  if (std::fgets(line, sizeof line, replay) == nullptr) return message;
  if (std::sscanf(line, "%7s %d %d %d", word, &x, &y, &wheel) < 3) return message;
  for (const auto& kind : kinds) {
    if (std::strcmp(word, kind.word) == 0) {
      message.message = kind.message;
      message.left_button = kind.left_button;
    }
  }
  message.x = static_cast<std::int16_t>(x);
  message.y = static_cast<std::int16_t>(y);
  message.wheel = static_cast<std::int16_t>(wheel);
  return message;
}

int main(int argc, char* argv[]) {
  std::FILE* replay =
      argc > 2 && std::strcmp(argv[1], "--replay") == 0 ? std::fopen(argv[2], "r") : nullptr;
  open_window(640, 480, 0);
  set_bk_color(rgb(255, 255, 255));
  clear_canvas();
  set_line_color(rgb(160, 160, 160));  // the outline of each palette square
  for (int i = 0; i < 8; ++i) {
    set_fill_color(palette[i]);
    draw_rect(i * swatch, 0, (i + 1) * swatch, swatch);
  }

  Color colour = palette[0];
  int width = 6;
  for (MouseMessage m = next_message(replay); m.message != 0; m = next_message(replay)) {
    if (m.message == WM_LBUTTONDOWN && m.y < swatch && m.x < 8 * swatch) {
      colour = palette[m.x / swatch];  // a click in the palette picks a colour
    } else if (m.message == WM_LBUTTONDOWN) {
      move_pen_to(m.x, m.y);
    } else if (m.message == WM_MOUSEMOVE && m.left_button && m.y >= swatch) {
      set_line_color(colour);
      set_line_style(PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND, width, nullptr, 0);
      draw_line_to(m.x, m.y);
    } else if (m.message == WM_MOUSEWHEEL) {
      width += m.wheel > 0 ? 2 : -2;
      if (width < 2) width = 2;
    } else if (m.message == WM_RBUTTONDOWN) {
      save_image("paint.bmp", nullptr);  // null: the window's picture
    }
  }
  if (replay != nullptr) std::fclose(replay);
}
