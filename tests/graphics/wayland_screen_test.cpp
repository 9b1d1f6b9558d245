// Windows, the mouse, keys and the text dialog under a Wayland compositor (weston), the programs
// being Wayland clients only: a window shows its picture, clicks, the wheel and keys typed into
// it arrive with their modifier keys (in the queues and on standard input), the dialog takes
// typed text, and a window that closes leaves the screen. Weston passes on all that xdotool does
// on the X server beneath it. What no test can give there: a place on the screen. The compositor
// places windows itself and never tells a client where, so a window is found by its picture and
// the screen positions a program works out are its own. Under a compositor without a seat
// (weston's headless output) no input can be given at all: there the program is seen to run on
// and get none. Skipped where a tool is missing (a failure in CI).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "graphics/kanvo.h"
#include "tests/graphics/dialog_picture.h"
#include "tests/support/commanded_program.h"
#include "tests/support/eventually.h"
#include "tests/support/required_tools.h"
#include "tests/support/terminal_screen.h"
#include "tests/support/wayland_server.h"

namespace kanvo::testing {
namespace {

using std::chrono::milliseconds;

constexpr const char* kInputProbe = KANVO_BINARY_DIR "/tests/graphics/standard_input_probe";
constexpr const char* kAskProbe = KANVO_BINARY_DIR "/tests/graphics/ask_text_probe";
constexpr const char* kScreenProbe = KANVO_BINARY_DIR "/tests/graphics/screen_probe";
constexpr display::PixelWord kProbeColor = 0x3366CC;  // the input probe's canvas
// Each look at the screen runs import, which takes long on a busy machine.
constexpr milliseconds kPatience(20000);

class WaylandScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    KANVO_REQUIRE_TOOLS("Xvfb", "weston", "xdotool", "import", "tmux", "timeout");
    compositor_ = std::make_unique<Weston>();
    ASSERT_TRUE(compositor_->running()) << "weston did not start";
  }

  std::string client(const std::string& program, const std::string& arguments) const {
    return compositor_->client_environment() + " timeout --foreground 60 " + program + " " +
           arguments;
  }
  // Waits until the screen shows a block of the colour; its place, or an empty rectangle.
  surface::Rect wait_for_block(display::PixelWord color, std::int32_t width,
                               std::int32_t height) const {
    surface::Rect found;
    eventually(
        [&] {
          found = find_block(compositor_->screenshot(), color, width, height);
          return found.right > 0;
        },
        kPatience);
    return found;
  }

  std::unique_ptr<Weston> compositor_;
};

// The screen probe under the compositor, worked command by command, its canvas in the input
// probe's colour so that it can be found where weston has placed it.
class WaylandProbeTest : public WaylandScreenTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(WaylandScreenTest::SetUp());
    probe_ = std::make_unique<CommandedProgram>(compositor_->client_environment() +
                                                " exec timeout 60 " + kScreenProbe + " 200 150 0");
    // Where the window asked to be; weston places it itself.
    ASSERT_TRUE(probe_->line().value_or("").starts_with("client "));
    ASSERT_TRUE(probe_->run({"bk CC6633", "clear"}));
    canvas_ = wait_for_block(kProbeColor, 200, 150);
    ASSERT_GT(canvas_.right, 0) << "the window's picture never showed";
  }
  // Moves the pointer to a client point and waits until the window has seen it there: until
  // then the window may not have the pointer, and a click would go elsewhere.
  void point_at(int x, int y) const {
    ASSERT_TRUE(compositor_->move_pointer(canvas_.left + x, canvas_.top + y));
    const std::string arrived = mouse_line(WM_MOUSEMOVE, x, y, 0, 0, 0, 0);
    std::string seen;
    while ((seen = probe_->ask("mouse")).starts_with("message=" + std::to_string(WM_MOUSEMOVE)) &&
           seen != arrived) {
    }
    EXPECT_EQ(seen, arrived);
  }

  // The probe ends with its input, and must end well, before the compositor goes.
  void TearDown() override { probe_.reset(); }

  std::unique_ptr<CommandedProgram> probe_;
  surface::Rect canvas_;
};

TEST_F(WaylandScreenTest, AWindowShowsItsPictureReadsTypedLinesAndCloses) {
  TerminalSession terminal(client(kInputProbe, "lines") + "; echo \"exit status $?\"; sleep 60");
  ASSERT_TRUE(terminal.started());
  ASSERT_TRUE(terminal.wait_for("ready"));
  const surface::Rect canvas = wait_for_block(kProbeColor, 200, 150);
  ASSERT_GT(canvas.right, 0) << "the window's picture never showed";
  // The compositor gives a new window the keyboard.
  compositor_->run("xdotool key --delay 40 h i space 4 2 Return");
  EXPECT_TRUE(terminal.wait_for("got getline [hi 42]")) << terminal.screen_text();
  compositor_->run("xdotool key ctrl+d");
  EXPECT_TRUE(terminal.wait_for("exit status 0")) << terminal.screen_text();
  EXPECT_TRUE(eventually(
      [&] { return find_block(compositor_->screenshot(), kProbeColor, 200, 150).right == 0; },
      kPatience))
      << "the window stayed on the screen after its program ended";
}

// Keys typed into a program whose standard input is no terminal wait in the key queue.
TEST_F(WaylandScreenTest, KeysReachTheKeyQueue) {
  CommandedProgram probe(client(kInputProbe, "keys </dev/null"));
  ASSERT_EQ(probe.line(), "ready");
  ASSERT_GT(wait_for_block(kProbeColor, 200, 150).right, 0) << "the window never showed";
  // The compositor gives a new window the keyboard; Escape ends the probe.
  compositor_->run("xdotool key --delay 40 a shift+c 7 Escape");
  EXPECT_EQ(probe.line(), "typed [aC7]");
}

TEST_F(WaylandScreenTest, TheDialogTakesTypedText) {
  CommandedProgram probe(client(kAskProbe, "0 0 0 64 abc </dev/null"));
  std::optional<DialogPicture> dialog;
  ASSERT_TRUE(eventually(
      [&] { return (dialog = find_dialog(compositor_->screenshot())).has_value(); }, kPatience))
      << "the dialog never showed";
  // The compositor gives the new dialog the keyboard, and the dialog gives it to its edit field.
  compositor_->run("xdotool key --delay 40 ctrl+a H i Return");
  EXPECT_EQ(probe.line(), "confirmed=1");
  EXPECT_EQ(probe.line(), "text=Hi");
}

// Clicks, double clicks, the modifier keys and the wheel, in the window's own coordinates:
// weston hands the window what xdotool does on the X server beneath.
TEST_F(WaylandProbeTest, TheMouseThroughTheWindow) {
  point_at(37, 41);
  compositor_->run("xdotool click --repeat 2 --delay 100 1");
  EXPECT_EQ(probe_->next_message(), mouse_line(WM_LBUTTONDOWN, 37, 41, 0, 1, 0, 0));
  EXPECT_EQ(probe_->next_message(), mouse_line(WM_LBUTTONUP, 37, 41, 0, 0, 0, 0));
  EXPECT_EQ(probe_->next_message(), mouse_line(WM_LBUTTONDBLCLK, 37, 41, 0, 1, 0, 0));
  EXPECT_EQ(probe_->next_message(), mouse_line(WM_LBUTTONUP, 37, 41, 0, 0, 0, 0));
  point_at(150, 110);
  compositor_->run("xdotool keydown ctrl click 3 keyup ctrl");
  EXPECT_EQ(probe_->next_message(), mouse_line(WM_RBUTTONDOWN, 150, 110, 0, 0, 0, 1, 1, 0));
  EXPECT_EQ(probe_->next_message(), mouse_line(WM_RBUTTONUP, 150, 110, 0, 0, 0, 0, 1, 0));
  compositor_->run("xdotool keydown shift click 2 keyup shift");
  EXPECT_EQ(probe_->next_message(), mouse_line(WM_MBUTTONDOWN, 150, 110, 0, 0, 1, 0, 0, 1));
  EXPECT_EQ(probe_->next_message(), mouse_line(WM_MBUTTONUP, 150, 110, 0, 0, 0, 0, 0, 1));
  // Away from the user, then towards: 120 a notch.
  compositor_->run("xdotool click 4");
  EXPECT_EQ(probe_->next_message(), mouse_line(WM_MOUSEWHEEL, 150, 110, 120, 0, 0, 0));
  compositor_->run("xdotool click 5");
  EXPECT_EQ(probe_->next_message(), mouse_line(WM_MOUSEWHEEL, 150, 110, -120, 0, 0, 0));
}

// Keys wait in the key queue with their characters and the modifier keys held.
TEST_F(WaylandProbeTest, KeysWaitInTheQueueWithTheirModifiers) {
  point_at(100, 75);
  compositor_->run("xdotool key --delay 40 a shift+c ctrl+b alt+x");
  // xdotool lets go of the modifier key before the key it modifies.
  const std::vector<std::string> expected{
      "key=65 down=1 text=a ctrl=0 shift=0 alt=0", "key=65 down=0 text= ctrl=0 shift=0 alt=0",
      "key=16 down=1 text= ctrl=0 shift=1 alt=0",  "key=67 down=1 text=C ctrl=0 shift=1 alt=0",
      "key=16 down=0 text= ctrl=0 shift=0 alt=0",  "key=67 down=0 text= ctrl=0 shift=0 alt=0",
      "key=17 down=1 text= ctrl=1 shift=0 alt=0",  "key=66 down=1 text=\x02 ctrl=1 shift=0 alt=0",
      "key=17 down=0 text= ctrl=0 shift=0 alt=0",  "key=66 down=0 text= ctrl=0 shift=0 alt=0",
      "key=18 down=1 text= ctrl=0 shift=0 alt=1",  "key=88 down=1 text=x ctrl=0 shift=0 alt=1",
      "key=18 down=0 text= ctrl=0 shift=0 alt=0",  "key=88 down=0 text= ctrl=0 shift=0 alt=0"};
  for (const std::string& key : expected) EXPECT_EQ(probe_->ask("key"), key);
  EXPECT_EQ(probe_->ask("keyhit"), "keyhit=0");
}

// Under a compositor that offers no seat (weston's headless output: no keyboard, no pointer)
// SDL's Wayland driver cannot start. The program still opens its window, draws into it and ends
// as usual; it simply gets no input.
TEST(WaylandWithoutSeatTest, AProgramDrawsGetsNoInputAndEnds) {
  KANVO_REQUIRE_TOOLS("weston", "timeout");
  const Weston compositor(Weston::Input::none);
  ASSERT_TRUE(compositor.running()) << "weston did not start";
  CommandedProgram probe(
      "printf 'bk ff0000\\nclear\\nline 0 0 50 0\\nget 0 0 200 150\\nhit\\nkeyhit\\n"
      "quit\\n' | " +
      compositor.client_environment() + " timeout 60 " + kScreenProbe +
      " 200 150 0 2>&1; echo \"exit status $?\"");
  EXPECT_EQ(probe.line(),
            "kanvo: the screen cannot be opened (the Wayland compositor has no seat); windows are "
            "kept off-screen");
  EXPECT_TRUE(probe.line().value_or("").starts_with("client ")) << "the window never opened";
  for (int command = 0; command < 3; ++command) EXPECT_EQ(probe.line(), "ok");
  EXPECT_EQ(probe.line(), "image 200 150 ffffff 0000ff 0000ff 0000ff");
  EXPECT_EQ(probe.line(), "hit=0");
  EXPECT_EQ(probe.line(), "keyhit=0");
  EXPECT_EQ(probe.line(), "exit status 0");
}

// With an X server beside the seatless compositor the window goes there: it shows its picture
// and takes keys.
TEST(WaylandWithoutSeatTest, AnXServerBesideItTakesTheWindow) {
  KANVO_REQUIRE_TOOLS("weston", "Xvfb", "xdotool", "import", "timeout");
  const Weston compositor(Weston::Input::none);
  ASSERT_TRUE(compositor.running()) << "weston did not start";
  const Xvfb x_server;
  ASSERT_TRUE(x_server.running());
  CommandedProgram probe(compositor.client_environment() + " DISPLAY=" + x_server.display() +
                         " timeout 60 " + kInputProbe + " keys </dev/null");
  ASSERT_EQ(probe.line(), "ready");
  surface::Rect canvas;
  EXPECT_TRUE(eventually(
      [&] {
        canvas = find_block(x_server.screenshot(), kProbeColor, 200, 150);
        return canvas.right > 0;
      },
      kPatience))
      << "the window's picture never showed on the X server";
  // Without a window manager the keyboard goes where the pointer is.
  ASSERT_TRUE(x_server.move_pointer(canvas.left + 100, canvas.top + 75));
  x_server.run("xdotool key --delay 40 o k Escape");
  EXPECT_EQ(probe.line(), "typed [ok]");
}

}  // namespace
}  // namespace kanvo::testing
