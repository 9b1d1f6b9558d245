// The arithmetic of one graph without drawing it: the 22,000 marks of y = x^(1/3), the busiest
// recipe together with that of x^(4/3).
#include <benchmark/benchmark.h>

#include "quiz/plot_marks.h"

namespace kanvo::quiz {
namespace {

void BM_Recipe13Marks(benchmark::State& state) {
  const PlotRecipe& recipe = *plot_recipe(13);
  std::int64_t marks = 0;
  for (auto _ : state) {
    for_each_mark(recipe, [&marks](Mark mark) {
      benchmark::DoNotOptimize(mark);
      ++marks;
    });
  }
  state.SetItemsProcessed(marks);
}
BENCHMARK(BM_Recipe13Marks)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kanvo::quiz
