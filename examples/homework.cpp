// Homework as a grader runs it: the program draws into its window and into an off-screen image
// and saves both with save_image, then ends. It needs no screen: without a display (or with
// KANVO_DISPLAY=headless) the window lives in memory, so the program runs on a server as well.
// Saves homework.bmp (the window) and graph.bmp (the off-screen image).
#include <kanvo.h>

int main() {
  open_window(400, 300, 0);
  set_bk_color(rgb(255, 255, 255));
  clear_canvas();

  // The graph of y = x * x off-screen, with the origin in the middle and y growing upwards.
  CanvasImage graph(160, 160);
  set_working_image(&graph);
  set_bk_color(rgb(250, 250, 250));
  clear_canvas();
  set_origin(80, 80);
  set_aspect_ratio(1, -1);
  set_line_color(rgb(160, 160, 160));
  draw_line(-80, 0, 80, 0);
  draw_line(0, -80, 0, 80);
  set_line_color(rgb(200, 30, 30));
  move_pen_to(-60, 60);
  for (int x = -59; x <= 60; ++x) draw_line_to(x, x * x / 60);
  save_image("graph.bmp", &graph);
  // An image is read through its own origin and scale when it is put elsewhere: back to plain.
  set_origin(0, 0);
  set_aspect_ratio(1, 1);

  // Back to the window: a house, and the graph beside it.
  set_working_image(nullptr);
  set_line_color(rgb(90, 50, 20));
  set_fill_color(rgb(240, 200, 120));
  draw_rect(40, 150, 180, 260);
  set_fill_color(rgb(200, 60, 40));
  const Point roof[] = {{30, 150}, {110, 80}, {190, 150}};
  draw_polygon(roof, 3);
  set_fill_color(rgb(120, 180, 230));
  draw_rect(95, 200, 125, 260);
  put_image(220, 70, &graph, SRCCOPY);
  set_text_color(rgb(0, 0, 0));
  set_bk_mode(TRANSPARENT);
  out_text_at(220, 240, "y = x * x");

  save_image("homework.bmp", nullptr);  // null: the window's picture
}
