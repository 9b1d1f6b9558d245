// In-memory stand-ins for the terminal in tests.
#pragma once

#include <algorithm>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/console/input_source.h"
#include "host/console/output_sink.h"

namespace kanvo::testing {

class MemorySink final : public console::OutputSink {
 public:
  void write(std::string_view bytes) override { text.append(bytes); }
  std::string text;
};

// Hands out its chunks one read at a time, the way a terminal delivers one line per read, then
// reports the end of input.
class ChunkedInput final : public console::InputSource {
 public:
  explicit ChunkedInput(std::vector<std::string> chunks) : chunks_(std::move(chunks)) {}

  std::size_t read_some(std::span<char> buffer) override {
    while (next_ < chunks_.size() && offset_ == chunks_[next_].size()) {
      ++next_;
      offset_ = 0;
    }
    if (next_ == chunks_.size()) return 0;
    const std::string& chunk = chunks_[next_];
    const std::size_t count = std::min(buffer.size(), chunk.size() - offset_);
    std::copy_n(chunk.begin() + static_cast<std::ptrdiff_t>(offset_), count, buffer.begin());
    offset_ += count;
    ++reads;
    return count;
  }

  int reads = 0;

 private:
  std::vector<std::string> chunks_;
  std::size_t next_ = 0;
  std::size_t offset_ = 0;
};

}  // namespace kanvo::testing
