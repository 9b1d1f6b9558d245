#include "tests/quiz/expected_graph.h"

#include "quiz/plot_marks.h"

namespace kanvo::quiz {

CanvasImage expected_graph(int index, std::int32_t width, std::int32_t height) {
  CanvasImage graph(width, height);
  CanvasImage* const previous = get_working_image();
  set_working_image(&graph);
  set_color(0x55FFFF);
  draw_line(200, 400, 200, 40);
  draw_line(50, 220, 400, 220);
  set_color(0xFFFFFF);
  for_each_mark(*plot_recipe(index), [](Mark mark) { stroke_circle(mark.x, mark.y, 2); });
  set_working_image(previous);
  return graph;
}

}  // namespace kanvo::quiz
