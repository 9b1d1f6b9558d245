// Geometric pens one device pixel wide: where their figures end and how often they meet a pixel.
#include <gtest/gtest.h>

#include <cstdint>

#include "host/surface/surface.h"
#include "tests/host/surface/line_fixture.h"

namespace kanvo::surface {
namespace {

constexpr PixelWord kGreen = 0x0000FF00u;
constexpr PixelWord kWhite = 0x00FFFFFFu;

class GeometricThinPen : public testing::LineSurfaceTest<24, 16> {
 protected:
  void SetUp() override {
    LineSurfaceTest::SetUp();
    use_pen(geometric(pen_style::kSolid, 1, 0x00FF00));
  }
  void use_transform(float scale_x, float scale_y, float dx, float dy) {
    Transform transform;
    transform.m11 = scale_x;
    transform.m22 = scale_y;
    transform.dx = dx;
    transform.dy = dy;
    ASSERT_TRUE(set_world_transform(dc_, transform));
  }
  // Column x from y0 to y1 (exclusive), as row() gives a row.
  std::string column(std::int32_t x, std::int32_t y0, std::int32_t y1, PixelWord ink) const {
    std::string text;
    for (std::int32_t y = y0; y < y1; ++y)
      text += at(x, y) == ink ? '#' : at(x, y) == 0 ? '.' : '?';
    return text;
  }
};

TEST_F(GeometricThinPen, HorizontalLineLeavesOutItsLastPixel) {
  line(1, 2, 7, 2);
  EXPECT_EQ(row(2, 0, 9, kGreen), ".######..");
  line(7, 4, 1, 4);  // right to left
  EXPECT_EQ(row(4, 0, 9, kGreen), "..######.");
}

TEST_F(GeometricThinPen, VerticalLineLeavesOutItsLastPixel) {
  line(3, 1, 3, 6);
  EXPECT_EQ(column(3, 0, 8, kGreen), ".#####..");
  // Under a flip too: device (5,14) up to (5,9).
  use_transform(1.0f, -1.0f, 0.0f, 15.0f);
  line(5, 1, 5, 6);
  EXPECT_EQ(column(5, 8, 16, kGreen), "..#####.");
}

TEST_F(GeometricThinPen, SlantedLineEndsOnItsLastPoint) {
  line(2, 2, 9, 5);  // two pixels a row, the last pair ending on (9,5)
  EXPECT_EQ(row(2, 0, 11, kGreen), "..##.......");
  EXPECT_EQ(row(5, 0, 11, kGreen), "........##.");
  line(12, 2, 14, 9);  // steep: one pixel a row, the last two on (14,8) and (14,9)
  EXPECT_EQ(column(14, 0, 11, kGreen), "........##.");
  line(20, 14, 16, 10);  // diagonal, up and to the left
  for (int i = 0; i <= 4; ++i) EXPECT_EQ(at(20 - i, 14 - i), kGreen) << i;
  // A cosmetic pen leaves the last point out on the same slant.
  use_pen(create_pen(pen_style::kSolid, 0, 0xFFFFFF));
  line(2, 8, 9, 11);
  EXPECT_EQ(row(11, 0, 11, kWhite), "........#..");
}

TEST_F(GeometricThinPen, SlantedLineEndsOnItsLastPointUnderAHalfScale) {
  use_transform(0.5f, 0.5f, 0.0f, 0.0f);  // width 1 is half a pixel: still one pixel wide
  line(4, 4, 18, 10);                     // device (2,2) to (9,5)
  EXPECT_EQ(row(5, 0, 11, kGreen), "........##.");
  line(4, 20, 18, 20);  // device (2,10) to (9,10)
  EXPECT_EQ(row(10, 0, 11, kGreen), "..#######..");
}

TEST_F(GeometricThinPen, DeviceWidthIsTheWidthScaledAlongX) {
  // Twice as wide along x, as tall along y: one unit is two device pixels, a wide pen.
  use_transform(2.0f, 1.0f, 0.0f, 0.0f);
  use_pen(geometric(pen_style::kSolid | pen_style::kEndCapFlat, 1, 0x00FF00));
  line(1, 5, 10, 5);  // device (2,5) to (20,5): rows 4 and 5, columns 2 to 19
  EXPECT_EQ(column(10, 2, 8, kGreen), "..##..");
  EXPECT_EQ(count(kGreen), 2 * 18);
  fill(0);
  // As wide along x, twice as tall along y: still one pixel wide.
  use_transform(1.0f, 2.0f, 0.0f, 0.0f);
  line(5, 1, 5, 6);  // device (5,2) down to (5,12)
  EXPECT_EQ(column(5, 0, 14, kGreen), "..##########..");
  EXPECT_EQ(count(kGreen), 10);
}

TEST_F(GeometricThinPen, PolylineEndsAsItsLastSegmentDoes) {
  const Point bent[] = {{2, 2}, {8, 6}, {8, 10}};  // ends on a vertical segment
  ASSERT_TRUE(polyline(dc_, bent, 3));
  EXPECT_EQ(column(8, 5, 12, kGreen), ".####..");
  const Point hook[] = {{12, 2}, {18, 2}, {21, 5}};  // ends on a slanted segment
  ASSERT_TRUE(polyline(dc_, hook, 3));
  EXPECT_EQ(row(2, 11, 20, kGreen), ".#######.");
  EXPECT_EQ(at(21, 5), kGreen);
}

TEST_F(GeometricThinPen, FigurePaintsEachPixelOnceUnderXor) {
  set_rop2(dc_, rop2::kXorPen);
  // Out along row 2 and back over it: the pixels both segments take change once.
  const Point back[] = {{2, 2}, {12, 2}, {4, 2}};
  ASSERT_TRUE(polyline(dc_, back, 3));
  EXPECT_EQ(row(2, 0, 15, kGreen), "..###########..");
  // Two edges of a thin triangle share most of row 8.
  use_brush(get_stock_object(StockObject::null_brush));
  const Point thin[] = {{2, 7}, {14, 8}, {2, 9}};
  ASSERT_TRUE(polygon(dc_, thin, 3));
  EXPECT_EQ(row(7, 0, 16, kGreen), "..#######.......");
  EXPECT_EQ(row(8, 0, 16, kGreen), "..#.....#######.");
  EXPECT_EQ(row(9, 0, 16, kGreen), "..######........");
}

TEST_F(GeometricThinPen, CosmeticPenMeetsAPixelOncePerSegmentUnderXor) {
  use_pen(create_pen(pen_style::kSolid, 0, 0xFFFFFF));
  set_rop2(dc_, rop2::kXorPen);
  const Point back[] = {{2, 2}, {12, 2}, {4, 2}};
  ASSERT_TRUE(polyline(dc_, back, 3));
  EXPECT_EQ(row(2, 0, 15, kWhite), "..###.......#..");
}

TEST_F(GeometricThinPen, DashPatternStartsAfreshWithEveryLineTo) {
  use_pen(geometric(pen_style::kDash, 1, 0x00FF00));  // 3 on, 1 off
  move_to(dc_, 0, 0, nullptr);
  ASSERT_TRUE(line_to(dc_, 5, 0));   // 0..4: on on on off on
  ASSERT_TRUE(line_to(dc_, 12, 0));  // from 5 the pattern starts again
  EXPECT_EQ(row(0, 0, 13, kGreen), "###.####.###.");
}

TEST_F(GeometricThinPen, RectangleOutlineStartsAtTheCornerTheCallNamesFirst) {
  use_pen(geometric(pen_style::kDash, 1, 0x00FF00));
  use_brush(get_stock_object(StockObject::null_brush));
  // Given right to left, the outline starts at (20,2) and runs along the top to the left.
  ASSERT_TRUE(rectangle(dc_, 20, 2, 4, 10));
  EXPECT_EQ(row(2, 4, 21, kGreen), "#.###.###.###.###");
  ASSERT_TRUE(rectangle(dc_, 4, 12, 20, 15));  // left to right: from (4,12)
  EXPECT_EQ(row(12, 4, 21, kGreen), "###.###.###.###.#");
}

TEST_F(GeometricThinPen, ShapesWithCornersOfTwoPixelsOrLessRunAsARectangleDoes) {
  use_pen(geometric(pen_style::kDash, 1, 0x00FF00));  // 3 on, 1 off
  use_brush(get_stock_object(StockObject::null_brush));
  // From the top left corner along the top, down the right end and back along the bottom.
  ASSERT_TRUE(ellipse(dc_, 2, 2, 20, 3));
  EXPECT_EQ(row(2, 2, 21, kGreen), "###.###.###.###.###");
  EXPECT_EQ(row(3, 2, 21, kGreen), "##.###.###.###.###.");
  ASSERT_TRUE(round_rect(dc_, 2, 6, 20, 10, 7, 0));
  EXPECT_EQ(row(6, 2, 21, kGreen), "###.###.###.###.###");
}

TEST_F(GeometricThinPen, ShapeOutlinesHaveNoBrushUnderThem) {
  use_brush(create_solid_brush(0xFF0000));  // pixel word 0x0000FF
  set_rop2(dc_, rop2::kNot);
  // Under R2_NOT every pixel of the box changes once, the outline's by the pen alone.
  ASSERT_TRUE(rectangle(dc_, 2, 2, 8, 6));
  for (std::int32_t y = 0; y < 8; ++y) {
    for (std::int32_t x = 0; x < 10; ++x) {
      const bool in_box = x >= 2 && x <= 8 && y >= 2 && y <= 6;  // the far edges too
      EXPECT_EQ(at(x, y) & 0xFFFFFFu, in_box ? 0xFFFFFFu : 0u) << x << ", " << y;
    }
  }
  // Under XOR the outline shows the pen's colour, not the pen's over the brush's.
  set_rop2(dc_, rop2::kXorPen);
  ASSERT_TRUE(ellipse(dc_, 10, 2, 20, 10));
  EXPECT_EQ(at(15, 2), kGreen);       // top of the outline
  EXPECT_EQ(at(15, 6), 0x000000FFu);  // inside
  const Point triangle[] = {{10, 11}, {20, 11}, {10, 15}};
  ASSERT_TRUE(polygon(dc_, triangle, 3));
  EXPECT_EQ(at(15, 11), kGreen);
  EXPECT_EQ(at(11, 12), 0x000000FFu);
}

}  // namespace
}  // namespace kanvo::surface
