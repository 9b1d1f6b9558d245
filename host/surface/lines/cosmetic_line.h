// The pixels of a one-pixel line between two device points.
//
// The line takes one pixel per step along its major axis (x when |dx| >= |dy|), starting at the
// first point; the last step (the second point) is left out unless asked for. The minor
// coordinate of step i is the exact one rounded to the nearest pixel, and a tie (the exact value
// half way between two pixels) goes to the smaller coordinate, in every direction.
//
// The steps are cut analytically to a box before any is visited, so a line of any length costs
// only what it shows, and runs of pixels on one row come out as one piece.
#pragma once

#include <algorithm>
#include <cstdint>

#include "host/surface/dc/world_transform.h"
#include "host/surface/types.h"

namespace kanvo::surface::lines {

__extension__ typedef __int128 Wide;

// Pixels x = x_first + x_step * k, row y, for k in [0, count): steps step_first + k of the line.
struct LineRun {
  std::int64_t y = 0;
  std::int64_t x_first = 0;
  std::int64_t count = 0;
  std::int64_t step_first = 0;
  int x_step = 1;
};

class CosmeticLine {
 public:
  CosmeticLine(DevicePoint from, DevicePoint to, bool include_last);

  // Steps of the whole line (its length along the major axis, plus one with the last pixel).
  std::int64_t steps() const { return steps_; }

  // Calls sink(const LineRun&) for every run inside the box, in the order of the steps.
  template <class Sink>
  void trace(const Rect& box, Sink&& sink) const;

 private:
  // Minor offset of step i: floor((2 * minor * i + major - bias) / (2 * major)).
  std::int64_t minor_offset(std::int64_t i) const {
    if (minor_ == 0) return 0;
    return floor_div(Wide{2} * minor_ * i + major_ - bias_, Wide{2} * major_);
  }
  // The first step whose minor offset reaches m.
  std::int64_t first_step_reaching(std::int64_t m) const {
    return ceil_div(Wide{2} * major_ * m - major_ + bias_, Wide{2} * minor_);
  }
  // Steps [first, last) whose pixels lie inside the box; empty when first >= last.
  void visible_steps(const Rect& box, std::int64_t& first, std::int64_t& last) const;

  static std::int64_t floor_div(Wide a, Wide b) {
    Wide q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return static_cast<std::int64_t>(q);
  }
  static std::int64_t ceil_div(Wide a, Wide b) { return -floor_div(-a, b); }

  DevicePoint from_;
  bool x_major_ = true;
  std::int64_t major_ = 0;  // |delta| along the major axis
  std::int64_t minor_ = 0;  // |delta| along the minor axis
  int major_sign_ = 1;
  int minor_sign_ = 1;
  int bias_ = 1;  // 1 when the minor coordinate grows: ties then round down
  std::int64_t steps_ = 0;
};

inline CosmeticLine::CosmeticLine(DevicePoint from, DevicePoint to, bool include_last)
    : from_(from) {
  const std::int64_t dx = to.x - from.x;
  const std::int64_t dy = to.y - from.y;
  x_major_ = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
  const std::int64_t d_major = x_major_ ? dx : dy;
  const std::int64_t d_minor = x_major_ ? dy : dx;
  major_ = d_major < 0 ? -d_major : d_major;
  minor_ = d_minor < 0 ? -d_minor : d_minor;
  major_sign_ = d_major < 0 ? -1 : 1;
  minor_sign_ = d_minor < 0 ? -1 : 1;
  bias_ = d_minor < 0 ? 0 : 1;
  steps_ = major_ + (include_last ? 1 : 0);
}

inline void CosmeticLine::visible_steps(const Rect& box, std::int64_t& first,
                                        std::int64_t& last) const {
  first = 0;
  last = steps_;
  // Major axis: coordinate = start + sign * i must lie in [lo, hi).
  const std::int64_t major_start = x_major_ ? from_.x : from_.y;
  const std::int64_t minor_start = x_major_ ? from_.y : from_.x;
  const std::int64_t major_lo = x_major_ ? box.left : box.top;
  const std::int64_t major_hi = x_major_ ? box.right : box.bottom;
  const std::int64_t minor_lo = x_major_ ? box.top : box.left;
  const std::int64_t minor_hi = x_major_ ? box.bottom : box.right;
  if (major_sign_ > 0) {
    first = std::max(first, major_lo - major_start);
    last = std::min(last, major_hi - major_start);
  } else {
    first = std::max(first, major_start - (major_hi - 1));
    last = std::min(last, major_start - major_lo + 1);
  }
  if (first >= last) return;
  // Minor axis: the offset m (non-decreasing in i) must lie in [m_lo, m_hi].
  const std::int64_t m_lo = minor_sign_ > 0 ? minor_lo - minor_start : minor_start - (minor_hi - 1);
  const std::int64_t m_hi = minor_sign_ > 0 ? minor_hi - 1 - minor_start : minor_start - minor_lo;
  if (minor_ == 0) {
    if (m_lo > 0 || m_hi < 0) last = first;
    return;
  }
  first = std::max(first, first_step_reaching(m_lo));
  last = std::min(last, first_step_reaching(m_hi + 1));
}

template <class Sink>
void CosmeticLine::trace(const Rect& box, Sink&& sink) const {
  std::int64_t first = 0;
  std::int64_t last = 0;
  visible_steps(box, first, last);
  if (first >= last) return;
  std::int64_t i = first;
  std::int64_t m = minor_offset(i);
  while (i < last) {
    const std::int64_t next = minor_ == 0 ? last : std::min(last, first_step_reaching(m + 1));
    const std::int64_t major_at = (x_major_ ? from_.x : from_.y) + major_sign_ * i;
    const std::int64_t minor_at = (x_major_ ? from_.y : from_.x) + minor_sign_ * m;
    if (x_major_) {
      sink(LineRun{minor_at, major_at, next - i, i, major_sign_});
    } else {
      for (std::int64_t k = i; k < next; ++k) {
        sink(LineRun{from_.y + major_sign_ * k, minor_at, 1, k, 1});
      }
    }
    i = next;
    ++m;
  }
}

}  // namespace kanvo::surface::lines
