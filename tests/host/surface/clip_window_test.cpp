// What a clip window shows of a wide stroke is exactly what the unclipped stroke paints inside
// it: the pieces of a stroke that lie beyond the window are left out of the work, and leaving
// them out must never change a pixel, least of all at the window's edges.
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "host/surface/surface.h"
#include "tests/host/surface/surface_fixture.h"

namespace kanvo::surface {
namespace {

constexpr PixelWord kInk = 0x00FFFFFFu;

class ClipWindow : public testing::SizedSurfaceTest<48, 40> {
 protected:
  std::vector<PixelWord> picture() const {
    return std::vector<PixelWord>(pixels_, pixels_ + kWidth * kHeight);
  }
  // The next of a fixed sequence of numbers below `range`, from the seed in `state_`.
  std::int32_t next(std::int32_t range) {
    state_ = state_ * 6364136223846793005u + 1442695040888963407u;
    return static_cast<std::int32_t>((state_ >> 24) % static_cast<std::uint64_t>(range));
  }
  // Selects the pen and compares a polyline of two to six points in and around the surface in
  // every window; returns whether it showed.
  bool random_polyline_agrees(ObjectHandle pen) {
    use_pen(pen);
    std::vector<Point> points;
    for (int i = 0, n = 2 + next(5); i < n; ++i) points.push_back({next(80) - 16, next(72) - 16});
    return windows_agree(
        [&] { polyline(dc_, points.data(), static_cast<std::int32_t>(points.size())); },
        "polyline");
  }
  // Draws the figure unclipped, then clipped to each window, and compares the two inside it;
  // returns whether the figure showed at all.
  template <class Draw>
  bool windows_agree(const Draw& draw, const char* what) {
    fill(0);
    select_clip_region(dc_, kNoObject);
    draw();
    const std::vector<PixelWord> whole = picture();
    if (count(kInk) == 0) return false;
    const Rect windows[] = {{0, 0, 1, 1},    {5, 4, 19, 17},  {17, 11, 18, 33},
                            {20, 0, 48, 40}, {0, 25, 48, 26}, {31, 9, 44, 38}};
    for (const Rect& window : windows) {
      fill(0);
      const ObjectHandle region =
          create_rect_region(window.left, window.top, window.right, window.bottom);
      EXPECT_TRUE(select_clip_region(dc_, region));
      delete_object(region);
      draw();
      select_clip_region(dc_, kNoObject);
      for (std::int32_t y = 0; y < kHeight; ++y) {
        for (std::int32_t x = 0; x < kWidth; ++x) {
          const bool inside =
              x >= window.left && x < window.right && y >= window.top && y < window.bottom;
          if (at(x, y) == (inside ? whole[y * kWidth + x] : 0u)) continue;
          ADD_FAILURE() << what << ": pixel " << x << "," << y << " is " << at(x, y)
                        << " in the window " << window.left << "," << window.top << "-"
                        << window.right << "," << window.bottom;
          return true;
        }
      }
    }
    return true;
  }

  std::uint64_t state_ = 0;
};

TEST_F(ClipWindow, WidePolylinesOfEveryEndAndJoin) {
  state_ = 11;
  const std::uint32_t ends[] = {pen_style::kEndCapRound, pen_style::kEndCapSquare,
                                pen_style::kEndCapFlat};
  const std::uint32_t joins[] = {pen_style::kJoinRound, pen_style::kJoinBevel,
                                 pen_style::kJoinMiter};
  LogBrush ink;
  ink.color = 0xFFFFFF;
  int shown = 0;
  for (int round = 0; round < 45; ++round) {
    const std::uint32_t style = pen_style::kGeometric | ends[round % 3] | joins[round / 3 % 3];
    SCOPED_TRACE(::testing::Message() << "round " << round);
    shown += random_polyline_agrees(
        ext_create_pen(style, 2 + static_cast<std::uint32_t>(next(11)), ink, 0, nullptr));
  }
  EXPECT_GE(shown, 40);
}

TEST_F(ClipWindow, WideOutlinesOfEllipsesArcsAndRoundedBoxes) {
  use_pen(create_pen(pen_style::kSolid, 7, 0xFFFFFF));
  use_brush(get_stock_object(StockObject::null_brush));
  EXPECT_TRUE(windows_agree([&] { ellipse(dc_, -20, 3, 45, 36); }, "ellipse"));
  EXPECT_TRUE(windows_agree([&] { arc(dc_, 2, -30, 60, 30, 60, 0, 0, 30); }, "arc"));
  EXPECT_TRUE(windows_agree([&] { round_rect(dc_, 4, 2, 44, 39, 30, 12); }, "rounded box"));
  // Nibs wider than the narrow windows: one of them may cover a window whole.
  use_pen(create_pen(pen_style::kSolid, 23, 0xFFFFFF));
  EXPECT_TRUE(windows_agree([&] { ellipse(dc_, 10, 8, 40, 30); }, "ellipse of a wide pen"));
  const Point zigzag[] = {{-5, 20}, {12, 2}, {20, 38}, {30, 14}, {52, 30}};
  EXPECT_TRUE(windows_agree([&] { polyline(dc_, zigzag, 5); }, "polyline of a wide pen"));
  LogBrush ink;
  ink.color = 0xFFFFFF;
  use_pen(ext_create_pen(
      pen_style::kGeometric | pen_style::kDash | pen_style::kEndCapSquare | pen_style::kJoinMiter,
      5, ink, 0, nullptr));
  EXPECT_TRUE(windows_agree([&] { ellipse(dc_, 3, 2, 50, 30); }, "dashed ellipse"));
  EXPECT_TRUE(windows_agree([&] { rectangle(dc_, 6, 5, 41, 33); }, "dashed rectangle"));
}

// A pattern of dots shows one dot per segment: which one must not depend on the window, even
// where the segment's earlier dots lie far outside it.
TEST_F(ClipWindow, WideDotsKeepTheirFirstDotPerSegment) {
  LogBrush ink;
  ink.color = 0xFFFFFF;
  use_pen(ext_create_pen(pen_style::kGeometric | pen_style::kDot | pen_style::kEndCapSquare, 3, ink,
                         0, nullptr));
  const Point path[] = {{57, -9}, {-13, -1}, {34, 28}, {51, 48}, {27, 22}};
  EXPECT_TRUE(windows_agree([&] { polyline(dc_, path, 5); }, "dotted polyline"));
}

TEST_F(ClipWindow, WidePolylinesOfEveryPattern) {
  state_ = 29;
  const std::uint32_t kinds[] = {pen_style::kDot, pen_style::kDash, pen_style::kDashDot,
                                 pen_style::kDashDotDot, pen_style::kUserStyle};
  const std::uint32_t ends[] = {pen_style::kEndCapRound, pen_style::kEndCapSquare,
                                pen_style::kEndCapFlat};
  // Dots only, dots between dashes, and an odd count that runs twice per period.
  const std::uint32_t dots[] = {0, 7};
  const std::uint32_t mixed[] = {0, 5, 9, 4};
  const std::uint32_t odd[] = {6, 3, 0};
  const std::pair<const std::uint32_t*, std::uint32_t> user[] = {{dots, 2}, {mixed, 4}, {odd, 3}};
  LogBrush ink;
  ink.color = 0xFFFFFF;
  int shown = 0;
  for (int round = 0; round < 60; ++round) {
    const std::uint32_t kind = kinds[round % 5];
    const std::uint32_t style = pen_style::kGeometric | kind | ends[round / 5 % 3];
    const auto& lengths = user[round / 15 % 3];
    const bool user_style = kind == pen_style::kUserStyle;
    SCOPED_TRACE(::testing::Message() << "round " << round);
    shown += random_polyline_agrees(ext_create_pen(style, 2 + static_cast<std::uint32_t>(next(6)),
                                                   ink, user_style ? lengths.second : 0,
                                                   user_style ? lengths.first : nullptr));
  }
  EXPECT_GE(shown, 50);
}

// Closed figures: the pattern runs on around the closing segment; curved outlines step from
// pixel to pixel.
TEST_F(ClipWindow, WidePatternsAroundClosedFigures) {
  LogBrush ink;
  ink.color = 0xFFFFFF;
  use_brush(get_stock_object(StockObject::null_brush));
  const Point star[] = {{24, -14}, {31, 33}, {-9, 6}, {58, 8}, {14, 47}};
  for (const std::uint32_t kind : {pen_style::kDot, pen_style::kDashDotDot}) {
    for (const std::uint32_t end : {pen_style::kEndCapRound, pen_style::kEndCapSquare}) {
      use_pen(ext_create_pen(pen_style::kGeometric | kind | end, 3, ink, 0, nullptr));
      EXPECT_TRUE(windows_agree([&] { polygon(dc_, star, 5); }, "patterned star"));
      EXPECT_TRUE(windows_agree([&] { ellipse(dc_, -20, 3, 45, 36); }, "patterned ellipse"));
      EXPECT_TRUE(windows_agree([&] { arc(dc_, 2, -30, 60, 30, 60, 0, 0, 30); }, "patterned arc"));
      EXPECT_TRUE(windows_agree([&] { round_rect(dc_, 4, 2, 44, 39, 30, 12); }, "patterned box"));
    }
  }
}

}  // namespace
}  // namespace kanvo::surface
