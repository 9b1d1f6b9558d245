#include "host/text/program_text.h"

#include <gtest/gtest.h>

namespace kanvo::text {
namespace {

TEST(ProgramText, Utf8IsRecognisedAndGbkIsTheRest) {
  EXPECT_EQ(decode_program_text("幂函数"), U"幂函数");
  EXPECT_EQ(decode_program_text("\xC3\xDD\xBA\xAF\xCA\xFD"), U"幂函数");  // the same in GBK
  EXPECT_EQ(decode_program_text("plain"), U"plain");
  EXPECT_EQ(decode_program_text(""), U"");
}

TEST(ProgramText, Utf8Validation) {
  EXPECT_TRUE(is_valid_utf8("a\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80"));
  EXPECT_FALSE(is_valid_utf8("\xC0\xAF"));          // overlong
  EXPECT_FALSE(is_valid_utf8("\xED\xA0\x80"));      // surrogate
  EXPECT_FALSE(is_valid_utf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
  EXPECT_FALSE(is_valid_utf8("\xE4\xB8"));          // cut short
  EXPECT_FALSE(is_valid_utf8("\xFF"));
}

TEST(ProgramText, FileSystemPaths) {
  EXPECT_EQ(file_system_path("\xD2\xF4\xC0\xD6\\the first quadrant..wav"),
            "音乐/the first quadrant..wav");
  EXPECT_EQ(file_system_path("images\\cat.png"), "images/cat.png");
  EXPECT_EQ(file_system_path("图片/猫.png"), "图片/猫.png");
}

}  // namespace
}  // namespace kanvo::text
