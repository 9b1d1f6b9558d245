#include "quiz/quiz_driver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/gbk.h"
#include "tests/support/memory_streams.h"

namespace kanvo::quiz {
namespace {

using testing::ChunkedInput;
using testing::MemorySink;
using testing::to_gbk;

constexpr std::int64_t kClock = 1'700'000'000;  // rounds 1 to 5 draw 4, 14, 8, 2, 11

constexpr std::string_view kScreen = "\x1b[0;36;45m\x1b[2J\x1b[H";
constexpr std::string_view kGreen = "\x1b[0;92;40m";
constexpr std::string_view kYellow = "\x1b[0;93;40m";
constexpr std::string_view kCyan = "\x1b[0;96;40m";

std::string banner() {
  return std::string(kScreen) + std::string(kGreen) +
         "        "
         "   《幂函数y=x^(m/n)》欢迎您！\n\n";
}

std::string round_start(int round, std::string_view label) {
  return std::string(kYellow) + "\n         ************(第" + std::to_string(round) +
         "轮)************\n" + std::string(kCyan) + std::string(label) +
         "\n函数的图像经过第几象限，是否揭晓答案(Y/N):";
}

struct QuizRun {
  std::string output;
  std::vector<std::string> clips;  // GBK paths
  std::vector<int> plots;
  std::vector<std::size_t> output_size_at_clip;
  std::vector<std::size_t> output_size_at_plot;
};

// Runs the quiz over the given input until it ends; output in UTF-8 unless asked for GBK.
QuizRun run_quiz(std::vector<std::string> input_chunks,
                 console::TextEncoding encoding = console::TextEncoding::kUtf8) {
  QuizRun run;
  MemorySink sink;
  ChunkedInput input(std::move(input_chunks));
  console::Console console(sink, encoding, true);
  console::TokenReader answers(input);
  QuizDriver driver({
      .console = console,
      .answers = answers,
      .clock = [] { return kClock; },
      .play_clip =
          [&](std::string_view path) {
            run.clips.emplace_back(path);
            run.output_size_at_clip.push_back(sink.text.size());
          },
      .plot_graph =
          [&](int index) {
            run.plots.push_back(index);
            run.output_size_at_plot.push_back(sink.text.size());
          },
  });
  driver.run();
  run.output = sink.text;
  return run;
}

int count(const std::string& text, const std::string& part) {
  int found = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++found;
  }
  return found;
}

TEST(QuizDriver, NoThenYesThenNoThenEndOfInput) {
  const QuizRun run = run_quiz({"N\n", "Y\n", "N\n"});
  const std::string expected = banner() + round_start(1, "幂函数y=x^-2") +
                               round_start(2, "幂函数y=x^(-1/3)") + "函数的图像经过第1，3象限\n" +
                               round_start(3, "幂函数y=x^-4") + round_start(4, "幂函数y=x^-1");
  EXPECT_EQ(run.output, expected);
  EXPECT_EQ(run.plots, std::vector<int>{14});
  EXPECT_EQ(run.clips, std::vector<std::string>{to_gbk("音乐\\1st, 3rd quadrant.wav")});
}

TEST(QuizDriver, GbkTerminalsGetTheBytesUnchanged) {
  const QuizRun run = run_quiz({"N Y\n"}, console::TextEncoding::kGbk);
  const std::string expected = banner() + round_start(1, "幂函数y=x^-2") +
                               round_start(2, "幂函数y=x^(-1/3)") + "函数的图像经过第1，3象限\n" +
                               round_start(3, "幂函数y=x^-4");
  EXPECT_EQ(run.output, to_gbk(expected));
}

TEST(QuizDriver, TheClipStartsAfterTheAnswerTextAndTheGraphAfterItsLineFeed) {
  const QuizRun run = run_quiz({"N\n", "Y\n"});
  const std::string answer = "函数的图像经过第1，3象限";
  const std::size_t answer_end = run.output.find(answer) + answer.size();
  EXPECT_EQ(run.output_size_at_clip, std::vector<std::size_t>{answer_end});
  EXPECT_EQ(run.output_size_at_plot, std::vector<std::size_t>{answer_end + 1});
  EXPECT_EQ(run.output[answer_end], '\n');
}

TEST(QuizDriver, OnlyAnUpperCaseYReveals) {
  const QuizRun run = run_quiz({"y\n", "N\n", "Yes\n", "YES\n", "\xFF\xFE\n", "YY\n"});
  EXPECT_TRUE(run.plots.empty());
  EXPECT_TRUE(run.clips.empty());
  EXPECT_EQ(count(run.output, "************(第"), 7);
  EXPECT_EQ(count(run.output, "函数的图像经过第1"), 0);
}

TEST(QuizDriver, WhiteSpaceBeforeTheAnswerAndBlankLinesAreSkipped) {
  EXPECT_EQ(run_quiz({"  \t Y\n"}).plots, std::vector<int>{4});
  const QuizRun blank_lines = run_quiz({"\n", "   \n", "\t\n", "Y\n"});
  EXPECT_EQ(blank_lines.plots, std::vector<int>{4});
  EXPECT_EQ(count(blank_lines.output, "************(第"), 2);
}

TEST(QuizDriver, OneLineAnswersSeveralRounds) {
  const QuizRun run = run_quiz({"N Y\n"});
  EXPECT_EQ(run.plots, std::vector<int>{14});
  EXPECT_EQ(count(run.output, "************(第"), 3);
}

TEST(QuizDriver, AHugeTokenIsOneWrongAnswer) {
  const QuizRun run = run_quiz({std::string(10000, 'Y') + "\n", "Y\n"});
  EXPECT_EQ(run.plots, std::vector<int>{14});
  EXPECT_EQ(count(run.output, "************(第"), 3);
}

TEST(QuizDriver, EndOfInputBeforeAnyAnswer) {
  const QuizRun run = run_quiz({});
  EXPECT_EQ(run.output, banner() + round_start(1, "幂函数y=x^-2"));
  EXPECT_TRUE(run.plots.empty());
}

TEST(QuizDriver, RoundsCountOnInDecimal) {
  std::string answers;
  for (int round = 1; round <= 24; ++round) answers += "N ";
  const QuizRun run = run_quiz({answers});
  for (int round = 1; round <= 25; ++round) {
    EXPECT_EQ(count(run.output, "(第" + std::to_string(round) + "轮)"), 1) << round;
  }
  EXPECT_EQ(count(run.output, "(第26轮)"), 0);
}

TEST(QuizDriver, TheClockIsReadEveryRound) {
  MemorySink sink;
  ChunkedInput input({"Y Y Y\n"});
  console::Console console(sink, console::TextEncoding::kUtf8, false);
  console::TokenReader answers(input);
  std::vector<int> plots;
  std::int64_t now = kClock;
  QuizDriver driver({
      .console = console,
      .answers = answers,
      // The clock moves on by 300,000 seconds a round: the seed counter's step, backwards.
      .clock = [&now] { return std::exchange(now, now - 300'000); },
      .play_clip = [](std::string_view) {},
      .plot_graph = [&plots](int index) { plots.push_back(index); },
  });
  driver.run();
  // Every round then seeds like round 1 of a clock at 1,700,000,000.
  EXPECT_EQ(plots, (std::vector<int>{4, 4, 4}));
}

}  // namespace
}  // namespace kanvo::quiz
