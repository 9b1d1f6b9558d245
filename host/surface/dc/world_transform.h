// Logical (world) coordinates to device pixels.
//
// Device coordinates are 64-bit so that a 32-bit logical coordinate under any scale stays
// representable; they are clamped to +-2^52 (a float transform can scale far beyond that).
#pragma once

#include <cstdint>

#include "host/surface/types.h"

namespace kanvo::surface {

struct DevicePoint {
  std::int64_t x = 0;
  std::int64_t y = 0;
  friend bool operator==(const DevicePoint&, const DevicePoint&) = default;
};

struct DevicePointF {
  double x = 0.0;
  double y = 0.0;
};

inline constexpr double kDeviceCoordinateLimit = 4503599627370496.0;  // 2^52

class WorldMapping {
 public:
  WorldMapping() = default;
  explicit WorldMapping(const Transform& transform);

  const Transform& transform() const { return transform_; }
  bool is_identity() const { return identity_; }
  // Axis-aligned (no shear or rotation): rectangles stay rectangles.
  bool is_axis_aligned() const { return axis_aligned_; }

  // The exact image of a logical point.
  DevicePointF map_exact(double x, double y) const;
  // The pixel a logical point lands on: the exact image rounded to the nearest pixel, halves
  // toward positive infinity.
  DevicePoint map(std::int32_t x, std::int32_t y) const {
    return identity_ ? DevicePoint{x, y} : map_transformed(x, y);
  }
  DevicePoint map(Point point) const { return map(point.x, point.y); }

  // How long one logical unit is along each axis, in pixels (for pen widths).
  double scale_x() const;
  double scale_y() const;

 private:
  DevicePoint map_transformed(std::int32_t x, std::int32_t y) const;

  Transform transform_{};
  bool identity_ = true;
  bool axis_aligned_ = true;
};

// Rounds to the nearest integer (halves up) and clamps to the device coordinate range.
std::int64_t round_device(double value);

}  // namespace kanvo::surface
