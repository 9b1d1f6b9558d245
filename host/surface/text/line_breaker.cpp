#include "host/surface/text/line_breaker.h"

#include <algorithm>
#include <array>

namespace kanvo::surface::text {
namespace {

// Punctuation that must not begin a line, and punctuation that must not end one.
constexpr std::array<char32_t, 33> kClosing{
    U'!',      U')',      U',',      U'.',      U':',      U';',      U'?',
    U']',      U'}',      U'\u2019', U'\u201D', U'\u2026', U'\u3001', U'\u3002',
    U'\u3009', U'\u300B', U'\u300D', U'\u300F', U'\u3011', U'\u3015', U'\u3017',
    U'\uFF01', U'\uFF09', U'\uFF0C', U'\uFF0E', U'\uFF1A', U'\uFF1B', U'\uFF1F',
    U'\uFF3D', U'\uFF5D', U'\uFF60', U'%',      U'\uFF05'};
constexpr std::array<char32_t, 17> kOpening{U'(',      U'[',      U'{',      U'\u2018', U'\u201C',
                                            U'\u3008', U'\u300A', U'\u300C', U'\u300E', U'\u3010',
                                            U'\u3014', U'\u3016', U'\uFF08', U'\uFF3B', U'\uFF5B',
                                            U'\uFF5F', U'\uFFE5'};

bool contains(const auto& set, char32_t code) {
  return std::find(set.begin(), set.end(), code) != set.end();
}

bool may_break_between(char32_t before, char32_t after) {
  return (is_full_width(before) || is_full_width(after)) && !contains(kClosing, after) &&
         !contains(kOpening, before);
}

}  // namespace

bool is_full_width(char32_t code) {
  struct Range {
    char32_t first;
    char32_t last;
  };
  static constexpr std::array<Range, 12> kRanges{{{0x1100, 0x115F},
                                                  {0x2E80, 0x303E},
                                                  {0x3041, 0x33FF},
                                                  {0x3400, 0x4DBF},
                                                  {0x4E00, 0x9FFF},
                                                  {0xA000, 0xA4CF},
                                                  {0xAC00, 0xD7A3},
                                                  {0xF900, 0xFAFF},
                                                  {0xFE30, 0xFE4F},
                                                  {0xFF00, 0xFF60},
                                                  {0xFFE0, 0xFFE6},
                                                  {0x20000, 0x3FFFD}}};
  return std::any_of(kRanges.begin(), kRanges.end(), [code](const Range& range) {
    return code >= range.first && code <= range.last;
  });
}

LineBreaker::LineBreaker(const Font& font, const Run& run, bool single_line, bool word_break,
                         std::int64_t max_width)
    : font_(font),
      run_(run),
      single_line_(single_line),
      word_break_(word_break && !single_line),
      max_width_(max_width) {}

bool LineBreaker::next(Line* line) {
  const std::string_view text = run_.text;
  if (position_ >= text.size()) return false;
  std::size_t end = text.size();
  std::size_t after = end;
  if (!single_line_) {
    const std::size_t found = text.find_first_of("\r\n", position_);
    if (found != std::string_view::npos) {
      end = found;
      after = found +
              (text[found] == '\r' && found + 1 < text.size() && text[found + 1] == '\n' ? 2 : 1);
    }
  }
  if (word_break_) {
    wrap(end, after, line);
    return true;
  }
  Run piece = run_;
  piece.text = text.substr(position_, end - position_);
  *line = {position_, end, measure_run(font_, piece)};
  position_ = after;
  return true;
}

void LineBreaker::wrap(std::size_t end, std::size_t after, Line* line) {
  GlyphSet::Lock glyphs(font_.glyphs());
  CharReader reader(run_.text.substr(position_, end - position_), run_.encoding, run_.prefixes);
  std::int64_t x = 0;
  // The last break opportunity: where the line would end, its width, where the next would start.
  bool have_break = false;
  std::size_t break_end = 0;
  std::size_t break_resume = 0;
  std::int64_t break_width = 0;
  bool in_breaking_spaces = false;
  char32_t previous = 0;
  bool first = true;
  for (TextChar c;;) {
    const std::size_t at = reader.position();
    if (!reader.next(&c)) break;
    if (c.code == U' ') {
      // Spaces may hang past the edge; the first of a run marks the opportunity.
      if (!first && previous != U' ') {
        have_break = true;
        break_end = at;
        break_width = x;
        in_breaking_spaces = true;
      }
      if (in_breaking_spaces) break_resume = reader.position();
    } else {
      in_breaking_spaces = false;
      if (!first && previous != U' ' && may_break_between(previous, c.code)) {
        have_break = true;
        break_end = break_resume = at;
        break_width = x;
      }
      if (have_break && advance_from(x, c, glyphs, run_.tab_width) > max_width_) {
        *line = {position_, position_ + break_end, break_width};
        position_ += break_resume;
        return;
      }
    }
    x = advance_from(x, c, glyphs, run_.tab_width);
    previous = c.code;
    first = false;
  }
  *line = {position_, end, x};
  position_ = after;
}

}  // namespace kanvo::surface::text
