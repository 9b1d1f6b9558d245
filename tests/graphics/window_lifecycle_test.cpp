// Window programs on a real X server (Xvfb) start, draw and end cleanly every time, whichever way
// they end: each way 50 times, none crashing or hanging, each ending within 2 s of its last call,
// none with an OpenGL driver loaded; also with a clock that stands still. And an image put onto
// the window is on the screen at once. Skipped where Xvfb, xdotool or ImageMagick is missing.
#include <gtest/gtest.h>

#include <array>

#include "tests/graphics/lifecycle_runs.h"
#include "tests/support/x_server_test.h"

namespace kanvo::testing {
namespace {

constexpr int kRuns = 50;
constexpr double kLongestEndMs = 2000;

class WindowLifecycleTest : public XServerTest<WindowLifecycleTest>,
                            public ::testing::WithParamInterface<const char*> {
 public:
  static constexpr std::array kTools{"Xvfb", "xdotool", "import", "faketime"};
};

TEST_P(WindowLifecycleTest, EndsCleanlyEveryTime) {
  const LifecycleFigures figures = run_lifecycle(*server_, GetParam(), kRuns);
  EXPECT_EQ(figures.crashes, 0) << figures.first_failure;
  EXPECT_EQ(figures.hangs, 0) << figures.first_failure;
  EXPECT_EQ(figures.sanitizer_reports, 0) << figures.first_failure;
  EXPECT_EQ(figures.gl_mapped, 0);
  EXPECT_LT(figures.longest_end_ms, kLongestEndMs);
}

INSTANTIATE_TEST_SUITE_P(Ways, WindowLifecycleTest,
                         ::testing::Values("return", "close", "exit", "reopen", "click"),
                         [](const ::testing::TestParamInfo<const char*>& way) {
                           return std::string(way.param);
                         });

// With a clock that stands still the display thread is woken to stop, never left to a timeout.
TEST_F(WindowLifecycleTest, EndsWhileTheClockStandsStill) {
  for (const char* way : {"return", "close", "exit"}) {
    const LifecycleFigures figures =
        run_lifecycle(*server_, way, 10, {"faketime", "-f", "@2024-01-01 00:00:00 i0"});
    EXPECT_EQ(figures.crashes, 0) << way << ": " << figures.first_failure;
    EXPECT_EQ(figures.hangs, 0) << way << ": " << figures.first_failure;
    EXPECT_EQ(figures.sanitizer_reports, 0) << way << ": " << figures.first_failure;
    EXPECT_LT(figures.longest_end_ms, kLongestEndMs) << way;
  }
}

TEST_F(WindowLifecycleTest, AnImagePutOntoTheWindowIsOnTheScreenAtOnce) {
  EXPECT_EQ(put_image_reaches_the_screen(*server_), "");
}

}  // namespace
}  // namespace kanvo::testing
