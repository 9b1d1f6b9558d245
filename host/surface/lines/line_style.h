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
  // Where a piece starts within the period (the piece `count()` starts the next period).
  double offset(int index) const { return offsets_[static_cast<std::size_t>(index)]; }
  double period() const { return period_; }

  // Where a position (any value, reduced modulo the period) falls: the index of its dash or gap
  // and how much of that piece is left from there.
  void locate(double position, int& index, double& remaining) const;

 private:
  std::array<double, kMaxLengths> lengths_{};
  std::array<double, kMaxLengths + 1> offsets_{};
  int count_ = 0;
  double period_ = 0.0;
};

// The pattern the pen draws with. A one-pixel pen (cosmetic, or geometric one unit wide on the
// device) counts in pixels; a wider geometric pen in device units, its built-in kinds scaled by
// its device width.
// The dashes of a pattern laid along a path, a period starting at `origin`. The ends of dash `j`
// of period `m` are worked out from `m` and `j` alone, so every dash comes out the same however
// far along the path a walk starts: a walk that skips what cannot show draws the rest exactly as
// a walk from the start would.
class DashCursor {
 public:
  DashCursor(const DashPattern& pattern, double origin) : pattern_(pattern), origin_(origin) {}

  // Moves to the first dash that ends after `from` or is a dot at it. Past the last dash that
  // the precision of a double can place, start() is infinite.
  void seek(double from);
  void next();
  double start() const { return at(piece_); }
  double end() const { return at(piece_ + 1); }

 private:
  double at(int piece) const {
    return origin_ + period_index_ * pattern_.period() + pattern_.offset(piece);
  }

  const DashPattern& pattern_;
  double origin_;
  double period_index_ = 0.0;  // whole, but may pass any integer type's range
  int piece_ = 0;              // even: a dash
};

DashPattern dash_pattern_of(const PenObject& pen, bool one_pixel, double device_width);

}  // namespace kanvo::surface::lines
