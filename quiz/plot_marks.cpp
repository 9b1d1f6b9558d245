#include "quiz/plot_marks.h"

#include <algorithm>
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

float sample_x(const PlotSweep& sweep, std::int32_t i) {
  return static_cast<float>(static_cast<double>(i) / static_cast<double>(sweep.divisor));
}

// The longest first run tried: long enough that a flat stretch costs a handful of rows, short
// enough that a run which ends early is found in few halvings.
constexpr std::int32_t kLongestStride = 1 << 12;

}  // namespace

std::int32_t sample_mark_x(const PlotSweep& sweep, std::int32_t i) {
  return to_pixel(static_cast<double>(sweep.origin_x) + static_cast<double>(sample_x(sweep, i)));
}

std::int32_t sample_mark_y(const PlotSweep& sweep, std::int32_t i) {
  const auto y = static_cast<float>(sample_value(sweep, static_cast<double>(sample_x(sweep, i))));
  return to_pixel(static_cast<double>(sweep.origin_y) - static_cast<double>(y));
}

Mark sample_mark(const PlotSweep& sweep, std::int32_t i) {
  return {sample_mark_x(sweep, i), sample_mark_y(sweep, i)};
}

SweepCoordinate::SweepCoordinate(const PlotSweep& sweep, Sample sample, bool monotonic)
    : sweep_(sweep), sample_(sample), monotonic_(monotonic) {}

SweepCoordinate sweep_columns(const PlotSweep& sweep) {
  return SweepCoordinate(sweep, sample_mark_x, true);
}

SweepCoordinate sweep_rows(const PlotSweep& sweep) {
  return SweepCoordinate(sweep, sample_mark_y, sweep.first >= 0 || sweep.last <= 0);
}

std::int32_t SweepCoordinate::evaluate(std::int32_t i) {
  ++evaluations_;
  return sample_(sweep_, i);
}

std::int32_t SweepCoordinate::at(std::int32_t i) {
  if (!monotonic_) return evaluate(i);
  if (started_ && i <= run_last_) return run_value_;
  // A new run starts at i: its value, then how far it holds.
  run_value_ = started_ && next_known_ ? next_value_ : evaluate(i);
  started_ = true;
  next_known_ = false;
  std::int32_t holds = i;  // the value is known to hold up to here
  while (holds < sweep_.last) {
    const std::int32_t probe = static_cast<std::int32_t>(
        std::min<std::int64_t>(std::int64_t{holds} + stride_, sweep_.last));
    const std::int32_t probe_value = evaluate(probe);
    if (probe_value == run_value_) {
      holds = probe;
      stride_ = std::min(stride_ * 2, kLongestStride);
      continue;
    }
    // The value changes after `holds` and by `probe`: halve down to the change.
    std::int32_t changed = probe;
    std::int32_t changed_value = probe_value;
    while (changed - holds > 1) {
      const std::int32_t middle = holds + (changed - holds) / 2;
      const std::int32_t middle_value = evaluate(middle);
      if (middle_value == run_value_) {
        holds = middle;
      } else {
        changed = middle;
        changed_value = middle_value;
      }
    }
    // The next run starts at `changed`, whose value is known already.
    next_value_ = changed_value;
    next_known_ = true;
    // The next probe goes as far as this run went (never past the longest stride, so that
    // doubling it cannot overflow).
    stride_ = static_cast<std::int32_t>(
        std::min<std::int64_t>(std::int64_t{holds} - i + 1, kLongestStride));
    break;
  }
  run_last_ = holds;
  return run_value_;
}

}  // namespace kanvo::quiz
