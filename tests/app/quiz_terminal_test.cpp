// The built quiz in a real terminal: what the learner sees, in which colours, and how the
// program leaves the terminal.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/app/quiz_program.h"
#include "tests/support/required_tools.h"
#include "tests/support/terminal_screen.h"

namespace kanvo::testing {
namespace {

constexpr int kBrightGreen = 92;
constexpr int kYellow = 93;
constexpr int kBrightCyan = 96;
constexpr int kBlack = 40;
constexpr int kOwnColor = 0;

const std::string kPrompt = "函数的图像经过第几象限，是否揭晓答案(Y/N):";

// Lines that show something, leading blanks dropped.
std::vector<std::string> visible_lines(const std::vector<ScreenLine>& screen);

// The screen as text, for failure messages.
std::string shown(TerminalSession& terminal) {
  std::string text = "\nthe terminal shows:\n";
  for (const std::string& line : visible_lines(terminal.screen())) text += line + "\n";
  return text;
}

std::vector<std::string> visible_lines(const std::vector<ScreenLine>& screen) {
  std::vector<std::string> lines;
  for (const ScreenLine& line : screen) {
    const std::string text = line.text();
    const std::size_t start = text.find_first_not_of(" \t");
    if (start != std::string::npos) lines.push_back(text.substr(start));
  }
  return lines;
}

struct Colors {
  int foreground;
  int background;
};

// The colours of every cell of each occurrence of `text` on the screen; fails if it is absent.
std::vector<Colors> colors_of(const std::vector<ScreenLine>& screen, const std::string& text) {
  std::vector<Colors> colors;
  for (const ScreenLine& line : screen) {
    const int start = line.find(text);
    if (start < 0) continue;
    for (std::size_t i = static_cast<std::size_t>(start), length = 0; length < text.size(); ++i) {
      colors.push_back({line.cells[i].foreground, line.cells[i].background});
      length += line.cells[i].character.size();
    }
  }
  EXPECT_FALSE(colors.empty()) << "not on the screen: " << text;
  return colors;
}

void expect_colors(const std::vector<ScreenLine>& screen, const std::string& text, int foreground,
                   int background) {
  for (const Colors& colors : colors_of(screen, text)) {
    EXPECT_EQ(colors.foreground, foreground) << text;
    EXPECT_EQ(colors.background, background) << text;
  }
}

TEST(QuizInATerminal, ThreeRoundsThenEndOfInput) {
  KANVO_REQUIRE_TOOLS("tmux", "faketime");

  TerminalSession terminal(quiz_command("2023-11-14 22:13:20"));  // 1,700,000,000 s
  ASSERT_TRUE(terminal.started());
  ASSERT_TRUE(terminal.wait_for(kPrompt, 1)) << shown(terminal);
  terminal.send_keys("N Enter");
  ASSERT_TRUE(terminal.wait_for(kPrompt, 2)) << shown(terminal);
  terminal.send_keys("Y Enter");
  ASSERT_TRUE(terminal.wait_for(kPrompt, 3)) << shown(terminal);
  terminal.send_keys("N Enter");
  ASSERT_TRUE(terminal.wait_for(kPrompt, 4)) << shown(terminal);
  terminal.send_keys("C-d");
  ASSERT_TRUE(terminal.wait_for("exit status")) << shown(terminal);

  const std::vector<ScreenLine> screen = terminal.screen();
  const std::vector<std::string> expected = {
      "《幂函数y=x^(m/n)》欢迎您！",
      "************(第1轮)************",
      "幂函数y=x^-2",
      kPrompt + "N",
      "************(第2轮)************",
      "幂函数y=x^(-1/3)",
      kPrompt + "Y",
      "函数的图像经过第1，3象限",
      "************(第3轮)************",
      "幂函数y=x^-4",
      kPrompt + "N",
      "************(第4轮)************",
      "幂函数y=x^-1",
      kPrompt,
      "exit status 0",
  };
  EXPECT_EQ(visible_lines(screen), expected);

  expect_colors(screen, "《幂函数y=x^(m/n)》欢迎您！", kBrightGreen, kBlack);
  for (int round = 1; round <= 4; ++round) {
    expect_colors(screen, "************(第" + std::to_string(round) + "轮)************", kYellow,
                  kBlack);
  }
  for (const char* text :
       {"幂函数y=x^-2", "幂函数y=x^(-1/3)", "幂函数y=x^-4", "函数的图像经过第1，3象限"}) {
    expect_colors(screen, text, kBrightCyan, kBlack);
  }
  expect_colors(screen, kPrompt, kBrightCyan, kBlack);
  // What the learner typed is echoed in the colours in force while typing.
  expect_colors(screen, ":N", kBrightCyan, kBlack);
  expect_colors(screen, ":Y", kBrightCyan, kBlack);
  // The banner's tab is written as blanks in the banner's own colours, as a console writes it.
  ASSERT_FALSE(screen.empty());
  ASSERT_FALSE(screen[0].cells.empty());
  EXPECT_EQ(screen[0].cells[0].background, kBlack);
  // After the quiz the terminal writes in its own colours again.
  expect_colors(screen, "exit status 0", kOwnColor, kOwnColor);
}

// Without a terminal (as in CI, or with the output in a file): no colours, the texts in the
// locale's code set, and the end of input ends the quiz with status 0, also when standard input
// or output was closed at start.
TEST(QuizWithoutATerminal, EndOfInputEndsTheQuizCleanly) {
  const std::string program = "cd " + shell_quote(KANVO_SOURCE_DIR) +
                              " && env -u SDL_AUDIODRIVER LC_ALL=C.UTF-8 " +
                              shell_quote(KANVO_QUIZ_PROGRAM);
  // Banner, round 1 and its prompt, then a line feed at the end; the label depends on the clock.
  const auto expect_first_round_only = [](const CommandResult& result) {
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(
        result.output.starts_with("\t   《幂函数y=x^(m/n)》欢迎您！\n\n\n"
                                  "\t ************(第1轮)************\n幂函数y=x^"))
        << result.output;
    EXPECT_TRUE(result.output.ends_with("\n函数的图像经过第几象限，是否揭晓答案(Y/N):\n"))
        << result.output;
    EXPECT_EQ(result.output.find("第2轮"), std::string::npos);
    EXPECT_EQ(result.output.find('\x1b'), std::string::npos);
  };
  expect_first_round_only(run_command(program + " </dev/null"));
  expect_first_round_only(run_command(program + " <&-"));
  EXPECT_EQ(run_command("(" + program + " </dev/null >&-)").status, 0);
}

struct Interruption {
  const char* name;
  const char* key;  // in tmux's send-keys notation
  int exit_status;  // the shell's report of a program ended by signal N: 128 + N
};

void PrintTo(const Interruption& interruption, std::ostream* out) {
  *out << interruption.name;
}

class QuizInterrupted : public ::testing::TestWithParam<Interruption> {};

TEST_P(QuizInterrupted, TheTerminalGetsItsColoursBack) {
  KANVO_REQUIRE_TOOLS("tmux");

  TerminalSession terminal(quiz_command(""));
  ASSERT_TRUE(terminal.started());
  ASSERT_TRUE(terminal.wait_for(kPrompt)) << shown(terminal);
  terminal.send_keys(GetParam().key);
  const std::string exit_line = "exit status " + std::to_string(GetParam().exit_status);
  ASSERT_TRUE(terminal.wait_for(exit_line)) << shown(terminal);
  expect_colors(terminal.screen(), exit_line, kOwnColor, kOwnColor);
}

INSTANTIATE_TEST_SUITE_P(Keys, QuizInterrupted,
                         ::testing::Values(Interruption{"CtrlC", "C-c", 128 + 2},
                                           Interruption{"CtrlBackslash", "'C-\\'", 128 + 3}),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

}  // namespace
}  // namespace kanvo::testing
