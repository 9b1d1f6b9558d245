// Text laid out in a rectangle: measuring as it draws, breaking, alignment, prefixes, tabs.
#include "tests/host/surface/text/text_fixture.h"

namespace kanvo::surface::testing {
namespace {

namespace tf = text_format;

class FormattedText : public TextSurfaceTest {
 protected:
  // The rectangle that kCalcRect gives for the text in a box of the width, and the height.
  Rect measure(std::string_view text, std::int32_t width, std::uint32_t format,
               std::int32_t* height = nullptr) {
    Rect rect{10, 10, 10 + width, 11};
    const std::int32_t result = draw_text(dc_, text, &rect, format | tf::kCalcRect);
    if (height != nullptr) *height = result;
    return rect;
  }
};

constexpr std::string_view kParagraph =
    "The quick brown fox jumps over the lazy dog. "
    "\xC3\xDD\xBA\xAF\xCA\xFD\xB5\xC4\xCD\xBC\xCF\xF1\xBE\xAD\xB9\xFD\xB5\xDA\xD2\xBB\xCF\xF3"
    "\xCF\xDE\xA3\xAC\xC7\xD2\xBE\xAD\xB9\xFD\xD4\xAD\xB5\xE3\xA1\xA3";  // 幂函数的图像经过第一象限，且经过原点。

TEST_F(FormattedText, CalculatedRectangleDrawsNothingAndBoundsTheDrawing) {
  for (const std::int32_t width : {60, 95, 150, 300}) {
    clear();
    std::int32_t height = 0;
    const Rect calculated = measure(kParagraph, width, tf::kWordBreak, &height);
    EXPECT_EQ(count_not(kPaper), 0) << "measuring drew";
    EXPECT_EQ(height % 16, 0);
    EXPECT_EQ(calculated.bottom - calculated.top, height);
    EXPECT_LE(calculated.right - calculated.left, width);

    Rect drawn_rect = calculated;
    const std::int32_t drawn_height = draw_text(dc_, kParagraph, &drawn_rect, tf::kWordBreak);
    EXPECT_EQ(drawn_height, height) << "width " << width;
    EXPECT_EQ(drawn_rect, calculated);  // only kCalcRect changes the rectangle
    PixelBox painted;
    count_not(kPaper, &painted);
    EXPECT_GE(painted.left, calculated.left);
    EXPECT_GE(painted.top, calculated.top);
    EXPECT_LE(painted.right, calculated.right);
    EXPECT_LE(painted.bottom, calculated.bottom);
    // Opaque cells fill every line's box: the last line reaches the bottom.
    EXPECT_EQ(painted.bottom, std::min(calculated.bottom, kHeight));
  }
}

TEST_F(FormattedText, NarrowerBoxesGiveMoreLines) {
  std::int32_t wide = 0;
  std::int32_t narrow = 0;
  std::int32_t single = 0;
  measure(kParagraph, 300, tf::kWordBreak, &wide);
  measure(kParagraph, 80, tf::kWordBreak, &narrow);
  measure(kParagraph, 80, 0, &single);
  EXPECT_EQ(single, 16);  // without word breaking a text without line breaks is one line
  EXPECT_GT(narrow, wide);
  EXPECT_GE(wide, 32);
}

TEST_F(FormattedText, WordsStayWholeChineseBreaksBetweenCharacters) {
  const std::int32_t ideograph = extent("\xC3\xDD").cx;
  // Six ideographs in a box three wide: two lines; the box is three characters wide.
  const std::string_view six = "\xC3\xDD\xBA\xAF\xCA\xFD\xC3\xDD\xBA\xAF\xCA\xFD";
  std::int32_t height = 0;
  Rect rect = measure(six, 3 * ideograph, tf::kWordBreak, &height);
  EXPECT_EQ(height, 32);
  EXPECT_EQ(rect.right - rect.left, 3 * ideograph);
  // A word longer than the line is not broken: it stands alone and the box grows to hold it.
  const std::string_view words = "a extraordinarily b";
  rect = measure(words, extent("extra").cx, tf::kWordBreak, &height);
  EXPECT_EQ(height, 48);
  EXPECT_EQ(rect.right - rect.left, extent("extraordinarily").cx);
  // A box too narrow for anything: one word or one character per line, and no endless loop.
  measure("a b c", 0, tf::kWordBreak, &height);
  EXPECT_EQ(height, 48);
  measure(six, -50, tf::kWordBreak, &height);
  EXPECT_EQ(height, 6 * 16);
}

TEST_F(FormattedText, ClosingPunctuationStaysWithTheCharacterBeforeIt) {
  const std::int32_t ideograph = extent("\xC3\xDD").cx;
  // 幂函数，幂 in a box of three ideographs: the comma may not begin the second line, so the
  // break falls before 数.
  const std::string_view text = "\xC3\xDD\xBA\xAF\xCA\xFD\xA3\xAC\xC3\xDD";
  Rect rect = measure(text, 3 * ideograph, tf::kWordBreak);
  EXPECT_EQ(rect.bottom - rect.top, 32);
  EXPECT_EQ(rect.right - rect.left, extent("\xCA\xFD\xA3\xAC\xC3\xDD").cx);
}

TEST_F(FormattedText, LineBreaks) {
  std::int32_t height = 0;
  measure("one\r\ntwo\nthree\rfour", 300, 0, &height);
  EXPECT_EQ(height, 64);
  measure("a\n\nb", 300, 0, &height);
  EXPECT_EQ(height, 48);
  measure("ends with a break\n", 300, 0, &height);
  EXPECT_EQ(height, 16);
  measure("\n", 300, 0, &height);
  EXPECT_EQ(height, 16);
  const Rect empty = measure("", 300, tf::kWordBreak, &height);
  EXPECT_EQ(height, 0);
  EXPECT_EQ(empty, (Rect{10, 10, 10, 10}));
  // Single-line mode ignores the breaks.
  measure("one\r\ntwo", 300, tf::kSingleLine | tf::kWordBreak, &height);
  EXPECT_EQ(height, 16);
  // The widest line decides the width.
  const Rect rect = measure("short\nmuch longer line\nmid", 300, 0);
  EXPECT_EQ(rect.right - rect.left, extent("much longer line").cx);
}

TEST_F(FormattedText, HorizontalAlignment) {
  const Size size = extent("centre");
  Rect rect{0, 0, 200, 40};
  set_bk_mode(dc_, static_cast<int>(BackgroundMode::opaque));
  draw_text(dc_, "centre", &rect, tf::kCenter);
  PixelBox painted;
  count_not(kPaper, &painted);
  EXPECT_EQ(painted.left, (200 - size.cx) / 2);
  EXPECT_EQ(painted.right, (200 - size.cx) / 2 + size.cx);
  EXPECT_EQ(painted.top, 0);

  clear();
  draw_text(dc_, "centre", &rect, tf::kRight);
  painted = {};
  count_not(kPaper, &painted);
  EXPECT_EQ(painted.right, 200);
  EXPECT_EQ(painted.left, 200 - size.cx);
}

TEST_F(FormattedText, VerticalAlignmentOfASingleLine) {
  Rect rect{0, 0, 200, 100};
  EXPECT_EQ(draw_text(dc_, "middle", &rect, tf::kSingleLine | tf::kVCenter), 42 + 16);
  PixelBox painted;
  count_not(kPaper, &painted);
  EXPECT_EQ(painted.top, 42);
  EXPECT_EQ(painted.bottom, 58);

  clear();
  EXPECT_EQ(draw_text(dc_, "bottom", &rect, tf::kSingleLine | tf::kBottom), 100);
  painted = {};
  count_not(kPaper, &painted);
  EXPECT_EQ(painted.top, 84);
  EXPECT_EQ(painted.bottom, 100);

  // Several lines ignore vertical alignment, as the platform's callers expect.
  clear();
  EXPECT_EQ(draw_text(dc_, "a\nb", &rect, tf::kVCenter), 32);
  painted = {};
  count_not(kPaper, &painted);
  EXPECT_EQ(painted.top, 0);
}

TEST_F(FormattedText, DrawingIsCutToTheRectangleUnlessNoClip) {
  Rect rect{0, 0, 30, 10};
  draw_text(dc_, "wide text that overflows", &rect, 0);
  PixelBox painted;
  count_not(kPaper, &painted);
  EXPECT_LE(painted.right, 30);
  EXPECT_LE(painted.bottom, 10);

  clear();
  draw_text(dc_, "wide text that overflows", &rect, tf::kNoClip);
  painted = {};
  count_not(kPaper, &painted);
  EXPECT_EQ(painted.right, extent("wide text that overflows").cx);
  EXPECT_EQ(painted.bottom, 16);
}

TEST_F(FormattedText, PrefixesUnderlineAndDoubleAmpersandsShowOne) {
  set_bk_mode(dc_, static_cast<int>(BackgroundMode::transparent));
  Rect rect{0, 0, 200, 40};
  draw_text(dc_, "&File", &rect, 0);
  const auto prefixed = snapshot();
  clear();
  draw_text(dc_, "File", &rect, 0);
  const auto plain = snapshot();
  // The same glyphs, plus a line under the F only.
  const std::int32_t f_width = extent("F").cx;
  int extra = 0;
  for (std::int32_t y = 0; y < kHeight; ++y) {
    for (std::int32_t x = 0; x < kWidth; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * kWidth + x;
      if (prefixed[i] == plain[i]) continue;
      ++extra;
      EXPECT_LT(x, f_width);
      EXPECT_EQ(prefixed[i], kInkWord);
    }
  }
  EXPECT_GE(extra, f_width - 1);

  Rect calc{0, 0, 200, 0};
  draw_text(dc_, "a&&b", &calc, tf::kCalcRect);
  EXPECT_EQ(calc.right, extent("a&b").cx);
  calc = {0, 0, 200, 0};
  draw_text(dc_, "a&&b", &calc, tf::kCalcRect | tf::kNoPrefix);
  EXPECT_EQ(calc.right, extent("a&&b").cx);
  calc = {0, 0, 200, 0};
  draw_text(dc_, "trailing&", &calc, tf::kCalcRect);
  EXPECT_EQ(calc.right, extent("trailing").cx);
}

TEST_F(FormattedText, TabsExpandToEveryEightAverageCharacters) {
  Rect rect{0, 0, 300, 0};
  draw_text(dc_, "a\tb", &rect, tf::kCalcRect | tf::kExpandTabs);
  const std::int32_t with_tab = rect.right;
  rect = {0, 0, 300, 0};
  draw_text(dc_, "abcdefghij\tb", &rect, tf::kCalcRect | tf::kExpandTabs);
  const std::int32_t second_stop = rect.right - extent("b").cx;
  const std::int32_t first_stop = with_tab - extent("b").cx;
  EXPECT_GT(first_stop, extent("a").cx);
  EXPECT_EQ(second_stop, 2 * first_stop);
  // Without the flag a tab is just a character.
  rect = {0, 0, 300, 0};
  draw_text(dc_, "a\tb", &rect, tf::kCalcRect);
  EXPECT_EQ(rect.right, extent("a\tb").cx);
}

TEST_F(FormattedText, RectanglesAnywhere) {
  for (const Rect& start : {Rect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX},
                            Rect{INT32_MAX - 5, 0, INT32_MIN, 10}, Rect{50, 50, 0, 0}}) {
    Rect rect = start;
    EXPECT_GE(draw_text(dc_, kParagraph, &rect, tf::kWordBreak), 16);
    rect = start;
    EXPECT_GE(draw_text(dc_, kParagraph, &rect, tf::kWordBreak | tf::kCalcRect), 16);
    rect = start;
    draw_text(dc_, kParagraph, &rect, tf::kSingleLine | tf::kBottom | tf::kCenter);
  }
}

TEST_F(FormattedText, UnderAFlippedAxisLinesStackAlongLogicalY) {
  ASSERT_TRUE(
      set_world_transform(dc_, {1.0f, 0.0f, 0.0f, -1.0f, 0.0f, static_cast<float>(kHeight)}));
  Rect rect{0, 0, 200, 100};
  EXPECT_EQ(draw_text(dc_, "one\ntwo", &rect, 0), 32);
  PixelBox painted;
  count_not(kPaper, &painted);
  EXPECT_EQ(painted.bottom, kHeight);
  EXPECT_EQ(painted.top, kHeight - 32);
}

}  // namespace
}  // namespace kanvo::surface::testing
