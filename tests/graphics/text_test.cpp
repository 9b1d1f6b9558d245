#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "graphics/kanvo.h"
#include "tests/support/gbk.h"
#include "working_image_fixture.h"

namespace kanvo {
namespace {

using TextOutput = testing::WorkingImageTest;

std::string face_of(const LogFont& font) {
  return font.face_name.data();
}

TEST_F(TextOutput, DefaultFontDescription) {
  LogFont font;
  get_text_style(&font);
  EXPECT_EQ(font.height, 16);
  EXPECT_EQ(font.width, 0);
  EXPECT_EQ(font.weight, 0);
  EXPECT_EQ(font.char_set, 1);
  EXPECT_EQ(font.quality, 3);
  EXPECT_EQ(face_of(font), "System");
}

TEST_F(TextOutput, FieldWiseChangesKeepTheOtherFields) {
  set_text_style_ext(18, 0, "Courier", 0, 0, 700, 1, 0, 0);
  set_text_style(24, 0, "Arial");
  LogFont font;
  get_text_style(&font);
  EXPECT_EQ(font.height, 24);
  EXPECT_EQ(font.weight, 700);
  EXPECT_EQ(font.italic, 1);
  EXPECT_EQ(face_of(font), "Arial");
  set_text_style(20, 0, nullptr);
  get_font(&font);
  EXPECT_EQ(font.height, 20);
  EXPECT_EQ(face_of(font), "Arial");
}

TEST_F(TextOutput, OverlongFaceIsCutToThirtyOneCharacters) {
  const std::string face(40, 'F');
  set_font(12, 0, face.c_str());
  LogFont font;
  get_font(&font);
  EXPECT_EQ(face_of(font), std::string(31, 'F'));
}

TEST_F(TextOutput, OutTextAdvancesByTheWidthOfEachText) {
  clear_canvas();
  out_text("ab");
  const std::int32_t ab = text_width("ab");
  EXPECT_GT(ab, 0);
  EXPECT_EQ(get_x(), ab);
  EXPECT_EQ(get_y(), 0);
  out_text("cd");
  EXPECT_EQ(get_x(), ab + text_width("cd"));
  out_text_at(30, 30, "x");
  EXPECT_EQ(get_x(), ab + text_width("cd"));
}

TEST_F(TextOutput, SingleCharacterFormsMatchTheTextForms) {
  out_char('A');
  EXPECT_EQ(get_x(), text_width("A"));
  EXPECT_EQ(char_width('A'), text_width("A"));
  EXPECT_EQ(char_height('A'), text_height("A"));
}

// White text (the default text colour) in its black cell, then without the cell on blue: the
// glyph covers the same pixels either way, and only the opaque mode paints the cell.
TEST_F(TextOutput, OpaqueCellsAndTransparentGlyphs) {
  constexpr std::uint32_t kBlueWord = 0x000000FF;
  const auto fill = [this](std::uint32_t word) {
    for (std::int32_t i = 0; i < kWidth * kHeight; ++i) image().pixels()[i] = word;
  };
  const auto pixels_unlike = [this](std::uint32_t word) {
    std::vector<bool> unlike(kWidth * kHeight);
    for (std::int32_t i = 0; i < kWidth * kHeight; ++i) {
      unlike[i] = (image().pixels()[i] & 0xFFFFFF) != word;
    }
    return unlike;
  };
  fill(kBlueWord);
  out_text_at(0, 0, "W");
  const int cell = count_pixels(0x000000) + count_pixels(0xFFFFFF);
  EXPECT_GT(count_pixels(0x000000), 0);  // the cell background
  EXPECT_GT(count_pixels(0xFFFFFF), 0);  // the glyph
  const std::vector<bool> glyph_on_black = pixels_unlike(0x000000);

  fill(kBlueWord);
  set_bk_mode(1);
  out_text_at(0, 0, "W");
  EXPECT_EQ(count_pixels(0x000000), 0);  // no cell
  EXPECT_GT(count_pixels(0xFFFFFF), 0);
  EXPECT_LT(count_pixels(0xFFFFFF), cell);
  // The pixels the glyph changed on blue are the glyph's pixels in the black cell.
  const std::vector<bool> glyph_on_blue = pixels_unlike(kBlueWord);
  int glyph_pixels = 0;
  int differing = 0;
  for (std::int32_t i = 0; i < kWidth * kHeight; ++i) {
    const bool in_cell = (i % kWidth) < text_width("W") && (i / kWidth) < text_height("W");
    if (!in_cell) continue;
    glyph_pixels += glyph_on_blue[i];
    differing += glyph_on_blue[i] != glyph_on_black[i];
  }
  EXPECT_GT(glyph_pixels, 0);
  EXPECT_EQ(differing, 0);
}

TEST_F(TextOutput, CalcRectMeasuresWithoutDrawing) {
  Rect rect{0, 0, 40, 0};
  const std::int32_t height =
      draw_text_in_rect("one two three four five", &rect, 0x0400 | 0x0010 /* calc, word break */);
  EXPECT_GT(height, text_height("o"));
  EXPECT_EQ(rect.bottom, height);
  EXPECT_EQ(count_pixels(0xFFFFFF), 0);
  EXPECT_EQ(draw_text_in_rect("x", nullptr, 0), 0);
}

TEST_F(TextOutput, NullTextsAreEmpty) {
  out_text(nullptr);
  out_text_at(1, 1, nullptr);
  EXPECT_EQ(text_width(nullptr), 0);
  EXPECT_EQ(get_x(), 0);
}

// A program holds its texts in the encoding it chose: UTF-8 unless it says GBK. Both spellings of
// a text draw the same glyphs under their own choice; "确" in GBK (C8 B7) would read as "ȷ" in
// UTF-8, so nothing may guess.
TEST_F(TextOutput, EachChosenEncodingDrawsItsSpellingOfTheText) {
  ASSERT_EQ(get_text_encoding(), TEXT_UTF8);
  const auto drawn = [&](const char* text) {
    clear_canvas();
    out_text_at(0, 0, text);
    return std::vector<std::uint32_t>(image().pixels(), image().pixels() + kWidth * kHeight);
  };
  const char* utf8 = "确定 幂函数 y";
  const std::string gbk = testing::to_gbk(utf8);
  ASSERT_EQ(gbk.substr(0, 2), "\xC8\xB7");
  const auto from_utf8 = drawn(utf8);
  const int utf8_width = text_width(utf8);
  const auto gbk_read_as_utf8 = drawn(gbk.c_str());

  set_text_encoding(TEXT_GBK);
  EXPECT_EQ(get_text_encoding(), TEXT_GBK);
  EXPECT_EQ(drawn(gbk.c_str()), from_utf8);
  EXPECT_EQ(text_width(gbk.c_str()), utf8_width);
  EXPECT_NE(gbk_read_as_utf8, from_utf8);
  // Not an encoding: the choice stays.
  set_text_encoding(static_cast<TextEncoding>(7));
  EXPECT_EQ(get_text_encoding(), TEXT_GBK);
  set_text_encoding(TEXT_UTF8);
}

}  // namespace
}  // namespace kanvo
