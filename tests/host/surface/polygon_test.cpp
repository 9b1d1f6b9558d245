// Polygons: which pixels the inside takes under each fill mode, shared edges, degenerate and
// far-away polygons.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>
#include <set>
#include <span>
#include <utility>
#include <vector>

#include "host/surface/raster/polygon_fill.h"
#include "host/surface/surface.h"
#include "tests/host/surface/curve_canvas.h"

namespace kanvo::surface {
namespace {

using testing::CurveCanvas;
using testing::PixelSet;

constexpr PixelWord kPen = 0x00FFFFFFu;
constexpr PixelWord kBrush = 0x00FF0000u;
constexpr PixelWord kGrey = 0x00404040u;

void brush_only(CurveCanvas& canvas) {
  canvas.null_pen();
  canvas.brush(0x0000FF);
}

TEST(PolygonFill, PixelCentresOnTheLeftAndTopEdgesBelongInside) {
  CurveCanvas canvas(40, 24);
  brush_only(canvas);
  const Point triangle[] = {{22, 2}, {38, 2}, {38, 18}};
  ASSERT_TRUE(polygon(canvas.dc(), triangle, 3));
  PixelSet expected;
  for (int y = 2; y < 18; ++y)
    for (int x = 22 + (y - 2); x < 38; ++x) expected.insert({x, y});
  EXPECT_EQ(canvas.pixels_of(kBrush), expected);
}

TEST(PolygonFill, AlternateLeavesTheStarsMiddleOutWindingFillsIt) {
  const Point star[] = {{24, 2}, {37, 42}, {3, 17}, {45, 17}, {11, 42}};
  CurveCanvas alternate(48, 48);
  brush_only(alternate);
  ASSERT_TRUE(polygon(alternate.dc(), star, 5));
  EXPECT_EQ(alternate.at(24, 25), 0u);  // the pentagon in the middle
  EXPECT_EQ(alternate.at(24, 6), kBrush);

  CurveCanvas winding(48, 48);
  brush_only(winding);
  set_poly_fill_mode(winding.dc(), static_cast<int>(PolyFillMode::winding));
  ASSERT_TRUE(polygon(winding.dc(), star, 5));
  EXPECT_EQ(winding.at(24, 25), kBrush);
  PixelSet both = alternate.pixels_of(kBrush);
  for (const auto& p : winding.pixels_of(kBrush)) both.insert(p);
  EXPECT_EQ(both, winding.pixels_of(kBrush));  // winding covers all that alternate does
}

TEST(PolygonFill, NeighboursSharingAnEdgeCoverEachPixelOnce) {
  CurveCanvas canvas(40, 40);
  brush_only(canvas);
  canvas.clear(kGrey);
  set_rop2(canvas.dc(), rop2::kXorPen);
  // A quadrilateral cut along a slanted diagonal, and the same quadrilateral whole.
  const Point upper[] = {{3, 4}, {35, 7}, {29, 36}};
  const Point lower[] = {{3, 4}, {29, 36}, {6, 30}};
  const Point whole[] = {{3, 4}, {35, 7}, {29, 36}, {6, 30}};
  ASSERT_TRUE(polygon(canvas.dc(), upper, 3));
  ASSERT_TRUE(polygon(canvas.dc(), lower, 3));
  const PixelSet halves = canvas.pixels_of(kGrey ^ kBrush);
  EXPECT_EQ(canvas.pixels_of(kGrey).size() + halves.size(), 40u * 40u);  // nothing twice
  canvas.clear(kGrey);
  ASSERT_TRUE(polygon(canvas.dc(), whole, 4));
  EXPECT_EQ(canvas.pixels_of(kGrey ^ kBrush), halves);  // no gap along the cut
}

TEST(PolygonFill, TheOutlineIsClosedAndDrawnOverTheInside) {
  CurveCanvas canvas(40, 40);
  canvas.pen(0xFFFFFF);
  canvas.brush(0x0000FF);
  const Point triangle[] = {{2, 2}, {20, 6}, {8, 18}};
  ASSERT_TRUE(polygon(canvas.dc(), triangle, 3));
  const PixelSet outline = canvas.pixels_of(kPen);
  for (const Point& p : triangle) EXPECT_TRUE(outline.count({p.x, p.y})) << p.x << "," << p.y;
  EXPECT_TRUE(outline.count({5, 10}));  // on the closing side, from (8, 18) back to (2, 2)
  EXPECT_EQ(canvas.at(8, 8), kBrush);
}

TEST(PolygonDegenerate, OnePointNothingTwoPointsALineThereAndBack) {
  CurveCanvas canvas(32, 16);
  canvas.pen(0xFFFFFF);
  canvas.brush(0x0000FF);
  const Point one[] = {{3, 3}};
  EXPECT_FALSE(polygon(canvas.dc(), one, 1));  // a polygon needs two points
  const Point same[] = {{2, 12}, {2, 12}, {2, 12}};
  ASSERT_TRUE(polygon(canvas.dc(), same, 3));
  EXPECT_TRUE(canvas.painted().empty());
  const Point two[] = {{6, 3}, {12, 9}};
  ASSERT_TRUE(polygon(canvas.dc(), two, 2));
  PixelSet line;
  for (int i = 0; i <= 6; ++i) line.insert({6 + i, 3 + i});
  EXPECT_EQ(canvas.pixels_of(kPen), line);
  EXPECT_FALSE(polygon(canvas.dc(), nullptr, 3));
  EXPECT_FALSE(polygon(canvas.dc(), two, 0));
  EXPECT_FALSE(polygon(canvas.dc(), two, -5));
}

TEST(PolygonHostile, FarAndHugePolygonsReturnPromptlyInsideTheSurface) {
  CurveCanvas canvas(24, 24);
  canvas.pen(0xFFFFFF);
  canvas.brush(0x0000FF);
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  const auto start = std::chrono::steady_clock::now();
  const Point huge[] = {{kMin, kMin}, {kMax, kMin + 7}, {kMax, kMax}, {kMin + 3, kMax}};
  ASSERT_TRUE(polygon(canvas.dc(), huge, 4));
  EXPECT_EQ(canvas.at(12, 12), kBrush);  // the surface lies inside
  const Point away[] = {{100000, 100000}, {100050, 100000}, {100000, 100040}};
  ASSERT_TRUE(polygon(canvas.dc(), away, 3));
  std::vector<Point> comb;
  for (int i = 0; i < 2000; ++i) comb.push_back({i % 2 == 0 ? kMin : kMax, -1000 + i});
  ASSERT_TRUE(polygon(canvas.dc(), comb.data(), static_cast<std::int32_t>(comb.size())));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

}  // namespace
}  // namespace kanvo::surface

namespace kanvo::surface {
namespace {

__extension__ typedef __int128 Wide;

// The inside of a polygon row by row from the crossing rule itself, each crossing worked out on
// its own: what the incremental scan conversion must reproduce exactly. Vertices are in units of
// 1 / `unit` pixel.
std::set<std::pair<std::int64_t, std::int64_t>> brute_force_fill(
    const std::vector<DevicePoint>& polygon, bool winding, const Rect& box, std::int64_t unit = 1) {
  std::set<std::pair<std::int64_t, std::int64_t>> inside;
  for (std::int64_t y = box.top; y < box.bottom; ++y) {
    const std::int64_t row = y * unit;
    std::vector<std::pair<std::int64_t, int>> crossings;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
      DevicePoint a = polygon[i];
      DevicePoint b = polygon[(i + 1) % polygon.size()];
      if (a.y == b.y) continue;
      const int direction = a.y < b.y ? 1 : -1;
      if (a.y > b.y) std::swap(a, b);
      if (row < a.y || row >= b.y) continue;
      // The first pixel at or right of x = a.x + (row - a.y) * dx / dy, in pixels.
      const Wide den = Wide{b.y - a.y} * unit;
      const Wide num = Wide{a.x} * (b.y - a.y) + Wide{row - a.y} * (b.x - a.x);
      Wide q = num / den;
      if (num % den != 0 && num > 0) ++q;  // ceiling
      crossings.push_back({static_cast<std::int64_t>(q), direction});
    }
    std::sort(crossings.begin(), crossings.end());
    int count = 0;
    for (std::size_t k = 0; k + 1 < crossings.size(); ++k) {
      count += crossings[k].second;
      if (winding ? count == 0 : count % 2 == 0) continue;
      for (std::int64_t x = std::max<std::int64_t>(crossings[k].first, box.left);
           x < std::min<std::int64_t>(crossings[k + 1].first, box.right); ++x) {
        inside.insert({x, y});
      }
    }
  }
  return inside;
}

// The pixels the incremental scan conversion fills inside the box; vertices in whole pixels, or
// in sixteenths when `subpixels` is set.
std::set<std::pair<std::int64_t, std::int64_t>> scan_converted(
    const std::vector<DevicePoint>& polygon, bool winding, const Rect& box,
    bool subpixels = false) {
  raster::EdgeList edges;
  raster::SpanList spans;
  if (subpixels) {
    std::vector<raster::SubpixelPoint> points;
    for (const DevicePoint& p : polygon) points.push_back({p.x, p.y});
    edges.add_polygon(std::span<const raster::SubpixelPoint>(points));
  } else {
    edges.add_polygon(polygon);
  }
  edges.fill(winding ? raster::FillRule::winding : raster::FillRule::alternate, box, spans);
  std::set<std::pair<std::int64_t, std::int64_t>> filled;
  for (const raster::Span& span : spans.spans())
    for (std::int64_t x = span.x0; x < span.x1; ++x) filled.insert({x, span.y});
  return filled;
}

TEST(PolygonScanConversion, VerticesBetweenPixelsTakeThePixelCentresInsideTheExactEdges) {
  // A triangle from (2, 1.5) to (6.5, 1.5) to (2, 6): the centres of row 1 lie above it; on row
  // 2 the slanted edge crosses at 6, which leaves (6,2) out as a centre on a right edge; each
  // row further down one pixel less, to (2,5) alone; row 6 holds only the corner.
  const std::vector<DevicePoint> triangle = {{32, 24}, {104, 24}, {32, 96}};
  const std::set<std::pair<std::int64_t, std::int64_t>> expected = {
      {2, 2}, {3, 2}, {4, 2}, {5, 2}, {2, 3}, {3, 3}, {4, 3}, {2, 4}, {3, 4}, {2, 5}};
  EXPECT_EQ(scan_converted(triangle, false, Rect{0, 0, 10, 10}, true), expected);
  // Whole-pixel vertices given in sixteenths fill exactly what they fill as pixels.
  const std::vector<DevicePoint> square = {{1, 1}, {4, 1}, {4, 3}, {1, 3}};
  std::vector<DevicePoint> square16;
  for (const DevicePoint& p : square) square16.push_back({p.x * 16, p.y * 16});
  EXPECT_EQ(scan_converted(square16, false, Rect{0, 0, 10, 10}, true),
            scan_converted(square, false, Rect{0, 0, 10, 10}));
  EXPECT_EQ(scan_converted(square, false, Rect{0, 0, 10, 10}).size(), 6u);
}

TEST(PolygonScanConversion, RowByRowStepsMatchTheCrossingRuleExactly) {
  std::uint64_t state = 7;
  const auto next = [&](std::int64_t range) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    return static_cast<std::int64_t>((state >> 16) % static_cast<std::uint64_t>(range));
  };
  const Rect box{0, 0, 48, 40};
  for (int round = 0; round < 300; ++round) {
    std::vector<DevicePoint> polygon;
    const int count = 3 + static_cast<int>(next(6));
    // Some vertices far away, so that steep and shallow edges with large steps cross the box.
    const std::int64_t reach = round % 3 == 0 ? (std::int64_t{1} << 40) : 60;
    for (int i = 0; i < count; ++i) {
      polygon.push_back({next(2 * reach) - reach / 2, next(2 * reach) - reach / 2});
    }
    for (const bool winding : {false, true}) {
      ASSERT_EQ(scan_converted(polygon, winding, box), brute_force_fill(polygon, winding, box))
          << "round " << round;
      // The same numbers as sixteenths: a polygon of a sixteenth the size, between pixels.
      ASSERT_EQ(scan_converted(polygon, winding, box, true),
                brute_force_fill(polygon, winding, box, 16))
          << "round " << round << " in sixteenths";
    }
  }
}

// What a polygon call paints with a null pen and a solid brush, over the whole canvas and partly
// off it: the crossing rule's pixels, each painted once, whether the runs go straight into the
// pixels (copying) or are combined with them (XOR over grey), under both fill modes.
TEST(PolygonFill, PaintedInsideMatchesTheCrossingRuleOnRandomPolygons) {
  std::uint64_t state = 11;
  const auto next = [&](std::int64_t range) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    return static_cast<std::int64_t>((state >> 16) % static_cast<std::uint64_t>(range));
  };
  constexpr int kWidth = 40, kHeight = 32;
  CurveCanvas canvas(kWidth, kHeight);
  brush_only(canvas);
  const Rect box{0, 0, kWidth, kHeight};
  for (int round = 0; round < 200; ++round) {
    std::vector<DevicePoint> corners;
    std::vector<Point> points;
    const int count = 3 + static_cast<int>(next(8));
    for (int i = 0; i < count; ++i) {
      const Point p{static_cast<std::int32_t>(next(60) - 10),
                    static_cast<std::int32_t>(next(50) - 9)};
      points.push_back(p);
      corners.push_back({p.x, p.y});
    }
    for (const bool winding : {false, true}) {
      set_poly_fill_mode(
          canvas.dc(), static_cast<int>(winding ? PolyFillMode::winding : PolyFillMode::alternate));
      PixelSet expected;
      for (const auto& [x, y] : brute_force_fill(corners, winding, box)) {
        expected.insert({static_cast<int>(x), static_cast<int>(y)});
      }
      for (const int rop : {rop2::kCopyPen, rop2::kXorPen}) {
        set_rop2(canvas.dc(), rop);
        canvas.clear(kGrey);
        ASSERT_TRUE(polygon(canvas.dc(), points.data(), count));
        const PixelWord painted = rop == rop2::kCopyPen ? kBrush : (kBrush ^ kGrey);
        ASSERT_EQ(canvas.pixels_of(painted), expected)
            << "round " << round << (winding ? " winding" : " alternate") << " rop " << rop;
        ASSERT_EQ(canvas.pixels_of(kGrey).size() + expected.size(),
                  static_cast<std::size_t>(kWidth * kHeight));
      }
    }
  }
}

// Spokes through points all over the box at scattered angles: every edge crosses every row, in
// an order that changes wholesale from row to row, many of them on the same pixel.
TEST(PolygonScanConversion, ManySpokesThroughTheBoxMatchTheCrossingRule) {
  constexpr std::int64_t kSpokes = 40000;
  constexpr double kGoldenAngle = 2.39996322972865332;
  constexpr double kReach = 1e6;
  std::vector<DevicePoint> star;
  for (std::int64_t i = 0; i < kSpokes; ++i) {
    const double angle = kGoldenAngle * static_cast<double>(i);
    const DevicePoint through{i * 7 % 48, i * 13 % 40};
    const std::int64_t dx = std::llround(kReach * std::cos(angle));
    const std::int64_t dy = std::llround(kReach * std::sin(angle));
    star.push_back({through.x + dx, through.y + dy});
    star.push_back({through.x - dx, through.y - dy});
  }
  const Rect box{0, 0, 48, 40};
  for (const bool winding : {false, true}) {
    const auto expected = brute_force_fill(star, winding, box);
    if (!winding) {  // a scatter of pixels in and out, not the whole box or none of it
      EXPECT_GT(expected.size(), 0u);
      EXPECT_LT(expected.size(), 48u * 40u);
    }
    ASSERT_EQ(scan_converted(star, winding, box), expected) << (winding ? "winding" : "alternate");
  }
}

}  // namespace
}  // namespace kanvo::surface
