// The pixels of a one-pixel line between two device points.
//
// The line takes one pixel per step along its major axis (x when |dx| >= |dy|), starting at the
// first point; the last step (the second point) is left out unless asked for. The minor
// coordinate of step i is the exact one rounded to the nearest pixel, and a tie (the exact value
// half way between two pixels) goes to the smaller coordinate, in every direction.
//
// The steps are cut analytically to a box before any is visited, so a line of any length costs
// only what it shows. Steps that share a minor coordinate come out as one run, a row of pixels or
// a column of them, worked out a run at a time without dividing. Each run lies on the row (or
// column) next to the one before and starts one step on from where it ended, so a walker that
// paints them can follow the line with a pointer: trace() hands out whole runs with their
// coordinates, walk() only where the line starts and then the length of each run.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>
#include <type_traits>

#include "host/surface/dc/world_transform.h"
#include "host/surface/types.h"

namespace kanvo::surface::lines {

__extension__ typedef __int128 Wide;

// Pixels along the line's major axis: `count` of them from `first` in steps of `step` (+1 or
// -1), along x on row `across` when `along_x`, along y on column `across` otherwise. They are the
// line's steps step_first + k.
struct LineRun {
  bool along_x = true;
  std::int64_t across = 0;
  std::int64_t first = 0;
  std::int64_t count = 0;
  std::int64_t step_first = 0;
  int step = 1;
};

// Where a walk starts: the first visible pixel (x, y), the direction of the steps along the
// major axis (`step`, +1 or -1) and the one from each run to the next along the minor axis
// (`minor_step`), and the step of the line that the first pixel is.
struct LineStart {
  std::int64_t x = 0;
  std::int64_t y = 0;
  int step = 1;
  int minor_step = 1;
  std::int64_t step_first = 0;
};

class CosmeticLine {
 public:
  CosmeticLine(DevicePoint from, DevicePoint to, bool include_last);

  // Steps of the whole line (its length along the major axis, plus one with the last pixel).
  std::int64_t steps() const { return steps_; }
  // Whether the steps go to greater coordinates along the major axis.
  bool forward() const { return major_sign_ > 0; }

  // Calls sink(const LineRun&) for every run inside the box, in the order of the steps.
  template <class Sink>
  void trace(const Rect& box, Sink&& sink) const;

  // Walks the runs inside the box: walker.start<kAlongX>(const LineStart&) once, if any pixel
  // is inside, then walker.run<kAlongX>(count) for every run in order, where kAlongX says
  // whether the runs are rows (the major axis is x) or columns.
  template <class Walker>
  void walk(const Rect& box, Walker&& walker) const;

 private:
  // The minor offset of step i is floor((2 * minor * i + major - bias) / (2 * major)); this is
  // the first step whose offset reaches m.
  std::int64_t first_step_reaching(std::int64_t m) const {
    return ceil_div(Wide{2} * major_ * m - major_ + bias_, Wide{2} * minor_);
  }
  // Steps [first, last) whose pixels lie inside the box; empty when first >= last.
  void visible_steps(const Rect& box, std::int64_t& first, std::int64_t& last) const;
  // The runs of steps [first, last) along one axis: compiled once for each, so that a walker's
  // choice between rows and columns is made per line and not per run.
  template <bool kAlongX, class Walker>
  void walk_steps(std::int64_t first, std::int64_t last, Walker& walker) const;

  // floor(a / b) for b > 0, in 64 bits when the numbers allow (nearly always). A quotient past
  // 64 bits (the step at which a long, nearly flat line would reach a row billions of pixels
  // away) is held within +-INT64_MAX, so that ceil_div may negate it: every caller compares it
  // with steps of the line, which lie well inside, so it still cuts the line where it should.
  static std::int64_t floor_div(Wide a, Wide b) {
    constexpr Wide kNarrow = Wide{1} << 62;
    if (a > -kNarrow && a < kNarrow && b < kNarrow) {
      const auto n = static_cast<std::int64_t>(a);
      const auto d = static_cast<std::int64_t>(b);
      return n / d - (n % d < 0 ? 1 : 0);
    }
    Wide q = a / b;
    if (a % b < 0) --q;
    return static_cast<std::int64_t>(std::clamp<Wide>(q, -INT64_MAX, INT64_MAX));
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

namespace detail {

// Turns a walk back into runs with their coordinates.
template <class Sink>
class RunCoordinates {
 public:
  explicit RunCoordinates(Sink& sink) : sink_(sink) {}
  template <bool kAlongX>
  void start(const LineStart& start) {
    run_ = LineRun{
        kAlongX,   kAlongX ? start.y : start.x, kAlongX ? start.x : start.y, 0, start.step_first,
        start.step};
    minor_step_ = start.minor_step;
  }
  template <bool kAlongX>
  void run(std::int64_t count) {
    run_.count = count;
    sink_(static_cast<const LineRun&>(run_));
    run_.first += run_.step > 0 ? count : -count;
    run_.step_first += count;
    run_.across += minor_step_;
  }

 private:
  Sink& sink_;
  LineRun run_;
  int minor_step_ = 1;
};

}  // namespace detail

template <class Sink>
void CosmeticLine::trace(const Rect& box, Sink&& sink) const {
  walk(box, detail::RunCoordinates<std::remove_reference_t<Sink>>(sink));
}

template <class Walker>
void CosmeticLine::walk(const Rect& box, Walker&& walker) const {
  std::int64_t first = 0;
  std::int64_t last = 0;
  visible_steps(box, first, last);
  if (first >= last) return;
  if (x_major_) {
    walk_steps<true>(first, last, walker);
  } else {
    walk_steps<false>(first, last, walker);
  }
}

template <bool kAlongX, class Walker>
void CosmeticLine::walk_steps(std::int64_t first, std::int64_t last, Walker& walker) const {
  const std::int64_t major = (kAlongX ? from_.x : from_.y) + major_sign_ * first;
  const std::int64_t minor_start = kAlongX ? from_.y : from_.x;
  std::int64_t left = last - first;
  if (minor_ == 0) {
    const std::int64_t x = kAlongX ? major : minor_start;
    const std::int64_t y = kAlongX ? minor_start : major;
    walker.template start<kAlongX>(LineStart{x, y, major_sign_, minor_sign_, first});
    walker.template run<kAlongX>(left);
    return;
  }
  // The minor offset m of a step and the remainder r of its division: from step to step r grows
  // by `rise`, and m by one whenever r reaches `period`.
  const std::int64_t period = 2 * major_;
  const std::int64_t rise = 2 * minor_;
  const Wide numerator = Wide{rise} * first + major_ - bias_;
  const std::int64_t m = floor_div(numerator, period);
  std::int64_t r = static_cast<std::int64_t>(numerator - Wide{m} * period);
  // The first run lasts until r reaches the period. After it r stays below `rise`, so every
  // later run is `shortest` steps long, or one more while r is below `spare` (period % rise).
  std::int64_t count = (period - r + rise - 1) / rise;
  r += count * rise - period;
  const std::int64_t shortest = period / rise;
  const std::int64_t spare = period - shortest * rise;
  const std::int64_t minor = minor_start + minor_sign_ * m;
  walker.template start<kAlongX>(
      LineStart{kAlongX ? major : minor, kAlongX ? minor : major, major_sign_, minor_sign_, first});
  while (count < left) {
    walker.template run<kAlongX>(count);
    left -= count;
    const bool longer = r < spare;
    count = shortest + (longer ? 1 : 0);
    r += (longer ? rise : 0) - spare;
  }
  walker.template run<kAlongX>(left);
}

}  // namespace kanvo::surface::lines
