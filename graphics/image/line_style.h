// The pen description an image carries: style word, thickness and, for user styles, the dash
// array. Also used by callers as a save-and-restore buffer.
#pragma once

#include <cstdint>
#include <memory>

namespace kanvo {

class LineStyle {
 public:
  LineStyle() = default;
  LineStyle(const LineStyle& other);
  LineStyle& operator=(const LineStyle& other);
  virtual ~LineStyle() = default;

  // Takes a copy of `count` lengths when the style is a user style and there is something to
  // copy; otherwise the record ends up without dashes.
  void set_dashes(const std::uint32_t* dashes, std::int32_t count);
  void free_dashes() { dash_array.reset(); }

  std::int32_t style = 0;  // kind in bits 0-3, end cap in bits 8-11, join in bits 12-15
  std::int32_t thickness = 1;
  std::unique_ptr<std::uint32_t[]> dash_array;
  std::int32_t dash_count = 0;
};

// The null pen: nothing drawn.
inline constexpr std::int32_t kLineNull = 5;
inline constexpr std::int32_t kUserStyleKind = 7;
inline bool is_user_style(std::int32_t style) {
  return (style & 0xF) == kUserStyleKind;
}

}  // namespace kanvo
