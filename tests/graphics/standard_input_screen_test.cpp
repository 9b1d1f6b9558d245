// Keys typed in a program's window on a real X server (Xvfb), with the program in a real terminal
// (tmux): they reach its standard input as if typed at the terminal, which echoes and edits the
// line; where standard input is a pipe nothing is typed anywhere; and what a program never read
// is not left for the shell after it; where the system refuses to type into terminals the keys
// reach the key queue only. Skipped where a tool is missing (a failure in CI).
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>

#include "tests/support/eventually.h"
#include "tests/support/required_tools.h"
#include "tests/support/terminal_screen.h"
#include "tests/support/x_server.h"

namespace kanvo::testing {
namespace {

constexpr const char* kProbe = KANVO_BINARY_DIR "/tests/graphics/standard_input_probe";
// Runs the program where the system refuses to type into terminals, as newer kernels do.
constexpr const char* kRefusing = KANVO_BINARY_DIR "/tests/graphics/refuse_terminal_typing";

class StandardInputScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    KANVO_REQUIRE_TOOLS("Xvfb", "xdotool", "import", "tmux");
    server_ = std::make_unique<Xvfb>();
    ASSERT_TRUE(server_->running()) << "Xvfb did not start";
  }

  // Runs the shell command line `before` probe `mode` `after` in a terminal, the probe started
  // through `launcher` if one is given; waits until the probe's window is there and has the
  // keyboard.
  std::unique_ptr<TerminalSession> start(const std::string& before, const std::string& mode,
                                         const std::string& after,
                                         const std::string& launcher = "") {
    auto terminal = std::make_unique<TerminalSession>(
        before + "DISPLAY=" + server_->display() +
        " KANVO_DISPLAY= WAYLAND_DISPLAY= SDL_VIDEODRIVER=x11 " + launcher +
        " timeout --foreground 60 " + kProbe + " " + mode + "; echo \"exit status $?\"" + after +
        "; sleep 60");
    EXPECT_TRUE(terminal->started());
    EXPECT_TRUE(terminal->wait_for("ready"));
    EXPECT_TRUE(eventually(
        [&] { return !(window_ = server_->window_of_class("standard_input_probe")).empty(); },
        std::chrono::seconds(20)))
        << "no window of the probe";
    // A window found may not be mapped yet, and then refuses the keyboard. Once it has it, keys
    // typed before its program has taken the focus in might be seen as held down then.
    EXPECT_TRUE(server_->focus(window_, std::chrono::seconds(20))) << "the window took no focus";
    EXPECT_TRUE(eventually([&] { return server_->shows_active_caption(window_); },
                           std::chrono::seconds(20)))
        << "the program never took the keyboard";
    return terminal;
  }

  // Keys in xdotool's notation, typed into the window one after the other.
  void type_into_window(const std::string& keys) const {
    server_->run("xdotool key --delay 40 " + keys);
  }

  // Whether a whole line of the screen reads `text`.
  static bool shows_line_now(TerminalSession& terminal, const std::string& text) {
    for (const ScreenLine& line : terminal.screen()) {
      std::string shown = line.text();
      shown.resize(shown.find_last_not_of(' ') + 1);
      if (shown == text) return true;
    }
    return false;
  }
  static bool shows_line(TerminalSession& terminal, const std::string& text) {
    return eventually([&] { return shows_line_now(terminal, text); });
  }

  // Once the probe has ended, the shell reads the line typed at the terminal and nothing before.
  static void expect_the_shell_reads_only_its_own(TerminalSession& terminal) {
    ASSERT_TRUE(terminal.wait_for("exit status 0")) << terminal.screen_text();
    terminal.send_keys("z Enter");
    EXPECT_TRUE(terminal.wait_for("shell read [z]")) << terminal.screen_text();
  }

  static constexpr const char* kShellReadsALine = "; read -r line; echo \"shell read [$line]\"";

  std::unique_ptr<Xvfb> server_;
  std::string window_;
};

TEST_F(StandardInputScreenTest, EveryReaderGetsTheLinesTypedInTheWindow) {
  std::unique_ptr<TerminalSession> terminal = start("", "lines", "");
  type_into_window("h e l l o space 4 2 Return");
  EXPECT_TRUE(terminal->wait_for("got getline [hello 42]")) << terminal->screen_text();
  // The terminal echoed the line as it was typed.
  EXPECT_TRUE(shows_line(*terminal, "hello 42")) << terminal->screen_text();

  type_into_window("7 space x Return");
  EXPECT_TRUE(terminal->wait_for("got scanf [7]")) << terminal->screen_text();
  EXPECT_TRUE(terminal->wait_for("got getchar [ ]"));
  EXPECT_TRUE(terminal->wait_for("got fgets [x]"));

  // Backspace edits the line; the echo shows the edited line.
  type_into_window("a b c d BackSpace BackSpace X Return");
  EXPECT_TRUE(terminal->wait_for("got getline [abX]")) << terminal->screen_text();
  EXPECT_TRUE(shows_line(*terminal, "abX")) << terminal->screen_text();

  // Window and terminal type into one line, in the order the keys were typed.
  type_into_window("w i n");
  ASSERT_TRUE(shows_line(*terminal, "win")) << terminal->screen_text();
  terminal->send_keys("term Enter");
  EXPECT_TRUE(terminal->wait_for("got getline [winterm]")) << terminal->screen_text();

  // Ctrl+C, Ctrl+\ and Ctrl+Z raise no signal and reach no reader.
  type_into_window("ctrl+c ctrl+backslash ctrl+z o k Return");
  EXPECT_TRUE(terminal->wait_for("got getline [ok]")) << terminal->screen_text();

  // Ctrl+D ends the input.
  type_into_window("ctrl+d");
  EXPECT_TRUE(terminal->wait_for("end of input")) << terminal->screen_text();
  EXPECT_TRUE(terminal->wait_for("exit status 0")) << terminal->screen_text();
}

// What was typed for a program that never read it does not reach the shell after it.
TEST_F(StandardInputScreenTest, KeysTheProgramNeverReadAreNotLeftForTheShell) {
  std::unique_ptr<TerminalSession> terminal = start("", "keys", kShellReadsALine);
  type_into_window("a b c Return d e f Escape");
  EXPECT_TRUE(terminal->wait_for("typed [abcdef]")) << terminal->screen_text();
  expect_the_shell_reads_only_its_own(*terminal);
}

// Standard input from a pipe is left alone: keys go to the key queue only, nothing is echoed,
// and nothing reaches the terminal's input for the shell.
TEST_F(StandardInputScreenTest, NothingIsTypedWhereStandardInputIsAPipe) {
  std::unique_ptr<TerminalSession> terminal = start("echo piped | ", "keys", kShellReadsALine);
  type_into_window("l e a k Return Escape");
  EXPECT_TRUE(terminal->wait_for("typed [leak]")) << terminal->screen_text();
  EXPECT_FALSE(shows_line_now(*terminal, "leak")) << terminal->screen_text();
  expect_the_shell_reads_only_its_own(*terminal);
}

// Where the system refuses to type into terminals, keys typed in the window reach the key queue
// only: nothing shows at the terminal, nothing is left for the shell, and the program neither
// fails nor waits.
TEST_F(StandardInputScreenTest, WhereTypingIsRefusedKeysReachTheKeyQueueOnly) {
  std::unique_ptr<TerminalSession> terminal =
      start("", "keys", kShellReadsALine, std::string(kRefusing) + " EPERM");
  type_into_window("l e a k Return Escape");
  EXPECT_TRUE(terminal->wait_for("typed [leak]")) << terminal->screen_text();
  EXPECT_FALSE(shows_line_now(*terminal, "leak")) << terminal->screen_text();
  expect_the_shell_reads_only_its_own(*terminal);
}

// There answers are typed at the terminal, and a program reading its input gets them as ever;
// what was typed in the window meanwhile reaches no reader.
TEST_F(StandardInputScreenTest, WhereTypingIsRefusedAnswersAreTypedAtTheTerminal) {
  std::unique_ptr<TerminalSession> terminal =
      start("", "lines", "", std::string(kRefusing) + " EIO");
  type_into_window("w i n Return");
  terminal->send_keys("term Enter");
  EXPECT_TRUE(terminal->wait_for("got getline [term]")) << terminal->screen_text();
  terminal->send_keys("C-d");
  EXPECT_TRUE(terminal->wait_for("end of input")) << terminal->screen_text();
  EXPECT_TRUE(terminal->wait_for("exit status 0")) << terminal->screen_text();
  EXPECT_FALSE(shows_line_now(*terminal, "win")) << terminal->screen_text();
}

}  // namespace
}  // namespace kanvo::testing
