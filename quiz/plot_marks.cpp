#include "quiz/plot_marks.h"

#include <cmath>
#include <limits>

namespace kanvo::quiz {
namespace {

double sample_value(const PlotSweep& sweep, double x) {
  double p = 0.0;
  switch (sweep.rule) {
    case ValueRule::reciprocal:
      return 1.0 / x;
    case ValueRule::power:
      p = std::pow(x, sweep.exponent);
      break;
    case ValueRule::mirrored_power:
      p = -std::pow(-x, sweep.exponent);
      break;
    case ValueRule::power_of_magnitude:
      p = std::pow(-x, sweep.exponent);
      break;
  }
  return sweep.scale_op == ScaleOp::multiply ? p * sweep.scale_factor : p / sweep.scale_factor;
}

// Truncates toward zero. Every mark of the recipes fits; the clamp keeps the conversion defined
// for any sweep, since a double beyond int32 has no defined conversion.
std::int32_t to_pixel(double coordinate) {
  using Limits = std::numeric_limits<std::int32_t>;
  if (!(coordinate > static_cast<double>(Limits::min()))) return Limits::min();
  if (coordinate >= static_cast<double>(Limits::max())) return Limits::max();
  return static_cast<std::int32_t>(coordinate);
}

}  // namespace

Mark sample_mark(const PlotSweep& sweep, std::int32_t i) {
  const auto x = static_cast<float>(static_cast<double>(i) / static_cast<double>(sweep.divisor));
  const auto y = static_cast<float>(sample_value(sweep, static_cast<double>(x)));
  return {to_pixel(static_cast<double>(sweep.origin_x) + static_cast<double>(x)),
          to_pixel(static_cast<double>(sweep.origin_y) - static_cast<double>(y))};
}

}  // namespace kanvo::quiz
