#include "quiz/plot_recipe.h"

#include <array>

#include "quiz/function_catalogue.h"

namespace kanvo::quiz {
namespace {

constexpr ValueRule kPower = ValueRule::power;
constexpr ValueRule kMirrored = ValueRule::mirrored_power;
constexpr ValueRule kMagnitude = ValueRule::power_of_magnitude;
constexpr ScaleOp kTimes = ScaleOp::multiply;
constexpr ScaleOp kOver = ScaleOp::divide;

// The exponents that doubles cannot hold exactly: the quotients nearest to them.
constexpr double kOneThird = 1.0 / 3.0;
constexpr double kFourThirds = 4.0 / 3.0;

// 1 / x needs no exponent and no scale.
constexpr PlotSweep reciprocal(std::int32_t first, std::int32_t last, float origin_x,
                               float origin_y) {
  return {first, last, 200.0f, ValueRule::reciprocal, 0.0, kTimes, 1.0, origin_x, origin_y};
}

// Sweeps that include i = 0 put it on the crossing of the axes; those of negative exponents skip
// it, and their branches stop at i = -2 and start at i = 1.
constexpr std::array<PlotRecipe, FunctionCatalogue::kSize> kRecipes{{
    {1, {{-7000, 6999, 100.0f, kPower, 1.0, kTimes, 1.0f, 200.0f, 220.0f}}},
    {2, {reciprocal(-10000, -2, 180.0f, 240.0f), reciprocal(1, 9999, 220.0f, 200.0f)}},
    {1, {{-7000, 6999, 100.0f, kPower, 2.0, kTimes, 0.1, 200.0f, 220.0f}}},
    // The only recipe that draws its positive branch first.
    {2,
     {{1, 9999, 100.0f, kPower, -2.0, kOver, 0.1, 210.0f, 210.0f},
      {-10000, -2, 100.0f, kPower, -2.0, kOver, 0.1, 190.0f, 210.0f}}},
    {1, {{-7000, 6999, 100.0f, kPower, 3.0, kTimes, 0.01, 200.0f, 220.0f}}},
    {2,
     {{-10000, -2, 100.0f, kPower, -3.0, kOver, 0.01, 190.0f, 230.0f},
      {1, 9999, 100.0f, kPower, -3.0, kOver, 0.01, 210.0f, 210.0f}}},
    {1, {{-7000, 6999, 100.0f, kPower, 4.0, kTimes, 0.001, 200.0f, 220.0f}}},
    {2,
     {{-10000, -2, 100.0f, kPower, -4.0, kOver, 1.0f, 190.0f, 210.0f},
      {1, 9999, 100.0f, kPower, -4.0, kOver, 1.0f, 210.0f, 210.0f}}},
    {1, {{0, 10999, 100.0f, kPower, 0.5, kTimes, 5.0f, 200.0f, 220.0f}}},
    {1, {{1, 19999, 300.0f, kPower, -0.5, kTimes, 7.0f, 210.0f, 210.0f}}},
    {1, {{0, 10999, 100.0f, kPower, 1.5, kTimes, 0.1, 200.0f, 220.0f}}},
    {1, {{1, 10999, 100.0f, kPower, -1.5, kOver, 0.01, 210.0f, 210.0f}}},
    {2,
     {{-11000, -1, 100.0f, kMirrored, kOneThird, kTimes, 5.0f, 200.0f, 220.0f},
      {0, 10999, 100.0f, kPower, kOneThird, kTimes, 5.0f, 200.0f, 220.0f}}},
    {2,
     {{-7000, -2, 100.0f, kMirrored, -kOneThird, kOver, 0.1, 190.0f, 230.0f},
      {1, 6999, 100.0f, kPower, -kOneThird, kOver, 0.1, 210.0f, 210.0f}}},
    {2,
     {{-11000, -1, 100.0f, kMagnitude, kFourThirds, kTimes, 0.1, 200.0f, 220.0f},
      {0, 10999, 100.0f, kPower, kFourThirds, kTimes, 0.1, 200.0f, 220.0f}}},
    {2,
     {{-7000, -2, 100.0f, kMagnitude, -kFourThirds, kOver, 0.1, 190.0f, 210.0f},
      {1, 6999, 100.0f, kPower, -kFourThirds, kOver, 0.1, 210.0f, 210.0f}}},
}};

}  // namespace

const PlotRecipe* plot_recipe(int index) {
  if (index < 1 || index > FunctionCatalogue::kSize) return nullptr;
  return &kRecipes[static_cast<std::size_t>(index - 1)];
}

}  // namespace kanvo::quiz
