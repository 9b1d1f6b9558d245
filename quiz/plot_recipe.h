// How the graph of each catalogue function is sampled and where its marks land: one or two sweeps
// of a sample counter, each with its own arithmetic, scale and screen origin.
#pragma once

#include <cstdint>
#include <span>

namespace kanvo::quiz {

enum class ValueRule : std::uint8_t {
  power,               // p = pow(x, e)
  mirrored_power,      // p = -pow(-x, e): the real odd root's sign carried over to x < 0
  power_of_magnitude,  // p = pow(-x, e): positive for x < 0
  reciprocal,          // y = 1 / x, with no exponent and no scale
};

enum class ScaleOp : std::uint8_t { multiply, divide };

// One run of the counter i = first, first + 1, ..., last.
struct PlotSweep {
  std::int32_t first;
  std::int32_t last;
  float divisor;  // x = i / divisor
  ValueRule rule;
  double exponent;
  ScaleOp scale_op;
  // Whole factors (1, 5, 7) are 32-bit floats and fractional ones (0.1, 0.01, 0.001) doubles;
  // a float widens to the same double, so both are held here as doubles.
  double scale_factor;
  float origin_x;  // screen position of the curve's origin
  float origin_y;
};

// The sweeps of one function's graph, in drawing order.
struct PlotRecipe {
  std::int32_t sweep_count;
  PlotSweep sweep_list[2];

  std::span<const PlotSweep> sweeps() const {
    return {sweep_list, static_cast<std::size_t>(sweep_count)};
  }
};

// The recipe of the catalogue function 1 to 16, or nullptr for any other index.
const PlotRecipe* plot_recipe(int index);

}  // namespace kanvo::quiz
