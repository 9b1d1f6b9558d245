// Shapes in every style: the line styles, wide pens with their ends and corners, the fill styles
// (solid, six hatches, two patterns, none) and the shapes themselves.
// Saves the picture as shapes.bmp; a click ends the program (--once: end at once).
#include <kanvo.h>

#include <cstring>

int main(int argc, char* argv[]) {
  open_window(640, 480, 0);
  set_bk_color(rgb(250, 248, 240));  // paper colour
  clear_canvas();
  set_bk_mode(TRANSPARENT);  // text and hatches leave the paper showing
  set_text_color(rgb(60, 60, 60));

  // Line styles, each one pixel and four pixels wide. PS_USERSTYLE takes its dashes from the array.
  const std::int32_t styles[] = {PS_SOLID,   PS_DASH,       PS_DOT,
                                 PS_DASHDOT, PS_DASHDOTDOT, PS_USERSTYLE};
  const char* style_names[] = {"PS_SOLID",   "PS_DASH",       "PS_DOT",
                               "PS_DASHDOT", "PS_DASHDOTDOT", "PS_USERSTYLE"};
  const std::uint32_t dashes[] = {16, 8, 4, 8};  // dash, gap, dash, gap
  set_line_color(rgb(30, 70, 160));
  for (int i = 0; i < 6; ++i) {
    const int y = 22 + i * 22;
    set_line_style(styles[i], 1, dashes, 4);
    draw_line(20, y, 110, y);
    set_line_style(styles[i], 4, dashes, 4);
    draw_line(125, y, 215, y);
    out_text_at(228, y - 8, style_names[i]);
  }

  // Wide pens: flat ends with sharp corners, square ends with cut corners, round ends and corners.
  const std::int32_t ends[] = {PS_ENDCAP_FLAT | PS_JOIN_MITER, PS_ENDCAP_SQUARE | PS_JOIN_BEVEL,
                               PS_ENDCAP_ROUND | PS_JOIN_ROUND};
  const char* end_names[] = {"flat, miter", "square, bevel", "round"};
  set_line_color(rgb(200, 90, 30));
  for (int i = 0; i < 3; ++i) {
    const Point corner[] = {{370 + i * 90, 110}, {400 + i * 90, 30}, {430 + i * 90, 110}};
    set_line_style(PS_SOLID | ends[i], 14, nullptr, 0);
    draw_polyline(corner, 3);
    out_text_at(360 + i * 90, 122, end_names[i]);
  }

  // A small image to fill with: drawn off-screen, then used as a pattern in its own colours.
  CanvasImage tile(12, 12);
  set_working_image(&tile);
  set_bk_color(rgb(255, 230, 150));
  clear_canvas();
  set_fill_color(rgb(220, 60, 60));
  paint_circle(6, 6, 4);
  set_working_image(nullptr);  // back to the window

  // Fill styles: solid, the six hatches, a pattern of eight bytes, the image, none.
  const char* fill_names[] = {"BS_SOLID",     "HS_HORIZONTAL", "HS_VERTICAL",  "HS_FDIAGONAL",
                              "HS_BDIAGONAL", "HS_CROSS",      "HS_DIAGCROSS", "pattern",
                              "image",        "BS_NULL"};
  const std::uint8_t bricks[8] = {0xFF, 0x80, 0x80, 0x80, 0xFF, 0x08, 0x08, 0x08};
  set_line_style(PS_SOLID, 1, nullptr, 0);
  set_line_color(rgb(60, 60, 60));
  set_fill_color(rgb(0, 140, 90));
  for (int i = 0; i < 10; ++i) {
    if (i == 0) set_fill_style(BS_SOLID, 0, nullptr);
    if (i >= 1 && i <= 6) set_fill_style(BS_HATCHED, HS_HORIZONTAL + i - 1, nullptr);
    if (i == 7) set_fill_pattern(bricks);  // 1 bits in the text colour, 0 bits in the background
    if (i == 8) set_fill_style(BS_DIBPATTERN, 0, &tile);
    if (i == 9) set_fill_style(BS_NULL, 0, nullptr);
    const int x = 20 + (i % 5) * 124, y = 160 + (i / 5) * 84;
    draw_rect(x, y, x + 104, y + 52);
    out_text_at(x, y + 56, fill_names[i]);
  }

  // Shapes: outline in the line style, inside in the fill style.
  set_fill_style(BS_SOLID, 0, nullptr);
  set_fill_color(rgb(250, 200, 80));
  set_line_color(rgb(150, 60, 20));
  set_line_style(PS_SOLID, 3, nullptr, 0);
  draw_round_rect(20, 340, 96, 420, 30, 30);
  draw_ellipse(108, 350, 184, 410);
  draw_pie(196, 340, 272, 420, 0.6, 5.7);  // angles in radians, counter-clockwise
  draw_arc(284, 340, 360, 420, 0.0, 3.6);
  const Point star[] = {{410, 338}, {433, 418}, {370, 368}, {450, 368}, {387, 418}};
  set_poly_fill_mode(WINDING);  // the star's middle is filled too
  draw_polygon(star, 5);
  draw_bar3d(460, 360, 500, 420, 16, 1);
  stroke_circle(578, 362, 22);  // outline only
  paint_circle(578, 406, 14);   // inside only
  const char* shape_names[] = {"round_rect", "ellipse", "pie",    "arc",
                               "polygon",    "bar3d",   "circles"};
  for (int i = 0; i < 7; ++i) out_text_at(20 + i * 88, 428, shape_names[i]);

  save_image("shapes.bmp", nullptr);  // null: the window's picture
  if (argc > 1 && std::strcmp(argv[1], "--once") == 0) return 0;
  while (get_mouse_message().message != WM_LBUTTONDOWN) {
  }
}
