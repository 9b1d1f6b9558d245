#include "host/console/signal_restore.h"

#include <unistd.h>

#include <array>
#include <csignal>

#include "host/console/text_attribute.h"

namespace kanvo::console {
namespace {

volatile std::sig_atomic_t terminal_fd = -1;

extern "C" void restore_and_resend(int signal_number) {
  // Only async-signal-safe calls here. SA_RESETHAND has put back the default action, so the
  // signal raised again ends the program the way it would have without us.
  (void)!::write(terminal_fd, kResetColors.data(), kResetColors.size());
  std::raise(signal_number);
}

}  // namespace

void restore_colors_on_signals(int fd) {
  terminal_fd = fd;
  for (int signal_number : std::array{SIGINT, SIGQUIT, SIGTERM}) {
    struct sigaction previous {};
    if (sigaction(signal_number, nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN) {
      continue;
    }
    struct sigaction action {};
    action.sa_handler = restore_and_resend;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    sigaction(signal_number, &action, nullptr);
  }
}

}  // namespace kanvo::console
