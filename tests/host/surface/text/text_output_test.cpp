// Text drawn and measured through the surface calls: glyphs, cells, colours, clipping,
// transforms.
#include <string>
#include <thread>

#include "tests/host/surface/text/text_fixture.h"

namespace kanvo::surface::testing {
namespace {

using TextOutput = TextSurfaceTest;

TEST_F(TextOutput, ChineseTextRendersGlyphsInTheTextColourInsideItsCells) {
  set_bk_mode(dc_, static_cast<int>(BackgroundMode::transparent));
  ASSERT_TRUE(text_out(dc_, 10, 20, kPowerFunction));
  const Size size = extent(kPowerFunction);
  EXPECT_EQ(size.cy, 16);
  PixelBox ink;
  count_not(kPaper, &ink);
  ASSERT_FALSE(ink.empty());
  // Everything painted lies inside the text's cell box, and every painted pixel is ink.
  EXPECT_GE(ink.left, 10);
  EXPECT_GE(ink.top, 20);
  EXPECT_LE(ink.right, 10 + size.cx);
  EXPECT_LE(ink.bottom, 20 + size.cy);
  EXPECT_EQ(count_not(kPaper), count_in(kInkWord, 0, 0, kWidth, kHeight));

  // Each of the three ideographs is a full-width glyph with plenty of ink in its own cell.
  const std::int32_t ideograph = extent("\xC3\xDD").cx;
  EXPECT_GE(ideograph, 14);
  for (int i = 0; i < 3; ++i) {
    const std::int32_t left = 10 + i * ideograph;
    EXPECT_GT(count_in(kInkWord, left, 20, left + ideograph, 36), 20) << "character " << i;
  }
}

TEST_F(TextOutput, IdeographsAreRealGlyphsNotReplacementBoxes) {
  set_bk_mode(dc_, static_cast<int>(BackgroundMode::transparent));
  const auto image_of = [&](std::string_view text) {
    clear();
    text_out(dc_, 0, 0, text);
    return snapshot();
  };
  const auto mi = image_of("\xC3\xDD");        // 幂
  const auto han = image_of("\xBA\xAF");       // 函
  const auto invalid = image_of("\xFF");       // not GBK
  const auto unmapped = image_of("\xEE\xFF");  // a lead byte and a byte that cannot trail
  EXPECT_NE(mi, han);
  EXPECT_NE(mi, invalid);
  EXPECT_NE(han, invalid);
  // Invalid bytes still show something (the replacement glyph), never nothing.
  EXPECT_NE(invalid, std::vector<PixelWord>(kWidth * kHeight, kPaper));
  EXPECT_NE(unmapped, std::vector<PixelWord>(kWidth * kHeight, kPaper));
}

TEST_F(TextOutput, EachEncodingDrawsItsOwnSpellingOfTheSameText) {
  using kanvo::text::TextEncoding;
  const std::string_view utf8 = "\xE5\xB9\x82\xE5\x87\xBD\xE6\x95\xB0y=x^(1/2)";  // 幂函数y=x^(1/2)
  text_out(dc_, 4, 4, kPowerFunction, TextEncoding::gbk);
  const auto gbk = snapshot();
  clear();
  text_out(dc_, 4, 4, utf8, TextEncoding::utf8);
  EXPECT_EQ(snapshot(), gbk);
  Size utf8_extent;
  get_text_extent(dc_, utf8, &utf8_extent, TextEncoding::utf8);
  EXPECT_EQ(utf8_extent, extent(kPowerFunction));
  Rect from_utf8{0, 0, 40, 0};
  Rect from_gbk = from_utf8;
  draw_text(dc_, utf8, &from_utf8, text_format::kWordBreak | text_format::kCalcRect,
            TextEncoding::utf8);
  draw_text(dc_, kPowerFunction, &from_gbk, text_format::kWordBreak | text_format::kCalcRect,
            TextEncoding::gbk);
  EXPECT_EQ(from_utf8, from_gbk);
}

// "确" is C8 B7 in GBK, and the same two bytes are valid UTF-8 for U+0237 ("ȷ"): the chosen
// encoding alone decides which of the two is drawn.
TEST_F(TextOutput, TheChosenEncodingDecidesEvenWhereBothCouldReadTheBytes) {
  using kanvo::text::TextEncoding;
  const auto image_of = [&](std::string_view text, TextEncoding encoding) {
    clear();
    text_out(dc_, 4, 4, text, encoding);
    return snapshot();
  };
  const auto gbk = image_of("\xC8\xB7", TextEncoding::gbk);
  const auto utf8 = image_of("\xE7\xA1\xAE", TextEncoding::utf8);
  const auto dotless_j = image_of("\xC8\xB7", TextEncoding::utf8);
  EXPECT_EQ(gbk, utf8);
  EXPECT_NE(gbk, dotless_j);
  // The default follows the program's choice.
  {
    kanvo::testing::ScopedProgramEncoding chosen(TextEncoding::utf8);
    clear();
    text_out(dc_, 4, 4, "\xE7\xA1\xAE");
    EXPECT_EQ(snapshot(), utf8);
  }
  clear();
  text_out(dc_, 4, 4, "\xC8\xB7");
  EXPECT_EQ(snapshot(), gbk);
}

TEST_F(TextOutput, AdvancingByTheExtentPlacesTheNextTextExactlyAfter) {
  for (const std::uint8_t quality : {kNonAntialiasedQuality, std::uint8_t{4}}) {
    for (const auto* face : {"System", "Arial", "Times New Roman"}) {
      use_font(font_description(-15, face, quality));
      clear();
      text_out(dc_, 7, 9, "ab");
      text_out(dc_, 7 + extent("ab").cx, 9, "cd");
      const auto pieces = snapshot();
      clear();
      text_out(dc_, 7, 9, "abcd");
      EXPECT_EQ(pieces, snapshot()) << face << " quality " << int{quality};
      EXPECT_EQ(extent("ab").cx + extent("cd").cx, extent("abcd").cx);
    }
  }
}

TEST_F(TextOutput, OpaqueModeFillsExactlyTheCellBoxTransparentModeOnlyPaintsGlyphs) {
  const Size size = extent("Hello");
  text_out(dc_, 5, 6, "Hello");
  PixelBox painted;
  const int opaque_pixels = count_not(kPaper, &painted);
  EXPECT_EQ(opaque_pixels, size.cx * size.cy);
  EXPECT_EQ(painted.left, 5);
  EXPECT_EQ(painted.top, 6);
  EXPECT_EQ(painted.right, 5 + size.cx);
  EXPECT_EQ(painted.bottom, 6 + size.cy);
  const int glyph_pixels = count_in(kInkWord, 0, 0, kWidth, kHeight);
  EXPECT_GT(glyph_pixels, 0);
  EXPECT_EQ(glyph_pixels + count_in(kCellWord, 0, 0, kWidth, kHeight), opaque_pixels);

  clear();
  set_bk_mode(dc_, static_cast<int>(BackgroundMode::transparent));
  text_out(dc_, 5, 6, "Hello");
  EXPECT_EQ(count_in(kCellWord, 0, 0, kWidth, kHeight), 0);
  EXPECT_EQ(count_in(kInkWord, 0, 0, kWidth, kHeight), glyph_pixels);
  EXPECT_EQ(count_not(kPaper), glyph_pixels);
}

TEST_F(TextOutput, WhiteTextOnBlackCellsOverAWhiteImage) {
  // The canvas library's defaults: white text, black background, opaque.
  set_text_color(dc_, rgb(255, 255, 255));
  set_bk_color(dc_, 0);
  text_out(dc_, 0, 0, "Kanvo");
  const Size size = extent("Kanvo");
  const int black = count_in(0, 0, 0, size.cx, size.cy);
  EXPECT_GT(black, size.cx * size.cy / 2);
  EXPECT_LT(black, size.cx * size.cy);  // the glyphs stay white
  EXPECT_EQ(count_in(0, size.cx, 0, kWidth, kHeight), 0);
}

TEST_F(TextOutput, GreyQualityBlendsEdgesMonochromeQualityDoesNot) {
  set_bk_mode(dc_, static_cast<int>(BackgroundMode::transparent));
  text_out(dc_, 0, 0, "Sample text");
  const int mono_other = count_not(kPaper) - count_in(kInkWord, 0, 0, kWidth, kHeight);
  EXPECT_EQ(mono_other, 0);

  use_font(font_description(16, "System", 4));
  clear();
  text_out(dc_, 0, 0, "Sample text");
  const int grey_other = count_not(kPaper) - count_in(kInkWord, 0, 0, kWidth, kHeight);
  EXPECT_GT(grey_other, 20);
  // A blended pixel lies between paper and ink on every channel: blue stays full, red and green
  // fall between.
  for (std::int32_t y = 0; y < 16; ++y) {
    for (std::int32_t x = 0; x < kWidth; ++x) {
      const PixelWord word = at(x, y);
      EXPECT_EQ(word & 0xFF, 0xFFu);
      EXPECT_EQ((word >> 16) & 0xFF, (word >> 8) & 0xFF);
    }
  }
}

TEST_F(TextOutput, TextIsCutToTheClipRegion) {
  const ObjectHandle region = create_rect_region(20, 0, 40, 10);
  select_clip_region(dc_, region);
  delete_object(region);
  text_out(dc_, 0, 0, "WWWWWWWWWW");
  PixelBox painted;
  EXPECT_GT(count_not(kPaper, &painted), 0);
  EXPECT_GE(painted.left, 20);
  EXPECT_LE(painted.right, 40);
  EXPECT_LE(painted.bottom, 10);
  EXPECT_EQ(count_in(kCellWord, 20, 0, 40, 10) + count_in(kInkWord, 20, 0, 40, 10), 200);
}

TEST_F(TextOutput, ClippedTextIsTheWholeTextCut) {
  // Oblique, bold and large: glyphs reach well beyond their advances.
  LogFont leaning = font_description(-40, "DejaVu Serif", 4);
  leaning.italic = 1;
  leaning.weight = 700;
  use_font(leaning);
  set_bk_mode(dc_, static_cast<int>(BackgroundMode::transparent));
  const std::string text = "fjf" + std::string(kPowerFunction) + "Wf";
  text_out(dc_, 3, 30, text);
  const auto whole = snapshot();
  for (const Rect& clip : {Rect{0, 0, 25, kHeight}, Rect{60, 0, 61, kHeight},
                           Rect{100, 40, 180, 60}, Rect{200, 0, kWidth, kHeight}}) {
    clear();
    const ObjectHandle region = create_rect_region(clip.left, clip.top, clip.right, clip.bottom);
    select_clip_region(dc_, region);
    delete_object(region);
    text_out(dc_, 3, 30, text);
    for (std::int32_t y = 0; y < kHeight; ++y) {
      for (std::int32_t x = 0; x < kWidth; ++x) {
        const bool inside = x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
        ASSERT_EQ(at(x, y), inside ? whole[y * kWidth + x] : kPaper) << x << "," << y;
      }
    }
  }
}

TEST_F(TextOutput, TextIgnoresTheRasterOperation) {
  text_out(dc_, 3, 3, "xor");
  const auto copied = snapshot();
  clear();
  set_rop2(dc_, rop2::kXorPen);
  text_out(dc_, 3, 3, "xor");
  EXPECT_EQ(snapshot(), copied);
}

TEST_F(TextOutput, TextAtTheEdgesAndFarAwayStaysInsideTheSurface) {
  for (const Point at_point : {Point{-5, -7}, Point{kWidth - 3, kHeight - 4}, Point{INT32_MIN, 0},
                               Point{INT32_MAX, INT32_MAX}, Point{0, INT32_MIN}}) {
    clear();
    EXPECT_TRUE(text_out(dc_, at_point.x, at_point.y, kPowerFunction));
  }
  clear();
  text_out(dc_, -5, -7, "MMMM");
  EXPECT_GT(count_not(kPaper), 0);
  EXPECT_EQ(at(kWidth - 1, kHeight - 1), kPaper);
}

TEST_F(TextOutput, ScaledTransformScalesCellsAndGlyphs) {
  set_bk_mode(dc_, static_cast<int>(BackgroundMode::transparent));
  text_out(dc_, 0, 0, "Zoom");
  PixelBox plain;
  const int plain_ink = count_not(kPaper, &plain);

  clear();
  set_bk_mode(dc_, static_cast<int>(BackgroundMode::opaque));
  ASSERT_TRUE(set_world_transform(dc_, {2.0f, 0.0f, 0.0f, 2.0f, 10.0f, 10.0f}));
  text_out(dc_, 0, 0, "Zoom");
  PixelBox cell;
  count_not(kPaper, &cell);
  const Size size = extent("Zoom");  // logical units: unchanged by the transform
  EXPECT_EQ(cell.left, 10);
  EXPECT_EQ(cell.top, 10);
  EXPECT_EQ(cell.right, 10 + 2 * size.cx);
  EXPECT_EQ(cell.bottom, 10 + 2 * size.cy);
  const int zoomed_ink = count_in(kInkWord, 0, 0, kWidth, kHeight);
  EXPECT_GT(zoomed_ink, 3 * plain_ink);
  EXPECT_LT(zoomed_ink, 5 * plain_ink);
}

TEST_F(TextOutput, FlippedAxisMovesTheCellButKeepsTextUpright) {
  // y grows upwards from the bottom edge, as in a plot: the cell of text at logical (30, 40)
  // spans logical rows 40 to 56, which are device rows from kHeight - 56 to kHeight - 40.
  text_out(dc_, 30, kHeight - 56, kPowerFunction);
  const auto upright = snapshot();
  clear();
  ASSERT_TRUE(
      set_world_transform(dc_, {1.0f, 0.0f, 0.0f, -1.0f, 0.0f, static_cast<float>(kHeight)}));
  text_out(dc_, 30, 40, kPowerFunction);
  EXPECT_EQ(snapshot(), upright);
}

TEST_F(TextOutput, FontHeightsKeepTheirMeaning) {
  use_font(font_description(30, "Arial"));
  EXPECT_EQ(extent("x").cy, 30);  // positive: the cell height
  use_font(font_description(-30, "Arial"));
  EXPECT_GT(extent("x").cy, 30);  // negative: the em, so the cell is taller
  use_font(font_description(0, "Arial"));
  EXPECT_EQ(extent("x").cy, 16);  // zero: the default size
  use_font(font_description(INT32_MIN, "Arial"));
  EXPECT_GT(extent("x").cy, 0);
  use_font(font_description(INT32_MAX, "Arial"));
  EXPECT_GT(extent("x").cy, 0);
  EXPECT_TRUE(text_out(dc_, 0, 0, "big"));
}

TEST_F(TextOutput, WidthStretchesTheAverageCharacter) {
  LogFont narrow = font_description(20, "Arial");
  narrow.width = 4;
  LogFont wide = narrow;
  wide.width = 16;
  use_font(font_description(20, "Arial"));
  const std::int32_t natural = extent("abcdefghijklmnopqrstuvwxyz").cx;
  use_font(narrow);
  const std::int32_t narrow_width = extent("abcdefghijklmnopqrstuvwxyz").cx;
  use_font(wide);
  const std::int32_t wide_width = extent("abcdefghijklmnopqrstuvwxyz").cx;
  EXPECT_LT(narrow_width, natural);
  EXPECT_GT(wide_width, natural);
  EXPECT_NEAR(wide_width, 26 * 16, 26 * 2);
  EXPECT_EQ(extent("x").cy, 20);
}

TEST_F(TextOutput, BoldItalicUnderlineAndStrikeOutChangeThePicture) {
  set_bk_mode(dc_, static_cast<int>(BackgroundMode::transparent));
  const auto picture = [&](const LogFont& description) {
    use_font(description);
    clear();
    text_out(dc_, 2, 2, kPowerFunction);
    return count_in(kInkWord, 0, 0, kWidth, kHeight);
  };
  // Rows of the cell that are ink from the first to the last pixel of the text.
  const auto full_rows = [&] {
    const std::int32_t right = 2 + extent(kPowerFunction).cx;
    int rows = 0;
    for (std::int32_t y = 2; y < 2 + extent(kPowerFunction).cy; ++y) {
      rows += count_in(kInkWord, 2, y, right, y + 1) == right - 2;
    }
    return rows;
  };
  const LogFont plain = font_description(20, "System");
  const int regular = picture(plain);
  EXPECT_EQ(full_rows(), 0);
  LogFont bold = plain;
  bold.weight = 700;
  EXPECT_GT(picture(bold), regular * 11 / 10);
  LogFont underlined = plain;
  underlined.underline = 1;
  EXPECT_GT(picture(underlined), regular);
  EXPECT_GE(full_rows(), 1);
  LogFont struck = plain;
  struck.strike_out = 1;
  EXPECT_GT(picture(struck), regular);
  EXPECT_GE(full_rows(), 1);
  LogFont italic = plain;
  italic.italic = 1;
  picture(plain);
  const auto upright = snapshot();
  picture(italic);
  EXPECT_NE(snapshot(), upright);
}

TEST_F(TextOutput, UnknownFacesFallBackToTheSystemFace) {
  text_out(dc_, 0, 0, kPowerFunction);
  const auto system = snapshot();
  use_font(font_description(16, "No Such Face Anywhere"));
  clear();
  text_out(dc_, 0, 0, kPowerFunction);
  EXPECT_EQ(snapshot(), system);
  // A face that is installed looks different; its Chinese characters still come from the
  // CJK face, so they are not boxes.
  use_font(font_description(16, "DejaVu Serif"));
  clear();
  text_out(dc_, 0, 0, kPowerFunction);
  EXPECT_NE(snapshot(), system);
  EXPECT_EQ(extent("\xC3\xDD").cx, extent("\xBA\xAF").cx);
  EXPECT_GE(extent("\xC3\xDD").cx, 14);
}

TEST_F(TextOutput, TwoThreadsDrawWithOneFontAtOnce) {
  // Each thread has its own context; they share the font and its glyph caches, which fill up
  // while both draw (a new size under a transform, characters not drawn before).
  const ObjectHandle font = create_font_indirect(font_description(-13, "Arial", 4));
  const std::string text = std::string(kPowerFunction) + " \xB5\xDA\xD2\xBB\xCF\xF3\xCF\xDE";
  const auto draw = [&](DcHandle dc) {
    for (int i = 0; i < 40; ++i) {
      text_out(dc, 0, 0, text);
      set_world_transform(dc, {1.5f, 0.0f, 0.0f, 1.5f, 0.0f, 20.0f});
      text_out(dc, 0, 0, text);
      set_world_transform(dc, {});
    }
  };
  std::vector<PixelWord*> pixels(2);
  std::vector<DcHandle> dcs;
  std::vector<ObjectHandle> bitmaps;
  for (PixelWord*& memory : pixels) {
    dcs.push_back(create_compatible_dc(kNoDc));
    bitmaps.push_back(create_dib_section(kWidth, kHeight, &memory));
    select_object(dcs.back(), bitmaps.back());
    select_object(dcs.back(), font);
    set_graphics_mode(dcs.back(), GraphicsMode::advanced);
    set_text_color(dcs.back(), kInk);
    set_bk_color(dcs.back(), kCell);
    std::fill(memory, memory + kWidth * kHeight, kPaper);
  }
  std::thread other(draw, dcs[1]);
  draw(dcs[0]);
  other.join();
  select_object(dc_, font);
  draw(dc_);
  for (PixelWord* memory : pixels) {
    EXPECT_TRUE(std::equal(memory, memory + kWidth * kHeight, pixels_));
  }
  for (std::size_t i = 0; i < dcs.size(); ++i) {
    delete_dc(dcs[i]);
    delete_object(bitmaps[i]);
  }
  delete_object(font);
}

TEST_F(TextOutput, EmptyAndHostileArguments) {
  Size size{5, 5};
  EXPECT_TRUE(get_text_extent(dc_, "", &size));
  EXPECT_EQ(size.cx, 0);
  EXPECT_EQ(size.cy, 16);
  EXPECT_TRUE(text_out(dc_, 0, 0, ""));
  EXPECT_EQ(count_not(kPaper), 0);
  EXPECT_FALSE(get_text_extent(dc_, "a", nullptr));
  EXPECT_FALSE(text_out(kNoDc, 0, 0, "a"));
  EXPECT_FALSE(get_text_extent(kNoDc, "a", &size));
  EXPECT_FALSE(text_out(static_cast<DcHandle>(0xDEADBEEF), 0, 0, "a"));
  EXPECT_EQ(draw_text(dc_, "a", nullptr, 0), 0);
  Rect rect{0, 0, 100, 100};
  EXPECT_EQ(draw_text(kNoDc, "a", &rect, 0), 0);
  EXPECT_EQ(rect, (Rect{0, 0, 100, 100}));

  // Only the bytes given are read: a lead byte at the very end is not joined with what follows.
  const std::string bytes = "ab\xC3\xDD";
  EXPECT_EQ(extent(std::string_view(bytes).substr(0, 3)).cx, extent("ab").cx + extent("\xFF").cx);
  // Every byte value, and a long text of them.
  std::string all;
  for (int i = 0; i < 256; ++i) all.push_back(static_cast<char>(i));
  EXPECT_TRUE(text_out(dc_, 0, 0, all));
  std::string long_text;
  for (int i = 0; i < 4000; ++i) long_text += all;
  EXPECT_TRUE(text_out(dc_, -1000, 0, long_text));
  EXPECT_TRUE(get_text_extent(dc_, long_text, &size));
  EXPECT_GT(size.cx, 1000000);
}

TEST_F(TextOutput, ExtremeTransformsNeitherCrashNorHang) {
  LogFont bold = default_font();
  bold.weight = 700;
  use_font(bold);
  for (const Transform& transform : {Transform{10000.0f, 0.0f, 0.0f, 10000.0f, 0.0f, 0.0f},
                                     Transform{1.0e9f, 0.0f, 0.0f, -1.0e9f, 0.0f, 0.0f},
                                     Transform{0.0001f, 0.0f, 0.0f, 0.0001f, 5.0f, 5.0f},
                                     Transform{-3.0f, 0.0f, 0.0f, -3.0f, 300.0f, 150.0f},
                                     Transform{0.7f, 0.7f, -0.7f, 0.7f, 100.0f, 20.0f},
                                     Transform{1.0f, 0.0f, 0.0f, 1.0f, 3.0e9f, -3.0e9f}}) {
    ASSERT_TRUE(set_world_transform(dc_, transform));
    EXPECT_TRUE(text_out(dc_, 0, 0, kPowerFunction));
    EXPECT_TRUE(text_out(dc_, INT32_MAX, INT32_MIN, kPowerFunction));
    Rect rect{0, 0, 50, 50};
    EXPECT_GT(draw_text(dc_, kPowerFunction, &rect, text_format::kWordBreak), 0);
  }
  // A rotation places the text by the bounding box of its turned cell.
  use_font(default_font());
  clear();
  ASSERT_TRUE(set_world_transform(dc_, {0.0f, 1.0f, -1.0f, 0.0f, 100.0f, 10.0f}));
  text_out(dc_, 0, 0, "turned");
  PixelBox painted;
  count_not(kPaper, &painted);
  EXPECT_EQ(painted.left, 100 - extent("turned").cy);
  EXPECT_EQ(painted.top, 10);
}

TEST_F(TextOutput, NothingIsDrawnWithoutPixels) {
  // A context that still has its 1 by 1 monochrome bitmap measures but paints nowhere.
  const DcHandle bare = create_compatible_dc(kNoDc);
  EXPECT_TRUE(text_out(bare, 0, 0, "text"));
  Size size;
  EXPECT_TRUE(get_text_extent(bare, "text", &size));
  EXPECT_GT(size.cx, 0);
  delete_dc(bare);
}

}  // namespace
}  // namespace kanvo::surface::testing
