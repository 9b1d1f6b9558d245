#include "host/text/program_text.h"

#include <gtest/gtest.h>

#include <clocale>

namespace kanvo::text {
namespace {

// Restores the process's choice after each test, whatever the test chose.
class ProgramText : public ::testing::Test {
 protected:
  void TearDown() override { set_program_encoding(TextEncoding::utf8); }
};

TEST_F(ProgramText, TheDefaultIsUtf8) {
  EXPECT_EQ(program_encoding(), TextEncoding::utf8);
  EXPECT_EQ(decode_program_text("幂函数"), U"幂函数");
  EXPECT_EQ(decode_program_text("plain"), U"plain");
  EXPECT_EQ(decode_program_text(""), U"");
}

TEST_F(ProgramText, TheChosenEncodingDecidesNotTheBytes) {
  // C8 B7 is "确" in GBK and also valid UTF-8 (U+0237): only the choice tells them apart.
  set_program_encoding(TextEncoding::gbk);
  EXPECT_EQ(decode_program_text("\xC8\xB7"), U"确");
  EXPECT_EQ(decode_program_text("\xC3\xDD\xBA\xAF\xCA\xFD"), U"幂函数");
  set_program_encoding(TextEncoding::utf8);
  EXPECT_EQ(decode_program_text("\xE7\xA1\xAE"), U"确");
  EXPECT_EQ(decode_program_text("\xC8\xB7"), U"\u0237");
}

TEST_F(ProgramText, BytesThatAreNotTextInTheChosenEncodingBecomeReplacements) {
  EXPECT_EQ(decode_program_text("\xB5\xDA"), U"\uFFFD\uFFFD");    // GBK "第" read as UTF-8
  EXPECT_EQ(decode_program_text("a\xE4\xB8"), U"a\uFFFD\uFFFD");  // cut short
  set_program_encoding(TextEncoding::gbk);
  EXPECT_EQ(decode_program_text("\xFF"
                                "a"),
            U"\uFFFD"
            "a");
}

TEST_F(ProgramText, TheLocaleChangesNothing) {
  set_program_encoding(TextEncoding::gbk);
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  for (const char* locale : {"C", "C.UTF-8", ""}) {
    std::setlocale(LC_ALL, locale);
    EXPECT_EQ(decode_program_text("\xC8\xB7\xB6\xA8"), U"确定") << locale;
    EXPECT_EQ(encode_program_text(U"确定"), "\xC8\xB7\xB6\xA8") << locale;
  }
  std::setlocale(LC_ALL, saved.c_str());
}

TEST_F(ProgramText, EncodingBack) {
  EXPECT_EQ(encode_program_text(U"确a"),
            "\xE7\xA1\xAE"
            "a");
  set_program_encoding(TextEncoding::gbk);
  EXPECT_EQ(encode_program_text(U"确a"),
            "\xC8\xB7"
            "a");
  EXPECT_EQ(encode_program_text(U"\U0001F600"), "?");  // GBK has no emoji
}

TEST(Utf8, Validation) {
  EXPECT_TRUE(is_valid_utf8("a\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80"));
  EXPECT_FALSE(is_valid_utf8("\xC0\xAF"));          // overlong
  EXPECT_FALSE(is_valid_utf8("\xED\xA0\x80"));      // surrogate
  EXPECT_FALSE(is_valid_utf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
  EXPECT_FALSE(is_valid_utf8("\xE4\xB8"));          // cut short
  EXPECT_FALSE(is_valid_utf8("\xFF"));
}

TEST_F(ProgramText, FileSystemPaths) {
  EXPECT_EQ(file_system_path("images\\cat.png"), "images/cat.png");
  EXPECT_EQ(file_system_path("图片/猫.png"), "图片/猫.png");
  set_program_encoding(TextEncoding::gbk);
  // 0x5C as a trail byte is no backslash: "\xD2\xF4\xC0\xD6" is 音乐.
  EXPECT_EQ(file_system_path("\xD2\xF4\xC0\xD6\\the first quadrant..wav"),
            "音乐/the first quadrant..wav");
  EXPECT_EQ(file_system_path("\xC4\x5C.txt"), "腬.txt");
}

}  // namespace
}  // namespace kanvo::text
