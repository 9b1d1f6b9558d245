// The graph of y = x^(1/3), the busiest recipe with that of x^(4/3): its 22,000 marks worked out
// alone, a whole reveal on the headless screen, and its two halves apart: opening the window, and
// drawing the graph on the open window.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "graphics/kanvo.h"
#include "quiz/graph_plotter.h"
#include "quiz/plot_marks.h"

namespace kanvo::quiz {
namespace {

constexpr int kIndex = 13;

void BM_Recipe13Marks(benchmark::State& state) {
  const PlotRecipe& recipe = *plot_recipe(kIndex);
  std::int64_t marks = 0;
  for (auto _ : state) {
    for_each_mark(recipe, [&marks](Mark mark) {
      benchmark::DoNotOptimize(mark);
      ++marks;
    });
  }
  state.SetItemsProcessed(marks);
}
BENCHMARK(BM_Recipe13Marks)->Unit(benchmark::kMicrosecond);

// Headless unless the caller chose a display; read when the first window opens.
void use_headless_screen() {
  ::setenv("KANVO_DISPLAY", "headless", 0);
}

// open_window to the last mark.
void BM_Recipe13Reveal(benchmark::State& state) {
  use_headless_screen();
  for (auto _ : state) plot_graph(kIndex);
  close_window();
}
BENCHMARK(BM_Recipe13Reveal)->Unit(benchmark::kMillisecond)->UseRealTime();

// A reveal without its window's creation: the axes and every mark (worked out and drawn on the
// canvas and the window, as the reveal does) on a window opened once, before the timing.
void BM_Recipe13DrawOnOpenWindow(benchmark::State& state) {
  use_headless_screen();
  const PlotRecipe& recipe = *plot_recipe(kIndex);
  open_graph_window();
  for (auto _ : state) draw_graph(recipe);
  close_window();
}
BENCHMARK(BM_Recipe13DrawOnOpenWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

// What a reveal spends before its first line: closing the last window, opening and placing
// the new one.
void BM_OpenAndPlaceGraphWindow(benchmark::State& state) {
  use_headless_screen();
  for (auto _ : state) open_graph_window();
  close_window();
}
BENCHMARK(BM_OpenAndPlaceGraphWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace kanvo::quiz
