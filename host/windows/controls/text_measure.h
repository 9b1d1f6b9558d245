// How wide characters are in a control's font: a memory surface with the font selected measures
// each character once; tabs reach the next stop of eight average character widths.
#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>

#include "host/surface/surface.h"

namespace kanvo::win::controls {

class TextMeasure {
 public:
  TextMeasure();
  ~TextMeasure();
  TextMeasure(const TextMeasure&) = delete;
  TextMeasure& operator=(const TextMeasure&) = delete;

  // The font stays the caller's; kNoObject measures in the system font.
  void set_font(surface::ObjectHandle font);
  std::int32_t line_height() const { return line_height_; }
  std::int32_t advance(char32_t character);
  // Where a character that starts at `x` ends.
  std::int32_t advance_from(std::int32_t x, char32_t character);

 private:
  surface::DcHandle dc_;
  std::int32_t line_height_ = 0;
  std::int32_t tab_width_ = 0;
  std::unordered_map<char32_t, std::int32_t> widths_;
};

}  // namespace kanvo::win::controls
