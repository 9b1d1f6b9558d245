// Shapes outlined with a one-pixel cosmetic pen: which pixels the pen and the brush meet, shown
// under raster operations that tell a pixel met twice from one met once.
#include <gtest/gtest.h>

#include <string>

#include "host/surface/surface.h"
#include "tests/host/surface/surface_fixture.h"

namespace kanvo::surface {
namespace {

class ThinOutline : public testing::SizedSurfaceTest<10, 8> {
 protected:
  // The surface as rows of characters: '.' for 0, '#' for white, '?' for anything else.
  std::string picture() const {
    std::string rows;
    for (std::int32_t y = 0; y < kHeight; ++y) {
      for (std::int32_t x = 0; x < kWidth; ++x) {
        const PixelWord word = at(x, y) & 0x00FFFFFFu;
        rows += word == 0 ? '.' : word == 0x00FFFFFFu ? '#' : '?';
      }
      rows += '\n';
    }
    return rows;
  }
};

TEST_F(ThinOutline, RectangleBrushCoversTheNearEdgesUnderThePen) {
  // R2_NOT inverts once for the brush and once for the pen: the top and left edges, which the
  // brush covers too, come back to black.
  set_rop2(dc_, rop2::kNot);
  ASSERT_TRUE(rectangle(dc_, 1, 1, 6, 5));
  EXPECT_EQ(picture(),
            "..........\n"
            "......#...\n"
            "..#####...\n"
            "..#####...\n"
            "..#####...\n"
            ".######...\n"
            "..........\n"
            "..........\n");
}

TEST_F(ThinOutline, RoundedRectangleWithCornersOfTwoPixelsIsARectangle) {
  set_rop2(dc_, rop2::kNot);
  ASSERT_TRUE(round_rect(dc_, 1, 1, 6, 5, 2, 17));
  EXPECT_EQ(picture(),
            "..........\n"
            "......#...\n"
            "..#####...\n"
            "..#####...\n"
            "..#####...\n"
            ".######...\n"
            "..........\n"
            "..........\n");
}

TEST_F(ThinOutline, FlatRectangleOutlineRunsThereAndBack) {
  // No inside; the outline goes right and comes back, so only its two ends are met once.
  set_rop2(dc_, rop2::kNot);
  ASSERT_TRUE(rectangle(dc_, 2, 3, 7, 3));
  ASSERT_TRUE(rectangle(dc_, 8, 1, 8, 6));
  EXPECT_EQ(picture(),
            "..........\n"
            "........#.\n"
            "..........\n"
            "..#....#..\n"
            "..........\n"
            "..........\n"
            "........#.\n"
            "..........\n");
}

TEST_F(ThinOutline, RectangleOfOnePointDrawsNothing) {
  use_pen(create_pen(pen_style::kSolid, 1, 0xFFFFFF));
  ASSERT_TRUE(rectangle(dc_, 4, 4, 4, 4));
  EXPECT_EQ(count(0), kWidth * kHeight);
}

TEST_F(ThinOutline, RectangleOfOnePointIsTheRoundPenDotOnceThePenIsWider) {
  // The plain pen one unit wide is two pixels wide at twice the scale: its outline of one point
  // still joins round, a disc two pixels across up and left of the point (4, 4).
  use_pen(create_pen(pen_style::kSolid, 1, 0xFFFFFF));
  set_world_transform(dc_, {2, 0, 0, 2, 0, 0});
  ASSERT_TRUE(rectangle(dc_, 2, 2, 2, 2));
  EXPECT_EQ(picture(),
            "..........\n"
            "..........\n"
            "..........\n"
            "...##.....\n"
            "...##.....\n"
            "..........\n"
            "..........\n"
            "..........\n");
}

}  // namespace
}  // namespace kanvo::surface
