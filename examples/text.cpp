// Text in Chinese and English: several faces, bold, italic, underlined and struck-out text, sharp
// and smooth edges, turned text and text laid out in a box. Chinese is written in UTF-8 here; the
// library takes GBK texts as well. A face without Chinese borrows those characters from a Chinese
// face. Saves the picture as text.bmp; a click ends the program (--once: end at once).
#include <kanvo.h>

#include <cstring>

int main(int argc, char* argv[]) {
  open_window(640, 480, 0);
  set_bk_color(rgb(255, 253, 245));
  clear_canvas();
  set_bk_mode(TRANSPARENT);
  set_text_color(rgb(30, 30, 30));

  // A title in a Chinese face, bold and smooth: all fourteen font settings at once.
  set_font_full(-34, 0, "WenQuanYi Micro Hei", 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                ANTIALIASED_QUALITY, 0);
  out_text_at(20, 14, "你好，世界！Hello, world!");

  // One line per face: the font keeps its smooth edges, set_font_ext sets the weight back.
  const char* faces[] = {"Arial", "Times New Roman", "Courier New", "DejaVu Sans", "System"};
  for (int i = 0; i < 5; ++i) {
    set_font_ext(22, 0, faces[i], 0, 0, FW_NORMAL, 0, 0, 0);
    out_text_at(20, 70 + i * 32, faces[i]);
    out_text_at(220, 70 + i * 32, "Power 幂函数 y = x^(1/2)");
  }

  // Styles one after the other: out_text moves the pen on by the width of what it wrote.
  set_text_color(rgb(20, 80, 160));
  move_pen_to(20, 240);
  set_font_ext(26, 0, "Arial", 0, 0, FW_BOLD, 0, 0, 0);
  out_text("Bold 粗体  ");
  set_font_ext(26, 0, "Arial", 0, 0, FW_NORMAL, 1, 0, 0);
  out_text("Italic 斜体  ");
  set_font_ext(26, 0, "Arial", 0, 0, FW_NORMAL, 0, 1, 0);
  out_text("Under 下划线  ");
  set_font_ext(26, 0, "Arial", 0, 0, FW_NORMAL, 0, 0, 1);
  out_text("Strike 删除");

  // Sharp (one bit per pixel) and smooth edges, large.
  set_text_color(rgb(160, 30, 30));
  set_font_full(60, 0, "DejaVu Serif", 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                NONANTIALIASED_QUALITY, 0);
  out_text_at(20, 290, "Ag 字");
  set_font_full(60, 0, "DejaVu Serif", 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                ANTIALIASED_QUALITY, 0);
  out_text_at(180, 290, "Ag 字");

  // Turned text: the escapement is in tenths of a degree, counter-clockwise.
  set_text_color(rgb(40, 130, 60));
  set_font_ext(24, 0, "DejaVu Sans", 300, 300, FW_BOLD, 0, 0, 0);
  out_text_at(360, 350, "turned 旋转 30°");

  // A box: the words wrap at its edge and each line is centred.
  set_text_color(rgb(30, 30, 30));
  set_font_ext(18, 0, "DejaVu Sans", 0, 0, FW_NORMAL, 0, 0, 0);
  Rect box{20, 370, 330, 470};
  set_line_color(rgb(120, 120, 120));
  stroke_rect(box.left, box.top, box.right, box.bottom);
  draw_text_in_rect(
      "Text in a box wraps at the edge and is centred. 文字在框中自动换行，居中排列。", &box,
      DT_CENTER | DT_WORDBREAK);

  save_image("text.bmp", nullptr);  // null: the window's picture
  if (argc > 1 && std::strcmp(argv[1], "--once") == 0) return 0;
  while (get_mouse_message().message != WM_LBUTTONDOWN) {
  }
}
