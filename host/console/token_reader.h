// Reads answers one white-space separated token at a time, the way a C program's scanf("%s")
// would, but bounded: only the first few bytes of a token are kept and the rest is consumed.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "host/console/input_source.h"

namespace kanvo::console {

class TokenReader {
 public:
  // An answer field of four bytes holds three characters and the terminating zero.
  static constexpr std::size_t kKeptBytes = 3;

  explicit TokenReader(InputSource& source) : source_(source) {}

  // Skips white space, then returns the token's first kKeptBytes bytes, having consumed the whole
  // token. Empty and blank lines do not end the wait. Returns nothing once the input has ended.
  std::optional<std::string> next_token();

 private:
  // The next byte of input, or nothing at its end.
  std::optional<char> peek();

  InputSource& source_;
  std::array<char, 4096> buffer_{};
  std::size_t position_ = 0;
  std::size_t filled_ = 0;
  bool ended_ = false;
};

}  // namespace kanvo::console
