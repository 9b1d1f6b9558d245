#include "host/surface/raster/ellipse_quadrant.h"

#include <algorithm>
#include <cmath>

namespace kanvo::surface::raster {

namespace {

// Doubled offsets of an ellipse with semi-axes a and b (doubled): the curve's x on row y, and
// that x moved to the pixel grid (offsets congruent to a modulo 2) in three ways.
class QuadrantCurve {
 public:
  QuadrantCurve(std::int64_t a, std::int64_t b) : a_(a), b_(b) {}

  long double x_at(std::int64_t y) const {
    const std::int64_t row = y < 0 ? -y : y;
    if (row >= b_) return 0.0L;
    const long double t = static_cast<long double>(row) / static_cast<long double>(b_);
    return static_cast<long double>(a_) * std::sqrt(1.0L - t * t);
  }
  std::int64_t nearest(long double x) const { return grid(std::floor(steps(x) + 0.5L)); }
  std::int64_t below(long double x) const { return grid(std::floor(steps(x))); }
  std::int64_t above(long double x) const { return grid(std::ceil(steps(x))); }

 private:
  long double steps(long double x) const { return (x - static_cast<long double>(a_ & 1)) / 2.0L; }
  std::int64_t grid(long double steps) const {
    const long double x = static_cast<long double>(a_ & 1) + 2.0L * steps;
    return static_cast<std::int64_t>(
        std::clamp(x, static_cast<long double>(a_ & 1), static_cast<long double>(a_)));
  }

  std::int64_t a_;
  std::int64_t b_;
};

}  // namespace

QuadrantRow approximate_quadrant_row(std::int64_t width, std::int64_t height, std::int64_t y) {
  const std::int64_t a = width - 1;
  const std::int64_t b = height - 1;
  const QuadrantCurve curve(a, b);
  // The pixel nearest the curve on the row, widened to every column whose curve point lies
  // within half a row of it (doubled: one unit above or below).
  const std::int64_t on_row = curve.nearest(curve.x_at(y));
  const std::int64_t x_outer = std::max(on_row, curve.below(curve.x_at(y - 1)));
  const std::int64_t x_inner =
      y + 2 > b ? (a & 1) : std::min(on_row, curve.above(curve.x_at(y + 1)));
  return {y, x_outer, x_inner};
}

}  // namespace kanvo::surface::raster
