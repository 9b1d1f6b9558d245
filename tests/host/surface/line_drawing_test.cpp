// Lines and polylines through the public calls: pens of every kind, dash patterns running on
// along a chain, background gaps, wide pens painting each pixel once, hostile coordinates.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "host/surface/surface.h"
#include "tests/host/surface/line_fixture.h"

namespace kanvo::surface {
namespace {

constexpr PixelWord kWhite = 0x00FFFFFFu;
constexpr PixelWord kBlue = 0x000000FFu;  // the colour reference 0xFF0000 as a pixel word

class LineDrawing : public testing::LineSurfaceTest<48, 32> {};

TEST_F(LineDrawing, ChainedLinesDrawEachCornerOnceAndLeaveOutTheEnd) {
  use_pen(create_pen(pen_style::kSolid, 1, 0xFFFFFF));
  set_rop2(dc_, rop2::kXorPen);
  move_to(dc_, 2, 2, nullptr);
  line_to(dc_, 10, 2);
  line_to(dc_, 10, 8);
  line_to(dc_, 2, 2);
  // A corner painted twice under XOR would come back black.
  EXPECT_EQ(at(10, 2), kWhite);
  EXPECT_EQ(at(10, 8), kWhite);
  EXPECT_EQ(at(2, 2), kWhite);  // painted by the first line only: the last one leaves it out
  Point position;
  ASSERT_TRUE(get_current_position(dc_, &position));
  EXPECT_EQ(position, (Point{2, 2}));
}

TEST_F(LineDrawing, SteepLinesPaintEachPixelOfTheirColumnsOnceUnderTheRasterOperation) {
  use_pen(create_pen(pen_style::kSolid, 1, 0xFFFFFF));
  set_rop2(dc_, rop2::kNop);
  line(5, 1, 7, 13);
  for (std::int32_t y = 0; y < 14; ++y) EXPECT_EQ(row(y, 4, 8, kWhite), "....") << y;
  set_rop2(dc_, rop2::kXorPen);
  line(5, 1, 7, 13);
  // x = 5 + 2 (y - 1) / 12 rounded, ties to the smaller x: columns of 4, 6 and 2 pixels.
  const std::vector<std::string> expected = {"....", ".#..", ".#..", ".#..", ".#..",
                                             "..#.", "..#.", "..#.", "..#.", "..#.",
                                             "..#.", "...#", "...#", "...."};
  for (std::int32_t y = 0; y < 14; ++y) EXPECT_EQ(row(y, 4, 8, kWhite), expected[y]) << y;
  line(5, 1, 7, 13);
  for (std::int32_t y = 0; y < 14; ++y) EXPECT_EQ(row(y, 4, 8, kWhite), "....") << y;
}

TEST_F(LineDrawing, CosmeticDashesStartAfreshWithEachLineToButRunOnAlongAPolyline) {
  use_pen(create_pen(pen_style::kDot, 1, 0xFFFFFF));  // 3 on, 3 off
  set_bk_mode(dc_, static_cast<int>(BackgroundMode::transparent));
  move_to(dc_, 0, 0, nullptr);
  line_to(dc_, 4, 0);   // pixels 0..3: on on on off
  line_to(dc_, 12, 0);  // afresh: 4..6 on, 7..9 off, 10 and 11 on
  EXPECT_EQ(row(0, 0, 13, kWhite), "###.###...##.");
  const Point corners[3] = {{0, 2}, {4, 2}, {12, 2}};
  ASSERT_TRUE(polyline(dc_, corners, 3));  // runs on: 4, 5 off, 6..8 on, 9..11 off
  EXPECT_EQ(row(2, 0, 13, kWhite), "###...###....");
}

TEST_F(LineDrawing, OpaqueGapsOfCosmeticPensTakeTheBackgroundColour) {
  use_pen(create_pen(pen_style::kDashDot, 1, 0xFFFFFF));  // 9 on, 6 off, 3 on, 6 off
  set_bk_color(dc_, 0xFF0000);
  line(0, 0, 30, 0);
  EXPECT_EQ(row(0, 0, 30, kWhite), std::string(9, '#') + "??????###??????" + std::string(6, '#'));
  EXPECT_EQ(at(9, 0), kBlue);
  // A geometric pen one pixel wide leaves its gaps alone.
  use_pen(geometric(pen_style::kDash, 1, 0xFFFFFF));  // 3 on, 1 off
  line(0, 2, 12, 2);
  EXPECT_EQ(row(2, 0, 13, kWhite), "###.###.###..");
}

TEST_F(LineDrawing, UserStylesWithAnOddCountExchangeDashesAndGapsOnTheSecondRound) {
  use_pen(geometric(pen_style::kUserStyle, 1, 0xFFFFFF, {4, 2, 1}));
  line(0, 0, 30, 0);
  EXPECT_EQ(row(0, 0, 30, kWhite), "####..#....##.####..#....##.##");
}

TEST_F(LineDrawing, WidePenCapsAndZeroLengthLines) {
  use_pen(geometric(pen_style::kSolid | pen_style::kEndCapFlat, 4, 0xFFFFFF));
  line(4, 4, 14, 4);
  EXPECT_EQ(row(2, 2, 16, kWhite), "..##########..");  // rows 2..5, columns 4..13
  EXPECT_EQ(row(5, 2, 16, kWhite), "..##########..");
  EXPECT_EQ(row(6, 2, 16, kWhite), "..............");
  use_pen(geometric(pen_style::kSolid | pen_style::kEndCapSquare, 4, 0xFFFFFF));
  line(4, 12, 14, 12);
  EXPECT_EQ(row(12, 0, 18, kWhite), "..##############..");  // two more at either end

  // Zero length: a dot for round ends, nothing for square or flat ones.
  const int before = count(kWhite);
  line(30, 20, 30, 20);
  use_pen(geometric(pen_style::kSolid | pen_style::kEndCapFlat, 4, 0xFFFFFF));
  line(30, 20, 30, 20);
  EXPECT_EQ(count(kWhite), before);
  use_pen(geometric(pen_style::kSolid, 5, 0xFFFFFF));
  line(30, 20, 30, 20);
  EXPECT_EQ(row(20, 26, 35, kWhite), "..#####..");
}

TEST_F(LineDrawing, WideDashesScaleWithTheWidthAndEachDashHasTheEnds) {
  // Width 3, round ends: dashes of 6 and gaps of 6 along the path; the ends add a pixel and a
  // half on either side, so 9 pixels show on the middle row and 3 stay open.
  use_pen(geometric(pen_style::kDash, 3, 0xFFFFFF));
  line(2, 4, 40, 4);
  EXPECT_EQ(row(4, 0, 23, kWhite), ".#########...#########.");
  EXPECT_EQ(row(3, 0, 23, kWhite), "..#######.....#######..");
  // User lengths with flat ends are taken as they are: 6 on, 3 off.
  use_pen(geometric(pen_style::kUserStyle | pen_style::kEndCapFlat, 3, 0xFFFFFF, {6, 3}));
  line(3, 12, 45, 12);
  EXPECT_EQ(row(12, 0, 22, kWhite), "...######...######...#");
  EXPECT_EQ(row(11, 0, 22, kWhite), row(12, 0, 22, kWhite));
  // A dash of no length at the end of a line with square ends is a square.
  use_pen(geometric(pen_style::kUserStyle | pen_style::kEndCapSquare, 4, 0xFFFFFF, {2, 6}));
  line(4, 22, 44, 22);
  EXPECT_EQ(row(22, 0, 48, kWhite), "..######..######..######..######..######..####..");
}

TEST_F(LineDrawing, WideBuiltInDashesWithFlatEndsShowThreeWidthsOnAndOneOff) {
  // Width 2, flat ends: dashes of 6 and gaps of 2, as the round ends' dashes of 4 show with the
  // half width they add on either side.
  use_pen(geometric(pen_style::kDash | pen_style::kEndCapFlat, 2, 0xFFFFFF));
  line(2, 4, 30, 4);
  EXPECT_EQ(row(4, 0, 32, kWhite), "..######..######..######..####..");
  EXPECT_EQ(row(3, 0, 32, kWhite), row(4, 0, 32, kWhite));
  // Dots and the dash-dot kind: one width on, one off; three on, then one off, one on, one off.
  use_pen(geometric(pen_style::kDot | pen_style::kEndCapFlat, 2, 0xFFFFFF));
  line(2, 10, 14, 10);
  EXPECT_EQ(row(10, 0, 16, kWhite), "..##..##..##....");
  use_pen(geometric(pen_style::kDashDot | pen_style::kEndCapFlat, 2, 0xFFFFFF));
  line(2, 16, 30, 16);
  EXPECT_EQ(row(16, 0, 32, kWhite), "..######..##..######..##..####..");
}

TEST_F(LineDrawing, WideSquareEndsAlongTheAxesRoundTheirHalfPixelTowardTheEndPoint) {
  // Width 5, square ends: the ends reach 2.5 past each end point, rounded to 2 along either
  // axis whichever way the line runs, so the band covers two pixels before its start point and
  // one after its end point (the far edge is left out).
  use_pen(geometric(pen_style::kSolid | pen_style::kEndCapSquare, 5, 0xFFFFFF));
  line(4, 10, 4, 20);
  line(12, 20, 12, 10);
  std::string down;
  std::string up;
  for (std::int32_t y = 6; y < 24; ++y) {
    down += at(4, y) == kWhite ? '#' : '.';
    up += at(12, y) == kWhite ? '#' : '.';
  }
  EXPECT_EQ(down, "..##############..");  // rows 8..21
  EXPECT_EQ(up, down);
  line(20, 28, 30, 28);
  EXPECT_EQ(row(28, 16, 34, kWhite), "..##############..");  // columns 18..31
  line(30, 30, 20, 30);
  EXPECT_EQ(row(30, 16, 34, kWhite), row(28, 16, 34, kWhite));
  // A dot of a square-ended pen is its square: five columns, four rows.
  use_pen(geometric(pen_style::kDot | pen_style::kEndCapSquare, 5, 0xFFFFFF));
  line(40, 12, 40, 0);
  EXPECT_EQ(row(9, 36, 44, kWhite), "........");
  EXPECT_EQ(row(10, 36, 44, kWhite), "..#####.");
  EXPECT_EQ(row(13, 36, 44, kWhite), "..#####.");
  EXPECT_EQ(row(14, 36, 44, kWhite), "........");
}

TEST_F(LineDrawing, WideDashEndsAtAWholeDistanceFallExactlyThere) {
  // A dash of 13 along a line of 23 ends 13 pixels on, not one short by rounding on the way.
  use_pen(geometric(pen_style::kUserStyle | pen_style::kEndCapFlat, 3, 0xFFFFFF, {13, 40}));
  line(4, 5, 27, 5);
  EXPECT_EQ(row(5, 0, 28, kWhite), "....#############...........");
}

TEST_F(LineDrawing, WideDashesStartAfreshWithEachLineTo) {
  // Dashes of 4 and gaps of 4 with flat ends: the first line ends two pixels into a gap, and the
  // second starts with a whole dash rather than the rest of that gap.
  use_pen(geometric(pen_style::kUserStyle | pen_style::kEndCapFlat, 2, 0xFFFFFF, {4, 4}));
  move_to(dc_, 2, 4, nullptr);
  ASSERT_TRUE(line_to(dc_, 8, 4));
  ASSERT_TRUE(line_to(dc_, 21, 4));
  EXPECT_EQ(row(4, 0, 24, kWhite), "..####..####....####....");
  EXPECT_EQ(row(3, 0, 24, kWhite), row(4, 0, 24, kWhite));
  EXPECT_EQ(row(5, 0, 24, kWhite), std::string(24, '.'));
}

TEST_F(LineDrawing, WideDotsShowOncePerSegmentStartingWithTheFirstPoint) {
  // Width 3, dots every 6 along the path: a straight line shows its first dot only, at its start.
  use_pen(geometric(pen_style::kDot, 3, 0xFFFFFF));
  line(2, 3, 45, 3);
  EXPECT_EQ(row(3, 0, 48, kWhite), ".###" + std::string(44, '.'));
  // Each further segment shows the first dot falling on it: the gap from (20,8) runs 2 past the
  // turn at (24,8), so the next dot is at (24,10); the dots at (24,14) and (24,20) stay hidden.
  fill(0);
  const Point bend[] = {{2, 8}, {24, 8}, {24, 30}};
  ASSERT_TRUE(polyline(dc_, bend, 3));
  EXPECT_EQ(row(8, 0, 28, kWhite), ".###" + std::string(24, '.'));
  std::string down;
  for (std::int32_t y = 6; y < 32; ++y) down += at(24, y) == kWhite ? '#' : '.';
  EXPECT_EQ(down, "...###" + std::string(20, '.'));
  // A dot on the turn itself counts for both segments: here the turn at (14,20) takes the dot at
  // 12 (hidden, as the second of the first segment) and hides those of the second.
  fill(0);
  const Point turn[] = {{2, 20}, {14, 20}, {14, 31}};
  ASSERT_TRUE(polyline(dc_, turn, 3));
  EXPECT_EQ(count(kWhite), 5);
  EXPECT_EQ(at(2, 20), kWhite);
}

TEST_F(LineDrawing, WideDashesTurnASharpCornerWithABevelCutCloseToTheTurn) {
  // Flat ends and a bevel join: the dash from 36 to 42 runs one pixel along the first segment
  // and five along the second. The bevel at so sharp a turn is cut so close to it that the
  // turn's own pixel stays open.
  use_pen(geometric(pen_style::kUserStyle | pen_style::kEndCapFlat | pen_style::kJoinBevel, 3,
                    0xFFFFFF, {6, 3}));
  const Point bend[] = {{3, 10}, {40, 10}, {20, 22}};
  ASSERT_TRUE(polyline(dc_, bend, 3));
  EXPECT_EQ(row(10, 36, 42, kWhite), ".###..");
  EXPECT_EQ(row(9, 36, 42, kWhite), "...#..");
}

TEST_F(LineDrawing, BevelsAtRightAnglesCutTheirCornerAboveTheTurnAPixelCloser) {
  use_pen(geometric(pen_style::kJoinBevel, 8, 0xFFFFFF));
  select_object(dc_, get_stock_object(StockObject::null_brush));
  ASSERT_TRUE(rectangle(dc_, 10, 8, 40, 22));
  // Top left: the bevel runs from 3 above the corner (10,8) to 4 left of it, not from 4 to 4.
  EXPECT_EQ(row(4, 6, 11, kWhite), "....#");
  EXPECT_EQ(row(5, 6, 11, kWhite), "....#");
  EXPECT_EQ(row(6, 6, 11, kWhite), "...##");
  EXPECT_EQ(row(7, 6, 11, kWhite), "..###");
  EXPECT_EQ(row(8, 6, 11, kWhite), "#####");
  // Bottom right: nothing of the bevel is above the turn (40,22); it runs from 4 right of it to
  // 4 below it.
  EXPECT_EQ(row(22, 36, 45, kWhite), "########.");
  EXPECT_EQ(row(23, 36, 45, kWhite), "#######..");
  EXPECT_EQ(row(24, 36, 45, kWhite), "######...");
  EXPECT_EQ(row(25, 36, 45, kWhite), "#####....");
}

TEST_F(LineDrawing, BevelsCompletingATurnBackThroughAOnePixelBandKeepTheWholeReachAbove) {
  // East, one pixel north, then back west, flat ends. The bevel at the second turn, (30,19), would
  // have its corner above the turn cut a pixel closer; completing the turn back it keeps the pen's
  // whole reach, half the width: (30,18) is covered at an odd width as at an even one, and no
  // more of that row.
  const Point back[] = {{10, 20}, {30, 20}, {30, 19}, {10, 19}};
  use_pen(geometric(pen_style::kEndCapFlat | pen_style::kJoinBevel, 3, 0xFFFFFF));
  ASSERT_TRUE(polyline(dc_, back, 4));
  EXPECT_EQ(row(17, 26, 34, kWhite), "........");
  EXPECT_EQ(row(18, 26, 34, kWhite), "#####...");
  fill(0);
  use_pen(geometric(pen_style::kEndCapFlat | pen_style::kJoinBevel, 4, 0xFFFFFF));
  ASSERT_TRUE(polyline(dc_, back, 4));
  EXPECT_EQ(row(17, 26, 34, kWhite), "####....");
  EXPECT_EQ(row(18, 26, 34, kWhite), "#####...");
}

TEST_F(LineDrawing, BevelsAtRightAnglesOfOddWidthsCutBetweenPixels) {
  select_object(dc_, get_stock_object(StockObject::null_brush));
  // Width 5, top right corner (40,8): the cut runs from half a pixel below the band's edge
  // above the turn, (40,7.5), to the band's edge on the right, (43,8): of the column above the
  // turn it takes only (40,7), and nothing right of it.
  use_pen(geometric(pen_style::kJoinBevel, 5, 0xFFFFFF));
  ASSERT_TRUE(rectangle(dc_, 10, 8, 40, 22));
  EXPECT_EQ(row(5, 37, 45, kWhite), "........");
  EXPECT_EQ(row(6, 37, 45, kWhite), "###.....");
  EXPECT_EQ(row(7, 37, 45, kWhite), "####....");
  EXPECT_EQ(row(8, 37, 45, kWhite), "######..");
  // Width 11, top right corner (30,14): from (30,9.5) to (36,14), a slope of four pixels across
  // for three down, so the rows above the turn end at 30, 31, 33 and 34.
  fill(0);
  use_pen(geometric(pen_style::kJoinBevel, 11, 0xFFFFFF));
  ASSERT_TRUE(rectangle(dc_, 4, 14, 30, 28));
  EXPECT_EQ(row(9, 28, 37, kWhite), "##.......");
  EXPECT_EQ(row(10, 28, 37, kWhite), "###......");
  EXPECT_EQ(row(11, 28, 37, kWhite), "####.....");
  EXPECT_EQ(row(12, 28, 37, kWhite), "######...");
  EXPECT_EQ(row(13, 28, 37, kWhite), "#######..");
  EXPECT_EQ(row(14, 28, 37, kWhite), "########.");
}

TEST_F(LineDrawing, BevelsOffABandAlongARowTakeTheirCornerOnItsSideExactly) {
  // Width 11, flat ends. West along row 20, then up the diagonal to the left: the bevel below the
  // turn (20,20) runs from (20,25.5), half the width exactly, to the diagonal band's corner
  // (16,24). The rounded corner (20,26) would put the centre of (18,25) on the bevel's edge.
  use_pen(geometric(pen_style::kEndCapFlat | pen_style::kJoinBevel, 11, 0xFFFFFF));
  const Point west_then_up[] = {{30, 20}, {20, 20}, {10, 10}};
  ASSERT_TRUE(polyline(dc_, west_then_up, 3));
  EXPECT_EQ(row(24, 15, 22, kWhite), ".######");
  EXPECT_EQ(row(25, 15, 22, kWhite), "....###");
  EXPECT_EQ(row(26, 15, 22, kWhite), ".......");
  // The same turn the other way round, down the diagonal onto the row: the bevel keeps the
  // band's rounded corner after the turn, and (18,25) with it.
  fill(0);
  const Point down_then_east[] = {{10, 10}, {20, 20}, {30, 20}};
  ASSERT_TRUE(polyline(dc_, down_then_east, 3));
  EXPECT_EQ(row(24, 15, 22, kWhite), ".######");
  EXPECT_EQ(row(25, 15, 22, kWhite), "...####");
  EXPECT_EQ(row(26, 15, 22, kWhite), ".......");
}

TEST_F(LineDrawing, AFlatStartAPixelBeforeATurnReachesTheInnerCornerFromItsOwnEdge) {
  // Width 8, flat ends, a miter: one pixel west along row 10, then up. The reach across to the
  // inner corner (24,10) of the band up starts from the start edge x = 21, not from the turn
  // (20,10): the pixels on the line from (21,14) to (24,10) are covered.
  use_pen(geometric(pen_style::kEndCapFlat | pen_style::kJoinMiter, 8, 0xFFFFFF));
  const Point west_then_up[] = {{21, 10}, {20, 10}, {20, 0}};
  ASSERT_TRUE(polyline(dc_, west_then_up, 3));
  EXPECT_EQ(row(11, 14, 26, kWhite), "..########..");
  EXPECT_EQ(row(12, 14, 26, kWhite), "..#######...");
  EXPECT_EQ(row(13, 14, 26, kWhite), "..######....");
  EXPECT_EQ(row(14, 14, 26, kWhite), "............");
}

TEST_F(LineDrawing, BevelsWhereThePathTurnsBackWithinAPixelLeaveTheTurnOpen) {
  // Width 2 from (29,15) to (22,16) and back out to (38,8): the first band ends on the edge from
  // (22,15) to (23,17) and the second starts on the same edge the other way round, so the bevel
  // has nothing to cut off and the turn's own pixel (22,16) stays open.
  use_pen(geometric(pen_style::kJoinBevel | pen_style::kEndCapFlat, 2, 0xFFFFFF));
  const Point back[] = {{29, 15}, {22, 16}, {38, 8}};
  ASSERT_TRUE(polyline(dc_, back, 3));
  EXPECT_EQ(row(15, 20, 31, kWhite), "..########.");
  EXPECT_EQ(row(16, 20, 31, kWhite), "...#######.");
  EXPECT_EQ(row(17, 20, 31, kWhite), "...........");
}

TEST_F(LineDrawing, MitersWhoseTipLiesBeyondTenHalfWidthsFromTheTurnBecomeBevels) {
  // Width 3 turning back at (30,16) by all but 13 degrees: the outer edges through the bands'
  // rounded corners (31,14) and (31,18) cross at (48.5,14), 18.6 from the turn, past the limit of
  // 15 (the angle alone puts the tip 13.4 away), so the join is a bevel and nothing reaches past
  // the turn's column.
  use_pen(geometric(pen_style::kJoinMiter | pen_style::kEndCapFlat, 3, 0xFFFFFF));
  const Point back[] = {{-13360, 1}, {30, 16}, {-14, 26}};
  ASSERT_TRUE(polyline(dc_, back, 3));
  EXPECT_EQ(row(14, 28, 48, kWhite), "###.................");
  EXPECT_EQ(row(15, 28, 48, kWhite), "###.................");
  EXPECT_EQ(row(16, 28, 48, kWhite), "###.................");
  // Turning back less, the edges cross at (39.8,14), 10 from the turn: the miter reaches out to
  // its tip (40,14).
  fill(0);
  const Point less[] = {{-13360, 1}, {30, 16}, {-14, 36}};
  ASSERT_TRUE(polyline(dc_, less, 3));
  EXPECT_EQ(row(14, 28, 48, kWhite), "############........");
}

TEST_F(LineDrawing, JoinsNextToAShortEndBandReachOutToTheInnerCornerBefore) {
  // Width 4: right, a diagonal step up at (15,12), and one pixel right from (16,11) to the end.
  // The last band stops at column 17, short of the diagonal band's inner corner (18,13); the
  // join spans from the last band's start edge out to that corner and so takes (17,12), on the
  // diagonal band's edge.
  use_pen(geometric(pen_style::kJoinMiter | pen_style::kEndCapFlat, 4, 0xFFFFFF));
  const Point ending[] = {{13, 12}, {15, 12}, {16, 11}, {17, 11}};
  ASSERT_TRUE(polyline(dc_, ending, 4));
  EXPECT_EQ(row(11, 12, 19, kWhite), ".####..");
  EXPECT_EQ(row(12, 12, 19, kWhite), ".#####.");
  // The same where the path starts one pixel before the turn: (44,22).
  fill(0);
  const Point starting[] = {{44, 21}, {43, 21}, {42, 22}, {40, 22}};
  ASSERT_TRUE(polyline(dc_, starting, 4));
  EXPECT_EQ(row(22, 39, 46, kWhite), ".#####.");
  // And with a bevel at a sharp turn: one pixel left, then steeply down to the right; the join
  // takes (30,20) above the start.
  fill(0);
  use_pen(geometric(pen_style::kJoinBevel | pen_style::kEndCapFlat, 3, 0xFFFFFF));
  const Point steep[] = {{30, 21}, {29, 21}, {33, 31}};
  ASSERT_TRUE(polyline(dc_, steep, 3));
  EXPECT_EQ(row(20, 28, 32, kWhite), ".##.");
}

TEST_F(LineDrawing, JoinsAfterABandDownAColumnLeaveItsLeftCornerOpenWhereTheyLeanRight) {
  // Width 6 down column 10 to (10,20), then diagonally down to the right: the band ends above row
  // 20, and the bevel from its left corner (7,20) leans right to (8,22), so (7,20) stays open.
  use_pen(geometric(pen_style::kJoinBevel | pen_style::kEndCapFlat, 6, 0xFFFFFF));
  const Point leaning[] = {{10, 10}, {10, 20}, {20, 30}};
  ASSERT_TRUE(polyline(dc_, leaning, 3));
  EXPECT_EQ(row(19, 5, 13, kWhite), "..######");
  EXPECT_EQ(row(20, 5, 13, kWhite), "...#####");
  // Width 3: the bevel from the corner (29,20) goes straight down to (29,21) and keeps it.
  use_pen(geometric(pen_style::kJoinBevel | pen_style::kEndCapFlat, 3, 0xFFFFFF));
  const Point straight_down[] = {{30, 10}, {30, 20}, {40, 30}};
  ASSERT_TRUE(polyline(dc_, straight_down, 3));
  EXPECT_EQ(row(20, 27, 35, kWhite), "..#####.");
  // A miter at a slight turn: the sliver from the corner (7,20) to the next band's outer corner
  // (13,21) leans right, and only that pixel of the column is open.
  fill(0);
  use_pen(geometric(pen_style::kJoinMiter | pen_style::kEndCapFlat, 6, 0xFFFFFF));
  const Point slight[] = {{10, 10}, {10, 20}, {9, 31}};
  ASSERT_TRUE(polyline(dc_, slight, 3));
  EXPECT_EQ(row(19, 5, 13, kWhite), "..######");
  EXPECT_EQ(row(20, 5, 13, kWhite), "...#####");
  EXPECT_EQ(row(21, 5, 13, kWhite), "..######");
}

TEST_F(LineDrawing, WideDashesRunOnThroughTurnsWhateverTheJoin) {
  // A dash of 30 from (4,20): 16 along the first segment, 14 up the second. With a miter join
  // it turns the corner whole, the outer corner (columns 20..21, rows 20..21) filled.
  use_pen(geometric(pen_style::kUserStyle | pen_style::kEndCapFlat | pen_style::kJoinMiter, 4,
                    0xFFFFFF, {30, 10}));
  const Point bend[] = {{4, 20}, {20, 20}, {20, 4}};
  ASSERT_TRUE(polyline(dc_, bend, 3));
  EXPECT_EQ(row(21, 2, 24, kWhite), "..##################..");
  EXPECT_EQ(row(6, 16, 24, kWhite), "..####..");
  EXPECT_EQ(row(5, 16, 24, kWhite), "........");
  // With a bevel join it turns the corner too, the outer corner cut on the diagonal.
  fill(0);
  use_pen(geometric(pen_style::kUserStyle | pen_style::kEndCapFlat | pen_style::kJoinBevel, 4,
                    0xFFFFFF, {30, 10}));
  ASSERT_TRUE(polyline(dc_, bend, 3));
  EXPECT_EQ(row(21, 2, 24, kWhite), "..#################...");
  EXPECT_EQ(row(6, 16, 24, kWhite), "..####..");
}

TEST_F(LineDrawing, WideDashesCarryOnlyTheWholeUnitsOfASegmentIntoTheNext) {
  // 2 on, 4 off. The first segment is 5.83 long: the second takes the pattern up at 5, not at
  // 5.83, so its first dash runs from 1 to 3 along it (columns 14 and 15), the next from 7 to 9.
  use_pen(geometric(pen_style::kUserStyle | pen_style::kEndCapFlat, 3, 0xFFFFFF, {2, 4}));
  const Point bend[] = {{10, 4}, {13, 9}, {40, 9}};
  ASSERT_TRUE(polyline(dc_, bend, 3));
  EXPECT_EQ(row(10, 12, 28, kWhite), "..##....##....##");
}

TEST_F(LineDrawing, WideDashesStartingExactlyAtATurnHaveItsJoin) {
  // Flat ends, round joins; the first segment is 16 long. With 8 on, 8 off the second dash
  // starts at the turn (20,20) and has the round join there: the lower half of the pen's disc.
  use_pen(geometric(pen_style::kUserStyle | pen_style::kEndCapFlat, 4, 0xFFFFFF, {8, 8}));
  const Point bend[] = {{4, 20}, {20, 20}, {20, 4}};
  ASSERT_TRUE(polyline(dc_, bend, 3));
  EXPECT_EQ(row(20, 16, 24, kWhite), "..####..");
  EXPECT_EQ(row(21, 16, 24, kWhite), "...##...");
  // With 16 on, 8 off the first dash ends at the turn: a flat end and no join.
  fill(0);
  use_pen(geometric(pen_style::kUserStyle | pen_style::kEndCapFlat, 4, 0xFFFFFF, {16, 8}));
  ASSERT_TRUE(polyline(dc_, bend, 3));
  EXPECT_EQ(row(20, 16, 24, kWhite), "####....");
  EXPECT_EQ(row(21, 16, 24, kWhite), "####....");
}

TEST_F(LineDrawing, FlatWideDashesStartingOnASharpTurnDoNotReachBack) {
  // Flat ends, bevel joins, three wide; the first segment runs left along row 10 for 10. With
  // 4 on, 6 off the second dash starts exactly at the turn (10,10), which is sharper than a right
  // angle: it starts on the turn itself, not a pixel back along the row, so (10,9) stays open.
  const std::uint32_t style =
      pen_style::kUserStyle | pen_style::kEndCapFlat | pen_style::kJoinBevel;
  use_pen(geometric(style, 3, 0xFFFFFF, {4, 6}));
  const Point bend[] = {{20, 10}, {10, 10}, {14, 20}};
  ASSERT_TRUE(polyline(dc_, bend, 3));
  EXPECT_EQ(row(9, 6, 16, kWhite), ".....#....");
  EXPECT_EQ(row(10, 6, 16, kWhite), "....###...");
}

TEST_F(LineDrawing, FlatWideDashesStartingOnARightAngleDoNotReachBack) {
  // Flat ends, bevel joins, three wide; the first segment runs right along row 4 for 8. With
  // 4 on, 4 off the second dash starts exactly at the right-angled turn (12,4) and runs down: it
  // starts on the turn itself, so the pixel a row back above the turn's column, (11,3), stays
  // open (the band going down covers the pixels beside it below).
  const std::uint32_t style =
      pen_style::kUserStyle | pen_style::kEndCapFlat | pen_style::kJoinBevel;
  use_pen(geometric(style, 3, 0xFFFFFF, {4, 4}));
  const Point bend[] = {{4, 4}, {12, 4}, {12, 20}};
  ASSERT_TRUE(polyline(dc_, bend, 3));
  EXPECT_EQ(row(3, 8, 15, kWhite), ".......");
  EXPECT_EQ(row(4, 8, 15, kWhite), "...###.");
}

TEST_F(LineDrawing, WideDashesDrawnInTheFractionCountedAgainAreNotDrawnTwice) {
  // 2 on, 3 off, a dot, 11 off, round ends, three wide. The first segment is 5.83 long: its dot
  // at 5 lies in the fraction that the second segment counts again from 5. It is drawn once, on
  // the first segment at (12,8), not again at the turn (13,9).
  use_pen(geometric(pen_style::kUserStyle | pen_style::kEndCapRound, 3, 0xFFFFFF, {2, 3, 0, 11}));
  const Point bend[] = {{10, 4}, {13, 9}, {40, 9}};
  ASSERT_TRUE(polyline(dc_, bend, 3));
  EXPECT_EQ(row(7, 10, 16, kWhite), "..#...");
  EXPECT_EQ(row(8, 10, 16, kWhite), ".###..");
  EXPECT_EQ(row(9, 10, 16, kWhite), "..#...");
  EXPECT_EQ(row(10, 10, 16, kWhite), "......");
}

TEST_F(LineDrawing, WideDashesRunningOnPastTheCloseJoinTheFirstDash) {
  // A square of 64 round, round ends, bevel joins, two wide. With 10 on, 5 off the last dash
  // (60 to 70) runs on past the close: it and the first dash are one dash through (4,4), with
  // the bevel there and no round end poking out at (3,3).
  const Point square[] = {{4, 4}, {20, 4}, {20, 20}, {4, 20}};
  const std::uint32_t style =
      pen_style::kUserStyle | pen_style::kEndCapRound | pen_style::kJoinBevel;
  use_pen(geometric(style, 2, 0xFFFFFF, {10, 5}));
  ASSERT_TRUE(polygon(dc_, square, 4));
  EXPECT_EQ(row(3, 2, 8, kWhite), "..####");
  EXPECT_EQ(row(4, 2, 8, kWhite), ".#####");
  // With 10 on, 6 off the figure closes in a gap: the first dash has its round end.
  fill(0);
  use_pen(geometric(style, 2, 0xFFFFFF, {10, 6}));
  ASSERT_TRUE(polygon(dc_, square, 4));
  EXPECT_EQ(row(3, 2, 8, kWhite), ".#####");
  // A last dash that ends exactly at the close (48 to 56 of a figure of 56) keeps its ends.
  fill(0);
  use_pen(geometric(style, 2, 0xFFFFFF, {8, 4}));
  const Point oblong[] = {{4, 4}, {20, 4}, {20, 16}, {4, 16}};
  ASSERT_TRUE(polygon(dc_, oblong, 4));
  EXPECT_EQ(row(3, 2, 8, kWhite), ".#####");
}

TEST_F(LineDrawing, WideDashesStartingExactlyAtTheCloseJoinTheFirstDash) {
  // A square of 64 round, flat ends, miter joins, three wide. With 4 on, 4 off the last dash
  // starts exactly at the close (64) and runs on past it: it and the first dash are one dash
  // through (4,4), with the miter there filling the corner at (3,3).
  const Point square[] = {{4, 4}, {20, 4}, {20, 20}, {4, 20}};
  const std::uint32_t style =
      pen_style::kUserStyle | pen_style::kEndCapFlat | pen_style::kJoinMiter;
  use_pen(geometric(style, 3, 0xFFFFFF, {4, 4}));
  ASSERT_TRUE(polygon(dc_, square, 4));
  EXPECT_EQ(row(3, 1, 8, kWhite), "..#####");
  EXPECT_EQ(row(4, 1, 8, kWhite), "...####");
}

TEST_F(LineDrawing, WideDashesCoveringAWholeClosedFigureKeepTheirEnds) {
  // One dash of 70 on the square of 64 starts and ends at (4,4): joined to itself it would have
  // the bevel there, yet it keeps its round ends, one poking out at (3,3).
  const Point square[] = {{4, 4}, {20, 4}, {20, 20}, {4, 20}};
  const std::uint32_t style =
      pen_style::kUserStyle | pen_style::kEndCapRound | pen_style::kJoinBevel;
  use_pen(geometric(style, 2, 0xFFFFFF, {70, 5}));
  ASSERT_TRUE(polygon(dc_, square, 4));
  EXPECT_EQ(row(3, 2, 8, kWhite), ".#####");
  EXPECT_EQ(row(4, 2, 8, kWhite), ".#####");
}

TEST_F(LineDrawing, WideDashesOverASegmentOfNoLengthHaveTheRoundJoinThere) {
  // A box of no width runs from (10,4) along a top of no length, down and back. The first dash
  // starts on that top: with round joins it has the pen's disc there (rows 3 and 4, columns 9
  // and 10), its flat end notwithstanding.
  use_pen(geometric(pen_style::kUserStyle | pen_style::kEndCapFlat, 2, 0xFFFFFF, {6, 100}));
  ASSERT_TRUE(rectangle(dc_, 10, 4, 10, 20));
  EXPECT_EQ(row(3, 8, 12, kWhite), ".##.");
  EXPECT_EQ(row(4, 8, 12, kWhite), ".##.");
  // With miter joins the turn there goes straight on: nothing above the flat end.
  fill(0);
  use_pen(geometric(pen_style::kUserStyle | pen_style::kEndCapFlat | pen_style::kJoinMiter, 2,
                    0xFFFFFF, {6, 100}));
  ASSERT_TRUE(rectangle(dc_, 10, 4, 10, 20));
  EXPECT_EQ(row(3, 8, 12, kWhite), "....");
  EXPECT_EQ(row(4, 8, 12, kWhite), ".##.");
}

TEST_F(LineDrawing, WideDashesThatStopJustPastATurnStillHaveItsJoin) {
  // The dash of 17 runs 16 along the first segment and 1 up the diagonal, not far enough to
  // reach its next pixel: it still turns the corner, with the round join at (20,20).
  use_pen(geometric(pen_style::kUserStyle | pen_style::kEndCapFlat, 4, 0xFFFFFF, {17, 20}));
  const Point bend[] = {{4, 20}, {20, 20}, {30, 10}};
  ASSERT_TRUE(polyline(dc_, bend, 3));
  EXPECT_EQ(row(18, 16, 24, kWhite), "#####...");
  EXPECT_EQ(row(19, 16, 24, kWhite), "######..");
  EXPECT_EQ(row(21, 16, 24, kWhite), "#####...");
}

TEST_F(LineDrawing, FlatDashesEndingOnATurnReachToTheInnerCornerBeforeItButNotOnTheTurn) {
  // Width 8, a dash of 17 from (4,20): 16 along the row and 1 into the slope up to (30,14),
  // short of its next pixel. The dash has no length on the slope, yet its join spans from where
  // that band would start, (18,17) to (23,24), out to the first band's inner corner (20,16).
  use_pen(geometric(pen_style::kUserStyle | pen_style::kEndCapFlat | pen_style::kJoinMiter, 8,
                    0xFFFFFF, {17, 20}));
  const Point slope[] = {{4, 20}, {20, 20}, {30, 14}};
  ASSERT_TRUE(polyline(dc_, slope, 3));
  EXPECT_EQ(row(17, 16, 24, kWhite), "#####...");
  EXPECT_EQ(row(19, 16, 24, kWhite), "######..");
  EXPECT_EQ(row(22, 16, 24, kWhite), "#######.");
  // Width 3 up a diagonal: what the join spans lies on the edge where the band would start, and
  // the turn's own pixel (20,20) stays open.
  fill(0);
  use_pen(geometric(pen_style::kUserStyle | pen_style::kEndCapFlat | pen_style::kJoinMiter, 3,
                    0xFFFFFF, {17, 20}));
  const Point diagonal[] = {{4, 20}, {20, 20}, {30, 10}};
  ASSERT_TRUE(polyline(dc_, diagonal, 3));
  EXPECT_EQ(row(20, 16, 24, kWhite), "####....");
  EXPECT_EQ(row(21, 16, 24, kWhite), "#####...");
}

TEST_F(LineDrawing, WideDashesInTheFractionCountedAgainRunThroughTheTurnAsOne) {
  // The first segment is 16.03 long and hands on 16: the dash from 16 to 18 starts in its last
  // fraction and is the same dash on the second segment, through the round join at (20,21),
  // with no square end at the turn poking out to the right.
  use_pen(geometric(pen_style::kUserStyle | pen_style::kEndCapSquare, 3, 0xFFFFFF, {2, 14}));
  const Point bend[] = {{4, 20}, {20, 21}, {20, 4}};
  ASSERT_TRUE(polyline(dc_, bend, 3));
  EXPECT_EQ(at(20, 21), kWhite);
  EXPECT_EQ(at(21, 21), kWhite);
  for (std::int32_t y = 18; y <= 23; ++y) EXPECT_EQ(at(22, y), 0u) << y;
}

TEST_F(LineDrawing, WideDashEndsShortOfThePixelPastATurnFaceAlongTheNewSegment) {
  // The dash from 0 to 17 runs 1 unit into the diagonal second segment, short of its next pixel:
  // it turns there (the bevel) and its square end faces down the diagonal, reaching right and
  // below the turn. An end facing along the first segment would stop level with rows 8 to 12.
  use_pen(geometric(pen_style::kUserStyle | pen_style::kEndCapSquare | pen_style::kJoinBevel, 5,
                    0xFFFFFF, {17, 30}));
  const Point bend[] = {{4, 10}, {20, 10}, {30, 20}};
  ASSERT_TRUE(polyline(dc_, bend, 3));
  const std::vector<std::string> expected = {"##########....", "#########.....", "########......",
                                             ".....##.......", ".............."};
  for (std::int32_t y = 10; y <= 14; ++y) {
    EXPECT_EQ(row(y, 14, 28, kWhite), expected[y - 10]) << y;
  }
  EXPECT_EQ(row(8, 14, 28, kWhite), "########......");
}

TEST_F(LineDrawing, WideDashesMeasureDiagonalStepsByTheirLength) {
  // A staircase of diagonal steps, as along a curve's outline. Each step is 1.41 long and hands
  // on one unit: a dash of 6 ends 0.41 short of the step it reaches, on that step's start, so it
  // covers five steps, not six; the next, from 12 to 18, starts and ends a step early as well.
  const std::uint32_t style = pen_style::kEndCapFlat | pen_style::kJoinBevel;
  std::vector<Point> stairs;
  for (std::int32_t i = 0; i <= 22; ++i) stairs.push_back({4 + i, 4 + i});
  use_pen(geometric(pen_style::kUserStyle | style, 3, 0xFFFFFF, {6, 6}));
  ASSERT_TRUE(polyline(dc_, stairs.data(), static_cast<std::int32_t>(stairs.size())));
  auto picture = [this] { return std::vector<PixelWord>(pixels_, pixels_ + kWidth * kHeight); };
  const std::vector<PixelWord> dashed = picture();
  // The same pixels as solid pieces over steps 0 to 5 and 11 to 17.
  fill(0);
  use_pen(geometric(style, 3, 0xFFFFFF));
  ASSERT_TRUE(polyline(dc_, stairs.data(), 6));
  ASSERT_TRUE(polyline(dc_, stairs.data() + 11, 7));
  EXPECT_EQ(dashed, picture());
}

TEST_F(LineDrawing, WidePolylinesPaintEachPixelOnceUnderXor) {
  use_pen(geometric(pen_style::kSolid | pen_style::kJoinMiter, 5, 0xFFFFFF));
  set_rop2(dc_, rop2::kXorPen);
  const Point zigzag[] = {{3, 3}, {28, 28}, {28, 3}, {3, 28}, {40, 10}};
  ASSERT_TRUE(polyline(dc_, zigzag, 5));
  // Nothing painted twice: every touched pixel is white, none came back to black inside the
  // crossing of the first and third segments.
  EXPECT_EQ(count(kWhite) + count(0), kWidth * kHeight);
  EXPECT_EQ(at(15, 15), kWhite);
  EXPECT_EQ(at(16, 16), kWhite);
}

TEST_F(LineDrawing, WideClosedOutlinesLeaveNoHoleNearTheirPath) {
  // Whatever the join and whichever way the figure turns, every pixel beside a segment (not
  // beyond either end, where the join decides) closer to it than half the width less a pixel is
  // covered: the pieces of the stroke never cancel each other.
  const Point turns[2][4] = {{{6, 6}, {40, 10}, {24, 28}, {16, 20}},
                             {{6, 6}, {16, 20}, {24, 28}, {40, 10}}};
  for (std::uint32_t join : {pen_style::kJoinMiter, pen_style::kJoinBevel, pen_style::kJoinRound}) {
    for (const auto& figure : turns) {
      fill(0);
      use_pen(geometric(join, 5, 0xFFFFFF));
      ASSERT_TRUE(polygon(dc_, figure, 4));
      for (std::int32_t y = 0; y < kHeight; ++y) {
        for (std::int32_t x = 0; x < kWidth; ++x) {
          bool beside = false;
          for (int i = 0; i < 4; ++i) {
            const Point a = figure[i];
            const Point b = figure[(i + 1) % 4];
            const double dx = b.x - a.x;
            const double dy = b.y - a.y;
            const double t = ((x - a.x) * dx + (y - a.y) * dy) / (dx * dx + dy * dy);
            beside = beside ||
                     (t >= 0 && t <= 1 && std::hypot(a.x + t * dx - x, a.y + t * dy - y) < 1.5);
          }
          if (beside) {
            EXPECT_EQ(at(x, y), kWhite) << "join " << join << " at " << x << "," << y;
          }
        }
      }
    }
  }
}

TEST_F(LineDrawing, ShapeOutlinesOfWidePensAreNotPaintedOverByTheInside) {
  // Pen and brush in different bits: a pixel painted by both under XOR shows both.
  use_pen(geometric(pen_style::kSolid, 5, 0x0000FF));       // pixel word 0xFF0000
  const ObjectHandle brush = create_solid_brush(0x00FF00);  // pixel word 0x00FF00
  const ObjectHandle old_brush = select_object(dc_, brush);
  set_rop2(dc_, rop2::kXorPen);
  ASSERT_TRUE(rectangle(dc_, 6, 6, 25, 20));
  EXPECT_EQ(count(0x00FFFF00u), 0);
  EXPECT_EQ(at(6, 6), 0x00FF0000u);   // the pen's corner
  EXPECT_EQ(at(8, 12), 0x00FF0000u);  // its band reaches 2 pixels inside
  EXPECT_EQ(at(9, 12), 0x0000FF00u);  // then the brush
  EXPECT_EQ(at(27, 12), 0x00FF0000u);
  EXPECT_EQ(at(28, 12), 0u);
  select_object(dc_, old_brush);
  delete_object(brush);
}

TEST_F(LineDrawing, CosmeticDashesRunOnAroundARectangle) {
  use_pen(create_pen(pen_style::kDot, 1, 0xFFFFFF));  // 3 on, 3 off
  set_bk_mode(dc_, static_cast<int>(BackgroundMode::transparent));
  const ObjectHandle old_brush = select_object(dc_, get_stock_object(StockObject::null_brush));
  ASSERT_TRUE(rectangle(dc_, 2, 2, 6, 10));
  select_object(dc_, old_brush);
  // Along the top from (2,2): on on on off; down the right side from (6,2): off off, on on on,
  // off.
  EXPECT_EQ(row(2, 2, 7, kWhite), "###..");
  std::string right;
  for (std::int32_t y = 2; y <= 7; ++y) right += at(6, y) == kWhite ? '#' : '.';
  EXPECT_EQ(right, "..###.");
}

TEST_F(LineDrawing, WorldTransformsScaleGeometricAndPlainPensButNotCosmeticOnes) {
  Transform twice;
  twice.m11 = twice.m22 = 2.0f;
  ASSERT_TRUE(set_world_transform(dc_, twice));
  use_pen(create_pen(pen_style::kSolid, 0, 0xFFFFFF));  // width 0: one pixel at any scale
  line(1, 1, 20, 1);
  EXPECT_EQ(row(2, 0, 6, kWhite), "..####");
  EXPECT_EQ(row(3, 0, 6, kWhite), "......");
  use_pen(create_pen(pen_style::kDash, 1, 0xFFFFFF));  // width 1 in world units: two pixels,
  line(1, 5, 20, 5);                                   // solid like any wide plain pen
  EXPECT_EQ(row(9, 0, 40, kWhite), row(10, 0, 40, kWhite));
  EXPECT_EQ(row(10, 2, 38, kWhite), std::string(36, '#'));
  LogBrush brush;
  brush.color = 0xFFFFFF;
  use_pen(ext_create_pen(pen_style::kCosmetic | pen_style::kDash, 1, brush, 0, nullptr));
  line(1, 8, 20, 8);
  EXPECT_EQ(row(17, 0, 48, kWhite), std::string(48, '.'));  // one pixel wide, on row 16 only
}

// 5 units at half scale reach 2.5 pixels: the width is the distance between the pixels the
// pen's two ends land on, so the offset of the transform decides between 3 and 2.
TEST_F(LineDrawing, ScaledPenWidthsSpanThePixelsTheirEndsLandOn) {
  struct Case {
    float dx;
    std::string column;  // rows 7 to 12 of column 15
  };
  for (const Case& c : {Case{0.0f, "..###."}, Case{0.5f, "..##.."}, Case{1.0f, "..###."}}) {
    fill(0);
    Transform half;
    half.m11 = half.m22 = 0.5f;
    half.dx = c.dx;
    ASSERT_TRUE(set_world_transform(dc_, half));
    use_pen(geometric(pen_style::kEndCapFlat, 5, 0xFFFFFF));
    line(4, 20, 60, 20);  // device row 10
    std::string column;
    for (std::int32_t y = 7; y <= 12; ++y) column += at(15, y) == kWhite ? '#' : '.';
    EXPECT_EQ(column, c.column) << c.dx;
  }
}

TEST_F(LineDrawing, RectangleOutlinesStartAtTheLogicalTopLeftUnderAFlip) {
  Transform flip;
  flip.m22 = -1.0f;
  flip.dy = 31.0f;
  ASSERT_TRUE(set_world_transform(dc_, flip));
  use_pen(create_pen(pen_style::kDot, 1, 0xFFFFFF));  // 3 on, 3 off
  set_bk_mode(dc_, static_cast<int>(BackgroundMode::transparent));
  const ObjectHandle old_brush = select_object(dc_, get_stock_object(StockObject::null_brush));
  ASSERT_TRUE(rectangle(dc_, 2, 1, 12, 20));  // logical top-left (2,1) is device (2,30)
  select_object(dc_, old_brush);
  EXPECT_EQ(row(30, 2, 13, kWhite), "###...###..");  // the pattern starts on the device bottom
}

TEST_F(LineDrawing, NullPensAndBadArgumentsDrawNothing) {
  use_pen(create_pen(pen_style::kNull, 1, 0xFFFFFF));
  line(0, 0, 40, 30);
  const Point points[] = {{0, 0}, {40, 30}};
  EXPECT_TRUE(polyline(dc_, points, 2));
  EXPECT_FALSE(polyline(dc_, points, 1));
  EXPECT_FALSE(polyline(dc_, nullptr, 2));
  EXPECT_FALSE(polyline(dc_, points, -5));
  EXPECT_FALSE(line_to(DcHandle{12345}, 1, 1));
  EXPECT_EQ(count(0), kWidth * kHeight);
}

TEST_F(LineDrawing, HostileCoordinatesNeverHangOrWriteOutside) {
  // The surface sits inside a larger block of memory whose margins must stay untouched.
  std::vector<PixelWord> block(static_cast<std::size_t>(kWidth) * (kHeight + 2), 0x12345678u);
  const ObjectHandle over = create_dib_section_over(block.data() + kWidth, kWidth, kHeight);
  ASSERT_NE(over, kNoObject);
  const ObjectHandle previous = select_object(dc_, over);
  const std::int32_t extremes[] = {INT32_MIN, INT32_MIN + 1, -100000,       -1,       0,
                                   17,        100000,        INT32_MAX - 1, INT32_MAX};
  Transform zoom;
  zoom.m11 = 3.0e6f;
  zoom.m22 = -2.5e6f;
  for (int pass = 0; pass < 2; ++pass) {
    if (pass == 1) {
      ASSERT_TRUE(set_world_transform(dc_, zoom));
    }
    for (std::uint32_t style :
         {pen_style::kSolid, pen_style::kDash | pen_style::kJoinMiter, pen_style::kDot,
          pen_style::kEndCapSquare | pen_style::kJoinBevel}) {
      for (std::uint32_t width : {1u, 6u}) {
        use_pen(geometric(style, width, 0xFFFFFF));
        for (std::int32_t a : extremes) {
          for (std::int32_t b : extremes) {
            line(a, b, b, a);
            const Point path[] = {{a, b}, {b, a}, {a, a}, {17, b}};
            polyline(dc_, path, 4);
          }
        }
      }
    }
  }
  select_object(dc_, previous);
  delete_object(over);
  for (std::int32_t x = 0; x < kWidth; ++x) {
    EXPECT_EQ(block[static_cast<std::size_t>(x)], 0x12345678u);
    EXPECT_EQ(block[static_cast<std::size_t>(kWidth) * (kHeight + 1) + x], 0x12345678u);
  }
}

}  // namespace
}  // namespace kanvo::surface
