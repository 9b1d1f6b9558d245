#include <gtest/gtest.h>

#include "graphics/kanvo.h"
#include "graphics/platform/drawing_surface.h"
#include "working_image_fixture.h"

namespace kanvo {
namespace {

using DrawingState = testing::WorkingImageTest;

constexpr std::int32_t kPsDash = 1;
constexpr std::int32_t kPsNull = 5;
constexpr std::int32_t kPsUserStyle = 7;
constexpr int kXorPen = 7;
constexpr int kCopyPen = 13;

TEST_F(DrawingState, DefaultsOfANewImage) {
  EXPECT_EQ(get_line_color(), 0xFFFFFFu);
  EXPECT_EQ(get_fill_color(), 0xFFFFFFu);
  EXPECT_EQ(get_text_color(), 0xFFFFFFu);
  EXPECT_EQ(get_bk_color(), 0u);
  EXPECT_EQ(get_bk_mode(), 2);
  EXPECT_EQ(get_rop2(), kCopyPen);
  EXPECT_EQ(get_poly_fill_mode(), 1);
  float x = 0, y = 0;
  get_aspect_ratio(&x, &y);
  EXPECT_EQ(x, 1.0f);
  EXPECT_EQ(y, 1.0f);
  LineStyle line;
  get_line_style(&line);
  EXPECT_EQ(line.style, 0);
  EXPECT_EQ(line.thickness, 1);
  EXPECT_EQ(line.dash_array, nullptr);
  FillStyle fill;
  get_fill_style(&fill);
  EXPECT_EQ(fill.style, kFillSolid);
  EXPECT_EQ(fill.pattern_image, nullptr);
}

TEST(DrawingStateTransform, OriginIsAddedAfterTheScale) {
  CanvasImage image(300, 300);
  set_working_image(&image);
  set_origin(230, 230);
  set_aspect_ratio(1, -1);
  write_pixel(10, 10, 0x0000FF);
  EXPECT_EQ(image.pixels()[220 * 300 + 240], 0x00FF0000u);
  EXPECT_EQ(read_pixel(10, 10), 0x0000FFu);
}

TEST_F(DrawingState, UserStyleWithoutDashesDrawsNothing) {
  set_line_style(kPsUserStyle, 1, nullptr, 0);
  draw_line(0, 5, 60, 5);
  stroke_rect(2, 10, 40, 30);
  EXPECT_EQ(count_pixels(0xFFFFFF), 0);
}

TEST_F(DrawingState, DashArrayIsKeptOnlyForUserStyles) {
  const std::uint32_t dashes[4] = {3, 1, 2, 1};
  set_line_style(kPsDash, 3, dashes, 4);
  LineStyle line;
  get_line_style(&line);
  EXPECT_EQ(line.style, kPsDash);
  EXPECT_EQ(line.thickness, 3);
  EXPECT_EQ(line.dash_array, nullptr);

  set_line_style(kPsUserStyle, 1, dashes, 4);
  get_line_style(&line);
  ASSERT_NE(line.dash_array, nullptr);
  EXPECT_EQ(line.dash_count, 4);
  EXPECT_EQ(line.dash_array[2], 2u);
  // The record is a copy: changing the style again does not reach it.
  set_line_style(0, 1, nullptr, 0);
  EXPECT_EQ(line.dash_array[2], 2u);

  set_line_style(kPsUserStyle, 1, dashes, -4);  // a negative count is no dash array
  get_line_style(&line);
  EXPECT_EQ(line.dash_array, nullptr);
}

TEST_F(DrawingState, FillColourUnderANullBrushIsOnlyStored) {
  set_fill_style(kFillNull, 0, nullptr);
  set_fill_color(0x0000FF);
  paint_rect(0, 0, 10, 10);
  EXPECT_EQ(count_pixels(0xFF0000), 0);
  EXPECT_EQ(get_fill_color(), 0x0000FFu);
  set_fill_style(kFillSolid, 0, nullptr);
  paint_rect(0, 0, 9, 9);
  EXPECT_EQ(count_pixels(0xFF0000), 100);
}

TEST_F(DrawingState, AlternatingColumnPattern) {
  const std::uint8_t columns[8] = {0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA};
  set_text_color(0x0000FF);
  set_bk_color(0x000000);
  set_fill_pattern(columns);
  paint_rect(0, 0, 15, 7);
  for (int x = 0; x < 16; ++x) {
    for (int y = 0; y < 8; ++y) {
      EXPECT_EQ(pixel(x, y) & 0xFFFFFF, x % 2 == 0 ? 0xFF0000u : 0u) << x << "," << y;
    }
  }
}

TEST_F(DrawingState, ClearClipRegionWithoutRegionClearsEverythingAndHomesThePen) {
  set_bk_color(0x00FF00);
  move_pen_to(7, 9);
  clear_clip_region();
  EXPECT_EQ(count_pixels(0x00FF00), kWidth * kHeight);
  EXPECT_EQ(get_x(), 0);
  EXPECT_EQ(get_y(), 0);
}

TEST_F(DrawingState, ClearClipRegionFillsOnlyTheRegionInDevicePixels) {
  const RegionHandle region = platform::create_rect_region(4, 4, 8, 6);
  set_clip_region(region);
  platform::delete_object(region);  // the surface keeps its own copy
  set_origin(20, 20);               // the region is not moved by the origin
  set_bk_color(0x00FF00);
  move_pen_to(3, 3);
  clear_clip_region();
  EXPECT_EQ(count_pixels(0x00FF00), 8);
  EXPECT_EQ(pixel(4, 4) & 0xFFFFFF, 0x00FF00u);
  EXPECT_EQ(pixel(7, 5) & 0xFFFFFF, 0x00FF00u);
  EXPECT_EQ(get_x(), 3);
}

TEST_F(DrawingState, ResetKeepsRasterOperationAndPixels) {
  set_rop2(kXorPen);
  set_line_color(0x00FF00);
  set_origin(5, 5);
  write_pixel(1, 1, 0x0000FF);
  reset_drawing_state();
  EXPECT_EQ(get_rop2(), kXorPen);
  EXPECT_EQ(get_line_color(), 0xFFFFFFu);
  EXPECT_EQ(pixel(6, 6) & 0xFFFFFF, 0xFF0000u);
}

TEST_F(DrawingState, FillStyleRecordsOwnTheirPatternCopies) {
  CanvasImage pattern(2, 2);
  pattern.pixels()[0] = 0xFFFFFF;
  set_fill_style(kFillPattern, 0, &pattern);
  {
    FillStyle copy;
    get_fill_style(&copy);
    ASSERT_NE(copy.pattern_image, nullptr);
    EXPECT_NE(copy.pattern_image.get(), &pattern);
    EXPECT_EQ(copy.pattern_image->pixels()[0], 0xFFFFFFu);
  }
  FillStyle again;
  get_fill_style(&again);
  ASSERT_NE(again.pattern_image, nullptr);
  EXPECT_EQ(again.pattern_image->width(), 2);
}

TEST_F(DrawingState, SetColorSetsLineAndTextButNotFill) {
  set_fill_color(0x010101);
  set_color(0x55FFFF);
  EXPECT_EQ(get_line_color(), 0x55FFFFu);
  EXPECT_EQ(get_text_color(), 0x55FFFFu);
  EXPECT_EQ(get_color(), 0x55FFFFu);
  EXPECT_EQ(get_fill_color(), 0x010101u);
}

TEST_F(DrawingState, OddStylesLeaveThePreviousBrush) {
  set_fill_color(0x0000FF);
  set_fill_style(4, 0, nullptr);
  paint_rect(0, 0, 1, 1);
  EXPECT_EQ(count_pixels(0xFF0000), 4);
  set_fill_style(99, 0, nullptr);
  set_fill_style(kFillPattern, 0, nullptr);  // no pattern image: nothing to build from
  paint_rect(2, 0, 3, 1);
  EXPECT_EQ(count_pixels(0xFF0000), 8);
  set_line_style(kPsNull, 1, nullptr, 0);
}

}  // namespace
}  // namespace kanvo
