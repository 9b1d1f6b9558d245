// The fuzzer's input read as a stream of bytes; reading past the end gives zeros.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kanvo::fuzzing {

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool empty() const { return offset_ >= size_; }
  std::uint8_t byte() { return offset_ < size_ ? data_[offset_++] : 0; }
  std::uint32_t word() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = (value << 8) | byte();
    return value;
  }
  // The next bytes of the input itself, at most `most` of them.
  std::string_view bytes(std::size_t most) {
    const std::size_t length = std::min(most, size_ - std::min(offset_, size_));
    const std::string_view view(reinterpret_cast<const char*>(data_ + offset_), length);
    offset_ += length;
    return view;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t offset_ = 0;
};

}  // namespace kanvo::fuzzing
