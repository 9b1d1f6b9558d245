#include "host/console/token_reader.h"

namespace kanvo::console {
namespace {

// The white space of the C locale, whatever locale the program runs in.
bool is_white_space(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::optional<char> TokenReader::peek() {
  if (position_ == filled_) {
    if (ended_) return std::nullopt;
    filled_ = source_.read_some(buffer_);
    position_ = 0;
    if (filled_ == 0) {
      ended_ = true;
      return std::nullopt;
    }
  }
  return buffer_[position_];
}

std::optional<std::string> TokenReader::next_token() {
  std::optional<char> c = peek();
  while (c && is_white_space(*c)) {
    ++position_;
    c = peek();
  }
  if (!c) return std::nullopt;

  std::string token;
  while (c && !is_white_space(*c)) {
    if (token.size() < kKeptBytes) token.push_back(*c);
    ++position_;
    c = peek();
  }
  return token;
}

}  // namespace kanvo::console
