#include "host/console/output_sink.h"

#include <unistd.h>

#include <cerrno>

namespace kanvo::console {

void FileDescriptorOutput::write(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return;  // A closed or broken terminal: the text is lost, the quiz goes on.
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

}  // namespace kanvo::console
