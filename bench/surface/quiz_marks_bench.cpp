// The quiz's hot path: every mark of a plotted curve swaps the brush of two 460 x 460 surfaces
// (the canvas and the window) around one small circle.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "bench/surface/surface_pair.h"
#include "host/surface/surface.h"

namespace kanvo::surface {
namespace {

constexpr int kMarks = 22000;

// Marks along y = 5 * x^(1/3), spread over the surface as the plotter spreads them.
std::vector<Point> curve_marks() {
  std::vector<Point> marks;
  marks.reserve(kMarks);
  for (int i = 0; i < kMarks; ++i) {
    const double x = -10.0 + 20.0 * i / (kMarks - 1);
    const double y = 5.0 * std::cbrt(x);
    marks.push_back({230 + static_cast<std::int32_t>(std::lround(x * 22.0)),
                     230 - static_cast<std::int32_t>(std::lround(y * 20.0))});
  }
  return marks;
}

void BM_QuizMarks22000(benchmark::State& state) {
  SurfacePair pair(460, 460);
  const std::vector<Point> marks = curve_marks();
  LogBrush hollow;
  hollow.style = BrushStyle::null;
  for (auto _ : state) {
    for (const Point& mark : marks) {
      const ObjectHandle ring = create_brush_indirect(hollow);
      const ObjectHandle old = select_object(pair.canvas, ring);
      select_object(pair.window, ring);
      delete_object(old);
      ellipse(pair.canvas, mark.x - 2, mark.y - 2, mark.x + 2, mark.y + 2);
      ellipse(pair.window, mark.x - 2, mark.y - 2, mark.x + 2, mark.y + 2);
      const ObjectHandle fill = create_solid_brush(0xFFFFFF);
      select_object(pair.canvas, fill);
      select_object(pair.window, fill);
      delete_object(ring);
    }
  }
  state.SetItemsProcessed(state.iterations() * kMarks);
  // Seconds per mark, shown in nanoseconds by the counter's inverted rate.
  state.counters["per_mark"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kMarks,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_QuizMarks22000)->Unit(benchmark::kMillisecond);

// The same without the circles: what the objects and their selection cost per mark.
void BM_QuizMarkBrushSwapsOnly(benchmark::State& state) {
  SurfacePair pair(460, 460);
  LogBrush hollow;
  hollow.style = BrushStyle::null;
  for (auto _ : state) {
    const ObjectHandle ring = create_brush_indirect(hollow);
    const ObjectHandle old = select_object(pair.canvas, ring);
    select_object(pair.window, ring);
    delete_object(old);
    const ObjectHandle fill = create_solid_brush(0xFFFFFF);
    select_object(pair.canvas, fill);
    select_object(pair.window, fill);
    delete_object(ring);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_QuizMarkBrushSwapsOnly);

}  // namespace
}  // namespace kanvo::surface
