// Terminal input with text typed elsewhere mixed in: keys pressed in a graphics window reach the
// console's reader as if typed on the terminal. Whichever arrives first is read first.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "host/console/input_source.h"

namespace kanvo::console {

class MergedInput final : public InputSource {
 public:
  explicit MergedInput(int terminal_fd);
  ~MergedInput() override;
  MergedInput(const MergedInput&) = delete;
  MergedInput& operator=(const MergedInput&) = delete;

  // Any thread. Text that does not fit what is still unread (64 KiB) is dropped.
  void type(std::string_view text);
  // Returns 0 once the terminal's input has ended; typed text left unread then is not read.
  std::size_t read_some(std::span<char> buffer) override;

 private:
  int terminal_fd_;
  int typed_[2] = {-1, -1};  // read end, write end
};

}  // namespace kanvo::console
