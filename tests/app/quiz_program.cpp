#include "tests/app/quiz_program.h"

#include "tests/support/terminal_screen.h"

namespace kanvo::testing {

std::string quiz_command(const std::string& clock, const std::string& environment) {
  std::string command =
      "cd " + shell_quote(KANVO_SOURCE_DIR) +
      " && ulimit -c 0 && trap : INT QUIT && env -u SDL_AUDIODRIVER LC_ALL=C.UTF-8 "
      // faketime preloads a library, which an address-sanitized build minds.
      "ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0 ";
  if (!environment.empty()) command += environment + " ";
  if (!clock.empty()) {
    // File times stay real: the sanitizers' exit-time reports read files after the clock
    // library has taken down what its file-time calls need.
    command += "TZ=UTC NO_FAKE_STAT=1 faketime --exclude-monotonic -f " + shell_quote(clock) + " ";
  }
  return command + shell_quote(KANVO_QUIZ_PROGRAM) + "; echo \"exit status $?\"; exec sleep 600";
}

}  // namespace kanvo::testing
