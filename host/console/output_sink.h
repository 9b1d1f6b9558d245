// Where console bytes go: the terminal in the program, memory in tests.
#pragma once

#include <string_view>

namespace kanvo::console {

class OutputSink {
 public:
  virtual ~OutputSink() = default;
  // Writes all bytes before returning; nothing is held back in a buffer.
  virtual void write(std::string_view bytes) = 0;
};

class FileDescriptorOutput final : public OutputSink {
 public:
  explicit FileDescriptorOutput(int fd) : fd_(fd) {}
  void write(std::string_view bytes) override;

 private:
  int fd_;
};

}  // namespace kanvo::console
