#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "graphics/context/graphics_context.h"
#include "graphics/kanvo.h"
#include "graphics/platform/drawing_surface.h"
#include "working_image_fixture.h"

namespace kanvo {
namespace {

using Shapes = testing::WorkingImageTest;

constexpr std::int32_t kHatchCross = 4;
constexpr int kXorPen = 7;

// Records the raw calls that reach the device through its table.
class RecordingDevice : public ImageDevice {
 public:
  using ImageDevice::ImageDevice;
  void draw_line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override {
    calls.push_back("line " + std::to_string(x1) + "," + std::to_string(y1) + " " +
                    std::to_string(x2) + "," + std::to_string(y2));
    ImageDevice::draw_line(x1, y1, x2, y2);
  }
  void draw_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                 std::int32_t bottom) override {
    calls.push_back("rect " + std::to_string(left) + "," + std::to_string(top) + " " +
                    std::to_string(right) + "," + std::to_string(bottom));
    ImageDevice::draw_rect(left, top, right, bottom);
  }
  void set_fill_style_record(const FillStyle& style) override {
    calls.push_back("brush " + std::to_string(style.style));
    ImageDevice::set_fill_style_record(style);
  }
  std::vector<std::string> calls;
};

class RecordedShapes : public Shapes {
 protected:
  void SetUp() override {
    Shapes::SetUp();
    graphics_context().target.current_device = &recorder_;
  }
  void TearDown() override {
    graphics_context().target.current_device = &graphics_context().image_device;
    Shapes::TearDown();
  }
  std::vector<std::string>& calls() { return recorder_.calls; }

 private:
  RecordingDevice recorder_{graphics_context().target};
};

TEST_F(RecordedShapes, Bar3dDrawsFrontFaceDepthEdgesAndTopFace) {
  move_pen_to(1, 2);
  draw_bar3d(10, 10, 50, 50, 8, 1);
  const std::vector<std::string> expected = {"rect 10,10 50,50", "line 50,50 58,44",
                                             "line 58,44 58,4",  "line 10,10 18,4",
                                             "line 18,4 58,4",   "line 58,4 50,10"};
  EXPECT_EQ(calls(), expected);
  EXPECT_EQ(get_x(), 1);
  EXPECT_EQ(get_y(), 2);
}

TEST_F(RecordedShapes, Bar3dRoundsTheRiseTowardMinusInfinityAndOrdersCorners) {
  draw_bar3d(50, 50, 10, 10, -5, 0);
  const std::vector<std::string> expected = {"rect 10,10 50,50", "line 50,50 45,54",
                                             "line 45,54 45,14"};
  EXPECT_EQ(calls(), expected);
}

TEST_F(RecordedShapes, StrokeAndPaintDrawThroughTheTableAndRealiseNothing) {
  stroke_rect(1, 1, 5, 5);
  paint_rect(1, 1, 5, 5);
  const std::vector<std::string> raw = {"rect 1,1 5,5", "rect 1,1 6,6"};
  EXPECT_EQ(calls(), raw);
}

// The hollow brush and the null pen of the variants are switched on the surface alone: the pen
// and brush the style realised stay the same objects, however costly to make again.
TEST_F(Shapes, StrokeAndPaintKeepTheRealisedPenAndBrush) {
  const std::uint32_t dashes[] = {3, 1};
  set_line_style(7, 1, dashes, 2);  // a user style: its pen holds a copy of the dash array
  set_fill_style(kFillSolid, 0, nullptr);
  const SurfaceHandle surface = image().surface();
  const ObjectHandle pen = platform::get_current_object(surface, platform::ObjectKind::pen);
  const ObjectHandle brush = platform::get_current_object(surface, platform::ObjectKind::brush);
  const std::size_t objects = platform::live_object_count();
  stroke_rect(2, 2, 20, 20);
  paint_circle(40, 20, 6);
  stroke_polygon(nullptr, 0);
  EXPECT_EQ(platform::get_current_object(surface, platform::ObjectKind::pen), pen);
  EXPECT_EQ(platform::get_current_object(surface, platform::ObjectKind::brush), brush);
  EXPECT_EQ(platform::live_object_count(), objects);
  FillStyle fill;
  get_fill_style(&fill);
  EXPECT_EQ(fill.style, kFillSolid);
  LineStyle line;
  get_line_style(&line);
  EXPECT_EQ(line.style, 7);
  EXPECT_EQ(line.dash_count, 2);
  EXPECT_EQ(pixel(10, 10), 0u);                    // the stroked rectangle's inside stays
  EXPECT_EQ(pixel(2, 2) & 0xFFFFFF, 0xFFFFFFu);    // its dashed outline starts with a dash
  EXPECT_EQ(pixel(40, 20) & 0xFFFFFF, 0xFFFFFFu);  // the painted circle is filled
}

TEST_F(Shapes, StrokeCircleLeavesTheInsideAndTheFillStyle) {
  image().pixels()[10 * kWidth + 10] = 0x123456;
  stroke_circle(10, 10, 2);
  EXPECT_EQ(pixel(10, 10), 0x123456u);
  EXPECT_EQ(count_pixels(0xFFFFFF), 8);  // the ring of a 4 x 4 box
  FillStyle fill;
  get_fill_style(&fill);
  EXPECT_EQ(fill.style, kFillSolid);
  draw_circle(30, 10, 2);
  EXPECT_EQ(pixel(30, 10) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(Shapes, PaintRectCoversTheSamePixelsWhicheverCornersComeFirst) {
  paint_rect(10, 10, 0, 0);
  const int reversed = count_pixels(0xFFFFFF);
  EXPECT_EQ(reversed, 121);
  clear_canvas();
  paint_rect(0, 0, 10, 10);
  EXPECT_EQ(count_pixels(0xFFFFFF), reversed);
}

TEST_F(Shapes, EraseRectRestoresHatchColourAndRasterOperation) {
  set_fill_color(0x0000FF);
  set_fill_style(kFillHatched, kHatchCross, nullptr);
  set_rop2(kXorPen);
  set_bk_color(0x000000);
  for (std::int32_t i = 0; i < kWidth * kHeight; ++i) image().pixels()[i] = 0x00FFFFFF;
  erase_rect(2, 2, 20, 20);
  EXPECT_EQ(pixel(2, 2) & 0xFFFFFF, 0u);
  EXPECT_EQ(pixel(20, 20) & 0xFFFFFF, 0u);
  EXPECT_EQ(pixel(21, 21) & 0xFFFFFF, 0xFFFFFFu);
  FillStyle fill;
  get_fill_style(&fill);
  EXPECT_EQ(fill.style, kFillHatched);
  EXPECT_EQ(fill.hatch, kHatchCross);
  EXPECT_EQ(get_fill_color(), 0x0000FFu);
  EXPECT_EQ(get_rop2(), kXorPen);
}

TEST_F(Shapes, LineToStartsAtTheStoredPenPosition) {
  clear_canvas();
  draw_line(0, 0, 10, 0);
  EXPECT_EQ(get_x(), 0);
  draw_line_to(5, 5);
  EXPECT_EQ(get_x(), 5);
  EXPECT_EQ(get_y(), 5);
  EXPECT_EQ(pixel(1, 1) & 0xFFFFFF, 0xFFFFFFu);  // on the diagonal from (0, 0)
  EXPECT_EQ(pixel(9, 1) & 0xFFFFFF, 0u);         // not from (10, 0)
  move_pen_to(1, 1);
  move_pen_by(3, 4);
  EXPECT_EQ(get_x(), 4);
  EXPECT_EQ(get_y(), 5);
}

TEST_F(Shapes, ArcEndPoints) {
  DrawDevice& device = graphics_context().image_device;
  std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  device.arc_end_points(0, 0, 100, 50, 0, std::numbers::pi / 2, &x1, &y1, &x2, &y2);
  EXPECT_EQ(x1, 100);
  EXPECT_EQ(y1, 25);
  EXPECT_EQ(x2, 50);
  EXPECT_EQ(y2, 0);
  device.arc_end_points(0, 0, 5, 5, 0, std::numbers::pi, &x1, &y1, &x2, &y2);
  EXPECT_EQ(x1, 4);  // centre (2, 2), not (2.5, 2.5)
  EXPECT_EQ(y1, 2);
  EXPECT_EQ(x2, 0);
  EXPECT_EQ(y2, 2);
  device.arc_end_points(100, 50, 0, 0, 1.0, 1.0, &x1, &y1, &x2, &y2);  // reversed box, same angle
  EXPECT_EQ(x1, x2);
  EXPECT_EQ(y1, y2);
}

TEST_F(Shapes, ClearCanvasWritesTheBackgroundWord) {
  // Greys keep a top byte of 0: a program reading the buffer sees 0x00RRGGBB words.
  set_bk_color(0xFFFFFF);
  move_pen_to(3, 3);
  clear_canvas();
  EXPECT_EQ(pixel(0, 0), 0x00FFFFFFu);
  EXPECT_EQ(pixel(kWidth - 1, kHeight - 1), 0x00FFFFFFu);
  EXPECT_EQ(get_x(), 0);
  set_bk_color(0x404040);
  clear_canvas();
  EXPECT_EQ(pixel(0, 0), 0x00404040u);
  EXPECT_EQ(pixel(kWidth - 1, kHeight - 1), 0x00404040u);
  set_bk_color(0x0000FF);
  clear_canvas();
  EXPECT_EQ(pixel(5, 5), 0x00FF0000u);
  EXPECT_EQ(count_pixels(0xFF0000), kWidth * kHeight);
}

TEST_F(Shapes, DrawingGoesOnlyToTheWorkingImage) {
  CanvasImage other(kWidth, kHeight);
  draw_line(0, 3, 30, 3);
  EXPECT_EQ(other.pixels()[3 * kWidth + 10], 0u);
  EXPECT_EQ(pixel(10, 3) & 0xFFFFFF, 0xFFFFFFu);
}

// Arguments at the ends of the integer range and the nonsense a program may pass: what has a
// result draws it, what has nothing to draw leaves the image as it was, and nothing faults.
TEST_F(Shapes, HostileArgumentsDrawWhatTheyCoverAndNothingElse) {
  const auto snapshot = [this] {
    return std::vector<std::uint32_t>(image().pixels(),
                                      image().pixels() + image().width() * image().height());
  };
  constexpr std::uint32_t kBlue = 0xFF0000;  // 0x00BBGGRR
  constexpr std::uint32_t kBlueWord = 0x0000FF;
  constexpr std::uint32_t kGreen = 0x00FF00;
  const int all = kWidth * kHeight;

  // A rectangle from one end of the range to the other: its outline lies far outside, its
  // interior covers the image.
  set_fill_color(kBlue);
  draw_rect(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX);
  EXPECT_EQ(count_pixels(kBlueWord), all);
  // Reversed corners are ordered and the far edges widened by one: the same cover.
  set_fill_color(kGreen);
  paint_rect(INT32_MAX - 1, INT32_MAX - 1, INT32_MIN, INT32_MIN);
  EXPECT_EQ(count_pixels(0x00FF00), all);
  // The widening is 32-bit arithmetic: INT32_MAX + 1 wraps to INT32_MIN, an empty rectangle.
  set_fill_color(kBlue);
  paint_rect(INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN);
  EXPECT_EQ(count_pixels(0x00FF00), all);
  draw_bar3d(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, INT32_MAX, 1);
  EXPECT_EQ(count_pixels(kBlueWord), all);

  // Nothing to draw.
  const std::vector<std::uint32_t> before = snapshot();
  draw_polygon(nullptr, 5);
  draw_polyline(nullptr, -1);
  const Point one[1] = {{3, 3}};
  draw_polygon(one, 1);
  draw_polyline(one, 1);
  draw_polygon(one, -7);
  flood_fill(-5, -5, 0);  // outside the image
  flood_fill(kWidth, kHeight, 0);
  EXPECT_EQ(snapshot(), before);

  // A circle whose box wraps around the range, a pen walked past its end and angles that are
  // no angles: the calls return, and the sanitizer builds watch where they write.
  stroke_circle(INT32_MAX, INT32_MIN, INT32_MAX);
  move_pen_to(INT32_MAX, INT32_MAX);
  move_pen_by(5, 5);
  draw_line_by(INT32_MAX, INT32_MAX);
  draw_pie(0, 0, 0, 0, 1e300, -1e300);
  draw_arc(-100000, -100000, 100000, 100000, std::numeric_limits<double>::quiet_NaN(), 0);
  draw_pie(0, 0, 10, 10, std::numeric_limits<double>::infinity(), 0);
  // The image is still the working target and draws as before.
  write_pixel(1, 1, 0x0000FF);
  EXPECT_EQ(pixel(1, 1) & 0xFFFFFF, 0xFF0000u);
}

}  // namespace
}  // namespace kanvo
