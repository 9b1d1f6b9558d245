// Where the marks of a graph land on the screen, worked out without drawing anything. The sample
// values are held as 32-bit floats between the steps, which moves some marks by a pixel against
// an all-double computation; that is how the graph has always been drawn.
#pragma once

#include <cstdint>

#include "quiz/plot_recipe.h"

namespace kanvo::quiz {

// Centre of one mark in pixels of the graph window's client area.
struct Mark {
  std::int32_t x;
  std::int32_t y;

  friend bool operator==(const Mark&, const Mark&) = default;
};

// The mark of the sample counter value i of a sweep.
Mark sample_mark(const PlotSweep& sweep, std::int32_t i);
std::int32_t sample_mark_x(const PlotSweep& sweep, std::int32_t i);
std::int32_t sample_mark_y(const PlotSweep& sweep, std::int32_t i);

// One coordinate of the marks along a sweep, the counter running upward. The column always
// grows with the counter; the row is monotonic where x keeps to one side of zero (every step of
// the arithmetic is, and neighbouring samples lie far more than a rounding error apart). Where
// it is monotonic, a run whose two ends share a value shares it throughout: the value is worked
// out at the ends of ever longer runs and, where it changes, found by halving, instead of at
// every mark. Elsewhere every mark's value is worked out.
class SweepCoordinate {
 public:
  using Sample = std::int32_t (*)(const PlotSweep& sweep, std::int32_t i);
  SweepCoordinate(const PlotSweep& sweep, Sample sample, bool monotonic);

  // The value at counter value i; calls come with i increasing by one.
  std::int32_t at(std::int32_t i);

  // How many values were worked out so far.
  std::int64_t evaluations() const { return evaluations_; }

 private:
  std::int32_t evaluate(std::int32_t i);

  const PlotSweep& sweep_;
  Sample sample_;
  bool monotonic_;
  std::int32_t run_value_ = 0;
  std::int32_t run_last_ = 0;    // the value holds up to here
  std::int32_t next_value_ = 0;  // the value of the next run, when next_known_
  bool next_known_ = false;
  bool started_ = false;
  std::int32_t stride_ = 1;  // how far the next run is first tried
  std::int64_t evaluations_ = 0;
};

SweepCoordinate sweep_columns(const PlotSweep& sweep);
SweepCoordinate sweep_rows(const PlotSweep& sweep);

// Calls visit(Mark) for every mark of the recipe, sweep after sweep, each sweep's counter
// running upward.
template <typename Visitor>
void for_each_mark(const PlotRecipe& recipe, Visitor&& visit) {
  for (const PlotSweep& sweep : recipe.sweeps()) {
    SweepCoordinate columns = sweep_columns(sweep);
    SweepCoordinate rows = sweep_rows(sweep);
    for (std::int32_t i = sweep.first; i <= sweep.last; ++i) visit(Mark{columns.at(i), rows.at(i)});
  }
}

}  // namespace kanvo::quiz
