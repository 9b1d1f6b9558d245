// What an edit field holds, apart from any window: line breaks, the limit, words.
#include "host/windows/controls/edit_text.h"

#include <gtest/gtest.h>

namespace kanvo::win::controls {
namespace {

TEST(EditText, MultiLineTextKeepsOneBreakPerLineAndWritesCrLf) {
  EditText text(true);
  text.set_window_text("a\r\nb\rc\nd");
  EXPECT_EQ(text.text(), U"a\nb\nc\nd");
  EXPECT_EQ(text.window_text(), "a\r\nb\r\nc\r\nd");
  EXPECT_EQ(text.window_text_size(), 10u);
  text.move_caret(100, false);
  EXPECT_EQ(text.caret(), 7u);
  // A single-line field keeps what it is given, and takes one line of what is inserted.
  EditText single(false);
  single.set_window_text("a\r\nb");
  EXPECT_EQ(single.window_text(), "a\r\nb");
  single.move_caret(0, false);
  EXPECT_TRUE(single.insert(U"x\ny"));
  EXPECT_EQ(single.window_text(), "xa\r\nb");
}

TEST(EditText, LimitCountsTheBytesLeftOnceTheSelectionIsGone) {
  EditText text(true);
  text.set_limit(5);
  EXPECT_TRUE(text.insert(U"ab\ncd"));  // the break takes two bytes
  EXPECT_EQ(text.window_text(), "ab\r\nc");
  text.select(0, 2);
  EXPECT_TRUE(text.insert(U"中文"));  // room for one in the two bytes replaced
  EXPECT_EQ(text.text(), U"中\nc");
  EXPECT_FALSE(text.insert(U"x"));
  // A text over the limit (set from outside) can only shrink.
  text.set_window_text("0123456789");
  text.move_caret(10, false);
  EXPECT_FALSE(text.insert(U"x"));
  EXPECT_TRUE(text.erase_backward());
  EXPECT_EQ(text.window_text(), "012345678");
  // Counted in UTF-8, the two characters take six bytes.
  text.set_window_text("");
  text.set_limit(6);
  text.count_in_utf8(true);
  EXPECT_TRUE(text.insert(U"中文x"));
  EXPECT_EQ(text.text(), U"中文");
}

TEST(EditText, ControlCharactersAndUnknownCharactersAreLeftOut) {
  EditText text(false);
  EXPECT_TRUE(text.insert(U"a\x01\tb\U0001F600"));
  EXPECT_EQ(text.text(), U"a\tb");
  EXPECT_FALSE(text.insert(U"\x02"));
  EXPECT_FALSE(text.erase_forward());
  text.move_caret(0, false);
  EXPECT_FALSE(text.erase_backward());
}

TEST(EditText, WordsAreRunsOfLettersAndDigitsWithTheirSpaces) {
  EditText text(false);
  text.set_window_text("one, two  three");
  EXPECT_EQ(text.word_end(0), 3u);   // "one"
  EXPECT_EQ(text.word_end(3), 5u);   // ", "
  EXPECT_EQ(text.word_end(5), 10u);  // "two  "
  EXPECT_EQ(text.word_start(15), 10u);
  EXPECT_EQ(text.word_start(10), 5u);
  EXPECT_EQ(text.word_start(5), 3u);
  EXPECT_EQ(text.word_start(4), 3u);
  EXPECT_EQ(text.word_start(0), 0u);
  EXPECT_EQ(text.word_end(99), 15u);
}

}  // namespace
}  // namespace kanvo::win::controls
