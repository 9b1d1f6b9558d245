#include "graphics/image/pixel_fill.h"

#include <algorithm>

#include "graphics/platform/types.h"

namespace kanvo {

void fill_with_color(CanvasImage& image, std::uint32_t color) {
  if (image.pixels() == nullptr) return;
  // Always word by word: a byte fill of a grey would set the top byte of every pixel to the grey
  // value, and a program reading the buffer would see 0x40404040 for 0x00404040.
  std::fill_n(image.pixels(),
              static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height()),
              platform::swap_red_blue(color));
}

}  // namespace kanvo
