// Ellipses and rounded rectangles: the pixels of the outline and of the inside, for every small
// box, odd and even, reversed, clipped, huge and far away.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <limits>
#include <memory>

#include "host/surface/raster/ellipse_quadrant.h"
#include "host/surface/shapes/rounded_box.h"
#include "host/surface/surface.h"
#include "tests/host/surface/curve_canvas.h"

namespace kanvo::surface {
namespace {

using testing::CurveCanvas;
using testing::pixels_from_rows;
using testing::PixelSet;

constexpr PixelWord kPen = 0x00FFFFFFu;    // white pen
constexpr PixelWord kBrush = 0x00FF0000u;  // red brush (colour 0x0000FF)
constexpr PixelWord kGrey = 0x00404040u;

void pen_and_brush(CurveCanvas& canvas) {
  canvas.pen(0xFFFFFF);
  canvas.brush(0x0000FF);
}

// Pictures of small ellipses as the platform draws them.
TEST(EllipsePixels, TheSmallestBoxes) {
  CurveCanvas canvas(16, 16);
  pen_and_brush(canvas);
  // 1 x 1 and 2 x 2 boxes take their far edges in, like a rectangle.
  ASSERT_TRUE(ellipse(canvas.dc(), 1, 1, 2, 2));
  EXPECT_EQ(canvas.pixels_of(kPen), pixels_from_rows(1, 1, {"##", "##"}));
  canvas.clear();
  ASSERT_TRUE(ellipse(canvas.dc(), 1, 1, 3, 3));
  EXPECT_EQ(canvas.pixels_of(kPen), pixels_from_rows(1, 1, {"###", "#.#", "###"}));
  EXPECT_EQ(canvas.pixels_of(kBrush), PixelSet({{2, 2}}));
  canvas.clear();
  ASSERT_TRUE(ellipse(canvas.dc(), 1, 1, 4, 4));
  EXPECT_EQ(canvas.pixels_of(kPen), pixels_from_rows(1, 1, {".#.", "#.#", ".#."}));
  EXPECT_EQ(canvas.pixels_of(kBrush), PixelSet({{2, 2}}));
}

TEST(EllipsePixels, TheQuizMarkIsARingOfEightPixels) {
  CurveCanvas canvas(16, 16);
  canvas.pen(0xFFFFFF);
  canvas.hollow_brush();
  canvas.clear(kGrey);
  ASSERT_TRUE(ellipse(canvas.dc(), 8 - 2, 8 - 2, 8 + 2, 8 + 2));
  EXPECT_EQ(canvas.pixels_of(kPen), pixels_from_rows(6, 6, {".##.", "#..#", "#..#", ".##."}));
  EXPECT_EQ(canvas.pixels_of(kGrey).size(), 16u * 16u - 8u);  // the inside is left alone
}

TEST(EllipsePixels, OddAndEvenBoxes) {
  CurveCanvas canvas(16, 12);
  pen_and_brush(canvas);
  ASSERT_TRUE(ellipse(canvas.dc(), 3, 3, 10, 8));  // 7 x 5
  EXPECT_EQ(canvas.pixels_of(kPen), pixels_from_rows(3, 3,
                                                     {"..###..",  //
                                                      "##...##",  //
                                                      "#.....#",  //
                                                      "##...##",  //
                                                      "..###.."}));
  canvas.clear();
  ASSERT_TRUE(ellipse(canvas.dc(), 3, 3, 11, 9));  // 8 x 6
  EXPECT_EQ(canvas.pixels_of(kPen), pixels_from_rows(3, 3,
                                                     {"..####..",  //
                                                      ".#....#.",  //
                                                      "#......#",  //
                                                      "#......#",  //
                                                      ".#....#.",  //
                                                      "..####.."}));
  EXPECT_EQ(canvas.pixels_of(kBrush).size(), 4u + 6u + 6u + 4u);
}

TEST(EllipsePixels, NarrowEllipsesLoseTheEndsOfTheirLongAxis) {
  CurveCanvas canvas(48, 48);
  canvas.pen(0xFFFFFF);
  canvas.hollow_brush();
  ASSERT_TRUE(ellipse(canvas.dc(), 2, 6, 5, 46));  // 3 x 40
  PixelSet expected{{3, 11}, {3, 40}};
  for (int y = 12; y <= 39; ++y) expected.insert({{2, y}, {4, y}});
  EXPECT_EQ(canvas.pixels_of(kPen), expected) << canvas.picture(kPen);

  // Lying down the same box keeps its ends: the outline starts from them.
  canvas.clear();
  ASSERT_TRUE(ellipse(canvas.dc(), 4, 2, 44, 5));  // 40 x 3
  PixelSet flat;
  for (int x = 10; x <= 37; ++x) flat.insert({{x, 2}, {x, 4}});
  for (int x = 4; x <= 9; ++x) flat.insert({{x, 3}, {x + 34, 3}});
  EXPECT_EQ(canvas.pixels_of(kPen), flat) << canvas.picture(kPen);
}

TEST(EllipsePixels, NarrowEllipsesOfEvenWidthRunUpTheirMiddleColumnsWhileInside) {
  // 4 x 17: the walk reaches the two middle columns (x 2 and 3) on rows 3 and 15, halfway
  // between the centres; those columns stay inside the ellipse one row further (doubled offsets
  // 1 and 14 against radii 3 and 16: 9 * 14^2 <= 16^2 * 8), and the tips on rows 1 and 17 stay
  // out.
  CurveCanvas canvas(8, 20);
  canvas.pen(0xFFFFFF);
  canvas.hollow_brush();
  ASSERT_TRUE(ellipse(canvas.dc(), 1, 1, 5, 18));
  std::vector<std::string> rows{"..##.", "..##."};
  for (int y = 4; y <= 14; ++y) rows.push_back(".#..#");
  rows.insert(rows.end(), {"..##.", "..##."});
  EXPECT_EQ(canvas.pixels_of(kPen), pixels_from_rows(0, 2, rows)) << canvas.picture(kPen);
}

// The walk's start value holds A^2 y^2 (doubled offsets) in 32 bits. A box of even height starts
// on y = 1, so once A^2 passes 2^31 the value wraps and its two middle rows end sooner than the
// curve says; a box of odd height starts on its middle row, y = 0, and keeps to the curve.
TEST(EllipsePixels, WideEvenHeightsLeaveTheMiddleRowsSoonerOnceTheWidthSquaredWraps) {
  struct Box {
    std::int32_t width;
    std::int32_t height;
    int first_column_above;  // the rightmost outline pixel on the row above the middle ones
  };
  // The right end is on column 75. Without the wrap the middle rows would end 39, 50, 75 and 19
  // pixels in.
  for (const Box& box : {Box{46341, 40, 75 - 39}, Box{60000, 40, 75 - 38}, Box{90000, 40, 75 - 59},
                         Box{60000, 41, 75 - 19}}) {
    CurveCanvas canvas(80, 48);
    canvas.pen(0xFFFFFF);
    canvas.hollow_brush();
    ASSERT_TRUE(ellipse(canvas.dc(), 76 - box.width, 4, 76, 4 + box.height));
    const int above = 4 + (box.height - 1) / 2 - 1;
    const int below = 4 + box.height / 2 + 1;
    for (const int row : {above, below}) {
      int rightmost = -1;
      for (int x = 0; x < canvas.width(); ++x) {
        if (canvas.at(x, row) == kPen) rightmost = x;
      }
      EXPECT_EQ(rightmost, box.first_column_above)
          << box.width << " x " << box.height << " row " << row << "\n"
          << canvas.picture(kPen);
    }
    EXPECT_EQ(canvas.at(box.first_column_above + 1, above + 1), kPen);
  }
}

// Every box up to 12 x 12: the shape is symmetric, stays in its box, its inside is enclosed by
// its outline, and the null pen fills exactly the pixels that pen and brush cover together.
TEST(EllipsePixels, EverySmallBoxIsSymmetricClosedAndInsideItsBox) {
  CurveCanvas canvas(24, 24);
  for (int w = 0; w <= 12; ++w) {
    for (int h = 0; h <= 12; ++h) {
      SCOPED_TRACE(::testing::Message() << w << " x " << h);
      canvas.clear();
      pen_and_brush(canvas);
      ASSERT_TRUE(ellipse(canvas.dc(), 4, 4, 4 + w, 4 + h));
      const PixelSet outline = canvas.pixels_of(kPen);
      const PixelSet inside = canvas.pixels_of(kBrush);
      PixelSet shape = outline;
      shape.insert(inside.begin(), inside.end());
      if (w == 0 || h == 0) {
        EXPECT_TRUE(shape.empty());
        continue;
      }
      // Boxes of one or two pixels take the far edges in.
      const int right = w <= 2 || h <= 2 ? 4 + w : 4 + w - 1;
      const int bottom = w <= 2 || h <= 2 ? 4 + h : 4 + h - 1;
      for (const auto& [x, y] : shape) {
        EXPECT_TRUE(x >= 4 && x <= right && y >= 4 && y <= bottom) << x << "," << y;
        EXPECT_TRUE(shape.count({4 + right - x, y}) && shape.count({x, 4 + bottom - y}))
            << "not symmetric at " << x << "," << y << "\n"
            << canvas.picture(kPen);
      }
      EXPECT_TRUE(shape.count({4, 4 + (bottom - 4) / 2}) &&
                  shape.count({right, 4 + (bottom - 4) / 2}));
      for (const auto& [x, y] : inside) {
        for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
          EXPECT_TRUE(shape.count({x + dx, y + dy})) << "inside leaks at " << x << "," << y;
        }
      }
      canvas.clear();
      canvas.null_pen();
      ASSERT_TRUE(ellipse(canvas.dc(), 4, 4, 4 + w, 4 + h));
      if (w > 2 && h > 2) {
        EXPECT_EQ(canvas.pixels_of(kBrush), shape);
      }
    }
  }
}

TEST(EllipsePixels, ReversedCornersDrawTheSameShape) {
  CurveCanvas a(32, 32);
  CurveCanvas b(32, 32);
  pen_and_brush(a);
  pen_and_brush(b);
  ASSERT_TRUE(ellipse(a.dc(), 3, 5, 27, 22));
  ASSERT_TRUE(ellipse(b.dc(), 27, 22, 3, 5));
  EXPECT_EQ(a.painted(), b.painted());
  EXPECT_EQ(a.pixels_of(kPen), b.pixels_of(kPen));
}

TEST(EllipsePixels, EachPixelIsPaintedOnceSoXorTwiceRestoresTheSurface) {
  CurveCanvas canvas(40, 40);
  pen_and_brush(canvas);
  canvas.clear(kGrey);
  set_rop2(canvas.dc(), rop2::kXorPen);
  for (int size = 1; size <= 30; size += 3) {
    ASSERT_TRUE(ellipse(canvas.dc(), 2, 2, 2 + size, 2 + size / 2 + 1));
    ASSERT_TRUE(round_rect(canvas.dc(), 3, 4, 3 + size, 4 + size, 7, 5));
  }
  EXPECT_FALSE(canvas.pixels_of(kGrey).size() == 40u * 40u);
  for (int size = 1; size <= 30; size += 3) {
    ASSERT_TRUE(ellipse(canvas.dc(), 2, 2, 2 + size, 2 + size / 2 + 1));
    ASSERT_TRUE(round_rect(canvas.dc(), 3, 4, 3 + size, 4 + size, 7, 5));
  }
  EXPECT_EQ(canvas.pixels_of(kGrey).size(), 40u * 40u);
}

TEST(EllipsePixels, ACosmeticOutlineGoesOverTheBrushWhereTheOperationReadsThePixels) {
  // Under a copy the outline alone shows; under XOR each outline pixel meets the brush and then
  // the pen, and the inside the brush alone.
  CurveCanvas copied(28, 24);
  CurveCanvas xored(28, 24);
  pen_and_brush(copied);
  pen_and_brush(xored);
  xored.clear(kGrey);
  set_rop2(xored.dc(), rop2::kXorPen);
  for (CurveCanvas* canvas : {&copied, &xored}) ASSERT_TRUE(ellipse(canvas->dc(), 3, 3, 24, 19));
  const PixelSet outline = copied.pixels_of(kPen);
  const PixelSet inside = copied.pixels_of(kBrush);
  ASSERT_FALSE(outline.empty());
  ASSERT_FALSE(inside.empty());
  EXPECT_EQ(xored.pixels_of(kGrey ^ kBrush ^ kPen), outline);
  EXPECT_EQ(xored.pixels_of(kGrey ^ kBrush), inside);
}

TEST(EllipsePixels, PartlyVisibleEllipsesKeepTheirShape) {
  CurveCanvas whole(40, 40);
  CurveCanvas part(20, 20);
  pen_and_brush(whole);
  pen_and_brush(part);
  ASSERT_TRUE(ellipse(whole.dc(), 3, 7, 37, 33));
  ASSERT_TRUE(ellipse(part.dc(), 3 - 20, 7 - 20, 37 - 20, 33 - 20));  // the lower right quarter
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x)
      ASSERT_EQ(part.at(x, y), whole.at(x + 20, y + 20)) << x << "," << y;
}

TEST(RoundRectPixels, CornersAreQuartersOfTheCornerEllipse) {
  CurveCanvas canvas(32, 32);
  pen_and_brush(canvas);
  ASSERT_TRUE(round_rect(canvas.dc(), 4, 4, 28, 24, 8, 8));
  const PixelSet outline = canvas.pixels_of(kPen);
  // An 8 x 8 ellipse starts its top row two pixels in and reaches the side on its third row.
  EXPECT_TRUE(outline.count({6, 4}) && outline.count({5, 5}) && outline.count({4, 6}));
  EXPECT_FALSE(outline.count({5, 4}) || outline.count({4, 5}));
  EXPECT_TRUE(outline.count({25, 4}) && outline.count({26, 5}) && outline.count({27, 6}));
  EXPECT_TRUE(outline.count({6, 23}) && outline.count({27, 21}));
  EXPECT_EQ(canvas.painted().size(), 24u * 20u - 4u * 3u);

  // Negative corner sizes count by their size, reversed boxes are ordered.
  CurveCanvas reversed(32, 32);
  pen_and_brush(reversed);
  ASSERT_TRUE(round_rect(reversed.dc(), 28, 24, 4, 4, -8, -8));
  EXPECT_EQ(reversed.painted(), canvas.painted());
}

TEST(RoundRectPixels, CornersOfTwoPixelsOrLessAreSquareAndLargerOnesAreCut) {
  CurveCanvas canvas(40, 16);
  pen_and_brush(canvas);
  for (int corner = 0; corner <= 2; ++corner) {
    canvas.clear();
    ASSERT_TRUE(round_rect(canvas.dc(), 1, 2, 9, 12, corner, corner));
    EXPECT_EQ(canvas.painted().size(), 9u * 11u);  // like a rectangle, far edges included
    EXPECT_EQ(canvas.at(1, 2), kPen);
    EXPECT_EQ(canvas.at(9, 12), kPen);
  }
  // A corner larger than the box is the box: the rounded rectangle becomes the ellipse.
  CurveCanvas as_ellipse(40, 16);
  pen_and_brush(as_ellipse);
  canvas.clear();
  ASSERT_TRUE(round_rect(canvas.dc(), 4, 3, 20, 13, 40, 30));
  ASSERT_TRUE(ellipse(as_ellipse.dc(), 4, 3, 20, 13));
  EXPECT_EQ(canvas.pixels_of(kPen), as_ellipse.pixels_of(kPen));
  EXPECT_EQ(canvas.pixels_of(kBrush), as_ellipse.pixels_of(kBrush));
}

TEST(RoundRectPixels, NarrowCornersRunUpTheirMiddleColumnToEdgesOnTheBoxRows) {
  // Corners 4 x 17 in a box 10 x 22: each corner's walk reaches its middle column (x 2 and 9)
  // three rows in, where an ellipse would end; the top and bottom edges stay on the box's rows
  // 1 and 22 between the corners' centres (x 2.5 and 8.5), and the corners rise to meet them.
  CurveCanvas canvas(12, 24);
  canvas.pen(0xFFFFFF);
  canvas.hollow_brush();
  ASSERT_TRUE(round_rect(canvas.dc(), 1, 1, 11, 23, 4, 17));
  std::vector<std::string> rows{"...######...", "..#......#..", "..#......#.."};
  for (int y = 4; y <= 19; ++y) rows.push_back(".#........#.");
  rows.insert(rows.end(), {"..#......#..", "..#......#..", "...######..."});
  EXPECT_EQ(canvas.pixels_of(kPen), pixels_from_rows(0, 1, rows)) << canvas.picture(kPen);
}

TEST(RoundRectPixels, NullPenFillsTheShapeOfPenAndBrush) {
  CurveCanvas with_pen(32, 24);
  CurveCanvas without(32, 24);
  pen_and_brush(with_pen);
  without.null_pen();
  without.brush(0x0000FF);
  ASSERT_TRUE(round_rect(with_pen.dc(), 3, 3, 29, 21, 10, 8));
  ASSERT_TRUE(round_rect(without.dc(), 3, 3, 29, 21, 10, 8));
  EXPECT_EQ(without.pixels_of(kBrush), with_pen.painted());
}

TEST(EllipseTransforms, AYFlipDrawsTheMirroredBox) {
  CurveCanvas canvas(16, 16);
  canvas.pen(0xFFFFFF);
  canvas.hollow_brush();
  set_graphics_mode(canvas.dc(), GraphicsMode::advanced);
  ASSERT_TRUE(set_world_transform(canvas.dc(), Transform{1, 0, 0, -1, 8, 8}));
  ASSERT_TRUE(ellipse(canvas.dc(), 1, 1, 5, 5));  // device box (9, 3) - (13, 7)
  EXPECT_EQ(canvas.pixels_of(kPen), pixels_from_rows(9, 3, {".##.", "#..#", "#..#", ".##."}));
}

// A plain pen's width is in world units: the same pixels whether the pen or the transform
// came first, and a transform that scales back down makes the pen thin again.
TEST(EllipseTransforms, ThePenWidthFollowsTheTransformWhicheverChangesLast) {
  auto draw = [](bool pen_first, float scale) {
    auto canvas = std::make_unique<CurveCanvas>(40, 40);
    canvas->hollow_brush();
    set_graphics_mode(canvas->dc(), GraphicsMode::advanced);
    const Transform scaled{scale, 0, 0, scale, 0, 0};
    if (pen_first) delete_object(select_object(canvas->dc(), create_pen(0, 1, 0xFFFFFF)));
    EXPECT_TRUE(set_world_transform(canvas->dc(), scaled));
    if (!pen_first) delete_object(select_object(canvas->dc(), create_pen(0, 1, 0xFFFFFF)));
    EXPECT_TRUE(ellipse(canvas->dc(), 2, 2, 8, 8));
    return canvas;
  };
  const auto wide = draw(true, 4.0f);
  EXPECT_EQ(wide->pixels_of(kPen), draw(false, 4.0f)->pixels_of(kPen));
  const auto thin = draw(true, 1.0f);
  EXPECT_GT(wide->pixels_of(kPen).size(), 4 * thin->pixels_of(kPen).size());

  // Back to the identity: the pen selected under the scale draws one pixel wide again.
  CurveCanvas canvas(40, 40);
  canvas.hollow_brush();
  set_graphics_mode(canvas.dc(), GraphicsMode::advanced);
  ASSERT_TRUE(set_world_transform(canvas.dc(), Transform{4, 0, 0, 4, 0, 0}));
  canvas.pen(0xFFFFFF);
  ASSERT_TRUE(set_world_transform(canvas.dc(), Transform{}));
  ASSERT_TRUE(ellipse(canvas.dc(), 8, 8, 32, 32));
  CurveCanvas expected(40, 40);
  expected.pen(0xFFFFFF);
  expected.hollow_brush();
  set_graphics_mode(expected.dc(), GraphicsMode::advanced);
  ASSERT_TRUE(ellipse(expected.dc(), 8, 8, 32, 32));
  EXPECT_EQ(canvas.pixels_of(kPen), expected.pixels_of(kPen));
}

TEST(EllipseHostile, HugeAndFarAwayBoxesReturnPromptlyAndStayInTheSurface) {
  CurveCanvas canvas(24, 24);
  pen_and_brush(canvas);
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(ellipse(canvas.dc(), kMin, kMin, kMax, kMax));
  EXPECT_TRUE(ellipse(canvas.dc(), kMin, 5, kMax, 15));
  EXPECT_TRUE(ellipse(canvas.dc(), -100000, 12, 100000, 60));
  EXPECT_TRUE(ellipse(canvas.dc(), kMax - 10, kMax - 10, kMax, kMax));
  EXPECT_TRUE(round_rect(canvas.dc(), kMin, kMin, kMax, kMax, kMax, kMin));
  EXPECT_TRUE(round_rect(canvas.dc(), kMin, 3, kMax, 20, kMax, 9));
  ASSERT_TRUE(set_world_transform(canvas.dc(), Transform{1e30f, 0, 0, 1e30f, 0, 0}));
  EXPECT_TRUE(ellipse(canvas.dc(), -3, -3, 3, 3));
  EXPECT_TRUE(round_rect(canvas.dc(), -3, -3, 3, 3, 2, 2));
  // Generous: each call is a walk of a few hundred thousand steps at most, or row by row.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_FALSE(ellipse(DcHandle{12345}, 0, 0, 4, 4));
}

// A pen a million and a half pixels wide along the outline of an ellipse half a million across:
// the nib at any point of the outline covers the whole surface. Once one has, the nibs of the
// other million points cannot change a pixel and are not laid.
TEST(EllipseHostile, APenFarWiderThanTheSurfaceCoversAllOfIt) {
  CurveCanvas canvas(33, 33);
  canvas.hollow_brush();
  delete_object(select_object(canvas.dc(), create_pen(pen_style::kDashDotDot, 24, 0xFFFFFF)));
  ASSERT_TRUE(set_world_transform(canvas.dc(), Transform{65535, 0, 0, 65535, 1, 0.5f}));
  ASSERT_TRUE(ellipse(canvas.dc(), 8, 2, 0, 0));
  EXPECT_EQ(canvas.pixels_of(kPen).size(), 33u * 33u) << canvas.picture(kPen);
}

// A circle 200000 pixels across around the surface, outlined by a pen as wide: the edge of the
// nib at every one of its points runs through the middle of the surface, no nib covers it alone
// and all of them together do (with the bands between them). Each nib must cost no more than
// the rows it shows.
TEST(EllipseHostile, NibsWhoseEdgesAllCrossTheSurfaceCoverItTogether) {
  CurveCanvas canvas(33, 33);
  canvas.hollow_brush();
  delete_object(select_object(canvas.dc(), create_pen(pen_style::kSolid, 200000, 0xFFFFFF)));
  ASSERT_TRUE(ellipse(canvas.dc(), 16 - 100000, 16 - 100000, 16 + 100000, 16 + 100000));
  EXPECT_EQ(canvas.pixels_of(kPen).size(), 33u * 33u) << canvas.picture(kPen);
}

// Boxes too large to walk are outlined row by row; the rows stay within a pixel of the walk.
TEST(EllipseQuadrant, RowByRowOutlineFollowsTheWalk) {
  for (const auto& [w, h] : {std::pair<std::int64_t, std::int64_t>{201, 77},
                             {64, 64},
                             {1000, 30},
                             {35, 900},
                             {4096, 4001}}) {
    raster::walk_quadrant_rows(w, h, [&](const raster::QuadrantRow& row) {
      const raster::QuadrantRow approx = raster::approximate_quadrant_row(w, h, row.y);
      EXPECT_LE(std::abs(approx.x_outer - row.x_outer), 2) << w << "x" << h << " row " << row.y;
      EXPECT_LE(std::abs(approx.x_inner - row.x_inner), 2) << w << "x" << h << " row " << row.y;
    });
  }
}

}  // namespace
}  // namespace kanvo::surface
