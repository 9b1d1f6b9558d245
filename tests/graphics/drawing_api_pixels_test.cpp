// The global functions add no pixels of their own: each shape drawn through them on an image is
// exactly what the drawing surface draws for the same calls with the same pen and brush.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "graphics/kanvo.h"
#include "graphics/platform/drawing_surface.h"

namespace kanvo {
namespace {

constexpr std::int32_t kSize = 64;
constexpr Color kLine = 0x00C0FF;
constexpr Color kFill = 0x804020;

struct Case {
  std::string name;
  std::function<void()> through_library;
  std::function<void(SurfaceHandle)> through_surface;
};

// A surface with the state the library gives a fresh image after set_line_color and
// set_fill_color: a geometric solid pen one unit wide and a solid brush.
struct ReferenceSurface {
  ReferenceSurface() {
    dc = platform::create_compatible_dc(platform::kNoSurface);
    bitmap = platform::create_dib_section(kSize, kSize, &pixels);
    platform::select_object(dc, bitmap);
    platform::set_graphics_mode(dc, platform::GraphicsMode::advanced);
    platform::LogBrush pen_brush;
    pen_brush.color = kLine;
    platform::delete_object(platform::select_object(
        dc, platform::ext_create_pen(platform::pen_style::kGeometric, 1, pen_brush, 0, nullptr)));
    platform::delete_object(platform::select_object(dc, platform::create_solid_brush(kFill)));
  }
  ~ReferenceSurface() {
    platform::delete_object(
        platform::select_object(dc, platform::get_stock_object(platform::StockObject::white_pen)));
    platform::delete_object(platform::select_object(
        dc, platform::get_stock_object(platform::StockObject::black_brush)));
    platform::delete_dc(dc);
    platform::delete_object(bitmap);
  }
  SurfaceHandle dc{};
  ObjectHandle bitmap{};
  std::uint32_t* pixels = nullptr;
};

TEST(DrawingApiPixels, ShapesMatchTheSurfaceCallsPixelForPixel) {
  const Point zigzag[4] = {{2, 60}, {20, 40}, {40, 60}, {60, 30}};
  const std::vector<Case> cases = {
      {"line", [] { draw_line(3, 7, 60, 41); },
       [](SurfaceHandle dc) {
         platform::move_to(dc, 3, 7, nullptr);
         platform::line_to(dc, 60, 41);
       }},
      {"rect", [] { draw_rect(4, 6, 50, 40); },
       [](SurfaceHandle dc) { platform::rectangle(dc, 4, 6, 50, 40); }},
      {"circle", [] { draw_circle(30, 30, 17); },
       [](SurfaceHandle dc) { platform::ellipse(dc, 13, 13, 47, 47); }},
      {"quiz mark", [] { stroke_circle(20, 20, 2); },
       [](SurfaceHandle dc) {
         platform::delete_object(platform::select_object(
             dc,
             platform::create_brush_indirect(platform::LogBrush{platform::BrushStyle::null, 0})));
         platform::ellipse(dc, 18, 18, 22, 22);
       }},
      {"ellipse", [] { draw_ellipse(2, 10, 61, 33); },
       [](SurfaceHandle dc) { platform::ellipse(dc, 2, 10, 61, 33); }},
      {"round rect", [] { draw_round_rect(5, 5, 55, 45, 16, 10); },
       [](SurfaceHandle dc) { platform::round_rect(dc, 5, 5, 55, 45, 16, 10); }},
      {"polyline", [&] { draw_polyline(zigzag, 4); },
       [&](SurfaceHandle dc) { platform::polyline(dc, zigzag, 4); }},
  };
  for (const Case& c : cases) {
    CanvasImage image(kSize, kSize);
    set_working_image(&image);
    set_line_color(kLine);
    set_fill_color(kFill);
    c.through_library();
    ReferenceSurface reference;
    c.through_surface(reference.dc);
    int differing = 0;
    int drawn = 0;
    for (std::int32_t i = 0; i < kSize * kSize; ++i) {
      differing += (image.pixels()[i] & 0xFFFFFF) != (reference.pixels[i] & 0xFFFFFF);
      drawn += (image.pixels()[i] & 0xFFFFFF) != 0;
    }
    EXPECT_EQ(differing, 0) << c.name;
    EXPECT_GT(drawn, 0) << c.name;
  }
}

TEST(DrawingApiPixels, LinesEndAsTheSurfaceEndsThemForTheLibrarysPen) {
  CanvasImage image(12, 10);
  set_working_image(&image);
  set_line_color(0x00FF00);
  const auto at = [&](std::int32_t x, std::int32_t y) { return image.pixels()[y * 12 + x]; };
  draw_line(1, 2, 7, 2);  // along a row: the last pixel stays out
  for (std::int32_t x = 1; x < 7; ++x) EXPECT_EQ(at(x, 2), 0x0000FF00u) << x;
  EXPECT_EQ(at(7, 2), 0u);
  EXPECT_EQ(at(0, 2), 0u);
  draw_line(2, 9, 2, 4);  // along a column, upwards
  EXPECT_EQ(at(2, 5), 0x0000FF00u);
  EXPECT_EQ(at(2, 4), 0u);
  draw_line(5, 4, 9, 8);  // slanted: ends on its last point
  EXPECT_EQ(at(9, 8), 0x0000FF00u);
  set_working_image(nullptr);
}

}  // namespace
}  // namespace kanvo
