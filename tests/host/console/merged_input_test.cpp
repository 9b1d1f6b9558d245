// Text typed from another thread and terminal input reach one reader.
#include "host/console/merged_input.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <string>
#include <thread>

#include "host/console/token_reader.h"
#include "tests/support/waiting_thread.h"

namespace kanvo::console {
namespace {

// A pipe standing in for the terminal.
struct FakeTerminal {
  int fds[2] = {-1, -1};
  FakeTerminal() { EXPECT_EQ(::pipe(fds), 0); }
  ~FakeTerminal() {
    for (const int fd : fds) {
      if (fd >= 0) ::close(fd);
    }
  }
  void write(std::string_view text) const {
    EXPECT_EQ(::write(fds[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
  }
  void end() {
    ::close(fds[1]);
    fds[1] = -1;
  }
};

TEST(MergedInputTest, TypedTextWakesAReaderWaitingOnTheTerminal) {
  FakeTerminal terminal;
  MergedInput input(terminal.fds[0]);
  TokenReader answers(input);
  std::atomic<pid_t> reader_thread{0};
  std::atomic<bool> answered{false};
  std::string answer;
  std::thread reader([&] {
    reader_thread = testing::this_thread_id();
    answer = answers.next_token().value_or("(end of input)");
    answered = true;
  });
  const bool waited = testing::eventually_waiting(reader_thread);
  EXPECT_TRUE(waited) << "the reader never waited";
  EXPECT_FALSE(answered) << "the reader returned with nothing typed";
  input.type("Y\n");
  reader.join();
  EXPECT_EQ(answer, "Y");
}

TEST(MergedInputTest, BothSourcesAreReadInTheOrderTheyArrive) {
  FakeTerminal terminal;
  MergedInput input(terminal.fds[0]);
  TokenReader answers(input);
  terminal.write("N\n");
  EXPECT_EQ(answers.next_token(), "N");
  input.type("Y\n");
  EXPECT_EQ(answers.next_token(), "Y");
  terminal.write("abcdef\n");
  EXPECT_EQ(answers.next_token(), "abc");
}

TEST(MergedInputTest, EndOfTerminalInputEndsTheInput) {
  FakeTerminal terminal;
  MergedInput input(terminal.fds[0]);
  terminal.end();
  char buffer[8];
  EXPECT_EQ(input.read_some(buffer), 0u);
  EXPECT_EQ(input.read_some(std::span<char>()), 0u);
}

TEST(MergedInputTest, TextBeyondWhatThePipeHoldsIsDroppedWithoutBlocking) {
  FakeTerminal terminal;
  MergedInput input(terminal.fds[0]);
  const std::string block(1 << 20, 'x');
  input.type(block);  // returns although nobody reads
  char buffer[4096];
  EXPECT_GT(input.read_some(buffer), 0u);
}

}  // namespace
}  // namespace kanvo::console
