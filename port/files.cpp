#include "graphics/platform/files.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

namespace kanvo::platform {
namespace {

bool write_all(int descriptor, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes = bytes.subspan(static_cast<std::size_t>(written));
  }
  return true;
}

// A new file beside `path`, created with the ordinary mode so that the creation mask applies
// as the system applies it; reading or setting the mask would change it for every thread.
// Names are tried until one is free: O_EXCL never opens a file someone else made.
int create_beside(const std::string& path, std::string* name) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    *name = path + "." + std::to_string(::getpid()) + "." + std::to_string(counter++) + ".tmp";
    const int descriptor = ::open(name->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor >= 0 || errno != EEXIST) return descriptor;
  }
  return -1;
}

}  // namespace

bool write_file_atomically(const std::string& path, std::span<const std::uint8_t> bytes) {
  if (path.empty()) return false;
  std::string temporary;
  const int descriptor = create_beside(path, &temporary);
  if (descriptor < 0) return false;
  const bool written = write_all(descriptor, bytes) && ::fsync(descriptor) == 0;
  const bool closed = ::close(descriptor) == 0;
  if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace kanvo::platform
