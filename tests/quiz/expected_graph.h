// The graph a reveal should leave in the window's client area, worked out here from the recipe
// table and the drawing rules, sample by sample, without the plotter's code or the library's
// drawing: the tests compare the screen and the canvas with it.
#pragma once

#include <cstdint>
#include <vector>

namespace kanvo::quiz {

struct ExpectedMark {
  std::int32_t x;
  std::int32_t y;

  friend bool operator==(const ExpectedMark&, const ExpectedMark&) = default;
};

// Every mark centre of the recipe `index` (1 to 16) in drawing order.
std::vector<ExpectedMark> expected_marks(int index);

// Pixel words 0x00RRGGBB, rows top to bottom.
struct ExpectedPicture {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t at(std::int32_t x, std::int32_t y) const { return pixels[y * width + x]; }
};

constexpr std::uint32_t kAxesWord = 0x00FFFF55;   // the colour 0x55FFFF as a pixel word
constexpr std::uint32_t kCurveWord = 0x00FFFFFF;  // white

// Axes and every mark of the recipe `index` on black, `width` by `height`.
ExpectedPicture expected_graph(int index, std::int32_t width, std::int32_t height);

}  // namespace kanvo::quiz
