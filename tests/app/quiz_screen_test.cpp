// The built quiz on a real X server (Xvfb), answered "Y" in a real terminal with the clock fixed:
// the graph window as a screenshot shows it, frame and caption included, pixel for pixel against
// the graph worked out here from the drawn function's recipe; again after the window was
// minimised and restored; then answered in its graph window. Skipped where a tool is missing (a
// failure in CI).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "graphics/context/window_canvas.h"
#include "graphics/kanvo.h"
#include "host/windows/frame.h"
#include "port/window_class.h"
#include "quiz/function_catalogue.h"
#include "tests/app/quiz_program.h"
#include "tests/quiz/expected_graph.h"
#include "tests/support/eventually.h"
#include "tests/support/required_tools.h"
#include "tests/support/terminal_screen.h"
#include "tests/support/wayland_server.h"
#include "tests/support/x_server.h"

namespace kanvo::testing {
namespace {

using display::PixelWord;
using surface::Rect;

constexpr std::int32_t kOuterSize = 460;
// Each look at the screen runs import, which takes long on a busy machine.
constexpr std::chrono::milliseconds kPatience(20000);
constexpr PixelWord kActiveCaption = 0x0078D7;
constexpr PixelWord kFrameFace = 0xF0F0F0;
const std::string kPrompt = "函数的图像经过第几象限，是否揭晓答案(Y/N):";
const std::string kLabelStart = "幂函数y=x^";

// The index of the catalogue function whose label the terminal shows ("幂函数y=x^-2"), or 0.
// Labels are GBK and the exponent part is ASCII, so the parts after "x^" compare byte for byte.
int index_of_label(const std::string& shown) {
  const std::string exponent = shown.substr(shown.rfind("x^") + 2);
  for (const quiz::PowerFunction& function : quiz::FunctionCatalogue::functions()) {
    const std::string_view label = function.label;
    if (label.substr(label.rfind("x^") + 2) == exponent) return function.index;
  }
  return 0;
}

// The graph window as it should look, 460 by 460: the frame and caption that the window system
// paints for the quiz's window, active (our own look, which no rule fixes), and in the client
// area the graph worked out from the recipe table.
std::vector<PixelWord> expected_window(int index, Rect* client) {
  win::detail::FrameLook look;
  look.title = "kanvo-quiz";
  look.style = platform::frame_style(false);
  look.class_style = win::class_style::kDoubleClicks | win::class_style::kNoClose;
  look.active = true;
  look.width = kOuterSize;
  look.height = kOuterSize;
  std::vector<PixelWord> pixels(kOuterSize * kOuterSize, 0);
  win::detail::paint_frame(look, pixels.data());
  const win::detail::FrameInsets insets = win::detail::frame_insets(look.style, 0);
  *client = {insets.left, insets.top, kOuterSize - insets.right, kOuterSize - insets.bottom};
  const quiz::ExpectedPicture graph =
      quiz::expected_graph(index, client->right - client->left, client->bottom - client->top);
  for (std::int32_t y = 0; y < graph.height; ++y) {
    for (std::int32_t x = 0; x < graph.width; ++x) {
      pixels[(client->top + y) * kOuterSize + client->left + x] = graph.at(x, y);
    }
  }
  return pixels;
}

struct Differences {
  int frame = 0;
  int client = 0;
};

// The window's pixels on the screen with its outer top-left at `origin`.
Differences compare(const display::Image& screen, const std::vector<PixelWord>& expected,
                    const Rect& client, surface::Point origin = {0, 0}) {
  Differences differences;
  if (origin.x < 0 || origin.y < 0 || screen.width < origin.x + kOuterSize ||
      screen.height < origin.y + kOuterSize) {
    return {-1, -1};
  }
  for (std::int32_t y = 0; y < kOuterSize; ++y) {
    for (std::int32_t x = 0; x < kOuterSize; ++x) {
      if ((screen.at(origin.x + x, origin.y + y) & 0xFFFFFF) == expected[y * kOuterSize + x]) {
        continue;
      }
      const bool inside =
          x >= client.left && x < client.right && y >= client.top && y < client.bottom;
      ++(inside ? differences.client : differences.frame);
    }
  }
  return differences;
}

// Starts the round: reads which function the terminal shows and reveals it with "Y"; the
// function's index, or 0 when the terminal shows none.
int reveal_first_round(TerminalSession& terminal) {
  if (!terminal.wait_for(kPrompt, 1)) return 0;
  std::string label;
  for (const ScreenLine& line : terminal.screen()) {
    const std::string text = line.text();
    if (text.find(kLabelStart) != std::string::npos) label = text.substr(text.find(kLabelStart));
  }
  label.resize(label.find_last_not_of(' ') + 1);
  const int index = index_of_label(label);
  EXPECT_NE(index, 0) << "no catalogue function is labelled " << label;
  terminal.send_keys("Y Enter");
  // The next round begins once the last mark is drawn.
  EXPECT_TRUE(terminal.wait_for(kPrompt, 2));
  return index;
}

class QuizScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    KANVO_REQUIRE_TOOLS("Xvfb", "xdotool", "import", "tmux", "faketime");
    server_ = std::make_unique<Xvfb>();
    ASSERT_TRUE(server_->running()) << "Xvfb did not start";
  }

  // Waits until the screen shows the expected window exactly; the differences last seen.
  Differences settle_on(const std::vector<PixelWord>& expected, const Rect& client) {
    Differences last;
    eventually(
        [&] {
          last = compare(server_->screenshot(), expected, client);
          return last.frame == 0 && last.client == 0;
        },
        kPatience);
    return last;
  }

  std::unique_ptr<Xvfb> server_;
};

TEST_F(QuizScreenTest, TheRevealedGraphOnTheScreenAndAfterMinimisingAndRestoring) {
  TerminalSession terminal(quiz_command(
      "2023-11-14 22:13:20",
      "KANVO_DISPLAY= WAYLAND_DISPLAY= SDL_VIDEODRIVER=x11 DISPLAY=" + server_->display()));
  ASSERT_TRUE(terminal.started());
  const int index = reveal_first_round(terminal);
  ASSERT_NE(index, 0);

  // The display shows windows at its next refresh.
  std::string window;
  ASSERT_TRUE(eventually(
      [&] {
        window = server_->window_of_class("kanvo-quiz");
        return !window.empty();
      },
      kPatience))
      << "no window of the quiz on the screen";
  // The window may appear where windows open first and be moved at the next refresh. It is
  // looked up afresh each time, so that a window replaced meanwhile is told apart from one that
  // stands in the wrong place.
  Rect placed;
  std::string placed_window;
  EXPECT_TRUE(eventually(
      [&] {
        placed_window = server_->window_of_class("kanvo-quiz");
        placed = server_->window_rect(placed_window);
        return placed == Rect{0, 0, kOuterSize, kOuterSize};
      },
      kPatience))
      << "window " << placed_window << " stands at " << placed.left << ", " << placed.top << " to "
      << placed.right << ", " << placed.bottom << "; the server has\n"
      << server_->run("xwininfo -root -tree");
  EXPECT_EQ(placed_window, window) << "the quiz's window was replaced";

  Rect client;
  const std::vector<PixelWord> expected = expected_window(index, &client);
  const Differences shown = settle_on(expected, client);
  EXPECT_EQ(shown.frame, 0) << "frame pixels unlike the expected frame";
  EXPECT_EQ(shown.client, 0) << "client pixels unlike the graph of function " << index;

  const display::Image screen = server_->screenshot();
  ASSERT_GE(screen.width, kOuterSize);
  // The axes in the colour 0x55FFFF: red 255, green 255, blue 85 on the screen.
  const PixelWord axis = screen.at(client.left + 200, client.top + 395) & 0xFFFFFF;
  EXPECT_EQ(axis >> 16, 0xFFu);
  EXPECT_EQ((axis >> 8) & 0xFF, 0xFFu);
  EXPECT_EQ(axis & 0xFF, 0x55u);
  EXPECT_EQ(screen.at(client.left + 55, client.top + 220) & 0xFFFFFF, axis);
  // The title is written in the caption, left of the caption's buttons, in white blended onto
  // the blue: its pixels are the ones with much red in them.
  int title_pixels = 0;
  std::int32_t title_left = kOuterSize;
  for (std::int32_t y = 0; y < client.top; ++y) {
    for (std::int32_t x = 0; x < kOuterSize - 50; ++x) {
      if ((screen.at(x, y) >> 16 & 0xFF) < 0x80 || (screen.at(x, y) & 0xFFFFFF) == kFrameFace) {
        continue;
      }
      ++title_pixels;
      title_left = std::min(title_left, x);
    }
  }
  std::printf(
      "function %d: %d window pixels compared (%d in the client area), %d + %d differ; "
      "title %d pixels from x = %d\n",
      index, kOuterSize * kOuterSize, (client.right - client.left) * (client.bottom - client.top),
      shown.frame, shown.client, title_pixels, title_left);
  EXPECT_GT(title_pixels, 60) << "no title to be seen";
  EXPECT_LE(title_left, 12);
  EXPECT_EQ(screen.at(5, 5) & 0xFFFFFF, kActiveCaption);
  // Nothing of the window beyond 460 by 460.
  EXPECT_NE(screen.at(kOuterSize + 1, 100) & 0xFFFFFF, screen.at(kOuterSize - 1, 100) & 0xFFFFFF);

  server_->minimize(window);
  ASSERT_TRUE(eventually(
      [&] { return (server_->screenshot().at(5, 5) & 0xFFFFFF) != kActiveCaption; }, kPatience));
  server_->restore(window);
  // The caption coming back active is the restored window's first picture; the graph follows.
  ASSERT_TRUE(eventually(
      [&] { return (server_->screenshot().at(5, 5) & 0xFFFFFF) == kActiveCaption; }, kPatience));
  const Differences restored = settle_on(expected, client);
  EXPECT_EQ(restored.frame, 0) << "after restoring";
  EXPECT_EQ(restored.client, 0) << "after restoring";
  std::printf("restored: %d + %d pixels differ\n", restored.frame, restored.client);

  // Keys typed in the graph window answer as if typed at the terminal, Ctrl+D ending the input.
  server_->run("xdotool windowfocus --sync " + window + " key --delay 40 N Return");
  EXPECT_TRUE(terminal.wait_for(kPrompt, 3)) << "the answer typed in the window was not read";
  server_->run("xdotool key ctrl+d");
  EXPECT_TRUE(terminal.wait_for("exit status 0")) << terminal.screen_text();
}

// The quiz as a client of a Wayland compositor (weston), which places the graph window itself:
// found by its caption, the window shows the same picture as on an X server, and answers keys.
TEST(QuizWaylandTest, TheGraphWindowShowsTheGraphAndAnswersKeys) {
  KANVO_REQUIRE_TOOLS("Xvfb", "weston", "xdotool", "import", "tmux", "faketime");
  Weston compositor;
  ASSERT_TRUE(compositor.running()) << "weston did not start";
  TerminalSession terminal(quiz_command("2023-11-14 22:13:20", compositor.client_environment()));
  ASSERT_TRUE(terminal.started());
  const int index = reveal_first_round(terminal);
  ASSERT_NE(index, 0);

  Rect client;
  const std::vector<PixelWord> expected = expected_window(index, &client);
  constexpr std::int32_t kCaptionWidth = 200;
  constexpr std::int32_t kCaptionHeight = 12;
  const Rect caption_in_window =
      find_block({kOuterSize, kOuterSize, expected}, kActiveCaption, kCaptionWidth, kCaptionHeight);
  ASSERT_GT(caption_in_window.right, 0);
  Differences shown{-1, -1};
  eventually(
      [&] {
        const display::Image screen = compositor.screenshot();
        const Rect caption = find_block(screen, kActiveCaption, kCaptionWidth, kCaptionHeight);
        if (caption.right == 0) return false;
        shown =
            compare(screen, expected, client,
                    {caption.left - caption_in_window.left, caption.top - caption_in_window.top});
        return shown.frame == 0 && shown.client == 0;
      },
      kPatience);
  EXPECT_EQ(shown.frame, 0) << "frame pixels unlike the expected frame";
  EXPECT_EQ(shown.client, 0) << "client pixels unlike the graph of function " << index;

  // The compositor gave the new window the keyboard.
  compositor.run("xdotool key --delay 40 N Return");
  EXPECT_TRUE(terminal.wait_for(kPrompt, 3)) << "the answer typed in the window was not read";
  compositor.run("xdotool key ctrl+d");
  EXPECT_TRUE(terminal.wait_for("exit status 0")) << terminal.screen_text();
}

}  // namespace
}  // namespace kanvo::testing
