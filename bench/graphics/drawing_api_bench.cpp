// The library's hot paths through its global functions on an off-screen image.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "graphics/kanvo.h"

namespace {

// The quiz's densest curve: y = 5 x^(1/3), 22,000 marks of radius 2 on a 460 x 460 picture.
std::vector<kanvo::Point> cube_root_marks() {
  std::vector<kanvo::Point> marks;
  for (int i = -11000; i < 11000; ++i) {
    const auto x = static_cast<float>(i / 100.0);
    const double p = x < 0 ? -std::pow(-static_cast<double>(x), 1.0 / 3.0)
                           : std::pow(static_cast<double>(x), 1.0 / 3.0);
    const auto y = static_cast<float>(p * 5.0f);
    marks.push_back({static_cast<std::int32_t>(200.0 + x), static_cast<std::int32_t>(220.0 - y)});
  }
  return marks;
}

void BM_StrokeCircleMarks(benchmark::State& state) {
  kanvo::CanvasImage image(460, 460);
  kanvo::set_working_image(&image);
  const std::vector<kanvo::Point> marks = cube_root_marks();
  for (auto _ : state) {
    for (const kanvo::Point& mark : marks) kanvo::stroke_circle(mark.x, mark.y, 2);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(marks.size()));
}
BENCHMARK(BM_StrokeCircleMarks)->Unit(benchmark::kMillisecond);

void BM_DrawLine(benchmark::State& state) {
  kanvo::CanvasImage image(640, 480);
  kanvo::set_working_image(&image);
  int i = 0;
  for (auto _ : state) {
    kanvo::draw_line(i % 640, 0, 639 - i % 640, 479);
    ++i;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DrawLine);

void BM_ClearCanvas(benchmark::State& state) {
  kanvo::CanvasImage image(640, 480);
  kanvo::set_working_image(&image);
  kanvo::set_bk_color(0x336699);
  for (auto _ : state) kanvo::clear_canvas();
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ClearCanvas);

}  // namespace
