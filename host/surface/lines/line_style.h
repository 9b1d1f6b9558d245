// The dash pattern of a pen: alternating dash and gap lengths, starting with a dash.
//
// One-pixel lines count the pattern in pixels along their major axis; wide lines count it in
// device units along the path. A pattern given with an odd number of lengths runs twice per
// period, the second time with dashes and gaps exchanged.
#pragma once

#include <array>
#include <cstdint>

#include "host/surface/objects/objects.h"

namespace kanvo::surface::lines {

class DashPattern {
 public:
  static constexpr int kMaxLengths = 2 * static_cast<int>(kMaxUserDashes);

  // No pattern: everything is dash.
  DashPattern() = default;
  // The pattern of the lengths; lengths summing to zero leave no pattern.
  DashPattern(const std::uint32_t* lengths, int count, double scale);

  bool solid() const { return count_ == 0; }
  // Whether every dash has no length: a pattern of dots.
  bool dots_only() const;
  int count() const { return count_; }
  double length(int index) const { return lengths_[static_cast<std::size_t>(index)]; }
  double period() const { return period_; }

  // Where a position (any value, reduced modulo the period) falls: the index of its dash or gap
  // and how much of that piece is left from there.
  void locate(double position, int& index, double& remaining) const;

 private:
  std::array<double, kMaxLengths> lengths_{};
  int count_ = 0;
  double period_ = 0.0;
};

// The pattern the pen draws with. A one-pixel pen (cosmetic, or geometric one unit wide on the
// device) counts in pixels; a wider geometric pen in device units, its built-in kinds scaled by
// its device width.
DashPattern dash_pattern_of(const PenObject& pen, bool one_pixel, double device_width);

}  // namespace kanvo::surface::lines
