#include "tests/quiz/expected_graph.h"

#include <cmath>

namespace kanvo::quiz {
namespace {

enum class Rule { power, mirrored, magnitude, reciprocal };

// One row of the recipe table. The factor is applied as a double; the float factors 1, 5 and 7
// are exact either way.
struct Sweep {
  int index;
  std::int32_t first;
  std::int32_t last;
  float divisor;
  Rule rule;
  double exponent;
  bool divide;
  double factor;
  float origin_x;
  float origin_y;
};

constexpr double kThird = 1.0 / 3.0;
constexpr double kFourThirds = 4.0 / 3.0;

// In the order the sweeps run.
constexpr Sweep kSweeps[] = {
    {1, -7000, 6999, 100, Rule::power, 1, false, 1, 200, 220},
    {2, -10000, -2, 200, Rule::reciprocal, 0, false, 1, 180, 240},
    {2, 1, 9999, 200, Rule::reciprocal, 0, false, 1, 220, 200},
    {3, -7000, 6999, 100, Rule::power, 2, false, 0.1, 200, 220},
    {4, 1, 9999, 100, Rule::power, -2, true, 0.1, 210, 210},
    {4, -10000, -2, 100, Rule::power, -2, true, 0.1, 190, 210},
    {5, -7000, 6999, 100, Rule::power, 3, false, 0.01, 200, 220},
    {6, -10000, -2, 100, Rule::power, -3, true, 0.01, 190, 230},
    {6, 1, 9999, 100, Rule::power, -3, true, 0.01, 210, 210},
    {7, -7000, 6999, 100, Rule::power, 4, false, 0.001, 200, 220},
    {8, -10000, -2, 100, Rule::power, -4, true, 1, 190, 210},
    {8, 1, 9999, 100, Rule::power, -4, true, 1, 210, 210},
    {9, 0, 10999, 100, Rule::power, 0.5, false, 5, 200, 220},
    {10, 1, 19999, 300, Rule::power, -0.5, false, 7, 210, 210},
    {11, 0, 10999, 100, Rule::power, 1.5, false, 0.1, 200, 220},
    {12, 1, 10999, 100, Rule::power, -1.5, true, 0.01, 210, 210},
    {13, -11000, -1, 100, Rule::mirrored, kThird, false, 5, 200, 220},
    {13, 0, 10999, 100, Rule::power, kThird, false, 5, 200, 220},
    {14, -7000, -2, 100, Rule::mirrored, -kThird, true, 0.1, 190, 230},
    {14, 1, 6999, 100, Rule::power, -kThird, true, 0.1, 210, 210},
    {15, -11000, -1, 100, Rule::magnitude, kFourThirds, false, 0.1, 200, 220},
    {15, 0, 10999, 100, Rule::power, kFourThirds, false, 0.1, 200, 220},
    {16, -7000, -2, 100, Rule::magnitude, -kFourThirds, true, 0.1, 190, 210},
    {16, 1, 6999, 100, Rule::power, -kFourThirds, true, 0.1, 210, 210},
};

// x and y are stored as floats between the steps; the pixel is truncated toward zero.
ExpectedMark mark_of(const Sweep& sweep, std::int32_t i) {
  const float x = static_cast<float>(static_cast<double>(i) / sweep.divisor);
  const double dx = x;
  float y = 0;
  if (sweep.rule == Rule::reciprocal) {
    y = static_cast<float>(1.0 / dx);
  } else {
    double p = 0;
    switch (sweep.rule) {
      case Rule::power:
        p = std::pow(dx, sweep.exponent);
        break;
      case Rule::mirrored:
        p = -std::pow(-dx, sweep.exponent);
        break;
      default:
        p = std::pow(-dx, sweep.exponent);
        break;
    }
    y = static_cast<float>(sweep.divide ? p / sweep.factor : p * sweep.factor);
  }
  return {static_cast<std::int32_t>(static_cast<double>(sweep.origin_x) + dx),
          static_cast<std::int32_t>(static_cast<double>(sweep.origin_y) - static_cast<double>(y))};
}

void put(ExpectedPicture& picture, std::int32_t x, std::int32_t y, std::uint32_t word) {
  if (x < 0 || y < 0 || x >= picture.width || y >= picture.height) return;
  picture.pixels[y * picture.width + x] = word;
}

}  // namespace

std::vector<ExpectedMark> expected_marks(int index) {
  std::vector<ExpectedMark> marks;
  for (const Sweep& sweep : kSweeps) {
    if (sweep.index != index) continue;
    for (std::int32_t i = sweep.first; i <= sweep.last; ++i) marks.push_back(mark_of(sweep, i));
  }
  return marks;
}

ExpectedPicture expected_graph(int index, std::int32_t width, std::int32_t height) {
  ExpectedPicture picture{width, height,
                          std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, 0)};
  // A line one pixel wide leaves out its last point, whatever its pen: (200, 400) up to
  // (200, 41), (50, 220) up to (399, 220).
  for (std::int32_t y = 41; y <= 400; ++y) put(picture, 200, y, kAxesWord);
  for (std::int32_t x = 50; x <= 399; ++x) put(picture, x, 220, kAxesWord);
  // A circle of radius 2 is the ellipse in the box (x - 2, y - 2) to (x + 2, y + 2), right and
  // bottom edges left out: a ring of eight pixels, its four inner pixels untouched.
  //   . # # .
  //   # . . #
  //   # . c #      c: the centre
  //   . # # .
  constexpr struct {
    int dx, dy;
  } kRing[] = {{-1, -2}, {0, -2}, {-2, -1}, {1, -1}, {-2, 0}, {1, 0}, {-1, 1}, {0, 1}};
  for (const ExpectedMark mark : expected_marks(index)) {
    for (const auto step : kRing) put(picture, mark.x + step.dx, mark.y + step.dy, kCurveWord);
  }
  return picture;
}

}  // namespace kanvo::quiz
