#include "graphics/image/pixel_fill.h"

#include <algorithm>
#include <cstring>

#include "host/surface/types.h"

namespace kanvo {

void fill_with_color(std::uint32_t* pixels, std::size_t count, std::uint32_t color) {
  if (pixels == nullptr) return;
  const std::uint32_t red = color & 0xFF;
  if (red == ((color >> 8) & 0xFF) && red == ((color >> 16) & 0xFF)) {
    std::memset(pixels, static_cast<int>(red), count * sizeof(std::uint32_t));
  } else {
    std::fill_n(pixels, count, surface::swap_red_blue(color));
  }
}

}  // namespace kanvo
