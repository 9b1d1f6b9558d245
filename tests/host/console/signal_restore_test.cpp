#include "host/console/signal_restore.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <string>

#include "host/console/text_attribute.h"

namespace kanvo::console {
namespace {

struct ChildResult {
  int status = 0;
  std::string terminal;  // what the child wrote to its "terminal"
};

// Runs `body` in a child whose terminal is a pipe, after installing the handlers.
template <typename Body>
ChildResult run_child(Body body) {
  int fds[2];
  if (pipe(fds) != 0) return {};
  const pid_t child = fork();
  if (child == 0) {
    close(fds[0]);
    const rlimit no_core{0, 0};
    setrlimit(RLIMIT_CORE, &no_core);
    body(fds[1]);
    _exit(0);
  }
  close(fds[1]);
  ChildResult result;
  char buffer[256];
  ssize_t count = 0;
  while ((count = read(fds[0], buffer, sizeof buffer)) > 0) {
    result.terminal.append(buffer, static_cast<std::size_t>(count));
  }
  close(fds[0]);
  waitpid(child, &result.status, 0);
  return result;
}

class SignalRestore : public ::testing::TestWithParam<int> {};

TEST_P(SignalRestore, ColoursAreResetAndTheSignalStillEndsTheProgram) {
  const int signal_number = GetParam();
  const ChildResult result = run_child([signal_number](int terminal) {
    restore_colors_on_signals(terminal);
    std::raise(signal_number);
    (void)!write(terminal, "survived", 8);
  });
  EXPECT_EQ(result.terminal, kResetColors);
  ASSERT_TRUE(WIFSIGNALED(result.status));
  EXPECT_EQ(WTERMSIG(result.status), signal_number);
}

INSTANTIATE_TEST_SUITE_P(Signals, SignalRestore, ::testing::Values(SIGINT, SIGQUIT, SIGTERM),
                         [](const auto& param_info) {
                           return param_info.param == SIGINT    ? "Interrupt"
                                  : param_info.param == SIGQUIT ? "Quit"
                                                                : "Terminate";
                         });

TEST(SignalRestoreIgnored, ASignalIgnoredAtStartStaysIgnored) {
  const ChildResult result = run_child([](int terminal) {
    std::signal(SIGINT, SIG_IGN);
    restore_colors_on_signals(terminal);
    std::raise(SIGINT);
    (void)!write(terminal, "survived", 8);
  });
  EXPECT_EQ(result.terminal, "survived");
  ASSERT_TRUE(WIFEXITED(result.status));
  EXPECT_EQ(WEXITSTATUS(result.status), 0);
}

}  // namespace
}  // namespace kanvo::console
