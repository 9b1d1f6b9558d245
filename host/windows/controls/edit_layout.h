// Where an edit field's text stands: its visual lines (a multi-line field breaks lines at line
// breaks and wraps them at word ends to the field's width; a single-line field is one line) and
// the x position of every character within its line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "host/windows/controls/text_measure.h"

namespace kanvo::win::controls {

struct VisualLine {
  std::size_t start = 0;
  std::size_t end = 0;  // the line's characters end here; a line break or wrapping space follows
};

class EditLayout {
 public:
  // `width` is the room for text; a multi-line field wraps at it.
  void lay_out(const std::u32string& text, bool multi_line, std::int32_t width,
               TextMeasure& measure);

  const std::vector<VisualLine>& lines() const { return lines_; }
  // The line a position is on; a position where a line wraps belongs to the line it starts.
  std::size_t line_of(std::size_t position) const;
  // x of a position within its line, from the line's start.
  std::int32_t x_of(const std::u32string& text, std::size_t position, TextMeasure& measure) const;
  // The position on a line nearest to x.
  std::size_t position_at(const std::u32string& text, std::size_t line, std::int32_t x,
                          TextMeasure& measure) const;

 private:
  std::vector<VisualLine> lines_{VisualLine{}};
};

}  // namespace kanvo::win::controls
