#include "tests/support/commanded_program.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>

#include "graphics/kanvo.h"
#include "tests/support/eventually.h"

namespace kanvo::testing {

CommandedProgram::CommandedProgram(const std::string& command) {
  // A command to a program that has ended must fail the test, not end the test program.
  std::signal(SIGPIPE, SIG_IGN);
  int to_program[2];
  int from_program[2];
  if (pipe(to_program) != 0 || pipe(from_program) != 0) return;
  pid_ = fork();
  if (pid_ == 0) {
    dup2(to_program[0], STDIN_FILENO);
    dup2(from_program[1], STDOUT_FILENO);
    close(to_program[1]);
    close(from_program[0]);
    execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(to_program[0]);
  close(from_program[1]);
  input_ = to_program[1];
  output_fd_ = from_program[0];
  output_ = LineReader(output_fd_);
}

CommandedProgram::~CommandedProgram() {
  if (pid_ > 0 && !::testing::Test::HasFailure()) {
    const std::optional<int> status = finish();
    if (!status) {
      ADD_FAILURE() << "the program did not end once its input was closed";
    } else if (*status != 0) {
      ADD_FAILURE() << "the program ended with status " << *status;
    }
  }
  close_input();
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  if (output_fd_ >= 0) close(output_fd_);
}

void CommandedProgram::close_input() {
  if (input_ >= 0) close(input_);
  input_ = -1;
}

std::optional<std::string> CommandedProgram::line(std::chrono::milliseconds patience) {
  return output_.line(patience);
}

std::string CommandedProgram::ask(const std::string& command) {
  const std::string text = command + "\n";
  if (write(input_, text.data(), text.size()) != static_cast<ssize_t>(text.size())) return {};
  return line().value_or("no answer to " + command);
}

bool CommandedProgram::run(std::initializer_list<std::string> commands) {
  for (const std::string& command : commands) {
    const std::string answer = ask(command);
    if (answer != "ok") {
      ADD_FAILURE() << command << ": " << answer;
      return false;
    }
  }
  return true;
}

std::optional<int> CommandedProgram::exit_status(std::chrono::milliseconds patience) {
  if (pid_ <= 0) return status_;  // ended, or never started
  eventually(
      [&] {
        int status = 0;
        if (pid_ > 0 && waitpid(pid_, &status, WNOHANG) == pid_) {
          pid_ = -1;
          status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        return status_.has_value();
      },
      patience);
  return status_;
}

std::optional<int> CommandedProgram::finish(std::chrono::milliseconds patience) {
  close_input();  // the end of its input ends the program
  return exit_status(patience);
}

std::string CommandedProgram::next_message() {
  const std::string move = "message=" + std::to_string(WM_MOUSEMOVE) + " ";
  for (;;) {
    std::string next = ask("mouse");
    if (!next.starts_with(move)) return next;
  }
}

std::string mouse_line(std::uint32_t id, int x, int y, int wheel, int left, int middle, int right,
                       int ctrl, int shift) {
  char text[160];
  std::snprintf(text, sizeof text,
                "message=%u x=%d y=%d wheel=%d left=%d middle=%d right=%d ctrl=%d shift=%d", id, x,
                y, wheel, left, middle, right, ctrl, shift);
  return text;
}

}  // namespace kanvo::testing
