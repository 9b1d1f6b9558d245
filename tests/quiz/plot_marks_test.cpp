#include "quiz/plot_marks.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "quiz/function_catalogue.h"
#include "quiz/plot_recipe.h"
#include "tests/quiz/expected_graph.h"

namespace kanvo::quiz {
namespace {

std::vector<Mark> marks_of(int index) {
  std::vector<Mark> marks;
  for_each_mark(*plot_recipe(index), [&marks](Mark mark) { marks.push_back(mark); });
  return marks;
}

const PlotSweep& sweep_of(int index, std::size_t sweep) {
  return plot_recipe(index)->sweeps()[sweep];
}

bool contains(const std::vector<Mark>& marks, Mark mark) {
  return std::find(marks.begin(), marks.end(), mark) != marks.end();
}

TEST(PlotRecipe, OnlyTheCatalogueIndicesHaveRecipes) {
  EXPECT_EQ(plot_recipe(0), nullptr);
  EXPECT_EQ(plot_recipe(17), nullptr);
  EXPECT_EQ(plot_recipe(-1), nullptr);
  for (int index = 1; index <= FunctionCatalogue::kSize; ++index) {
    EXPECT_NE(plot_recipe(index), nullptr) << index;
  }
}

TEST(PlotRecipe, PowersUseTheCatalogueExponentInDoublePrecision) {
  for (const PowerFunction& function : FunctionCatalogue::functions()) {
    for (const PlotSweep& sweep : plot_recipe(function.index)->sweeps()) {
      if (sweep.rule == ValueRule::reciprocal) continue;
      EXPECT_EQ(sweep.exponent, function.exponent.value()) << function.index;
    }
  }
  // The thirds are the doubles nearest to them, negated for the negative exponents.
  EXPECT_EQ(sweep_of(13, 0).exponent, 1.0 / 3.0);
  EXPECT_EQ(sweep_of(14, 1).exponent, -(1.0 / 3.0));
  EXPECT_EQ(sweep_of(15, 1).exponent, 4.0 / 3.0);
  EXPECT_EQ(sweep_of(16, 1).exponent, -(4.0 / 3.0));
}

TEST(PlotMarks, EachRecipeDrawsItsNumberOfMarks) {
  const int expected[FunctionCatalogue::kSize] = {14000, 19998, 14000, 19998, 14000, 19998,
                                                  14000, 19998, 11000, 19999, 11000, 10999,
                                                  22000, 13998, 22000, 13998};
  for (int index = 1; index <= FunctionCatalogue::kSize; ++index) {
    EXPECT_EQ(marks_of(index).size(), static_cast<std::size_t>(expected[index - 1])) << index;
  }
}

// The marks found by runs and halving are the marks of every sample, for every recipe; and the
// busy recipes work out far fewer coordinates than they draw marks.
TEST(PlotMarks, RowsFoundByRunsAreTheRowsOfEverySample) {
  for (int index = 1; index <= FunctionCatalogue::kSize; ++index) {
    std::vector<Mark> sampled;
    for (const PlotSweep& sweep : plot_recipe(index)->sweeps()) {
      for (std::int32_t i = sweep.first; i <= sweep.last; ++i) {
        sampled.push_back(sample_mark(sweep, i));
      }
    }
    EXPECT_EQ(marks_of(index), sampled) << index;
  }
  std::int64_t evaluations = 0;
  for (const PlotSweep& sweep : plot_recipe(13)->sweeps()) {
    SweepCoordinate columns = sweep_columns(sweep);
    SweepCoordinate rows = sweep_rows(sweep);
    for (std::int32_t i = sweep.first; i <= sweep.last; ++i) {
      columns.at(i);
      rows.at(i);
    }
    evaluations += columns.evaluations() + rows.evaluations();
  }
  EXPECT_LT(evaluations, 22'000 / 2);
}

// Against the recipe table worked through sample by sample in the test itself.
TEST(PlotMarks, EveryRecipeDrawsTheMarksOfItsTable) {
  for (int index = 1; index <= FunctionCatalogue::kSize; ++index) {
    const std::vector<ExpectedMark> expected = expected_marks(index);
    const std::vector<Mark> marks = marks_of(index);
    ASSERT_EQ(marks.size(), expected.size()) << index;
    int differing = 0;
    for (std::size_t n = 0; n < marks.size(); ++n) {
      differing += marks[n].x != expected[n].x || marks[n].y != expected[n].y;
    }
    EXPECT_EQ(differing, 0) << "recipe " << index;
  }
}

// A sweep across zero is not monotonic (1 / x jumps there): every row is worked out.
TEST(PlotMarks, SweepsAcrossZeroWorkOutEveryRow) {
  PlotSweep across = sweep_of(2, 0);
  across.first = -300;
  across.last = 300;
  across.rule = ValueRule::reciprocal;
  SweepCoordinate rows = sweep_rows(across);
  for (std::int32_t i = across.first; i <= across.last; ++i) {
    EXPECT_EQ(rows.at(i), sample_mark(across, i).y) << i;
  }
  EXPECT_EQ(rows.evaluations(), 601);
}

TEST(PlotMarks, RecipeFourDrawsItsPositiveBranchFirstTheOthersTheirNegativeOne) {
  const std::vector<Mark> four = marks_of(4);
  // i = 1 first (x = 0.01, beside the axis on the right), then i = -10000 (x = -100).
  EXPECT_EQ(four.front().x, 210);
  EXPECT_EQ(four[9998].x, 210 + 99);
  EXPECT_EQ(four[9999].x, 190 - 100);
  EXPECT_EQ(four.back().x, 189);  // i = -2: 190 - 0.02
  for (int index : {2, 6, 8, 13, 14, 15, 16}) {
    const std::vector<Mark> marks = marks_of(index);
    EXPECT_LT(marks.front().x, 200) << index;
    EXPECT_GE(marks.back().x, 200) << index;
  }
}

TEST(PlotMarks, TheTwoBranchesOfNegativeExponentsSkipMinusOneButDrawOne) {
  for (int index : {2, 4, 6, 8, 14, 16}) {
    const PlotRecipe& recipe = *plot_recipe(index);
    const PlotSweep& negative = recipe.sweeps()[index == 4 ? 1 : 0];
    const PlotSweep& positive = recipe.sweeps()[index == 4 ? 0 : 1];
    const std::vector<Mark> marks = marks_of(index);
    // Nearest the asymptote, each of these marks lies where no other sample lands.
    EXPECT_FALSE(contains(marks, sample_mark(negative, -1))) << index;
    EXPECT_TRUE(contains(marks, sample_mark(negative, -2))) << index;
    EXPECT_TRUE(contains(marks, sample_mark(positive, 1))) << index;
    EXPECT_FALSE(contains(marks, sample_mark(positive, 0))) << index;
  }
}

TEST(PlotMarks, PositiveExponentsPutTheSampleZeroOnTheCrossingOfTheAxes) {
  for (int index : {1, 3, 5, 7, 9, 11, 13, 15}) {
    const PlotRecipe& recipe = *plot_recipe(index);
    const PlotSweep& through_zero = recipe.sweeps().back();
    EXPECT_EQ(sample_mark(through_zero, 0), (Mark{200, 220})) << index;
    EXPECT_TRUE(contains(marks_of(index), (Mark{200, 220}))) << index;
  }
  EXPECT_EQ(marks_of(9).front(), (Mark{200, 220}));
}

TEST(PlotMarks, WorkedMarksOfTheFirstAndLastSamples) {
  const std::vector<Mark> line = marks_of(1);
  EXPECT_EQ(line.front(), (Mark{130, 290}));  // x = y = -70
  EXPECT_EQ(line.back(), (Mark{269, 150}));   // x = y = 69.99 as a float

  // 1 / x: x = 0.005 gives y = 200 on the right branch; x = -0.01 gives y = -100 on the left.
  EXPECT_EQ(sample_mark(sweep_of(2, 1), 1), (Mark{220, 0}));
  EXPECT_EQ(marks_of(2)[9998], (Mark{179, 340}));

  EXPECT_EQ(marks_of(10).front(), (Mark{210, 88}));  // x = 1/300, y = 121.24
  EXPECT_EQ(marks_of(13).front(), (Mark{90, 243}));  // x = -110, y = -23.957
}

TEST(PlotMarks, PixelsAreTruncatedTowardZero) {
  // py = 220 - 23996.28 = -23776.28: -23776, not -23777.
  EXPECT_EQ(marks_of(7).back(), (Mark{269, -23776}));
  // x = 0.01 as a float, y = 4641.59: py = 210 - 4641.59.
  EXPECT_EQ(sample_mark(sweep_of(16, 1), 1), (Mark{210, -4431}));
  EXPECT_EQ(marks_of(16)[6999], (Mark{210, -4431}));
}

TEST(PlotMarks, SampleValuesAreStoredAsFloats) {
  // pow(0.01f, -3) / 0.01 = 100,000,006.7 becomes the float 100,000,008; in doubles throughout
  // the mark would be at -99,999,796.
  EXPECT_EQ(sample_mark(sweep_of(6, 1), 1), (Mark{210, -99'999'798}));
}

TEST(PlotMarks, ParabolaArmsRiseAboveTheWindow) {
  const std::vector<Mark> parabola = marks_of(3);
  EXPECT_EQ(parabola.front(), (Mark{130, -270}));  // x = -70, y = 490
  // Truncated toward zero, py stays 0 until y reaches 221, at |x| = 47.01 and beyond.
  EXPECT_EQ(sample_mark(sweep_of(3, 0), -4701), (Mark{152, 0}));   // y = 220.99
  EXPECT_EQ(sample_mark(sweep_of(3, 0), -4702), (Mark{152, -1}));  // y = 221.09
  const auto above =
      std::count_if(parabola.begin(), parabola.end(), [](Mark mark) { return mark.y < 0; });
  EXPECT_EQ(above, (7000 - 4701) + (6999 - 4701));
}

TEST(PlotMarks, OddRootsKeepTheSignOfXAndFourThirdsStaysPositive) {
  // Left branches: mirrored powers below their origin, powers of the magnitude above it.
  for (int index : {13, 14, 15, 16}) {
    const PlotSweep& left = sweep_of(index, 0);
    const bool mirrored = left.rule == ValueRule::mirrored_power;
    EXPECT_EQ(mirrored, index == 13 || index == 14) << index;
    for (const std::int32_t i : {left.first, (left.first + left.last) / 2, left.last}) {
      const Mark mark = sample_mark(left, i);
      EXPECT_LT(mark.x, left.origin_x) << index << " at " << i;
      if (mirrored) {
        EXPECT_GT(mark.y, left.origin_y) << index << " at " << i;
      } else {
        EXPECT_LT(mark.y, left.origin_y) << index << " at " << i;
      }
    }
  }
}

}  // namespace
}  // namespace kanvo::quiz
