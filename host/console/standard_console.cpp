#include "host/console/standard_console.h"

#include <unistd.h>

#include "host/console/signal_restore.h"

namespace kanvo::console {
namespace {

bool install_color_restore(int fd) {
  if (::isatty(fd) == 0) return false;
  restore_colors_on_signals(fd);
  return true;
}

}  // namespace

StandardConsole::StandardConsole()
    : output_(STDOUT_FILENO),
      input_(STDIN_FILENO),
      console_(output_, terminal_encoding(), install_color_restore(STDOUT_FILENO)),
      answers_(input_) {}

StandardConsole::~StandardConsole() {
  console_.restore();
  console_.write("\n");
}

}  // namespace kanvo::console
