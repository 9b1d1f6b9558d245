// A surface for line tests: geometric pens, lines from point to point and rows as text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/surface/surface.h"
#include "tests/host/surface/surface_fixture.h"

namespace kanvo::surface::testing {

template <std::int32_t Width, std::int32_t Height>
class LineSurfaceTest : public SizedSurfaceTest<Width, Height> {
 protected:
  ObjectHandle geometric(std::uint32_t style, std::uint32_t width, Color color,
                         std::vector<std::uint32_t> dashes = {}) {
    LogBrush brush;
    brush.color = color;
    return ext_create_pen(pen_style::kGeometric | style, width, brush,
                          static_cast<std::uint32_t>(dashes.size()),
                          dashes.empty() ? nullptr : dashes.data());
  }
  void line(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) {
    move_to(this->dc_, x0, y0, nullptr);
    ASSERT_TRUE(line_to(this->dc_, x1, y1));
  }
  // Row y from x0 to x1 (exclusive): '#' for `ink`, '.' for 0, '?' for anything else.
  std::string row(std::int32_t y, std::int32_t x0, std::int32_t x1, PixelWord ink) const {
    std::string text;
    for (std::int32_t x = x0; x < x1; ++x) {
      const PixelWord word = this->at(x, y);
      text += word == ink ? '#' : word == 0 ? '.' : '?';
    }
    return text;
  }
};

}  // namespace kanvo::surface::testing
