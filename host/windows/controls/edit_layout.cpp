#include "host/windows/controls/edit_layout.h"

#include <algorithm>

namespace kanvo::win::controls {
namespace {

bool breaks_after(char32_t c) {
  // Spaces end words; CJK text may break between any two characters.
  return c == U' ' || c == U'\t' || c >= 0x2E80;
}

}  // namespace

void EditLayout::lay_out(const std::u32string& text, bool multi_line, std::int32_t width,
                         TextMeasure& measure) {
  lines_.clear();
  if (!multi_line) {
    lines_.push_back({0, text.size()});
    return;
  }
  std::size_t start = 0;
  while (true) {
    std::size_t position = start;
    std::int32_t x = 0;
    std::size_t last_break = 0;  // a position after which the line may end; 0 for none yet
    bool wrapped = false;
    while (position < text.size() && text[position] != U'\n') {
      const std::int32_t next_x = measure.advance_from(x, text[position]);
      // Spaces may hang past the edge; anything else wraps once the line holds something.
      if (next_x > width && position > start && text[position] != U' ') {
        const std::size_t end = last_break > start ? last_break : position;
        lines_.push_back({start, end});
        start = end;
        wrapped = true;
        break;
      }
      x = next_x;
      ++position;
      if (breaks_after(text[position - 1])) last_break = position;
    }
    if (wrapped) continue;
    lines_.push_back({start, position});
    if (position >= text.size()) break;
    start = position + 1;  // past the line break
  }
}

std::size_t EditLayout::line_of(std::size_t position) const {
  // The last line that starts at or before the position.
  const auto after = std::upper_bound(
      lines_.begin(), lines_.end(), position,
      [](std::size_t value, const VisualLine& line) { return value < line.start; });
  return after == lines_.begin() ? 0 : static_cast<std::size_t>(after - lines_.begin()) - 1;
}

std::int32_t EditLayout::x_of(const std::u32string& text, std::size_t position,
                              TextMeasure& measure) const {
  const VisualLine& line = lines_[line_of(position)];
  std::int32_t x = 0;
  for (std::size_t i = line.start; i < std::min(position, line.end); ++i) {
    x = measure.advance_from(x, text[i]);
  }
  return x;
}

std::size_t EditLayout::position_at(const std::u32string& text, std::size_t line, std::int32_t x,
                                    TextMeasure& measure) const {
  line = std::min(line, lines_.size() - 1);
  const VisualLine& visual = lines_[line];
  std::int32_t left = 0;
  for (std::size_t i = visual.start; i < visual.end; ++i) {
    const std::int32_t right = measure.advance_from(left, text[i]);
    if (x < (left + right) / 2) return i;
    left = right;
  }
  // The end of a wrapped line is where the next one starts: stay before its last character.
  const bool wraps = line + 1 < lines_.size() && lines_[line + 1].start == visual.end;
  return wraps && visual.end > visual.start ? visual.end - 1 : visual.end;
}

}  // namespace kanvo::win::controls
