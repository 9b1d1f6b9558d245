#include "host/console/merged_input.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace kanvo::console {
namespace {

// One read that retries when a signal interrupts it; -1 for an error.
ssize_t read_once(int fd, std::span<char> buffer) {
  for (;;) {
    const ssize_t count = ::read(fd, buffer.data(), buffer.size());
    if (count >= 0 || errno != EINTR) return count;
  }
}

}  // namespace

MergedInput::MergedInput(int terminal_fd) : terminal_fd_(terminal_fd) {
  // Without the pipe, typed text is dropped and the terminal is read alone.
  if (::pipe2(typed_, O_CLOEXEC | O_NONBLOCK) != 0) typed_[0] = typed_[1] = -1;
}

MergedInput::~MergedInput() {
  for (const int fd : typed_) {
    if (fd >= 0) ::close(fd);
  }
}

void MergedInput::type(std::string_view text) {
  if (typed_[1] < 0) return;
  while (!text.empty()) {
    const ssize_t count = ::write(typed_[1], text.data(), text.size());
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return;
    text.remove_prefix(static_cast<std::size_t>(count));
  }
}

std::size_t MergedInput::read_some(std::span<char> buffer) {
  if (buffer.empty()) return 0;
  for (;;) {
    pollfd sources[2] = {{typed_[0], POLLIN, 0}, {terminal_fd_, POLLIN, 0}};
    if (::poll(sources, 2, -1) < 0) {
      if (errno == EINTR) continue;
      return 0;
    }
    if ((sources[0].revents & POLLIN) != 0) {
      const ssize_t count = read_once(typed_[0], buffer);
      if (count > 0) return static_cast<std::size_t>(count);
    }
    if (sources[1].revents != 0) {
      // A closed or unreadable terminal counts as the end of input, never as an endless retry.
      const ssize_t count = read_once(terminal_fd_, buffer);
      return count > 0 ? static_cast<std::size_t>(count) : 0;
    }
  }
}

}  // namespace kanvo::console
