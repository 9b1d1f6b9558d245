// Lines by pen: one-pixel dashed, wide with round ends and joins, and lines whose ends lie far
// outside the surface (cut to it, not walked).
#include <benchmark/benchmark.h>

#include <array>

#include "bench/surface/scatter.h"
#include "bench/surface/surface_pair.h"
#include "host/surface/surface.h"

namespace kanvo::surface {
namespace {

constexpr std::int32_t kWidth = 640;
constexpr std::int32_t kHeight = 480;

ObjectHandle geometric_pen(std::uint32_t style, std::uint32_t width) {
  LogBrush brush;
  brush.color = 0x00FF00;
  return ext_create_pen(pen_style::kGeometric | style, width, brush, 0, nullptr);
}

void draw_lines(benchmark::State& state, ObjectHandle pen, std::int32_t low, std::int32_t high) {
  BenchSurface surface(kWidth, kHeight);
  delete_object(select_object(surface.dc, pen));
  Scatter scatter{4242};
  for (auto _ : state) {
    move_to(surface.dc, scatter.next(low, high), scatter.next(low, high), nullptr);
    line_to(surface.dc, scatter.next(low, high), scatter.next(low, high));
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_LinesCosmeticDashOpaque(benchmark::State& state) {
  draw_lines(state, create_pen(pen_style::kDash, 1, 0x00FF00), 0, kHeight);
}
BENCHMARK(BM_LinesCosmeticDashOpaque);

void BM_LinesFarOutside(benchmark::State& state) {
  draw_lines(state, create_pen(pen_style::kSolid, 1, 0x00FF00), -2'000'000'000, 2'000'000'000);
}
BENCHMARK(BM_LinesFarOutside);

void BM_LinesWide(benchmark::State& state) {
  draw_lines(state, geometric_pen(pen_style::kSolid, static_cast<std::uint32_t>(state.range(0))), 0,
             kHeight);
}
BENCHMARK(BM_LinesWide)->Arg(3)->Arg(8);

void BM_LinesWideDashed(benchmark::State& state) {
  draw_lines(state, geometric_pen(pen_style::kDash | pen_style::kEndCapFlat, 3), 0, kHeight);
}
BENCHMARK(BM_LinesWideDashed);

// Dots show one per segment, found without walking the pattern.
void BM_LinesWideDotted(benchmark::State& state) {
  draw_lines(state, geometric_pen(pen_style::kDot | pen_style::kEndCapSquare, 3), 0, kHeight);
}
BENCHMARK(BM_LinesWideDotted);

// Dashed lines that start and end far outside: only the dashes near the surface are drawn.
void BM_LinesWideDashedFarReaching(benchmark::State& state) {
  draw_lines(state, geometric_pen(pen_style::kDashDot, 3), -2'000'000, 2'000'000);
}
BENCHMARK(BM_LinesWideDashedFarReaching);

void BM_PolylineWideMiter(benchmark::State& state) {
  BenchSurface surface(kWidth, kHeight);
  delete_object(select_object(surface.dc, geometric_pen(pen_style::kJoinMiter, 5)));
  Scatter scatter{4242};
  std::array<Point, 16> points{};
  for (auto _ : state) {
    for (Point& p : points) p = {scatter.next(0, kWidth), scatter.next(0, kHeight)};
    polyline(surface.dc, points.data(), static_cast<std::int32_t>(points.size()));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PolylineWideMiter);

}  // namespace
}  // namespace kanvo::surface
