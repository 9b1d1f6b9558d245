// Wide geometric pens along ellipses, rounded rectangles, arcs, pies and chords: where the pen's
// pixels fall, checked against pictures the platform drew.
#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "host/surface/surface.h"
#include "tests/host/surface/curve_canvas.h"

namespace kanvo::surface {
namespace {

using testing::CurveCanvas;
using testing::pixels_from_rows;
using testing::PixelSet;

constexpr PixelWord kPen = 0x00FFFFFFu;

// A white geometric pen; with dashes, of the user's style.
void select_pen(CurveCanvas& canvas, std::uint32_t style, std::uint32_t width,
                std::span<const std::uint32_t> dashes = {}) {
  LogBrush ink;
  ink.color = 0xFFFFFF;
  if (!dashes.empty()) style |= pen_style::kUserStyle;
  delete_object(select_object(
      canvas.dc(), ext_create_pen(pen_style::kGeometric | style, width, ink,
                                  static_cast<std::uint32_t>(dashes.size()), dashes.data())));
}

constexpr std::uint32_t kInsideFrameFlatBevel =
    pen_style::kInsideFrame | pen_style::kEndCapFlat | pen_style::kJoinBevel;

TEST(InsideFramePen, ACornerNarrowerThanTwoPenWidthsKeepsTheBox) {
  CurveCanvas canvas(20, 12);
  canvas.hollow_brush();
  select_pen(canvas, kInsideFrameFlatBevel, 3);
  ASSERT_TRUE(round_rect(canvas.dc(), 12, 5, 14, 7, -4, 30));
  EXPECT_EQ(canvas.pixels_of(kPen),
            pixels_from_rows(11, 4, {".##..", "#####", "#####", "#####", ".###."}))
      << canvas.picture(kPen);

  // The same pixels as a pen that is not inside the frame.
  CurveCanvas plain(20, 12);
  plain.hollow_brush();
  select_pen(plain, pen_style::kEndCapFlat | pen_style::kJoinBevel, 3);
  ASSERT_TRUE(round_rect(plain.dc(), 12, 5, 14, 7, -4, 30));
  EXPECT_EQ(canvas.pixels_of(kPen), plain.pixels_of(kPen));
}

// An ellipse the pen cannot move in takes its right and bottom edges in: its sides lie one
// pixel further right than a plain pen's (rows away from the narrow ends, as the platform drew
// them).
TEST(InsideFramePen, ANarrowEllipseTakesItsFarEdgesIn) {
  CurveCanvas canvas(40, 40);
  canvas.brush(0x0000FF);
  select_pen(canvas, kInsideFrameFlatBevel, 2);
  ASSERT_TRUE(ellipse(canvas.dc(), 28, 12, 31, 32));
  for (int y = 16; y <= 28; ++y) {
    std::string row;
    for (int x = 26; x <= 32; ++x) row += canvas.at(x, y) == kPen ? '#' : '.';
    EXPECT_EQ(row, ".##.##.") << y << "\n" << canvas.picture(kPen);
  }
}

// An ellipse the pen has no room to move in is the rectangle of its box, with the pen's joins at
// the corners: a bevel cuts one pixel off each corner of a two-pixel pen (as the platform drew
// it), a miter leaves them square.
TEST(InsideFramePen, AnEllipseWithNoRoomToMoveInIsTheRectangleOfItsBox) {
  CurveCanvas canvas(40, 40);
  canvas.brush(0x0000FF);
  select_pen(canvas, kInsideFrameFlatBevel, 2);
  ASSERT_TRUE(ellipse(canvas.dc(), 28, 4, 31, 10));
  EXPECT_EQ(canvas.pixels_of(kPen), pixels_from_rows(27, 3,
                                                     {
                                                         ".###.",
                                                         "#####",
                                                         "##.##",
                                                         "##.##",
                                                         "##.##",
                                                         "##.##",
                                                         "#####",
                                                         "#####",
                                                     }))
      << canvas.picture(kPen);

  struct Shape {
    std::uint32_t join;
    std::uint32_t width;
    std::int32_t left, top, right, bottom;
  };
  for (const Shape& shape :
       {Shape{pen_style::kJoinMiter, 11, 14, 30, 17, 8},
        Shape{pen_style::kJoinMiter | pen_style::kEndCapSquare, 3, 6, 19, 90, 23},
        Shape{pen_style::kJoinBevel, 4, 30, 5, 22, 12}}) {
    CurveCanvas drawn(40, 40);
    drawn.brush(0x0000FF);
    select_pen(drawn, pen_style::kInsideFrame | shape.join, shape.width);
    ASSERT_TRUE(ellipse(drawn.dc(), shape.left, shape.top, shape.right, shape.bottom));
    CurveCanvas box(40, 40);
    box.brush(0x0000FF);
    select_pen(box, pen_style::kInsideFrame | shape.join, shape.width);
    ASSERT_TRUE(rectangle(box.dc(), shape.left, shape.top, shape.right, shape.bottom));
    EXPECT_EQ(drawn.painted(), box.painted()) << shape.width << "\n" << drawn.picture(kPen);
    EXPECT_EQ(drawn.pixels_of(kPen), box.pixels_of(kPen)) << shape.width << "\n"
                                                          << drawn.picture(kPen);
  }

  // With room for two pen widths the ellipse keeps its curve: its box's corners stay clear.
  CurveCanvas curved(20, 20);
  curved.hollow_brush();
  select_pen(curved, pen_style::kInsideFrame | pen_style::kJoinMiter, 3);
  ASSERT_TRUE(ellipse(curved.dc(), 2, 2, 8, 18));
  EXPECT_FALSE(curved.painted().empty());
  EXPECT_EQ(curved.at(2, 2), 0u) << curved.picture(kPen);
  EXPECT_EQ(curved.at(7, 17), 0u) << curved.picture(kPen);
}

// An arc, pie or chord whose box leaves the pen no room to move in draws nothing, where a plain
// pen of the same width draws its curve.
TEST(InsideFramePen, AnArcPieOrChordWithNoRoomToMoveInDrawsNothing) {
  for (const auto& draw : {arc, pie, chord}) {
    for (const std::uint32_t kind : {pen_style::kInsideFrame, pen_style::kSolid}) {
      CurveCanvas canvas(30, 30);
      canvas.brush(0x0000FF);
      select_pen(canvas, kind | pen_style::kJoinMiter, 8);
      ASSERT_TRUE(draw(canvas.dc(), 10, 9, 22, 25, 30, 12, 4, 30));  // 12 across, under 16
      EXPECT_EQ(canvas.painted().empty(), kind == pen_style::kInsideFrame) << kind << "\n"
                                                                           << canvas.picture(kPen);
    }
  }
}

TEST(InsideFramePen, ABoxOfTwoPenWidthsOrMoreKeepsThePenInside) {
  for (const std::int32_t side : {6, 9, 14}) {
    CurveCanvas canvas(24, 24);
    canvas.hollow_brush();
    select_pen(canvas, pen_style::kInsideFrame, 3);
    ASSERT_TRUE(ellipse(canvas.dc(), 4, 4, 4 + side, 4 + side));
    const PixelSet pixels = canvas.pixels_of(kPen);
    ASSERT_FALSE(pixels.empty());
    for (const auto& [x, y] : pixels) {
      EXPECT_TRUE(x >= 4 && x < 4 + side && y >= 4 && y < 4 + side)
          << side << ": " << x << ", " << y << "\n"
          << canvas.picture(kPen);
    }
  }
}

// Dashes along an ellipse's outline count each diagonal step between its pixels as 1.41: a dash
// of four, from the right end of the middle row over the top, stops on the fourth pixel, and the
// dot after it falls on the left side (as the platform drew them).
TEST(WideDashesAlongCurves, MeasureDiagonalStepsByTheirLength) {
  CurveCanvas canvas(12, 12);
  canvas.hollow_brush();
  select_pen(canvas, pen_style::kDashDot | pen_style::kJoinBevel, 2);
  ASSERT_TRUE(ellipse(canvas.dc(), 3, 3, 9, 9));
  EXPECT_EQ(canvas.pixels_of(kPen),
            pixels_from_rows(3, 2, {".###..", ".####.", "..####", "...###", "##....", "##...."}))
      << canvas.picture(kPen);
}

// With flat ends, a close that falls inside a gap, on a straight run, lets the first dash start a
// pixel back on the last segment. This box is as wide as its corners, so its right side runs
// straight up through the close on the middle row of its top corner (row 1); the last gap there
// stops on row 2 and the first dash covers row 1 too (as the platform drew it).
TEST(WideDashesAlongCurves, AFlatFirstDashReachesBackAPixelOverAStraightClose) {
  CurveCanvas canvas(27, 30);
  canvas.hollow_brush();
  select_pen(canvas, pen_style::kDash | pen_style::kEndCapFlat | pen_style::kJoinMiter, 5);
  ASSERT_TRUE(round_rect(canvas.dc(), 13, -1, 18, 17, 19, 5));
  // The right side's pixels clear of the left side's pen.
  const char* const expected[] = {"####", "####", "....", "....", "####", "####"};
  for (int y = 0; y < 6; ++y) {
    std::string drawn;
    for (int x = 16; x < 20; ++x) drawn += canvas.at(x, y) == kPen ? '#' : '.';
    EXPECT_EQ(drawn, expected[y]) << "row " << y << "\n" << canvas.picture(kPen);
  }
}

// Over a close on a step of a curve's outline, one pixel long, the first dash starts at the close:
// an ellipse's outline starts on its right end, at (25,84) here, in a gap of the dash-dot pattern,
// and row 84 is left to the dash that comes up from below.
TEST(WideDashesAlongCurves, AFlatFirstDashDoesNotReachBackOverAOnePixelStep) {
  CurveCanvas canvas(24, 121);
  canvas.hollow_brush();
  select_pen(canvas, pen_style::kDashDot | pen_style::kEndCapFlat | pen_style::kJoinBevel, 5);
  ASSERT_TRUE(ellipse(canvas.dc(), 26, 110, -8, 59));
  EXPECT_EQ(canvas.at(23, 83), kPen) << canvas.picture(kPen);
  EXPECT_EQ(canvas.at(23, 84), 0u) << canvas.picture(kPen);
}

// A box one pixel high flattens onto its row, and the row is a curve like any other: each pixel
// a point of it. A dash that starts on one has the round join there, whose disc reaches a pixel
// past the square end on the row itself. This chord runs from the middle to the right end, back
// to the left end and on to the middle; the dashes on the way back start where those on the way
// out end, and each shows the disc past its start (as the platform drew them).
TEST(WideDashesAlongCurves, ADashStartingOnAFlatArcsPixelHasTheJoinThere) {
  CurveCanvas canvas(104, 24);
  canvas.hollow_brush();
  const std::uint32_t dash[1] = {4};
  select_pen(canvas, pen_style::kEndCapSquare | pen_style::kJoinRound, 3, dash);
  ASSERT_TRUE(chord(canvas.dc(), 54, 18, 100, 19, -143, 322, -143, 322));
  EXPECT_EQ(canvas.pixels_of(kPen),
            pixels_from_rows(53, 17,
                             {".############################..######..######..",
                              "##############################.#######.#######.",
                              ".############################..######..######.."}))
      << canvas.picture(kPen);
}

// The pen's pixels in the rows and columns given, as text ('#' the pen, '.' anything else).
std::vector<std::string> pen_rows(const CurveCanvas& canvas, int left, int top, int right,
                                  int bottom) {
  std::vector<std::string> rows;
  for (int y = top; y <= bottom; ++y) {
    std::string row;
    for (int x = left; x <= right; ++x) row += canvas.at(x, y) == kPen ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

// A dash or a dot that starts exactly on the point between two segments comes from the segment
// before: its square end faces along that one, not along the segment it goes on into. Near the top
// of a tall ellipse each side steps straight down and then diagonally; a dot on the pixel between
// is the square of the straight step alone, three pixels across and two high, with no join and not
// turned to the diagonal (as the platform drew them, beside a dot on a straight step).
TEST(WideDashesAlongCurves, ADotOnATurnIsSquareToTheSegmentBefore) {
  CurveCanvas canvas(101, 40);
  canvas.hollow_brush();
  select_pen(canvas, pen_style::kDashDotDot | pen_style::kEndCapSquare | pen_style::kJoinMiter, 3);
  ASSERT_TRUE(ellipse(canvas.dc(), 50, 9, 97, 2059));
  const std::vector<std::string> expected = {
      "...............", "...............", ".....###.......", ".....###.......",
      "........###....", "........###....", "...............", "...............",
      "...###.........", "...###.........", "...###...###..."};
  EXPECT_EQ(pen_rows(canvas, 66, 8, 80, 18), expected) << canvas.picture(kPen);
}

// The square start of a dash reaches back along the segment before when the dash starts on the
// turn from it: a dash that starts where a straight run over the top of an ellipse steps down
// diagonally reaches back a pixel along the run, not up the diagonal (as the platform drew it).
TEST(WideDashesAlongCurves, ASquareStartOnATurnReachesBackAlongTheSegmentBefore) {
  CurveCanvas canvas(99, 94);
  canvas.hollow_brush();
  const std::uint32_t dashes[4] = {3, 5, 3, 5};
  select_pen(canvas, pen_style::kEndCapSquare | pen_style::kJoinRound, 2, dashes);
  ASSERT_TRUE(ellipse(canvas.dc(), -2, 47, 87, 85));
  const std::vector<std::string> expected = {
      ".............", "......##...##", "...#####...##", "...#####.....", ".............",
  };
  EXPECT_EQ(pen_rows(canvas, 18, 46, 30, 50), expected) << canvas.picture(kPen);
}

// In a pattern of dots only too: the first dot of a segment, on the turn from the one before, is
// square to that one. The left side of this ellipse, three times as wide as its pen's world width
// and flipped, runs straight down through its middle rows and steps diagonally above and below:
// each dot there is three pixels across, square to the straight run (as the platform drew them).
TEST(WideDashesAlongCurves, ADotOfADottedPenOnATurnIsSquareToTheSegmentBefore) {
  CurveCanvas canvas(29, 58);
  canvas.hollow_brush();
  Transform flip;
  flip.m11 = 3.0f;
  flip.m22 = -2.0f;
  flip.dx = 14.0f;
  flip.dy = 29.0f;
  ASSERT_TRUE(set_world_transform(canvas.dc(), flip));
  select_pen(canvas, pen_style::kDot | pen_style::kEndCapSquare, 1);
  ASSERT_TRUE(ellipse(canvas.dc(), 0, -5, 34, 28));
  const std::vector<std::string> expected = {
      "......###......", "...............", "...............", "...............",
      "...............", ".....###.......", ".....###.......",
  };
  EXPECT_EQ(pen_rows(canvas, 8, 0, 22, 6), expected) << canvas.picture(kPen);
}

// A flat dash that starts exactly on a turn starts a pixel back along the segment before when that
// runs along an axis: where the bottom of a wide ellipse runs straight along a row and then steps
// diagonally up, a dash that starts on the step covers the row's last pixel too, across the whole
// pen (as the platform drew it).
TEST(WideDashesAlongCurves, AFlatDashStartingOnATurnStartsAPixelBackAlongTheSegmentBefore) {
  CurveCanvas canvas(40, 48);
  canvas.hollow_brush();
  select_pen(canvas, pen_style::kDashDot | pen_style::kEndCapFlat | pen_style::kJoinBevel, 3);
  ASSERT_TRUE(ellipse(canvas.dc(), -831, -2, 8, 18));
  const std::vector<std::string> expected = {
      "..........", "#######...", "#######...", "#########.",
      "#..######.", "#..#####..", "#..####...", "..........",
  };
  EXPECT_EQ(pen_rows(canvas, 0, 4, 9, 11), expected) << canvas.picture(kPen);
}

// Where the path goes straight on along a row, a flat dash that starts on one of its points starts
// a pixel back on its top edge alone. Over the top of this ellipse the path runs left along its
// rows; each dash there is a pixel longer on the pen's top row, at its start (right) end, whichever
// side of the middle it is on (as the platform drew them).
TEST(WideDashesAlongCurves, AFlatDashStartingStraightOnAlongARowStartsAPixelBackOnItsTopEdge) {
  CurveCanvas canvas(120, 125);
  canvas.hollow_brush();
  select_pen(canvas, pen_style::kDash | pen_style::kEndCapFlat | pen_style::kJoinMiter, 3);
  ASSERT_TRUE(ellipse(canvas.dc(), 13, 36, 92, 60));
  const std::vector<std::string> expected = {
      ".................................", "..#####..##########..#######.....",
      "######...#########...##########..", "######...#########...#########...",
      "#####....................#####...",
  };
  EXPECT_EQ(pen_rows(canvas, 38, 34, 70, 38), expected) << canvas.picture(kPen);
}

// A round dash that starts straight on along a row starts a pixel back on its top edge too (the
// pen's disc there covers that pixel when the dash runs left). Along the bottom of this flat
// ellipse the path runs right: the dash there reaches a pixel back on the row above the path, its
// dots do not (as the platform drew them).
TEST(WideDashesAlongCurves, ARoundDashStartingStraightOnAlongARowStartsAPixelBackOnItsTopEdge) {
  CurveCanvas canvas(32, 22);
  canvas.hollow_brush();
  select_pen(canvas, pen_style::kDashDotDot | pen_style::kJoinBevel, 3);
  ASSERT_TRUE(ellipse(canvas.dc(), -4, 16, 222, 20));
  const std::vector<std::string> expected = {
      "######.....#.....#.....#######..",
      "#######..##########...#########.",
      "######...#########...#########..",
      "....#.....#######.....#.....#...",
  };
  EXPECT_EQ(pen_rows(canvas, 0, 16, 31, 19), expected) << canvas.picture(kPen);
}

// A round dash that starts exactly where the path turns from a column onto a diagonal toward the
// right, or from a row onto one toward the top, starts its band a pixel back along the segment
// before and keeps its disc on its own point: the corner pixels behind the start that the disc
// leaves open are covered. Here the chord's arc turns from going down and from going right (as
// the platform drew it).
TEST(WideDashesAlongCurves, ARoundDashStartingOnATurnStartsItsBandAPixelBackAlongTheSegmentBefore) {
  CurveCanvas canvas(87, 85);
  canvas.hollow_brush();
  const std::uint32_t dashes[2] = {5, 7};
  select_pen(canvas, pen_style::kJoinBevel, 3, dashes);
  ASSERT_TRUE(chord(canvas.dc(), 51, 16, 15, -22, 1255, 55, 1255, 55));
  const std::vector<std::string> turning_from_a_column = {
      "...####...", "...#####..", "...######.", "....######", ".....####.",
  };
  EXPECT_EQ(pen_rows(canvas, 13, 5, 22, 9), turning_from_a_column) << canvas.picture(kPen);
  const std::vector<std::string> turning_from_a_row = {
      ".....####", "....#####", "...######", "...#####.", "...####..", ".........",
  };
  EXPECT_EQ(pen_rows(canvas, 37, 10, 45, 15), turning_from_a_row) << canvas.picture(kPen);
}

// The same where the segment before runs up or left: the band starts on the far edge of the pixel
// behind the point. A turn from a column toward the left keeps the disc alone (as the platform
// drew this chord, whose arc turns from going up toward the right and toward the left, and from
// going left toward the top).
TEST(WideDashesAlongCurves, ARoundDashStartingOnATurnTowardTheRightOrTopCoversThePixelBehind) {
  CurveCanvas canvas(79, 74);
  canvas.hollow_brush();
  const std::uint32_t dashes[1] = {4};
  select_pen(canvas, pen_style::kJoinBevel, 3, dashes);
  ASSERT_TRUE(chord(canvas.dc(), 20, 28, 58, 82, 74, 1237, 37, 46));
  const std::vector<std::string> up_toward_the_right = {
      "...###.", "...###.", "..####.", "..####.", "..####.", ".......",
  };
  EXPECT_EQ(pen_rows(canvas, 53, 58, 59, 63), up_toward_the_right) << canvas.picture(kPen);
  const std::vector<std::string> up_toward_the_left = {
      ".###...", ".####..", ".####..", ".####..", "...#...", ".......",
  };
  EXPECT_EQ(pen_rows(canvas, 53, 42, 59, 47), up_toward_the_left) << canvas.picture(kPen);
  const std::vector<std::string> left_toward_the_top = {
      "###....", "#####..", "#####..", "#####..", "..###..", ".......",
  };
  EXPECT_EQ(pen_rows(canvas, 42, 27, 48, 32), left_toward_the_top) << canvas.picture(kPen);
}

// A flat dash that starts exactly where the path turns from a row running left onto a diagonal
// toward the top covers the whole pixel behind its point across the pen's width, not just a
// point a pixel back (whose band, running left, would hold the point's own pixels). Here on the
// right of this ellipse, where its path turns from going left to going up (as the platform drew
// it).
TEST(WideDashesAlongCurves, AFlatDashStartingOnATurnTowardTheTopCoversThePixelBehind) {
  CurveCanvas canvas(120, 125);
  canvas.hollow_brush();
  select_pen(canvas, pen_style::kDash | pen_style::kEndCapFlat | pen_style::kJoinMiter, 3);
  ASSERT_TRUE(ellipse(canvas.dc(), 13, 36, 92, 60));
  const std::vector<std::string> expected = {
      "............", "###.........", "######......", "######......", "######.#####",
      "...###.#####", ".......#####", ".........###", "...........#",
  };
  EXPECT_EQ(pen_rows(canvas, 76, 36, 87, 44), expected) << canvas.picture(kPen);
}

// With a bevel or miter join, a dash that starts exactly where the path turns off a row or a
// column reaches from its edge a pixel back along the segment before to the next band's corner on
// the inner side of the turn, whatever its ends; a round join's disc does not (as the platform
// drew these curves, each turning from a row or column onto a diagonal).
TEST(WideDashesAlongCurves, ADashStartingOnATurnWithACorneredJoinReachesItsInnerCorner) {
  {
    // Round ends, from going left toward the bottom: below the pixel behind the point.
    CurveCanvas canvas(32, 22);
    canvas.hollow_brush();
    select_pen(canvas, pen_style::kDashDotDot | pen_style::kJoinBevel, 3);
    ASSERT_TRUE(ellipse(canvas.dc(), 3, -5, 224, 19));
    const std::vector<std::string> expected = {
        "........", "........", "..##....", "#####...", "#####...", "#####...", "###.....",
    };
    EXPECT_EQ(pen_rows(canvas, 4, 0, 11, 6), expected) << canvas.picture(kPen);
  }
  {
    // Flat ends, from going down toward the right: above the row behind the point.
    CurveCanvas canvas(40, 49);
    canvas.hollow_brush();
    select_pen(canvas, pen_style::kDashDot | pen_style::kEndCapFlat | pen_style::kJoinMiter, 6);
    ASSERT_TRUE(round_rect(canvas.dc(), 16, 21, 980, 50, 6, 28));
    const std::vector<std::string> expected = {
        ".........", "....#####", ".########", ".########", ".########",
    };
    EXPECT_EQ(pen_rows(canvas, 13, 44, 21, 48), expected) << canvas.picture(kPen);
  }
}

// A closed figure's last dash that starts exactly at the close starts on the turn there, as it
// would on any other turn of the path, coming from the last segment: with a miter join it reaches
// from a pixel back along that segment to the first band's inner corner. This small rounded box
// closes going up its left side and turns right along its top (as the platform drew it).
TEST(WideDashesAlongCurves, ALastDashStartingExactlyAtTheCloseStartsOnTheTurnThere) {
  CurveCanvas canvas(79, 81);
  canvas.hollow_brush();
  const std::uint32_t dashes[3] = {2, 6, 2};
  select_pen(canvas, pen_style::kEndCapSquare | pen_style::kJoinMiter, 5, dashes);
  ASSERT_TRUE(round_rect(canvas.dc(), 64, 29, 66, 31, 30, 17));
  const std::vector<std::string> expected = {
      "........", ".######.", ".######.", ".######.", ".######.", "..#####.", "........",
  };
  EXPECT_EQ(pen_rows(canvas, 61, 26, 68, 32), expected) << canvas.picture(kPen);
}

// A flat dash that starts on a turn and ends on the turn's own pixel, with no length in pixels
// past it, covers that pixel's row across the pen's outer half only, from the path out: the
// inner half and the inner corner stay open. This ellipse's path closes going up its right end
// and turns up toward the left there, where its last dash starts (as the platform drew it).
TEST(WideDashesAlongCurves, AFlatDashEndingOnItsTurnsPixelCoversTheOuterHalfThere) {
  CurveCanvas canvas(52, 70);
  canvas.hollow_brush();
  const std::uint32_t dashes[1] = {1};
  select_pen(canvas, pen_style::kEndCapFlat | pen_style::kJoinMiter, 3, dashes);
  ASSERT_TRUE(ellipse(canvas.dc(), -4, 28, 2, 34));
  const std::vector<std::string> expected = {
      "....", "##..", "#...", "..#.", ".##.", "....", "....", "#...", "##..", "....",
  };
  EXPECT_EQ(pen_rows(canvas, 0, 26, 3, 35), expected) << canvas.picture(kPen);
}

// A dash that runs on past a point of the path but ends before the next pixel there has the join
// at that point, as at any other: with a round join, the pen's disc, even where the path goes
// straight on. Near the end of this arc a dash running diagonally up toward the left ends in the
// next diagonal step; the disc on the step's first pixel rounds its end (as the platform drew it).
TEST(WideDashesAlongCurves, ARoundJoinedDashEndingJustPastAPointHasTheDiscThere) {
  CurveCanvas canvas(69, 68);
  canvas.hollow_brush();
  const std::uint32_t dashes[6] = {3, 2, 2, 8, 3, 8};
  select_pen(canvas, pen_style::kEndCapFlat | pen_style::kJoinRound, 3, dashes);
  ASSERT_TRUE(arc(canvas.dc(), -8, 4, 37, 224, 1575, 63, 14, 4));
  const std::vector<std::string> expected = {
      "..........", "..........", "....###...", "...#####..",
      "...######.", "....####..", ".....##...", "..........",
  };
  EXPECT_EQ(pen_rows(canvas, 14, 3, 23, 10), expected) << canvas.picture(kPen);
}

// Corners of two pixels or less make a rectangle of the box: its inside without the far edges
// showing between the dots, its dots where a rectangle's fall (no curve to follow).
TEST(RoundedBoxWithTinyCorners, IsDrawnAsTheRectangleOfItsBox) {
  for (const std::int32_t corner_height : {2, -2, 1}) {
    CurveCanvas rounded(60, 30);
    rounded.brush(0x0000FF);
    select_pen(rounded, pen_style::kDot | pen_style::kEndCapFlat, 6);
    ASSERT_TRUE(round_rect(rounded.dc(), -138, 9, 50, 21, 16, corner_height));
    CurveCanvas square(60, 30);
    square.brush(0x0000FF);
    select_pen(square, pen_style::kDot | pen_style::kEndCapFlat, 6);
    ASSERT_TRUE(rectangle(square.dc(), -138, 9, 50, 21));
    EXPECT_EQ(rounded.pixels_of(kPen), square.pixels_of(kPen)) << corner_height;
    EXPECT_EQ(rounded.pixels_of(0xFF0000), square.pixels_of(0xFF0000)) << corner_height;
  }
}

// A box too narrow for the corners asked is its rectangle as well, its outline from the corner
// named first: the dashes down one side fall between those up the other.
TEST(RoundedBoxWithTinyCorners, ABoxNarrowerThanItsCornersIsItsRectangle) {
  CurveCanvas rounded(32, 48);
  rounded.brush(0x0000FF);
  select_pen(rounded, pen_style::kDash, 2);
  ASSERT_TRUE(round_rect(rounded.dc(), 22, 45, 20, 2, 26, 16));
  CurveCanvas square(32, 48);
  square.brush(0x0000FF);
  select_pen(square, pen_style::kDash, 2);
  ASSERT_TRUE(rectangle(square.dc(), 22, 45, 20, 2));
  EXPECT_EQ(rounded.pixels_of(kPen), square.pixels_of(kPen)) << rounded.picture(kPen);
  EXPECT_EQ(rounded.pixels_of(0xFF0000), square.pixels_of(0xFF0000));
}

// Such a box given bottom to top runs its outline from the corner named first, as a rectangle
// does: its dashes fall along the other side.
TEST(RoundedBoxWithTinyCorners, RunsFromTheCornerTheCallNamesFirst) {
  const std::uint32_t dashes[] = {4, 3, 7, 3, 8};
  auto draw = [&](CurveCanvas& canvas, bool as_ellipse, std::int32_t top, std::int32_t bottom) {
    select_pen(canvas, pen_style::kJoinBevel, 3, dashes);
    canvas.hollow_brush();
    return as_ellipse ? ellipse(canvas.dc(), 4, top, 39, bottom)
                      : rectangle(canvas.dc(), 4, top, 39, bottom);
  };
  CurveCanvas upward(48, 16);
  CurveCanvas rectangle_upward(48, 16);
  CurveCanvas downward(48, 16);
  ASSERT_TRUE(draw(upward, true, 9, 8));
  ASSERT_TRUE(draw(rectangle_upward, false, 9, 8));
  ASSERT_TRUE(draw(downward, true, 8, 9));
  EXPECT_EQ(upward.pixels_of(kPen), rectangle_upward.pixels_of(kPen)) << upward.picture(kPen);
  EXPECT_NE(upward.pixels_of(kPen), downward.pixels_of(kPen)) << upward.picture(kPen);
}

// A corner as wide as a box of an even width has no straight top or bottom edge: the pen goes on
// up and down the two middle columns as it does around the ellipse of the corner itself.
TEST(RoundedBoxAsWideAsItsCorner, FollowsTheMiddleColumnsOfTheCornerEllipse) {
  constexpr std::uint32_t kSquareBevel = pen_style::kEndCapSquare | pen_style::kJoinBevel;
  constexpr std::int32_t kTop = 8;
  constexpr std::int32_t kBottom = 56;
  constexpr std::int32_t kCorner = 24;
  for (const std::int32_t width : {4, 6}) {
    for (const std::uint32_t pen : {4u, 6u}) {
      CurveCanvas rounded(30, 64);
      rounded.hollow_brush();
      select_pen(rounded, kSquareBevel, pen);
      ASSERT_TRUE(round_rect(rounded.dc(), 10, kTop, 10 + width, kBottom, 40, kCorner));
      CurveCanvas top(30, 64);
      top.hollow_brush();
      select_pen(top, kSquareBevel, pen);
      ASSERT_TRUE(ellipse(top.dc(), 10, kTop, 10 + width, kTop + kCorner));
      CurveCanvas bottom(30, 64);
      bottom.hollow_brush();
      select_pen(bottom, kSquareBevel, pen);
      ASSERT_TRUE(ellipse(bottom.dc(), 10, kBottom - kCorner, 10 + width, kBottom));
      // Rows above the top corner's centre and below the bottom one's.
      for (int y = 0; y < 64; ++y) {
        if (y >= kTop + kCorner / 2 - 1 && y <= kBottom - kCorner / 2) continue;
        const CurveCanvas& alone = y < kTop + kCorner / 2 ? top : bottom;
        std::string expected;
        std::string drawn;
        for (int x = 0; x < 30; ++x) {
          expected += alone.at(x, y) == kPen ? '#' : '.';
          drawn += rounded.at(x, y) == kPen ? '#' : '.';
        }
        EXPECT_EQ(drawn, expected) << width << " " << pen << " row " << y << "\n"
                                   << rounded.picture(kPen);
      }
    }
  }
}

}  // namespace
}  // namespace kanvo::surface
