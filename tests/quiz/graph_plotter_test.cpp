// One reveal on the headless screen: where the window stands, what it shows, and that a repaint
// shows it again.
#include "quiz/graph_plotter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>

#include "graphics/context/graphics_context.h"
#include "graphics/kanvo.h"
#include "host/windows/classes.h"
#include "host/windows/controls.h"
#include "host/windows/messages.h"
#include "host/windows/painting.h"
#include "host/windows/screen.h"
#include "host/windows/windows.h"
#include "port/window_class.h"
#include "tests/quiz/expected_graph.h"
#include "tests/support/library_window.h"
#include "tests/support/process_figures.h"

namespace kanvo::quiz {
namespace {

display::HeadlessDisplay& screen() {
  display::HeadlessDisplay* headless = win::headless_screen();
  if (headless == nullptr) throw std::runtime_error("the tests need the headless screen");
  return *headless;
}

// The client area of the graph window as the screen shows it.
class ClientPicture {
 public:
  ClientPicture() : image_(screen().capture()) {
    win::client_to_screen(testing::host_window(get_window_handle()), &origin_);
    win::get_client_rect(testing::host_window(get_window_handle()), &client_);
  }
  std::int32_t width() const { return client_.right; }
  std::int32_t height() const { return client_.bottom; }
  std::uint32_t at(std::int32_t x, std::int32_t y) const {
    return image_.at(origin_.x + x, origin_.y + y) & 0xFFFFFF;
  }

 private:
  display::Image image_;
  surface::Point origin_{0, 0};
  surface::Rect client_{};
};

// Pixels of the client area that differ from the expected graph.
int differing_pixels(const ClientPicture& shown, const ExpectedPicture& expected) {
  int differing = 0;  // the first few named
  for (std::int32_t y = 0; y < expected.height; ++y) {
    for (std::int32_t x = 0; x < expected.width; ++x) {
      if (shown.at(x, y) != expected.at(x, y) && ++differing <= 10) {
        ADD_FAILURE() << "at " << x << ", " << y << " the screen shows " << std::hex
                      << shown.at(x, y) << ", not " << expected.at(x, y);
      }
    }
  }
  return differing;
}

class GraphReveal : public ::testing::TestWithParam<int> {
 protected:
  void TearDown() override { close_window(); }

  // The reveal, then the repaint that its placement asked for, so that the screen has settled.
  void reveal(int index) {
    plot_graph(index);
    window_ = get_window_handle();
    win::update_window(testing::host_window(window_));
  }

  WindowHandle window_ = platform::kNoWindow;
};

TEST_F(GraphReveal, TheWindowStandsAtTheTopLeftCornerOnTopAndActive) {
  reveal(13);
  ASSERT_NE(window_, platform::kNoWindow);
  EXPECT_EQ(testing::outer_rect(window_), (Rect{0, 0, 460, 460}));
  EXPECT_TRUE(win::is_window_visible(testing::host_window(window_)));
  EXPECT_EQ(win::get_foreground_window(), testing::host_window(window_));
  win::WindowHandle top = win::kNoWindow;
  ASSERT_EQ(win::z_order(&top, 1), 1u);
  EXPECT_EQ(top, testing::host_window(window_));
  EXPECT_EQ(get_working_image(), nullptr);  // the window is the drawing target
}

TEST_F(GraphReveal, TheCanvasCoversTheWholeClientArea) {
  reveal(13);
  surface::Rect client;
  ASSERT_TRUE(win::get_client_rect(testing::host_window(window_), &client));
  // The caption and frame take their share of 460 by 460; the canvas gets all the rest.
  EXPECT_LT(client.right, 460);
  EXPECT_LT(client.bottom, 460);
  EXPECT_GT(client.right, 400);   // the whole horizontal axis
  EXPECT_GT(client.bottom, 400);  // the whole vertical axis
  EXPECT_EQ(get_width(), client.right);
  EXPECT_EQ(get_height(), client.bottom);
  surface::Rect outer{0, 0, client.right, client.bottom};
  win::adjust_window_rect(&outer, platform::frame_style(false), false, 0);
  EXPECT_EQ(outer.right - outer.left, 460);
  EXPECT_EQ(outer.bottom - outer.top, 460);
}

TEST_F(GraphReveal, AxesAndMarksShowWhereTheRecipePutsThem) {
  reveal(13);
  const ClientPicture shown;
  // The axes, away from the curve.
  EXPECT_EQ(shown.at(200, 41), kAxesWord);
  EXPECT_EQ(shown.at(200, 399), kAxesWord);
  EXPECT_EQ(shown.at(200, 30), 0u);
  EXPECT_EQ(shown.at(200, 40), 0u);  // each axis leaves out the point it is drawn to
  EXPECT_EQ(shown.at(50, 220), kAxesWord);
  EXPECT_EQ(shown.at(51, 220), kAxesWord);
  EXPECT_EQ(shown.at(399, 220), kAxesWord);
  EXPECT_EQ(shown.at(400, 220), 0u);
  EXPECT_EQ(shown.at(410, 220), 0u);
  EXPECT_EQ(shown.at(300, 100), 0u);
  EXPECT_EQ(shown.at(100, 400), 0u);
  // Every mark inside the window draws white next to its centre, the centre itself left alone.
  int marks_inside = 0;
  for (const ExpectedMark mark : expected_marks(13)) {
    if (mark.x < 2 || mark.y < 2 || mark.x + 2 >= shown.width() || mark.y + 2 >= shown.height()) {
      continue;
    }
    ++marks_inside;
    bool white_ring = false;
    for (std::int32_t dy = -2; dy <= 2; ++dy) {
      for (std::int32_t dx = -2; dx <= 2; ++dx) {
        white_ring |= shown.at(mark.x + dx, mark.y + dy) == kCurveWord;
      }
    }
    EXPECT_TRUE(white_ring) << mark.x << ", " << mark.y;
  }
  EXPECT_GT(marks_inside, 20000);
  // The first mark, (90, 243), well away from the axes and the rest of the curve's ends.
  EXPECT_EQ(shown.at(90, 241), kCurveWord);
}

TEST_P(GraphReveal, ScreenAndCanvasHoldExactlyTheExpectedGraph) {
  reveal(GetParam());
  const ClientPicture shown;
  const ExpectedPicture expected = expected_graph(GetParam(), shown.width(), shown.height());
  EXPECT_EQ(differing_pixels(shown, expected), 0);
  const CanvasImage& canvas = graphics_context().canvas;
  ASSERT_EQ(canvas.width(), expected.width);
  ASSERT_EQ(canvas.height(), expected.height);
  int differing = 0;
  for (std::int32_t i = 0; i < canvas.width() * canvas.height(); ++i) {
    differing += (canvas.pixels()[i] & 0xFFFFFF) != expected.pixels[i];
  }
  EXPECT_EQ(differing, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryRecipe, GraphReveal, ::testing::Range(1, 17));

TEST_F(GraphReveal, TheGraphSurvivesMinimisingAndRestoring) {
  reveal(13);
  const ClientPicture before;
  const ExpectedPicture expected = expected_graph(13, before.width(), before.height());
  win::show_window(testing::host_window(window_), win::show::kMinimize);
  ASSERT_TRUE(win::is_minimized(testing::host_window(window_)));
  win::show_window(testing::host_window(window_), win::show::kRestore);
  win::update_window(testing::host_window(window_));
  surface::Rect invalid;
  EXPECT_FALSE(
      win::get_update_rect(testing::host_window(window_), &invalid));  // the repaint is done
  EXPECT_EQ(differing_pixels(ClientPicture(), expected), 0);
}

TEST_F(GraphReveal, TheGraphSurvivesARepaintOfPartOfTheWindow) {
  reveal(13);
  const ClientPicture before;
  const ExpectedPicture expected = expected_graph(13, before.width(), before.height());
  const surface::Rect dragged_over{60, 150, 260, 300};  // axes crossing and curve
  win::invalidate_rect(testing::host_window(window_), &dragged_over, true);
  win::update_window(testing::host_window(window_));
  EXPECT_EQ(differing_pixels(ClientPicture(), expected), 0);
}

TEST_F(GraphReveal, AnotherRevealReplacesTheWindow) {
  reveal(13);
  const WindowHandle first = window_;
  reveal(2);
  EXPECT_NE(window_, first);
  EXPECT_FALSE(win::is_window(testing::host_window(first)));
  const ClientPicture shown;
  EXPECT_EQ(differing_pixels(shown, expected_graph(2, shown.width(), shown.height())), 0);
}

// A learner may answer "Y" round after round: each reveal must give back its window, its thread
// and every drawing object when the next one replaces it.
TEST_F(GraphReveal, AThousandRevealsLeaveNothingBehind) {
  using testing::heap_in_use;
  using testing::thread_count;
  struct Figures {
    int threads;
    std::size_t objects;
    std::size_t windows;
    std::size_t heap;
  };
  const auto figures = [] {
    return Figures{thread_count(), platform::live_object_count(), win::z_order(nullptr, 0),
                   heap_in_use()};
  };
  // The first reveals settle what stays for good: the display, fonts, registered classes.
  for (int index = 1; index <= 16; ++index) reveal(index);
  const Figures before = figures();
  constexpr int kReveals = 1000;
  for (int i = 0; i < kReveals; ++i) reveal(i % 16 + 1);
  const Figures after = figures();
  std::printf(
      "after %d reveals: threads %d -> %d, live objects %zu -> %zu, windows %zu -> %zu, "
      "heap %zu -> %zu bytes\n",
      kReveals, before.threads, after.threads, before.objects, after.objects, before.windows,
      after.windows, before.heap, after.heap);
  EXPECT_EQ(after.threads, before.threads);
  EXPECT_EQ(after.objects, before.objects);
  EXPECT_EQ(after.windows, before.windows);
  // A leak of even one small block a reveal would show as 1,000 blocks; allow for the allocator's
  // own bookkeeping only.
  EXPECT_LT(after.heap, before.heap + 64 * 1024);
}

TEST_F(GraphReveal, AnIndexOutsideTheCatalogueOpensNothing) {
  close_window();
  plot_graph(0);
  plot_graph(17);
  EXPECT_EQ(get_window_handle(), platform::kNoWindow);
}

}  // namespace
}  // namespace kanvo::quiz
