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
