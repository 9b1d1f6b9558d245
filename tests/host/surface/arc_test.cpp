// Arcs, pies and chords: where they start and end for each radial, how pies and chords close,
// and what they do with radials far away, equal radials, tiny and reversed boxes.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <limits>

#include "host/surface/surface.h"
#include "tests/host/surface/curve_canvas.h"

namespace kanvo::surface {
namespace {

using testing::CurveCanvas;
using testing::pixels_from_rows;
using testing::PixelSet;

constexpr PixelWord kPen = 0x00FFFFFFu;
constexpr PixelWord kBrush = 0x00FF0000u;
constexpr PixelWord kGrey = 0x00404040u;

PixelSet ellipse_outline(int left, int top, int right, int bottom) {
  CurveCanvas canvas(40, 40);
  canvas.pen(0xFFFFFF);
  canvas.hollow_brush();
  ellipse(canvas.dc(), left, top, right, bottom);
  return canvas.pixels_of(kPen);
}

TEST(ArcEnds, AQuarterRunsCounterClockwiseAndLeavesOutItsEnd) {
  CurveCanvas canvas(32, 32);
  canvas.pen(0xFFFFFF);
  ASSERT_TRUE(arc(canvas.dc(), 4, 4, 28, 28, 28, 16, 16, 4));  // from 3 o'clock to 12
  const PixelSet quarter = canvas.pixels_of(kPen);
  EXPECT_TRUE(quarter.count({27, 15}));   // the first pixel above the middle
  EXPECT_FALSE(quarter.count({27, 16}));  // the one below belongs to the other side
  EXPECT_TRUE(quarter.count({18, 4}));
  EXPECT_FALSE(quarter.count({17, 4}));  // where it ends, left out
  for (const auto& [x, y] : quarter) EXPECT_TRUE(x >= 16 && y <= 15) << x << "," << y;

  // The rest of the turn starts on the top row's first pixel right of the middle and ends
  // before the first pixel below the middle: the two leave out exactly those two pixels.
  CurveCanvas rest(32, 32);
  rest.pen(0xFFFFFF);
  ASSERT_TRUE(arc(rest.dc(), 4, 4, 28, 28, 16, 4, 28, 16));
  PixelSet both = quarter;
  for (const auto& p : rest.pixels_of(kPen)) {
    EXPECT_FALSE(quarter.count(p)) << p.first << "," << p.second;
    both.insert(p);
  }
  PixelSet whole = ellipse_outline(4, 4, 28, 28);
  whole.erase({17, 4});
  whole.erase({27, 16});
  EXPECT_EQ(both, whole);
}

TEST(ArcEnds, EqualRadialsDrawTheWholeOutlineButItsLastPixel) {
  CurveCanvas canvas(32, 32);
  canvas.pen(0xFFFFFF);
  ASSERT_TRUE(arc(canvas.dc(), 4, 6, 28, 26, 30, 16, 30, 16));
  PixelSet whole = ellipse_outline(4, 6, 28, 26);
  whole.erase({27, 16});
  EXPECT_EQ(canvas.pixels_of(kPen), whole);
}

// Radials a hair apart, between the same two pixels of the outline, in either order: the arc
// runs from the pixel after them all the way round to the one before, which it leaves out.
TEST(ArcEnds, RadialsBetweenTheSameTwoPixelsDrawTheWholeOutline) {
  PixelSet whole = ellipse_outline(4, 6, 28, 26);
  ASSERT_TRUE(whole.count({14, 25}) && whole.count({15, 25}));
  whole.erase({14, 25});
  for (const bool reversed : {false, true}) {
    CurveCanvas canvas(32, 32);
    canvas.pen(0xFFFFFF);
    const Point a{15, 40};  // just left of straight down, past the bottom pixel (14, 25)
    const Point b{14, 40};
    const Point start = reversed ? b : a;
    const Point end = reversed ? a : b;
    ASSERT_TRUE(arc(canvas.dc(), 4, 6, 28, 26, start.x, start.y, end.x, end.y));
    EXPECT_EQ(canvas.pixels_of(kPen), whole) << reversed << "\n" << canvas.picture(kPen);
  }
}

TEST(ArcEnds, OnlyTheRadialsDirectionsCount) {
  CurveCanvas near(32, 32);
  CurveCanvas far(32, 32);
  near.pen(0xFFFFFF);
  far.pen(0xFFFFFF);
  ASSERT_TRUE(arc(near.dc(), 8, 8, 24, 24, 17, 15, 15, 17));
  ASSERT_TRUE(arc(far.dc(), 8, 8, 24, 24, 16 + 100000, 16 - 100000, 16 - 70000, 16 + 70000));
  EXPECT_EQ(near.pixels_of(kPen), far.pixels_of(kPen));
  EXPECT_FALSE(near.pixels_of(kPen).empty());
}

TEST(ArcEnds, SmallCircles) {
  CurveCanvas canvas(24, 12);
  canvas.pen(0xFFFFFF);
  // A quarter of a 4 x 4 circle starts and ends on the same pixel: nothing is drawn.
  ASSERT_TRUE(arc(canvas.dc(), 1, 4, 5, 8, 5, 6, 3, 4));
  EXPECT_TRUE(canvas.pixels_of(kPen).empty());
  // Its left half, 12 o'clock to 6: the top right pixel is the start, the bottom right the end.
  ASSERT_TRUE(arc(canvas.dc(), 7, 4, 11, 8, 9, 4, 9, 8));
  EXPECT_EQ(canvas.pixels_of(kPen), pixels_from_rows(7, 4, {".##.", "#...", "#...", ".#.."}));
}

TEST(ArcEnds, ReversedBoxesAreOrdered) {
  CurveCanvas a(40, 40);
  CurveCanvas b(40, 40);
  a.pen(0xFFFFFF);
  b.pen(0xFFFFFF);
  ASSERT_TRUE(arc(a.dc(), 10, 14, 30, 30, 30, 22, 10, 22));
  ASSERT_TRUE(arc(b.dc(), 30, 30, 10, 14, 30, 22, 10, 22));
  EXPECT_EQ(a.pixels_of(kPen), b.pixels_of(kPen));
}

TEST(PieAndChord, APieClosesThroughTheCentreAndFillsItsSlice) {
  CurveCanvas canvas(32, 32);
  canvas.pen(0xFFFFFF);
  canvas.brush(0x0000FF);
  ASSERT_TRUE(pie(canvas.dc(), 4, 4, 28, 28, 28, 16, 16, 4));
  const PixelSet outline = canvas.pixels_of(kPen);
  EXPECT_TRUE(outline.count({16, 16}));  // the centre
  EXPECT_TRUE(outline.count({17, 4}));   // the arc's end is drawn in a closed figure
  EXPECT_TRUE(outline.count({27, 15}));
  // The radius to 12 o'clock runs from the arc's end down to the centre.
  EXPECT_TRUE(outline.count({17, 9}) && outline.count({16, 10}));
  const PixelSet inside = canvas.pixels_of(kBrush);
  EXPECT_TRUE(inside.count({20, 10}));
  for (const auto& [x, y] : inside) EXPECT_TRUE(x > 16 && y < 16) << x << "," << y;

  // A whole pie: the full ellipse filled, one radius drawn.
  CurveCanvas full(32, 32);
  full.pen(0xFFFFFF);
  full.brush(0x0000FF);
  ASSERT_TRUE(pie(full.dc(), 4, 4, 28, 28, 28, 10, 28, 10));
  EXPECT_EQ(full.painted(), [] {
    CurveCanvas reference(32, 32);
    reference.pen(0xFFFFFF);
    reference.brush(0x0000FF);
    ellipse(reference.dc(), 4, 4, 28, 28);
    return reference.painted();
  }());
}

TEST(PieAndChord, AChordClosesWithTheStraightLine) {
  CurveCanvas canvas(24, 24);
  canvas.pen(0xFFFFFF);
  canvas.brush(0x0000FF);
  ASSERT_TRUE(chord(canvas.dc(), 2, 2, 22, 22, 22, 12, 2, 12));  // the upper half
  const PixelSet outline = canvas.pixels_of(kPen);
  // From the last pixel of the left side above the middle row back to the first on the right.
  EXPECT_TRUE(outline.count({2, 10}) && outline.count({11, 10}));
  EXPECT_TRUE(outline.count({12, 11}) && outline.count({21, 11}));
  EXPECT_FALSE(outline.count({2, 11}));
  for (const auto& [x, y] : canvas.painted()) EXPECT_LE(y, 11) << x << "," << y;
}

TEST(PieAndChord, EachPixelIsPaintedOnceUnderXor) {
  CurveCanvas canvas(40, 40);
  canvas.pen(0xFFFFFF);
  canvas.brush(0x0000FF);
  canvas.clear(kGrey);
  set_rop2(canvas.dc(), rop2::kXorPen);
  for (int i = 0; i < 2; ++i) {
    ASSERT_TRUE(pie(canvas.dc(), 3, 3, 37, 31, 37, 3, 3, 37));
    ASSERT_TRUE(chord(canvas.dc(), 5, 2, 30, 38, 30, 20, 5, 2));
    ASSERT_TRUE(arc(canvas.dc(), 1, 1, 39, 39, 0, 0, 39, 0));
    if (i == 0) {
      EXPECT_LT(canvas.pixels_of(kGrey).size(), 40u * 40u);
    }
  }
  EXPECT_EQ(canvas.pixels_of(kGrey).size(), 40u * 40u);
}

TEST(ArcHostile, ExtremeBoxesAndRadialsReturnPromptlyInsideTheSurface) {
  CurveCanvas canvas(24, 24);
  canvas.pen(0xFFFFFF);
  canvas.brush(0x0000FF);
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(arc(canvas.dc(), kMin, kMin, kMax, kMax, kMax, 0, kMin, kMin));
  EXPECT_TRUE(pie(canvas.dc(), -100000, -100000, 100000, 100000, 100000, 0, 0, -100000));
  EXPECT_TRUE(chord(canvas.dc(), kMin, 5, kMax, 20, kMin, kMax, kMax, kMin));
  EXPECT_TRUE(pie(canvas.dc(), 5, 5, 5, 20, 0, 0, 0, 0));  // no width: nothing
  EXPECT_TRUE(pie(canvas.dc(), 5, 5, 7, 7, 5, 5, 5, 5));   // radials on the centre
  EXPECT_TRUE(arc(canvas.dc(), kMax - 3, kMax - 3, kMax, kMax, 0, 0, 1, 1));
  // Narrow, even-width boxes far too tall to walk (their middle columns are not run on).
  EXPECT_TRUE(arc(canvas.dc(), 2, kMin, 12, kMax, 0, 0, 20, 20));
  EXPECT_TRUE(chord(canvas.dc(), 8, -1'000'000'000, 12, 1'000'000'000, 0, 0, 20, 20));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_FALSE(pie(DcHandle{4242}, 0, 0, 10, 10, 0, 0, 0, 0));
}

// A flat ellipse 196605 pixels across and 48 high whose right tip alone reaches the surface,
// outlined by a pen 13 units wide: every piece of the outline far from the surface must cost
// next to nothing, and the tip must come out as it does on any surface that shows it.
class FarReachingWideArc : public ::testing::Test {
 protected:
  static constexpr std::int32_t kLeft = 65535;
  static constexpr std::int32_t kTop = 18;
  static constexpr std::int32_t kRight = 0;
  static constexpr std::int32_t kBottom = -6;
  // Radials far up and far left: the upper left quarter of the outline, nowhere near the tip.
  // (Farther still, a radial scaled by the box's other half-extent would no longer fit in 32
  // bits and would lose that component.)
  static constexpr Point kUp{-100000, -10000};
  static constexpr Point kLeftward{20000000, 18};

  FarReachingWideArc() : canvas_(33, 33) {
    set_world_transform(canvas_.dc(), Transform{-3, 0, 0, 2, 2, 1});
    delete_object(select_object(canvas_.dc(), create_pen(pen_style::kDash, 13, 0xFFFFFF)));
    canvas_.hollow_brush();
  }
  CurveCanvas canvas_;
};

// The tip on a 33 by 33 surface: the outer edge at x = 2 bulges to x = 20 over the middle rows
// (the pen is 39 pixels wide: 13 units scaled by 3 along x).
const PixelSet kTip = pixels_from_rows(0, 0,
                                       {
                                           "#################",
                                           "#################",
                                           "##################",
                                           "###################",
                                           "###################",
                                           "####################",
                                           "####################",
                                           "####################",
                                           "#####################",
                                           "#####################",
                                           "#####################",
                                           "#####################",
                                           "#####################",
                                           "#####################",
                                           "#####################",
                                           "#####################",
                                           "#####################",
                                           "#####################",
                                           "####################",
                                           "####################",
                                           "####################",
                                           "###################",
                                           "###################",
                                           "##################",
                                           "#################",
                                           "#################",
                                           "################",
                                           "###############",
                                           "##############",
                                           "############",
                                           "###########",
                                           "#########",
                                           "######",
                                       });

TEST_F(FarReachingWideArc, APartFarFromTheSurfaceLeavesItUntouched) {
  ASSERT_TRUE(
      arc(canvas_.dc(), kLeft, kTop, kRight, kBottom, kUp.x, kUp.y, kLeftward.x, kLeftward.y));
  EXPECT_TRUE(canvas_.painted().empty()) << canvas_.picture(kPen);
}

TEST_F(FarReachingWideArc, ThePartThroughTheTipDrawsTheTipAsTheWholeOutlineDoes) {
  ASSERT_TRUE(
      arc(canvas_.dc(), kLeft, kTop, kRight, kBottom, kLeftward.x, kLeftward.y, kUp.x, kUp.y));
  EXPECT_EQ(canvas_.pixels_of(kPen), kTip) << canvas_.picture(kPen);
  canvas_.clear();
  ASSERT_TRUE(ellipse(canvas_.dc(), kLeft, kTop, kRight, kBottom));
  EXPECT_EQ(canvas_.pixels_of(kPen), kTip) << canvas_.picture(kPen);
}

TEST_F(FarReachingWideArc, AWiderSurfaceShowsTheSameTipFurtherRight) {
  for (const int shift : {1, 40, 167}) {
    CurveCanvas wider(33 + shift, 33);
    set_world_transform(wider.dc(), Transform{-3, 0, 0, 2, 2.0f + static_cast<float>(shift), 1});
    delete_object(select_object(wider.dc(), create_pen(pen_style::kDash, 13, 0xFFFFFF)));
    ASSERT_TRUE(
        arc(wider.dc(), kLeft, kTop, kRight, kBottom, kLeftward.x, kLeftward.y, kUp.x, kUp.y));
    // Left of the window the surface shows more of the outline.
    PixelSet window;
    for (const auto& [x, y] : wider.pixels_of(kPen)) {
      if (x >= shift) window.insert({x - shift, y});
    }
    EXPECT_EQ(window, kTip) << "shift " << shift << "\n" << wider.picture(kPen);
  }
}

TEST(ArcEnds, AnOddBoxTakesItsRadialsThroughPixelCentres) {
  // Across an odd number of pixels the outline's pixels stand for their centres, and so do the
  // radial points: (9, 0) is seen from the centre (4.5, 3.5) as (9.5, 0.5), which takes in the
  // pixel (7, 1) at the start; (0, 7) as (0.5, 7.5), through the centre of the pixel (1, 5) left
  // out at the end.
  CurveCanvas canvas(12, 9);
  canvas.pen(0xFFFFFF);
  ASSERT_TRUE(arc(canvas.dc(), 0, 0, 9, 7, 9, 0, 0, 7));
  EXPECT_EQ(canvas.pixels_of(kPen), pixels_from_rows(0, 0,
                                                     {"..#####.",  //
                                                      ".#.....#",  //
                                                      "#.......",  //
                                                      "#.......",  //
                                                      "#......."}))
      << canvas.picture(kPen);
}

TEST(ArcEnds, APixelExactlyOnARadialLiesAHairToTheLeftOfIt) {
  // In the 9 x 7 box seen from its centre (4.5, 3.5) the outline pixel (1, 1) stands at (-3, 2)
  // and (1, 5) at (-3, -2); the radial points (-2, -1) and (-2, 7) stand at (-6, 4) and (-6, -4),
  // exactly on the lines through them. A hair to the left, (1, 1) is past the radial that points
  // up and left, so the arc from it takes it in; (1, 5) falls short of the one that points down
  // and left, so the arc from it starts at the next pixel on.
  CurveCanvas up(12, 9);
  up.pen(0xFFFFFF);
  ASSERT_TRUE(arc(up.dc(), 0, 0, 9, 7, -2, -1, 4, 20));
  EXPECT_TRUE(up.pixels_of(kPen).count({1, 1})) << up.picture(kPen);
  EXPECT_FALSE(up.pixels_of(kPen).count({2, 0})) << up.picture(kPen);

  CurveCanvas down(12, 9);
  down.pen(0xFFFFFF);
  ASSERT_TRUE(arc(down.dc(), 0, 0, 9, 7, -2, 7, 4, -20));
  EXPECT_FALSE(down.pixels_of(kPen).count({1, 5})) << down.picture(kPen);
  EXPECT_TRUE(down.pixels_of(kPen).count({2, 6})) << down.picture(kPen);
}

// A pie over a box of odd height whose end radial points straight right ends at the one pixel
// that ends the middle row there, and closes from it along that row to the centre.
TEST(ArcEnds, ARadialStraightRightEndsAnOddBoxAtTheEndOfItsMiddleRow) {
  CurveCanvas canvas(12, 9);
  canvas.pen(0xFFFFFF);
  canvas.hollow_brush();
  ASSERT_TRUE(pie(canvas.dc(), 0, 0, 9, 7, 4, -20, 20, 3));  // from 12 o'clock round to 3
  const PixelSet outline = canvas.pixels_of(kPen);
  EXPECT_TRUE(outline.count({8, 3})) << canvas.picture(kPen);
  EXPECT_TRUE(outline.count({8, 4})) << canvas.picture(kPen);
  // Nothing of the top right quarter but the radial to 12 o'clock.
  for (const auto& [x, y] : outline) EXPECT_FALSE(x > 4 && y < 3) << x << "," << y;
}

// The vertical part of a radial is scaled by half the box's width in 32 bits; once that no
// longer fits it is lost, and a radial far below a flat box lies along the box's middle row.
TEST(ArcEnds, ARadialFarAcrossAFlatBoxLosesWhatDoesNotFitAndLiesAlongTheMiddleRow) {
  const auto slice = [](std::int32_t end_y) {
    CurveCanvas canvas(12, 41);
    canvas.pen(0xFFFFFF);
    canvas.brush(0x0000FF);
    // Half the width is 2000: 1200000 rows below, the product passes 2^31; 1000000 rows do not.
    EXPECT_TRUE(pie(canvas.dc(), -3990, 0, 10, 41, 10, -1000, 8, end_y));
    return canvas.painted();
  };
  const PixelSet along_the_middle = slice(20);
  // The lower right quarter up to the tip, and the middle row from the tip to the centre.
  EXPECT_TRUE(along_the_middle.count({9, 20}) && along_the_middle.count({0, 20}));
  EXPECT_TRUE(along_the_middle.count({0, 21}) && along_the_middle.count({7, 21}) &&
              along_the_middle.count({0, 22}));
  for (const auto& [x, y] : along_the_middle) EXPECT_GE(y, 20) << x << "," << y;
  EXPECT_EQ(slice(1200020), along_the_middle);
  EXPECT_TRUE(slice(1000020).empty());  // ends near the bottom, far to the left
}

// A pixel whose corner lies on a radial straight left counts as past it, but one on a radial that
// lost its vertical part goes by its centre: the row above the middle belongs to the arc over
// the top, the row below does not.
TEST(ArcEnds, PixelsOnALostRadialGoByTheirCentres) {
  const auto over_the_top = [](std::int32_t end_x, std::int32_t end_y) {
    CurveCanvas canvas(40, 12);
    canvas.pen(0xFFFFFF);
    // A box 4000 by 8 whose middle line is y = 4, from straight right round to the end radial;
    // at its left end the outline runs along rows 3 and 4 from x = 1.
    EXPECT_TRUE(arc(canvas.dc(), 1, 0, 4001, 8, 5000, 4, end_x, end_y));
    return canvas.pixels_of(kPen);
  };
  EXPECT_TRUE(over_the_top(-50, 4).empty());  // ends on row 2, far to the right
  // Far above and left of the centre: 1200000 rows times half the width pass 2^31.
  const PixelSet lost = over_the_top(1000, -1200000);
  EXPECT_TRUE(lost.count({2, 3}));
  EXPECT_TRUE(lost.count({39, 3}));
  EXPECT_FALSE(lost.count({1, 3}));  // where it ends, left out
  for (const auto& [x, y] : lost) EXPECT_EQ(y, 3) << x << "," << y;
}

TEST(FlatArcs, ABoxOnePixelHighRunsAlongItsTopRowThereAndBack) {
  CurveCanvas canvas(34, 3);
  canvas.pen(0xFFFFFF);
  // Over the top from the middle to the left end, back along the bottom to the middle.
  ASSERT_TRUE(arc(canvas.dc(), 1, 1, 31, 2, 44, -7, 47, 5));
  EXPECT_EQ(canvas.pixels_of(kPen), pixels_from_rows(0, 0,
                                                     {"..................................",
                                                      ".################.................",
                                                      ".................................."}))
      << canvas.picture(kPen);
  // From below to above the middle on the right: the right half, from the pixel after the
  // middle along the bottom, as the start radial leans right of it.
  canvas.clear();
  ASSERT_TRUE(arc(canvas.dc(), 1, 1, 31, 2, 44, 5, 47, -7));
  EXPECT_EQ(canvas.pixels_of(kPen), pixels_from_rows(0, 0,
                                                     {"..................................",
                                                      ".................##############...",
                                                      ".................................."}))
      << canvas.picture(kPen);
  // Both radials above and to the right: both meet the row a hair before the top, and the arc
  // takes the whole turn.
  canvas.clear();
  ASSERT_TRUE(arc(canvas.dc(), 1, 1, 31, 2, 44, -7, 40, -20));
  EXPECT_EQ(canvas.pixels_of(kPen), pixels_from_rows(0, 0,
                                                     {"..................................",
                                                      ".##############################...",
                                                      ".................................."}))
      << canvas.picture(kPen);
  // From above on the right to above on the left: just over the top, which is no pixel.
  canvas.clear();
  ASSERT_TRUE(arc(canvas.dc(), 1, 1, 31, 2, 44, -7, -10, -7));
  EXPECT_TRUE(canvas.pixels_of(kPen).empty()) << canvas.picture(kPen);
}

TEST(FlatArcs, ABoxOnePixelWideHasNoArc) {
  CurveCanvas canvas(6, 20);
  canvas.pen(0xFFFFFF);
  canvas.brush(0xFF0000);
  ASSERT_TRUE(arc(canvas.dc(), 2, 1, 3, 18, -3, -8, 7, 15));
  ASSERT_TRUE(pie(canvas.dc(), 2, 1, 3, 18, -3, -8, 7, 15));
  ASSERT_TRUE(chord(canvas.dc(), 2, 1, 3, 18, -3, -8, 7, 15));
  ASSERT_TRUE(arc(canvas.dc(), 4, 4, 5, 5, 9, 4, 9, 4));
  EXPECT_TRUE(canvas.painted().empty()) << canvas.picture(kPen);
}

// An ellipse call squares off a box two pixels across, but an arc, pie or chord of it follows
// the ellipse's own outline, which shrinks to the pixels around the centre: a chord of the whole
// turn of a tall box three pixels wide is a block of four, and of a box three pixels wide and
// an odd number high (its centre on a row) a run of two.
TEST(FlatArcs, ABoxThreePixelsWideShrinksToItsCentre) {
  CurveCanvas canvas(8, 30);
  canvas.pen(0xFFFFFF);
  canvas.brush(0xFFFFFF);
  ASSERT_TRUE(chord(canvas.dc(), 2, 1, 4, 27, -5, -5, -5, -5));
  EXPECT_EQ(canvas.painted(), PixelSet({{2, 13}, {3, 13}, {2, 14}, {3, 14}}))
      << canvas.picture(kPen);
  canvas.clear();
  ASSERT_TRUE(chord(canvas.dc(), 2, 1, 4, 28, -5, -5, -5, -5));
  EXPECT_EQ(canvas.painted(), PixelSet({{2, 14}, {3, 14}})) << canvas.picture(kPen);
  // A flat box three pixels high keeps its two middle rows, end to end.
  CurveCanvas flat(30, 8);
  flat.pen(0xFFFFFF);
  flat.brush(0xFFFFFF);
  ASSERT_TRUE(chord(flat.dc(), 1, 2, 27, 4, -5, -5, -5, -5));
  PixelSet rows;
  for (int x = 1; x < 27; ++x) rows.insert({{x, 2}, {x, 3}});
  EXPECT_EQ(flat.painted(), rows) << flat.picture(kPen);
}

// The four pixels around the centre of a box two pixels across stand for their top left
// corners, at 90, 135 and 180 degrees, and the bottom right one, whose corner is the centre, for
// its own centre at 315: radials between two of them take the whole outline, and an arc from 348
// to 327 degrees runs from the top right pixel round to the bottom right one, which it leaves out
// as it leaves out every arc's end.
TEST(FlatArcs, ABoxTwoPixelsAcrossMeasuresItsPixelsFromTheirCorners) {
  CurveCanvas canvas(8, 40);
  canvas.pen(0xFFFFFF);
  canvas.brush(0xFFFFFF);
  ASSERT_TRUE(chord(canvas.dc(), 1, 1, 3, 3, -10, 30, -4, 30));  // 250 to 263 degrees
  EXPECT_EQ(canvas.painted(), PixelSet({{1, 1}, {2, 1}, {1, 2}, {2, 2}})) << canvas.picture(kPen);
  canvas.clear();
  ASSERT_TRUE(arc(canvas.dc(), 2, 1, 4, 35, 17, 21, 68, 60));
  EXPECT_EQ(canvas.painted(), PixelSet({{2, 17}, {3, 17}, {2, 18}})) << canvas.picture(kPen);
}

// The top left corners put the left pixels of a tall box two pixels wide on and above the
// middle row: an arc from just left of straight down to just below straight left takes the whole
// outline from the bottom right pixel and leaves out the bottom left one as its end, and a pie
// whose radials both point into the top half holds only the top right pixel, at 90 degrees.
TEST(FlatArcs, TheLeftPixelsOfATallBoxTwoPixelsWideStandOnItsMiddleRow) {
  CurveCanvas canvas(8, 70);
  canvas.pen(0xFFFFFF);
  canvas.brush(0xFFFFFF);
  ASSERT_TRUE(arc(canvas.dc(), 1, -3, 3, 61, -30, 6446, -20636, 96));  // 269.7 to 180.2 degrees
  EXPECT_EQ(canvas.painted(), PixelSet({{2, 29}, {2, 28}, {1, 28}})) << canvas.picture(kPen);
  canvas.clear();
  ASSERT_TRUE(pie(canvas.dc(), 1, 1, 3, 7, 241, -30808, -7, -6));  // 89.6 to 132 degrees
  EXPECT_EQ(canvas.painted(), PixelSet({{2, 3}, {2, 4}})) << canvas.picture(kPen);
}

// A flat arc starts at the first pixel at or past its start radial, as a curved one does: a
// radial leaning right below the middle meets the row a hair after the middle on the way back
// along the bottom, so the arc starts one pixel right of the middle; one leaning left above it, a
// hair after the middle on the way over the top, one pixel left of it.
TEST(FlatArcs, AnArcStartsAtThePixelPastARadialAHairAfterTheMiddle) {
  CurveCanvas canvas(34, 3);
  canvas.pen(0xFFFFFF);
  ASSERT_TRUE(arc(canvas.dc(), 1, 1, 31, 2, 17, 5, 47, -7));
  EXPECT_EQ(canvas.pixels_of(kPen), pixels_from_rows(0, 0,
                                                     {"..................................",
                                                      ".................##############...",
                                                      ".................................."}))
      << canvas.picture(kPen);
  canvas.clear();
  ASSERT_TRUE(arc(canvas.dc(), 1, 1, 31, 2, 15, -7, 10, 5));
  EXPECT_EQ(canvas.pixels_of(kPen), pixels_from_rows(0, 0,
                                                     {"..................................",
                                                      ".###############..................",
                                                      ".................................."}))
      << canvas.picture(kPen);
}

}  // namespace
}  // namespace kanvo::surface
