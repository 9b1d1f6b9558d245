// Where typed input comes from: standard input in the program (keys typed in its graphics window
// included, which come as typed at the terminal), memory in tests.
#pragma once

#include <cstddef>
#include <span>

namespace kanvo::console {

class InputSource {
 public:
  virtual ~InputSource() = default;
  // Waits for input and stores up to buffer.size() bytes; returns 0 once the input has ended.
  virtual std::size_t read_some(std::span<char> buffer) = 0;
};

class FileDescriptorInput final : public InputSource {
 public:
  explicit FileDescriptorInput(int fd) : fd_(fd) {}
  std::size_t read_some(std::span<char> buffer) override;

 private:
  int fd_;
};

}  // namespace kanvo::console
