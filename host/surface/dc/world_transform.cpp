#include "host/surface/dc/world_transform.h"

#include <algorithm>
#include <cmath>

namespace kanvo::surface {

std::int64_t round_device(double value) {
  if (!(value == value)) return 0;  // NaN from a degenerate transform
  const double rounded = std::floor(value + 0.5);
  return static_cast<std::int64_t>(
      std::clamp(rounded, -kDeviceCoordinateLimit, kDeviceCoordinateLimit));
}

WorldMapping::WorldMapping(const Transform& transform)
    : transform_(transform),
      identity_(transform == Transform{}),
      axis_aligned_(transform.m12 == 0.0f && transform.m21 == 0.0f) {}

DevicePointF WorldMapping::map_exact(double x, double y) const {
  const Transform& t = transform_;
  return {x * t.m11 + y * t.m21 + t.dx, x * t.m12 + y * t.m22 + t.dy};
}

DevicePoint WorldMapping::map_transformed(std::int32_t x, std::int32_t y) const {
  const DevicePointF exact = map_exact(x, y);
  return {round_device(exact.x), round_device(exact.y)};
}

double WorldMapping::scale_x() const {
  return std::hypot(transform_.m11, transform_.m12);
}
double WorldMapping::scale_y() const {
  return std::hypot(transform_.m21, transform_.m22);
}

}  // namespace kanvo::surface
