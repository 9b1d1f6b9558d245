// A screen that exists only in memory: a fixed size, no thread of its own. Tests capture what it
// shows and feed it input as if a user were there.
#pragma once

#include <cstdint>
#include <vector>

#include "host/display/display.h"

namespace kanvo::display {

struct Image {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<PixelWord> pixels;  // top-down rows, 0x00RRGGBB
  PixelWord at(std::int32_t x, std::int32_t y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};

class HeadlessDisplay final : public Display {
 public:
  static constexpr std::int32_t kWidth = 1280;
  static constexpr std::int32_t kHeight = 800;
  static constexpr std::int32_t kTaskbarHeight = 40;
  static constexpr PixelWord kDesktop = 0x003A6EA5;

  explicit HeadlessDisplay(Scene& scene) : scene_(scene) {}

  Rect bounds() const override { return {0, 0, kWidth, kHeight}; }
  Rect work_area() const override { return {0, 0, kWidth, kHeight - kTaskbarHeight}; }
  void scene_changed() override {}
  bool is_headless() const override { return true; }

  // The screen as it looks now: the desktop colour under the shown windows, bottom to top.
  Image capture();
  // Input as the user would give it; delivered on the calling thread.
  void inject(const InputEvent& event) { scene_.deliver(event); }

 private:
  Scene& scene_;
};

}  // namespace kanvo::display
