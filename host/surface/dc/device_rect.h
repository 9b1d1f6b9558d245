// A logical rectangle mapped to device pixels, corners ordered.
#pragma once

#include <algorithm>
#include <cstdint>

#include "host/surface/dc/world_transform.h"

namespace kanvo::surface {

struct DeviceRect {
  std::int64_t left = 0;
  std::int64_t top = 0;
  std::int64_t right = 0;
  std::int64_t bottom = 0;

  bool empty() const { return left >= right || top >= bottom; }
};

// Which way a call named a box's corners on the device: its first corner right of the second,
// or below it (a box given backwards, or turned over by the world transform).
struct CornerOrder {
  bool right_to_left = false;
  bool bottom_to_top = false;
};

// Corners ordered, and the way they were named.
inline DeviceRect map_rect(const WorldMapping& mapping, std::int32_t left, std::int32_t top,
                           std::int32_t right, std::int32_t bottom, CornerOrder& order) {
  const DevicePoint a = mapping.map(left, top);
  const DevicePoint b = mapping.map(right, bottom);
  order = {a.x > b.x, a.y > b.y};
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

// Corners ordered: for shapes whose pixel rules are stated on the ordered box.
inline DeviceRect map_rect(const WorldMapping& mapping, std::int32_t left, std::int32_t top,
                           std::int32_t right, std::int32_t bottom) {
  CornerOrder unused;
  return map_rect(mapping, left, top, right, bottom, unused);
}

// The pixels from the first corner up to, not including, the second, in whichever direction the
// second lies: a box given right to left covers right + 1 to left + 1. Fills and block transfers
// take their boxes this way.
inline DeviceRect map_directed_rect(const WorldMapping& mapping, std::int32_t x0, std::int32_t y0,
                                    std::int32_t x1, std::int32_t y1) {
  const DevicePoint a = mapping.map(x0, y0);
  const DevicePoint b = mapping.map(x1, y1);
  // [first, second) along an axis, or (second, first] when the second lies before the first.
  auto axis = [](std::int64_t first, std::int64_t second, std::int64_t& low, std::int64_t& high) {
    low = first <= second ? first : second + 1;
    high = first <= second ? second : first + 1;
  };
  DeviceRect box;
  axis(a.x, b.x, box.left, box.right);
  axis(a.y, b.y, box.top, box.bottom);
  return box;
}

}  // namespace kanvo::surface
