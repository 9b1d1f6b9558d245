// The pixels of a one-pixel line stated plainly, one step at a time, for tests to hold the
// line's fast paths against.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

#include "host/surface/dc/world_transform.h"

namespace kanvo::surface::testing {

using Pixel = std::pair<std::int64_t, std::int64_t>;  // x, y

// One pixel per step along the major axis from `a`, `b` itself only when `last`; the minor
// coordinate is the exact one rounded to the nearest pixel, ties to the smaller coordinate.
inline std::vector<Pixel> walked(DevicePoint a, DevicePoint b, bool last) {
  std::vector<Pixel> pixels;
  const std::int64_t dx = b.x - a.x;
  const std::int64_t dy = b.y - a.y;
  const bool x_major = std::llabs(dx) >= std::llabs(dy);
  const std::int64_t n = x_major ? std::llabs(dx) : std::llabs(dy);
  for (std::int64_t i = 0; i < n + (last ? 1 : 0); ++i) {
    const std::int64_t major = (x_major ? dx : dy) < 0 ? -i : i;
    const std::int64_t d_minor = x_major ? dy : dx;
    // minor = ceil(d_minor * i / n - 1/2) = ceil((2 * d_minor * i - n) / (2 * n))
    std::int64_t minor = 0;
    if (n != 0) {
      const std::int64_t num = 2 * d_minor * i - n;
      const std::int64_t den = 2 * n;
      minor = num / den + ((num % den != 0 && num > 0) ? 1 : 0);
    }
    pixels.emplace_back(a.x + (x_major ? major : minor), a.y + (x_major ? minor : major));
  }
  return pixels;
}

}  // namespace kanvo::surface::testing
