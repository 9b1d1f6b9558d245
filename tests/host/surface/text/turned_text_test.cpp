// Text in turned fonts: the line follows the escapement, the characters the orientation.
#include <cmath>
#include <cstdint>
#include <numbers>

#include "tests/host/surface/text/text_fixture.h"

namespace kanvo::surface::testing {
namespace {

class TurnedText : public TextSurfaceTest {
 protected:
  void use_turned_font(std::int32_t escapement, std::int32_t orientation) {
    LogFont description = default_font();
    description.escapement = escapement;
    description.orientation = orientation;
    use_font(description);
  }
  std::vector<PixelWord> level_picture(std::string_view text, std::int32_t x, std::int32_t y) {
    use_font(default_font());
    clear();
    text_out(dc_, x, y, text);
    return snapshot();
  }
  // Pixels of the cell of a text drawn level at (0, 0) that differ from their places in a quarter
  // turn about the corner (left, bottom): the level pixel `along` columns right of the corner
  // and `below` rows down lands `along` rows up and `below` columns right of it.
  int differences_from_quarter_turn(const std::vector<PixelWord>& level, const Size& size,
                                    std::int32_t left, std::int32_t bottom) const {
    int differing = 0;
    for (std::int32_t below = 0; below < size.cy; ++below) {
      for (std::int32_t along = 0; along < size.cx; ++along) {
        differing += at(left + below, bottom - 1 - along) != level[below * kWidth + along];
      }
    }
    return differing;
  }
};

constexpr std::string_view kWord = "Kanvo\xC3\xDD";  // Latin letters and an ideograph

TEST_F(TurnedText, AQuarterTurnIsTheLevelTextTurnedAboutTheCellsCorner) {
  constexpr std::int32_t kLeft = 100, kBottom = 150;
  // Latin letters turn exactly; the ideograph's strokes may round to other pixels.
  for (const std::string_view text : {std::string_view("Kanvo Wy"), kWord}) {
    const Size size = extent(text);
    const std::vector<PixelWord> level = level_picture(text, 0, 0);
    use_turned_font(900, 900);
    clear();
    ASSERT_TRUE(text_out(dc_, kLeft, kBottom, text));
    const int differing = differences_from_quarter_turn(level, size, kLeft, kBottom);
    if (text == kWord) {
      EXPECT_LE(differing, size.cx * size.cy / 20);
    } else {
      EXPECT_EQ(differing, 0);
    }
  }
  const Size size = extent(kWord);
  // Nothing outside the turned cell.
  PixelBox painted;
  count_not(kPaper, &painted);
  EXPECT_EQ(painted.left, kLeft);
  EXPECT_EQ(painted.right, kLeft + size.cy);
  EXPECT_EQ(painted.top, kBottom - size.cx);
  EXPECT_EQ(painted.bottom, kBottom);
}

TEST_F(TurnedText, ALineTurnedByAnyAngleKeepsItsLengthAndInk) {
  const Size size = extent(kWord);
  set_bk_mode(dc_, static_cast<int>(BackgroundMode::transparent));
  const int level_ink = [&] {
    level_picture(kWord, 20, 60);
    return count_not(kPaper);
  }();
  for (const std::int32_t escapement : {300, 450, 1800, 2250, -450}) {
    use_turned_font(escapement, escapement);
    clear();
    text_out(dc_, 160, 80, kWord);
    PixelBox ink;
    const int turned_ink = count_not(kPaper, &ink);
    // Turned outlines sample the grid differently, but hardly more or less ink.
    EXPECT_NEAR(turned_ink, level_ink, level_ink / 5) << escapement;
    const double angle = escapement * std::numbers::pi / 1800.0;
    const double reach_x =
        std::abs(size.cx * std::cos(angle)) + std::abs(size.cy * std::sin(angle));
    const double reach_y =
        std::abs(size.cx * std::sin(angle)) + std::abs(size.cy * std::cos(angle));
    EXPECT_LE(ink.right - ink.left, reach_x + 2) << escapement;
    EXPECT_LE(ink.bottom - ink.top, reach_y + 2) << escapement;
    EXPECT_GE(ink.right - ink.left, reach_x - size.cy - 2) << escapement;
    // Turned half-way round, the line runs from the corner to the left and upwards.
    if (escapement == 1800) {
      EXPECT_LE(ink.right, 161);
      EXPECT_LE(ink.bottom, 81);
    }
  }
}

TEST_F(TurnedText, WholeTurnsAndTheCompatibleModeLeaveTheTextLevel) {
  const std::vector<PixelWord> level = level_picture(kWord, 30, 40);
  for (const std::int32_t escapement : {3600, -7200}) {
    use_turned_font(escapement, 0);
    clear();
    text_out(dc_, 30, 40, kWord);
    EXPECT_EQ(snapshot(), level) << escapement;
  }
  // In the compatible mode the escapement also turns the characters: orientation alone is idle.
  set_graphics_mode(dc_, GraphicsMode::compatible);
  use_turned_font(0, 900);
  clear();
  text_out(dc_, 30, 40, kWord);
  EXPECT_EQ(snapshot(), level);
  // The advanced mode turns the characters on a level line.
  set_graphics_mode(dc_, GraphicsMode::advanced);
  clear();
  text_out(dc_, 30, 40, kWord);
  EXPECT_NE(snapshot(), level);
  const Size size = extent(kWord);
  PixelBox painted;
  count_not(kPaper, &painted);
  EXPECT_GE(painted.left, 30);
  EXPECT_LE(painted.right, 30 + size.cx + size.cy);
  EXPECT_LE(painted.bottom - painted.top, 2 * size.cy);
}

TEST_F(TurnedText, UnderlineAndStrikeOutTurnWithTheLine) {
  LogFont description = default_font();
  description.escapement = description.orientation = 900;
  description.underline = description.strike_out = 1;
  use_font(description);
  set_bk_mode(dc_, static_cast<int>(BackgroundMode::transparent));
  clear();
  text_out(dc_, 100, 150, "    ");  // blanks: only the lines show
  const Size size = extent("    ");
  PixelBox ink;
  EXPECT_GT(count_not(kPaper, &ink), 0);
  EXPECT_EQ(ink.bottom - ink.top, size.cx);  // each line runs the length of the text, upwards
  EXPECT_LE(ink.right - ink.left, size.cy);
  EXPECT_GE(ink.left, 100);
}

TEST_F(TurnedText, ExtremeAnglesAndPlacesDrawWithoutHarm) {
  for (const std::int32_t angle : {INT32_MIN, INT32_MAX, 1, 3599}) {
    use_turned_font(angle, angle);
    for (const std::int32_t place : {INT32_MIN, -100, 0, INT32_MAX}) {
      EXPECT_TRUE(text_out(dc_, place, place, kPowerFunction));
      EXPECT_TRUE(text_out(dc_, 50, place, kPowerFunction));
    }
  }
}

}  // namespace
}  // namespace kanvo::surface::testing
