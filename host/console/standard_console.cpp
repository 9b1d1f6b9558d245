#include "host/console/standard_console.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "host/console/signal_restore.h"

namespace kanvo::console {
namespace {

// A standard stream the program was started without would be taken by the next file opened, and
// the quiz would read its answers from, or write its texts into, that file.
int hold_standard_streams_open() {
  for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
    if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) ::open("/dev/null", O_RDWR);
  }
  return STDOUT_FILENO;
}

bool install_color_restore(int fd) {
  if (::isatty(fd) == 0) return false;
  restore_colors_on_signals(fd);
  return true;
}

}  // namespace

StandardConsole::StandardConsole()
    : output_(hold_standard_streams_open()),
      input_(STDIN_FILENO),
      console_(output_, terminal_encoding(), install_color_restore(STDOUT_FILENO)),
      answers_(input_) {}

StandardConsole::~StandardConsole() {
  console_.restore();
  console_.write("\n");
}

}  // namespace kanvo::console
