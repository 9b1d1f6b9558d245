// Dashes laid along a path: which dash a walk starts from, and that walks starting anywhere meet
// the same dashes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "host/surface/lines/line_style.h"

namespace kanvo::surface::lines {
namespace {

TEST(DashCursor, SeeksTheDashRunningOnPastAPointOrADotOnIt) {
  const std::uint32_t lengths[] = {3, 2};
  const DashPattern dashes(lengths, 2, 1.0);
  DashCursor cursor(dashes, 10.0);
  cursor.seek(12.0);  // inside the first dash
  EXPECT_EQ(cursor.start(), 10.0);
  EXPECT_EQ(cursor.end(), 13.0);
  cursor.seek(13.0);  // where it ends: it lies behind
  EXPECT_EQ(cursor.start(), 15.0);
  cursor.seek(0.0);  // before the origin: the first dash
  EXPECT_EQ(cursor.start(), 10.0);

  const std::uint32_t dot_lengths[] = {0, 4};
  const DashPattern dots(dot_lengths, 2, 1.0);
  DashCursor dot(dots, 0.0);
  dot.seek(8.0);
  EXPECT_EQ(dot.start(), 8.0);
  EXPECT_EQ(dot.end(), 8.0);
  dot.seek(8.5);
  EXPECT_EQ(dot.start(), 12.0);
}

TEST(DashCursor, OddCountsRunTwicePerPeriodWithDashesAndGapsExchanged) {
  const std::uint32_t lengths[] = {2, 1, 4};
  const DashPattern pattern(lengths, 3, 1.0);
  DashCursor cursor(pattern, 0.0);
  cursor.seek(0.0);
  const double expected[][2] = {{0, 2}, {3, 7}, {9, 10}, {14, 16}, {17, 21}};
  for (const auto& [start, end] : expected) {
    EXPECT_EQ(cursor.start(), start);
    EXPECT_EQ(cursor.end(), end);
    cursor.next();
  }
}

TEST(DashCursor, AWalkFromFarOnMeetsTheSameDashesAsAWalkFromTheStart) {
  const std::uint32_t lengths[] = {7, 3, 0, 5};
  const DashPattern pattern(lengths, 4, 1.7);
  DashCursor from_start(pattern, 0.3);
  from_start.seek(0.0);
  for (int i = 0; i < 2000; ++i) from_start.next();
  DashCursor from_far(pattern, 0.3);
  from_far.seek(from_start.start() - 1e-9);
  EXPECT_EQ(from_far.start(), from_start.start());
  EXPECT_EQ(from_far.end(), from_start.end());
}

TEST(DashCursor, BeyondThePrecisionOfAPositionThereAreNoMoreDashes) {
  const std::uint32_t lengths[] = {1, 1};
  const DashPattern pattern(lengths, 2, 1.0);
  DashCursor cursor(pattern, 0.0);
  cursor.seek(std::ldexp(1.0, 60));
  for (int i = 0; i < 3 && std::isfinite(cursor.start()); ++i) cursor.next();
  EXPECT_TRUE(std::isinf(cursor.start()));
}

}  // namespace
}  // namespace kanvo::surface::lines
