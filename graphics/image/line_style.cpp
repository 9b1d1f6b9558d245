#include "graphics/image/line_style.h"

#include <algorithm>

namespace kanvo {

LineStyle::LineStyle(const LineStyle& other) {
  *this = other;
}

LineStyle& LineStyle::operator=(const LineStyle& other) {
  if (&other == this) return *this;
  style = other.style;
  thickness = other.thickness;
  dash_array.reset();
  // Without dashes to take, the count is left as it was: a record without an array never uses it.
  if (other.dash_array && other.dash_count > 0 && is_user_style(other.style)) {
    set_dashes(other.dash_array.get(), other.dash_count);
  }
  return *this;
}

void LineStyle::set_dashes(const std::uint32_t* dashes, std::int32_t count) {
  dash_array.reset();
  if (dashes == nullptr || count <= 0) return;
  dash_count = count;
  dash_array = std::make_unique<std::uint32_t[]>(static_cast<std::size_t>(count));
  std::copy_n(dashes, count, dash_array.get());
}

}  // namespace kanvo
