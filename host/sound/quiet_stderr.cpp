#include "host/sound/quiet_stderr.h"

#include <fcntl.h>
#include <unistd.h>

namespace kanvo::sound {

QuietStderr::QuietStderr() {
  const int null_fd = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (null_fd < 0) return;
  saved_ = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
  if (saved_ >= 0) ::dup2(null_fd, STDERR_FILENO);
  ::close(null_fd);
}

QuietStderr::~QuietStderr() {
  if (saved_ < 0) return;
  ::dup2(saved_, STDERR_FILENO);
  ::close(saved_);
}

}  // namespace kanvo::sound
