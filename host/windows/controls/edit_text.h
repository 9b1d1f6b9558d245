// What an edit field holds: its text, the caret and the selection, and the limit on how long
// typing may make the text. Positions count characters. In a multi-line field a line break is
// one character ('\n') that the window text writes as "\r\n"; a single-line field keeps line
// breaks it is given as they are. Every character is one that GBK can hold, so the text's length
// in bytes (the unit of the limit; GBK's, or UTF-8's for an owner that hands the text on so) is
// known for every edit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kanvo::win::controls {

class EditText {
 public:
  explicit EditText(bool multi_line) : multi_line_(multi_line) {}

  // The window text (GBK; "\r\n", a lone '\r' or '\n' break lines in a multi-line field). The
  // caret goes to the start. Characters that GBK cannot hold are left out; no limit applies.
  void set_window_text(std::string_view gbk);
  std::string window_text() const;
  // The text's length as window text, in bytes.
  std::size_t window_text_size() const { return window_text().size(); }

  const std::u32string& text() const { return text_; }
  std::size_t caret() const { return caret_; }
  std::size_t anchor() const { return anchor_; }
  std::size_t selection_start() const { return caret_ < anchor_ ? caret_ : anchor_; }
  std::size_t selection_end() const { return caret_ < anchor_ ? anchor_ : caret_; }
  bool has_selection() const { return caret_ != anchor_; }
  std::u32string selected_text() const;

  // The most bytes that typing and pasting may make the window text; 0 allows none.
  void set_limit(std::size_t bytes) { limit_ = bytes; }
  std::size_t limit() const { return limit_; }
  // Whether the limit counts the bytes the text takes in UTF-8 rather than in GBK.
  void count_in_utf8(bool utf8);

  // Moves the caret (within the text); with `extend` the anchor stays, making a selection.
  void move_caret(std::size_t position, bool extend);
  // Selects from `anchor` to `caret`; positions past the end mean the end.
  void select(std::size_t anchor, std::size_t caret);

  // Replaces the selection with as much of the text as fits the limit, in whole characters; a
  // single-line field takes only the text's first line, and characters GBK cannot hold are left
  // out. Returns whether anything changed.
  bool insert(std::u32string_view text);
  bool erase_selection();
  // Backspace and Delete: the selection, or the character before or after the caret.
  bool erase_backward();
  bool erase_forward();

  // Where the word around or next to a position starts and ends (words are runs of letters and
  // digits; other characters stand alone, and spaces join the word before them).
  std::size_t word_start(std::size_t position) const;
  std::size_t word_end(std::size_t position) const;

 private:
  std::size_t byte_size(char32_t character) const;
  std::size_t bytes_of(std::size_t start, std::size_t end) const;

  bool multi_line_;
  bool utf8_ = false;
  std::u32string text_;
  std::size_t counted_ = 0;  // the text's size in the limit's bytes
  std::size_t caret_ = 0;
  std::size_t anchor_ = 0;
  std::size_t limit_ = 32767;
};

}  // namespace kanvo::win::controls
