#include "host/console/console.h"

#include <gtest/gtest.h>

#include "host/console/terminal_encoding.h"
#include "host/console/text_attribute.h"
#include "tests/support/memory_streams.h"

namespace kanvo::console {
namespace {

using testing::MemorySink;

// "幂函数" in GBK and in UTF-8.
constexpr std::string_view kGbkWord = "\xC3\xDD\xBA\xAF\xCA\xFD";
constexpr std::string_view kUtf8Word = "幂函数";

TEST(TextAttribute, ConsoleColorsBecomeTerminalColors) {
  // The quiz's three: intensity gives the bright foreground; zero background bits give black.
  EXPECT_EQ(color_sequence(kBrightGreenOnBlack), "\x1b[0;92;40m");
  EXPECT_EQ(color_sequence(kYellowOnBlack), "\x1b[0;93;40m");
  EXPECT_EQ(color_sequence(kBrightCyanOnBlack), "\x1b[0;96;40m");
  // Background 5 (red and blue: purple), foreground 3 (green and blue: aqua).
  EXPECT_EQ(color_sequence(0x53), "\x1b[0;36;45m");
}

TEST(TextAttribute, BlueAndRedBitsSwapAndIntensityBrightensEitherHalf) {
  EXPECT_EQ(color_sequence(0x01), "\x1b[0;34;40m");
  EXPECT_EQ(color_sequence(0x04), "\x1b[0;31;40m");
  EXPECT_EQ(color_sequence(0x07), "\x1b[0;37;40m");
  EXPECT_EQ(color_sequence(0x80), "\x1b[0;30;100m");
  EXPECT_EQ(color_sequence(0xF0), "\x1b[0;30;107m");
  EXPECT_EQ(color_sequence(0x1C), "\x1b[0;91;44m");
}

TEST(TerminalEncoding, GbkFamilyPassesThroughEverythingElseIsUtf8) {
  for (std::string_view code_set : {"GBK", "gbk", "GB18030", "CP936", "GB2312"}) {
    EXPECT_EQ(encoding_for_code_set(code_set), TextEncoding::kGbk) << code_set;
  }
  for (std::string_view code_set : {"UTF-8", "utf8", "ANSI_X3.4-1968", "", "ISO-8859-1"}) {
    EXPECT_EQ(encoding_for_code_set(code_set), TextEncoding::kUtf8) << code_set;
  }
}

TEST(Console, TextIsConvertedToTheTerminalsCodeSet) {
  MemorySink utf8_out;
  Console utf8(utf8_out, TextEncoding::kUtf8, true);
  utf8.write(kGbkWord);
  utf8.write("y=x^2\n");
  EXPECT_EQ(utf8_out.text, std::string(kUtf8Word) + "y=x^2\n");

  MemorySink gbk_out;
  Console gbk(gbk_out, TextEncoding::kGbk, true);
  gbk.write(kGbkWord);
  EXPECT_EQ(gbk_out.text, kGbkWord);
}

TEST(Console, ColoursComeBeforeTheTextsTheyApplyTo) {
  MemorySink out;
  Console console(out, TextEncoding::kGbk, true);
  console.set_screen_colors(0x53);
  console.set_text_attribute(kBrightGreenOnBlack);
  console.write("a");
  console.set_text_attribute(kYellowOnBlack);
  console.write("b");
  EXPECT_EQ(out.text,
            "\x1b[0;36;45m\x1b[2J\x1b[H"
            "\x1b[0;92;40ma\x1b[0;93;40mb");
}

TEST(Console, RestoreResetsOnlyChangedColoursAndOnlyOnce) {
  MemorySink out;
  {
    Console console(out, TextEncoding::kUtf8, true);
    console.restore();
    EXPECT_EQ(out.text, "");
    console.set_text_attribute(kBrightCyanOnBlack);
    console.restore();
    console.restore();
    console.write("x");
  }  // the destructor has nothing left to restore
  EXPECT_EQ(out.text, "\x1b[0;96;40m\x1b[0mx");
}

TEST(Console, TabsBecomeBlanksInTheCurrentColoursUpToTheNextStop) {
  MemorySink out;
  Console console(out, TextEncoding::kGbk, true);
  console.write("\t   x\n");
  console.write(kGbkWord);  // three characters, six cells
  console.write("\ty\tz");
  EXPECT_EQ(out.text, std::string(8, ' ') + "   x\n" + std::string(kGbkWord) + "  y" +
                          std::string(7, ' ') + "z");
}

TEST(Console, WithoutColoursOnlyTextIsWritten) {
  MemorySink out;
  {
    Console console(out, TextEncoding::kUtf8, false);
    console.set_screen_colors(0x53);
    console.set_text_attribute(kYellowOnBlack);
    console.write("plain\t");
  }
  EXPECT_EQ(out.text, "plain\t");
}

}  // namespace
}  // namespace kanvo::console
