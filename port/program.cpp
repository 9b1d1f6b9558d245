#include "graphics/platform/program.h"

#include <unistd.h>

#include <array>
#include <csignal>

namespace kanvo::platform {

std::string program_name() {
  std::array<char, 4096> path{};
  const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size() - 1);
  std::string name = length > 0 ? std::string(path.data(), static_cast<std::size_t>(length))
                                : std::string("kanvo");
  name = name.substr(name.find_last_of('/') + 1);
  const std::size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return name;
}

bool has_terminal() {
  return ::isatty(STDIN_FILENO) != 0 || ::isatty(STDOUT_FILENO) != 0;
}

void ignore_terminal_interrupt() {
  std::signal(SIGINT, SIG_IGN);
}

}  // namespace kanvo::platform
