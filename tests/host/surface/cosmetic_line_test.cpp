// The pixels of one-pixel lines: every octant, ties, the last pixel, and the analytic cut to a
// box checked against a plain step-by-step walk.
#include "host/surface/lines/cosmetic_line.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "tests/host/surface/line_rule.h"

namespace kanvo::surface::lines {
namespace {

using testing::Pixel;
using testing::walked;

constexpr Rect kEverything{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};

std::vector<Pixel> traced(DevicePoint a, DevicePoint b, bool last, const Rect& box = kEverything) {
  std::vector<Pixel> pixels;
  CosmeticLine(a, b, last).trace(box, [&](const LineRun& run) {
    for (std::int64_t k = 0; k < run.count; ++k) {
      const std::int64_t along = run.first + run.step * k;
      pixels.emplace_back(run.along_x ? along : run.across, run.along_x ? run.across : along);
    }
  });
  return pixels;
}

TEST(CosmeticLine, EveryOctantMatchesTheStepRuleAndLeavesOutTheEndPoint) {
  const DevicePoint centre{16, 16};
  // Slopes with ties (even major, odd minor) and without, in all eight octants.
  const std::int64_t slopes[][2] = {{13, 1}, {13, 4}, {12, 7}, {11, 10}, {12, 12}, {12, 0}};
  for (const auto& slope : slopes) {
    for (int sx : {-1, 1}) {
      for (int sy : {-1, 1}) {
        for (bool swap : {false, true}) {
          const std::int64_t dx = sx * slope[swap ? 1 : 0];
          const std::int64_t dy = sy * slope[swap ? 0 : 1];
          const DevicePoint end{centre.x + dx, centre.y + dy};
          const auto pixels = traced(centre, end, false);
          EXPECT_EQ(pixels, walked(centre, end, false)) << dx << "," << dy;
          ASSERT_FALSE(pixels.empty());
          EXPECT_EQ(pixels.front(), Pixel(centre.x, centre.y));
          for (const Pixel& p : pixels) EXPECT_NE(p, Pixel(end.x, end.y));
        }
      }
    }
  }
}

TEST(CosmeticLine, TiesGoToTheSmallerCoordinateInBothDirections) {
  // From (0,0) to (12,7) the exact y at x = 6 is 3.5: the pixel is at y = 3. The reversed line
  // reaches x = 6 at the same exact y and also takes y = 3.
  const auto forward = traced({0, 0}, {12, 7}, false);
  EXPECT_EQ(forward[6], Pixel(6, 3));
  const auto backward = traced({12, 7}, {0, 0}, false);
  EXPECT_EQ(backward[6], Pixel(6, 3));
  // Steep: from (0,0) to (7,-12), at y = -6 the exact x is 3.5.
  EXPECT_EQ(traced({0, 0}, {7, -12}, false)[6], Pixel(3, -6));
}

TEST(CosmeticLine, LastPixelOnlyWhenAskedAndZeroLengthIsEmpty) {
  EXPECT_TRUE(traced({5, 5}, {5, 5}, false).empty());
  EXPECT_EQ(traced({5, 5}, {5, 5}, true), std::vector<Pixel>{Pixel(5, 5)});
  const auto with_last = traced({0, 0}, {9, 4}, true);
  EXPECT_EQ(with_last.back(), Pixel(9, 4));
  EXPECT_EQ(with_last.size(), 10u);
}

TEST(CosmeticLine, RunsComeOutWholeAlongRowsAndColumns) {
  std::vector<std::int64_t> rows;
  CosmeticLine({0, 0}, {40, 2}, false).trace(kEverything, [&](const LineRun& run) {
    EXPECT_TRUE(run.along_x);
    rows.push_back(run.across);
  });
  EXPECT_EQ(rows, (std::vector<std::int64_t>{0, 1, 2}));
  // Steep and upward: x = 3, 2, 1 at y = 0..-2, -3..-8, -9..-11 (the ties at y = -3 and -9
  // go to the smaller x).
  std::vector<std::int64_t> columns;
  std::vector<std::int64_t> lengths;
  CosmeticLine({3, 0}, {1, -12}, false).trace(kEverything, [&](const LineRun& run) {
    EXPECT_FALSE(run.along_x);
    EXPECT_EQ(run.step, -1);
    columns.push_back(run.across);
    lengths.push_back(run.count);
  });
  EXPECT_EQ(columns, (std::vector<std::int64_t>{3, 2, 1}));
  EXPECT_EQ(lengths, (std::vector<std::int64_t>{3, 6, 3}));
}

TEST(CosmeticLine, CutToABoxEqualsTheWalkFilteredToTheBox) {
  std::mt19937 random(7);
  std::uniform_int_distribution<std::int64_t> coordinate(-40, 80);
  const Rect box{3, 5, 31, 27};
  for (int trial = 0; trial < 3000; ++trial) {
    const DevicePoint a{coordinate(random), coordinate(random)};
    const DevicePoint b{coordinate(random), coordinate(random)};
    const bool last = trial % 2 == 0;
    std::vector<Pixel> expected;
    for (const Pixel& p : walked(a, b, last)) {
      if (p.first >= box.left && p.first < box.right && p.second >= box.top &&
          p.second < box.bottom) {
        expected.push_back(p);
      }
    }
    ASSERT_EQ(traced(a, b, last, box), expected)
        << a.x << "," << a.y << " -> " << b.x << "," << b.y;
  }
}

TEST(CosmeticLine, FarEndPointsAreCutWithoutWalkingAndKeepTheirSlope) {
  // Endpoints at the device coordinate limit: only the visible pixels are produced.
  const std::int64_t far = 4503599627370496;  // 2^52
  std::size_t count = 0;
  std::set<std::int64_t> rows;
  CosmeticLine({-far, 10}, {far, 20}, false).trace({0, 0, 64, 64}, [&](const LineRun& run) {
    count += static_cast<std::size_t>(run.count);
    rows.insert(run.across);
  });
  EXPECT_EQ(count, 64u);
  // The exact line rises 10 rows over 2^53 columns: one row across the box, half way (y = 15).
  EXPECT_EQ(rows, std::set<std::int64_t>{15});

  // A steep line from far above to far below, through a box it crosses once.
  std::vector<Pixel> steep = traced({5, -100000}, {27, 100000}, false, Rect{0, 0, 32, 32});
  ASSERT_EQ(steep.size(), 32u);
  EXPECT_EQ(steep.front().second, 0);
  EXPECT_EQ(steep.back().second, 31);
}

TEST(CosmeticLine, AFlatLineFarAboveTheBoxStaysOutOfItHoweverLong) {
  // 2^52 columns long and 16 rows of rise, two billion rows above the box: the step at which it
  // would reach the box's rows lies far past 64 bits, and no pixel of it is inside.
  const std::int64_t far = 4503599627370496;  // 2^52
  const std::int64_t above = -2147483648;
  EXPECT_TRUE(traced({0, above}, {-far, above - 16}, false, Rect{0, 0, 22, 34}).empty());
  EXPECT_TRUE(traced({-far, above - 16}, {0, above}, true, Rect{0, 0, 22, 34}).empty());
  // The same line below the box, and one that does cross it, for contrast.
  EXPECT_TRUE(traced({0, -above}, {-far, -above + 16}, false, Rect{0, 0, 22, 34}).empty());
  EXPECT_EQ(traced({21, 5}, {-far, 21}, false, Rect{0, 0, 22, 34}).size(), 22u);
}

}  // namespace
}  // namespace kanvo::surface::lines
