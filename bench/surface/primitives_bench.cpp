// Primitives per second on a 640 x 480 surface.
#include <benchmark/benchmark.h>

#include <array>

#include "bench/surface/scatter.h"
#include "bench/surface/surface_pair.h"
#include "host/surface/surface.h"

namespace kanvo::surface {
namespace {

constexpr std::int32_t kWidth = 640;
constexpr std::int32_t kHeight = 480;

void BM_Lines(benchmark::State& state) {
  BenchSurface surface(kWidth, kHeight);
  delete_object(select_object(surface.dc, create_pen(pen_style::kSolid, 1, 0x00FF00)));
  Scatter scatter{12345};
  for (auto _ : state) {
    move_to(surface.dc, scatter.next(kWidth), scatter.next(kHeight), nullptr);
    line_to(surface.dc, scatter.next(kWidth), scatter.next(kHeight));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Lines);

// Boxes of 1 to 64 pixels a side, drawn with a one-pixel pen and a solid brush.
template <bool (*draw)(DcHandle, std::int32_t, std::int32_t, std::int32_t, std::int32_t)>
void draw_scattered_boxes(benchmark::State& state) {
  BenchSurface surface(kWidth, kHeight);
  delete_object(select_object(surface.dc, create_pen(pen_style::kSolid, 1, 0x00FF00)));
  delete_object(select_object(surface.dc, create_solid_brush(0x0000FF)));
  Scatter scatter{12345};
  for (auto _ : state) {
    const std::int32_t x = scatter.next(kWidth - 64);
    const std::int32_t y = scatter.next(kHeight - 64);
    draw(surface.dc, x, y, x + 1 + scatter.next(63), y + 1 + scatter.next(63));
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_Rectangles(benchmark::State& state) {
  draw_scattered_boxes<rectangle>(state);
}
BENCHMARK(BM_Rectangles);

void BM_Ellipses(benchmark::State& state) {
  draw_scattered_boxes<ellipse>(state);
}
BENCHMARK(BM_Ellipses);

void BM_Polygons(benchmark::State& state) {
  BenchSurface surface(kWidth, kHeight);
  delete_object(select_object(surface.dc, create_pen(pen_style::kSolid, 1, 0x00FF00)));
  delete_object(select_object(surface.dc, create_solid_brush(0x0000FF)));
  Scatter scatter{12345};
  std::array<Point, 6> points;
  for (auto _ : state) {
    const std::int32_t x = scatter.next(kWidth - 64);
    const std::int32_t y = scatter.next(kHeight - 64);
    for (Point& point : points) point = {x + scatter.next(64), y + scatter.next(64)};
    polygon(surface.dc, points.data(), static_cast<std::int32_t>(points.size()));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Polygons);

void BM_Text(benchmark::State& state) {
  BenchSurface surface(kWidth, kHeight);
  Scatter scatter{12345};
  for (auto _ : state) {
    text_out(surface.dc, scatter.next(kWidth - 100), scatter.next(kHeight - 20), "y=x^(1/2)");
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Text);

// Argument: the ternary raster operation (a plain copy, then an exclusive or with the source).
void BM_Blit640x480(benchmark::State& state) {
  BenchSurface source(kWidth, kHeight);
  BenchSurface destination(kWidth, kHeight);
  const auto rop = static_cast<std::uint32_t>(state.range(0));
  for (auto _ : state) {
    bit_blt(destination.dc, 0, 0, kWidth, kHeight, source.dc, 0, 0, rop);
    benchmark::DoNotOptimize(destination.pixels[0]);
  }
  state.SetItemsProcessed(state.iterations());
  state.SetBytesProcessed(state.iterations() * kWidth * kHeight * 4);
}
BENCHMARK(BM_Blit640x480)->Arg(rop3::kSrcCopy)->Arg(rop3::kSrcInvert);

void BM_SolidFillRect(benchmark::State& state) {
  BenchSurface surface(kWidth, kHeight);
  const ObjectHandle brush = create_solid_brush(0x336699);
  Scatter scatter{12345};
  for (auto _ : state) {
    const std::int32_t x = scatter.next(kWidth - 64);
    const std::int32_t y = scatter.next(kHeight - 64);
    fill_rect(surface.dc, {x, y, x + 32, y + 32}, brush);
  }
  delete_object(brush);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SolidFillRect);

}  // namespace
}  // namespace kanvo::surface
