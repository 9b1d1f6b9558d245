// Splits a text into the lines of a formatted text box, one line at a time, so that measuring
// and drawing see exactly the same lines and nothing is stored per line.
//
// "\r\n", "\n" and a lone "\r" end a line, except in single-line mode. With word breaking, a line
// that would grow past the box's width ends at the last break opportunity: a run of spaces (which
// is dropped from both lines) or a boundary next to a full-width (CJK) character, though never
// before closing punctuation such as "，" or "）" nor after opening punctuation such as "（". A
// word longer than the line has no opportunity inside it: it stays whole on a line of its own and
// overflows the box, where drawing clips it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "host/surface/text/font.h"
#include "host/surface/text/text_run.h"

namespace kanvo::surface::text {

struct Line {
  std::size_t begin = 0;  // byte range in the text
  std::size_t end = 0;
  std::int64_t width = 0;  // logical units
};

class LineBreaker {
 public:
  // `run` gives the text and how characters are read and advanced (prefixes, tab stops).
  LineBreaker(const Font& font, const Run& run, bool single_line, bool word_break,
              std::int64_t max_width);
  // False after the last line. A text of no bytes has no line.
  bool next(Line* line);

 private:
  void wrap(std::size_t end, std::size_t after, Line* line);

  const Font& font_;
  Run run_;
  bool single_line_;
  bool word_break_;
  std::int64_t max_width_;
  std::size_t position_ = 0;  // where the next line starts
};

// Full-width characters (CJK ideographs, kana, hangul, full-width forms and punctuation).
bool is_full_width(char32_t code);

}  // namespace kanvo::surface::text
