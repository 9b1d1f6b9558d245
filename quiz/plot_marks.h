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

// The marks' rows along one sweep, the counter running upward. Where x keeps to one side of
// zero the row is monotonic in the counter (every step of the arithmetic is, and neighbouring
// samples lie far more than a rounding error apart), so a run whose two ends share a row shares
// it throughout: the row is worked out at the ends of ever longer runs and where it changes,
// found by halving, instead of at every mark. Other sweeps work out every mark.
class SweepRows {
 public:
  explicit SweepRows(const PlotSweep& sweep);

  // The row of counter value i; calls come with i increasing by one.
  std::int32_t row(std::int32_t i);

  // How many rows were worked out so far.
  std::int64_t evaluations() const { return evaluations_; }

 private:
  std::int32_t evaluate(std::int32_t i);

  const PlotSweep& sweep_;
  bool monotonic_;
  std::int32_t run_row_ = 0;
  std::int32_t run_last_ = 0;  // the row holds up to here
  std::int32_t next_row_ = 0;  // the row of the next run, when next_known_
  bool next_known_ = false;
  bool started_ = false;
  std::int32_t stride_ = 1;  // how far the next run is first tried
  std::int64_t evaluations_ = 0;
};

// Calls visit(Mark) for every mark of the recipe, sweep after sweep, each sweep's counter
// running upward.
template <typename Visitor>
void for_each_mark(const PlotRecipe& recipe, Visitor&& visit) {
  for (const PlotSweep& sweep : recipe.sweeps()) {
    SweepRows rows(sweep);
    for (std::int32_t i = sweep.first; i <= sweep.last; ++i) {
      visit(Mark{sample_mark_x(sweep, i), rows.row(i)});
    }
  }
}

}  // namespace kanvo::quiz
