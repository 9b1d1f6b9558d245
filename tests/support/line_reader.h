// Reading another process's output line by line without waiting past a deadline, so that a
// program that stops talking fails the test instead of hanging it.
#pragma once

#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <string>

namespace kanvo::testing {

class LineReader {
 public:
  explicit LineReader(int fd = -1) : fd_(fd) {}

  // The next line without its line feed; nothing at the end of the output or once `deadline`
  // has passed with no whole line.
  std::optional<std::string> line(std::chrono::steady_clock::time_point deadline) {
    for (;;) {
      const std::size_t end = pending_.find('\n');
      if (end != std::string::npos) {
        std::string text = pending_.substr(0, end);
        pending_.erase(0, end + 1);
        return text;
      }
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          deadline - std::chrono::steady_clock::now());
      pollfd ready{fd_, POLLIN, 0};
      if (fd_ < 0 || left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) != 1) {
        return {};
      }
      char buffer[256];
      const ssize_t got = read(fd_, buffer, sizeof buffer);
      if (got <= 0) return {};
      pending_.append(buffer, static_cast<std::size_t>(got));
    }
  }
  std::optional<std::string> line(std::chrono::milliseconds patience) {
    return line(std::chrono::steady_clock::now() + patience);
  }

 private:
  int fd_;
  std::string pending_;
};

}  // namespace kanvo::testing
