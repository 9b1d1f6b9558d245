#include "host/display/headless_display.h"

#include <algorithm>

namespace kanvo::display {

Image HeadlessDisplay::capture() {
  Image screen{kWidth, kHeight,
               std::vector<PixelWord>(static_cast<std::size_t>(kWidth) * kHeight, kDesktop)};
  std::vector<PixelWord> picture;
  for (const SceneWindow& window : scene_.windows()) {
    if (!window.shown) continue;
    const std::int32_t width = window.outer.right - window.outer.left;
    const std::int32_t height = window.outer.bottom - window.outer.top;
    if (width <= 0 || height <= 0) continue;
    picture.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    if (!scene_.render(window.id, picture.data(), width, height)) continue;
    const std::int32_t left = std::max(window.outer.left, 0);
    const std::int32_t right = std::min(window.outer.right, kWidth);
    if (left >= right) continue;
    for (std::int32_t y = std::max(window.outer.top, 0); y < std::min(window.outer.bottom, kHeight);
         ++y) {
      const PixelWord* row = picture.data() +
                             static_cast<std::size_t>(y - window.outer.top) * width +
                             (left - window.outer.left);
      std::copy(row, row + (right - left),
                screen.pixels.begin() + static_cast<std::ptrdiff_t>(y) * kWidth + left);
    }
  }
  return screen;
}

}  // namespace kanvo::display
