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

inline DeviceRect map_rect(const WorldMapping& mapping, std::int32_t left, std::int32_t top,
                           std::int32_t right, std::int32_t bottom) {
  const DevicePoint a = mapping.map(left, top);
  const DevicePoint b = mapping.map(right, bottom);
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

}  // namespace kanvo::surface
