// Where typed input comes from. The terminal is one source; keys forwarded from graphics windows
// can become another that feeds the same token reader.
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
