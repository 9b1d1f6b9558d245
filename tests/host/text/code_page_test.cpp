#include "host/text/code_page.h"

#include <gtest/gtest.h>

namespace kanvo::text {
namespace {

TEST(GbkConversion, AsciiAndChinese) {
  // "幂函数y=x^(1/2)" in GBK.
  const std::string gbk =
      "\xC3\xDD\xBA\xAF\xCA\xFD"
      "y=x^(1/2)";
  EXPECT_EQ(gbk_to_utf8(gbk), "幂函数y=x^(1/2)");
  EXPECT_EQ(gbk_to_utf32(gbk), U"幂函数y=x^(1/2)");
}

TEST(GbkConversion, FullWidthCommaAndBrackets) {
  EXPECT_EQ(gbk_to_utf8("\xA3\xAC"), "，");
  EXPECT_EQ(gbk_to_utf8("\xA1\xB6\xA1\xB7"), "《》");
}

TEST(GbkConversion, InvalidBytesBecomeReplacementCharacters) {
  // A lead byte at the very end, a lead byte followed by a byte that cannot trail, and 0x80/0xFF.
  EXPECT_EQ(gbk_to_utf32("a\xC3"), U"a\uFFFD");
  EXPECT_EQ(gbk_to_utf32("\xC3\x0A"
                         "b"),
            U"\uFFFD\nb");
  EXPECT_EQ(gbk_to_utf32("\xFF"), U"\uFFFD");
}

TEST(GbkConversion, EmptyText) {
  EXPECT_TRUE(gbk_to_utf32("").empty());
  EXPECT_TRUE(gbk_to_utf8("").empty());
}

TEST(Utf8Encoding, AllLengthsAndInvalidCodePoints) {
  EXPECT_EQ(utf32_to_utf8(U"A\u00E9\u4E2D\U0001F600"), "A\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80");
  EXPECT_EQ(utf32_to_utf8(std::u32string(1, char32_t{0xD800})), "\xEF\xBF\xBD");
  EXPECT_EQ(utf32_to_utf8(std::u32string(1, char32_t{0x110000})), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace kanvo::text

namespace kanvo::text {
namespace {

TEST(GbkEncoding, RoundTripsAndMarksWhatGbkCannotHold) {
  EXPECT_EQ(utf32_to_gbk(U"幂函数y=x"), "\xC3\xDD\xBA\xAF\xCA\xFDy=x");
  EXPECT_EQ(utf32_to_gbk(U"a\U0001F600b"), "a?b");
  std::string out = "x";
  EXPECT_TRUE(encode_gbk_char(U'，', &out));
  EXPECT_EQ(out, "x\xA3\xAC");
  EXPECT_FALSE(encode_gbk_char(U'\U0001F600', &out));
  EXPECT_EQ(out, "x\xA3\xAC");
  EXPECT_FALSE(encode_gbk_char(U'a', nullptr));
}

TEST(TextPrefixes, CutBetweenWholeCharacters) {
  const std::string gbk = "a\xC3\xDD\xBA\xAF";  // a幂函
  EXPECT_EQ(gbk_prefix_length(gbk, 0), 0u);
  EXPECT_EQ(gbk_prefix_length(gbk, 2), 1u);
  EXPECT_EQ(gbk_prefix_length(gbk, 3), 3u);
  EXPECT_EQ(gbk_prefix_length(gbk, 100), 5u);
  // A lead byte at the end stands alone.
  EXPECT_EQ(gbk_prefix_length("a\xC3", 2), 2u);
  const std::string utf8 = "a\xE5\xB9\x82";  // a幂
  EXPECT_EQ(utf8_prefix_length(utf8, 1), 1u);
  EXPECT_EQ(utf8_prefix_length(utf8, 3), 1u);
  EXPECT_EQ(utf8_prefix_length(utf8, 4), 4u);
  EXPECT_EQ(utf8_prefix_length(utf8, 0), 0u);
}

}  // namespace
}  // namespace kanvo::text
