// Solid one-pixel lines painted through the public calls, held against the plain step rule on
// random lines in every direction, many of them running off the surface or out of the clip:
// the painted pixels are exactly the rule's pixels inside, under a plain copy and under XOR,
// and nothing else changes.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "host/surface/surface.h"
#include "tests/host/surface/line_rule.h"
#include "tests/host/surface/surface_fixture.h"

namespace kanvo::surface {
namespace {

constexpr PixelWord kInk = 0x00C01A5Eu;  // the pen's colour 0x005E1AC0 as a pixel word

class ThinLinePixels : public testing::SizedSurfaceTest<67, 41> {
 protected:
  // Every pixel different, so that a store to a wrong place shows.
  static PixelWord background(std::int64_t i) {
    return static_cast<PixelWord>(i * 2654435761u) & 0x00FFFFFFu;
  }
  void draw_random_lines(int rop, const Rect& visible) {
    use_pen(create_pen(pen_style::kSolid, 0, 0x005E1AC0u));
    set_rop2(dc_, rop);
    std::mt19937 random(11);
    std::uniform_int_distribution<std::int32_t> x(-40, kWidth + 40);
    std::uniform_int_distribution<std::int32_t> y(-30, kHeight + 30);
    std::vector<PixelWord> expected(static_cast<std::size_t>(kWidth * kHeight));
    for (int trial = 0; trial < 1500; ++trial) {
      for (std::int64_t i = 0; i < kWidth * kHeight; ++i) {
        pixels_[i] = background(i);
        expected[static_cast<std::size_t>(i)] = background(i);
      }
      // Short lines too, whose runs are cut by both ends.
      const DevicePoint a{x(random), y(random)};
      const DevicePoint b = trial % 3 == 0 ? DevicePoint{a.x + x(random) % 9, a.y + y(random) % 9}
                                           : DevicePoint{x(random), y(random)};
      for (const testing::Pixel& p : testing::walked(a, b, false)) {
        if (p.first < visible.left || p.first >= visible.right || p.second < visible.top ||
            p.second >= visible.bottom) {
          continue;
        }
        PixelWord& word = expected[static_cast<std::size_t>(p.second * kWidth + p.first)];
        word = rop == rop2::kXorPen ? word ^ kInk : kInk;
      }
      move_to(dc_, static_cast<std::int32_t>(a.x), static_cast<std::int32_t>(a.y), nullptr);
      ASSERT_TRUE(line_to(dc_, static_cast<std::int32_t>(b.x), static_cast<std::int32_t>(b.y)));
      for (std::int64_t i = 0; i < kWidth * kHeight; ++i) {
        ASSERT_EQ(pixels_[i], expected[static_cast<std::size_t>(i)])
            << "pixel " << i % kWidth << "," << i / kWidth << " of the line " << a.x << "," << a.y
            << " -> " << b.x << "," << b.y;
      }
    }
  }
};

TEST_F(ThinLinePixels, CopiedLinesPaintTheRulesPixelsOnTheSurfaceAndNothingElse) {
  draw_random_lines(rop2::kCopyPen, Rect{0, 0, kWidth, kHeight});
}

TEST_F(ThinLinePixels, XorLinesMeetEachOfTheRulesPixelsOnce) {
  draw_random_lines(rop2::kXorPen, Rect{0, 0, kWidth, kHeight});
}

TEST_F(ThinLinePixels, LinesStopAtTheClipRegionsBox) {
  const ObjectHandle region = create_rect_region(9, 5, 50, 33);
  ASSERT_TRUE(select_clip_region(dc_, region));
  delete_object(region);
  draw_random_lines(rop2::kCopyPen, Rect{9, 5, 50, 33});
}

}  // namespace
}  // namespace kanvo::surface
