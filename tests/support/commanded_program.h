// A program for tests of the screen worked through its standard input: commands go in one a
// line, its answers come back line by line, and one that stops answering fails the test instead
// of hanging it. However a test leaves it, the program must end well: at the end its input is
// closed, and one that then runs on, or ends with a status other than 0, fails the test (unless
// the test has failed already, when it is simply ended).
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

#include "tests/support/line_reader.h"

namespace kanvo::testing {

class CommandedProgram {
 public:
  static constexpr std::chrono::milliseconds kPatience{30000};

  // `command` is a shell command line: the environment, the program and its arguments.
  explicit CommandedProgram(const std::string& command);
  ~CommandedProgram();
  CommandedProgram(const CommandedProgram&) = delete;
  CommandedProgram& operator=(const CommandedProgram&) = delete;

  // The next line without its line feed; nothing when none comes within `patience`.
  std::optional<std::string> line(std::chrono::milliseconds patience = kPatience);
  // Sends one command and returns the program's answer.
  std::string ask(const std::string& command);
  // Several commands, each answered "ok"; false at the first other answer.
  bool run(std::initializer_list<std::string> commands);
  // The program's exit status once it has ended (-1 when a signal ended it); nothing while it
  // runs after `patience`.
  std::optional<int> exit_status(std::chrono::milliseconds patience = kPatience);
  // The next mouse message other than a move, asked for with "mouse".
  std::string next_message();

 private:
  void close_input();
  // Closes the program's input and returns its exit status, as exit_status does.
  std::optional<int> finish(std::chrono::milliseconds patience = kPatience);

  pid_t pid_ = -1;
  std::optional<int> status_;  // once it has ended
  int input_ = -1;
  int output_fd_ = -1;
  LineReader output_;
};

// A mouse message as the probes print it.
std::string mouse_line(std::uint32_t id, int x, int y, int wheel, int left, int middle, int right,
                       int ctrl = 0, int shift = 0);

}  // namespace kanvo::testing
