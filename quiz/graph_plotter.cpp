#include "quiz/graph_plotter.h"

#include "graphics/context/window_canvas.h"
#include "graphics/kanvo.h"
#include "graphics/platform/window.h"
#include "quiz/plot_marks.h"
#include "quiz/plot_recipe.h"

namespace kanvo::quiz {
namespace {

// The console stays, and the learner cannot close the graph window (it has a minimise box).
constexpr std::int32_t kWindowFlags = SHOW_CONSOLE | NO_CLOSE;
// Outer size of the window, frame and caption included, at the screen's top-left corner.
constexpr std::int32_t kWindowSize = 460;
constexpr Color kAxesColor = 0x55FFFF;
constexpr Color kCurveColor = 0xFFFFFF;
constexpr std::int32_t kMarkRadius = 2;

// The client area that a window of the outer size leaves: a canvas of that size keeps the whole
// graph, so every repaint of the window shows it again.
platform::Size canvas_size() {
  const platform::Size frame = window_outer_size(0, 0, kWindowFlags);
  return {kWindowSize - frame.cx, kWindowSize - frame.cy};
}

}  // namespace

WindowHandle open_graph_window() {
  const platform::Size canvas = canvas_size();
  open_window(canvas.cx, canvas.cy, kWindowFlags);
  const WindowHandle window = get_window_handle();
  platform::place_on_top(window, 0, 0, kWindowSize, kWindowSize);
  return window;
}

void draw_graph(const PlotRecipe& recipe) {
  set_color(kAxesColor);
  draw_line(200, 400, 200, 40);
  draw_line(50, 220, 400, 220);
  set_color(kCurveColor);
  for_each_mark(recipe, [](Mark mark) { stroke_circle(mark.x, mark.y, kMarkRadius); });
}

void plot_graph(int index) {
  const PlotRecipe* recipe = plot_recipe(index);
  if (recipe == nullptr) return;
  open_graph_window();
  draw_graph(*recipe);
}

}  // namespace kanvo::quiz
