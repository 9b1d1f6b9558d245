// Windows, keys and the text dialog under a Wayland compositor (weston), the programs being
// Wayland clients only: a window shows its picture, keys typed into it arrive (in the key queue
// and on standard input), the dialog takes typed text, and a window that closes leaves the
// screen. Skipped where a tool is missing (a failure in CI).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "tests/graphics/dialog_picture.h"
#include "tests/support/eventually.h"
#include "tests/support/line_reader.h"
#include "tests/support/required_tools.h"
#include "tests/support/terminal_screen.h"
#include "tests/support/wayland_server.h"

namespace kanvo::testing {
namespace {

using std::chrono::milliseconds;

constexpr const char* kInputProbe = KANVO_BINARY_DIR "/tests/graphics/standard_input_probe";
constexpr const char* kAskProbe = KANVO_BINARY_DIR "/tests/graphics/ask_text_probe";
constexpr display::PixelWord kProbeColor = 0x3366CC;  // the input probe's canvas
// Each look at the screen runs import, which takes long on a busy machine.
constexpr milliseconds kPatience(20000);

// A program started with its output read line by line; it is ended, if need be, at the end.
class Program {
 public:
  explicit Program(const std::string& command) : pipe_(popen(command.c_str(), "r")) {
    if (pipe_ != nullptr) lines_ = LineReader(fileno(pipe_));
  }
  ~Program() {
    if (pipe_ != nullptr) pclose(pipe_);
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  std::optional<std::string> line(milliseconds patience = kPatience) {
    return lines_.line(patience);
  }

 private:
  FILE* pipe_;
  LineReader lines_;
};

class WaylandScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    KANVO_REQUIRE_TOOLS("Xvfb", "weston", "xdotool", "import", "tmux", "timeout");
    compositor_ = std::make_unique<Weston>();
    ASSERT_TRUE(compositor_->running()) << "weston did not start";
    // The compositor draws its pointer into the picture: out of the windows' way with it.
    compositor_->run("xdotool mousemove --sync 1020 760");
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
  Program probe(client(kInputProbe, "keys </dev/null"));
  ASSERT_EQ(probe.line(), "ready");
  ASSERT_GT(wait_for_block(kProbeColor, 200, 150).right, 0) << "the window never showed";
  // The compositor gives a new window the keyboard; Escape ends the probe.
  compositor_->run("xdotool key --delay 40 a shift+c 7 Escape");
  EXPECT_EQ(probe.line(), "typed [aC7]");
}

TEST_F(WaylandScreenTest, TheDialogTakesTypedText) {
  Program probe(client(kAskProbe, "0 0 0 64 abc </dev/null"));
  std::optional<DialogPicture> dialog;
  ASSERT_TRUE(eventually(
      [&] { return (dialog = find_dialog(compositor_->screenshot())).has_value(); }, kPatience))
      << "the dialog never showed";
  // The compositor gives the new dialog the keyboard, and the dialog gives it to its edit field.
  compositor_->run("xdotool key --delay 40 ctrl+a H i Return");
  EXPECT_EQ(probe.line(), "confirmed=1");
  EXPECT_EQ(probe.line(), "text=Hi");
}

}  // namespace
}  // namespace kanvo::testing
