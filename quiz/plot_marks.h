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

// Calls visit(Mark) for every mark of the recipe, sweep after sweep, each sweep's counter
// running upward.
template <typename Visitor>
void for_each_mark(const PlotRecipe& recipe, Visitor&& visit) {
  for (const PlotSweep& sweep : recipe.sweeps()) {
    for (std::int32_t i = sweep.first; i <= sweep.last; ++i) visit(sample_mark(sweep, i));
  }
}

}  // namespace kanvo::quiz
