#include "host/console/input_source.h"

#include <unistd.h>

#include <cerrno>

namespace kanvo::console {

std::size_t FileDescriptorInput::read_some(std::span<char> buffer) {
  if (buffer.empty()) return 0;
  for (;;) {
    const ssize_t count = ::read(fd_, buffer.data(), buffer.size());
    if (count >= 0) return static_cast<std::size_t>(count);
    // A closed or unreadable descriptor counts as the end of input, never as an endless retry.
    if (errno != EINTR) return 0;
  }
}

}  // namespace kanvo::console
