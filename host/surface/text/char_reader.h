// Reads the characters of a GBK text one at a time, without copying it. With prefixes on, '&'
// marks the next character as underlined and "&&" stands for a literal '&' (a lone '&' at the
// end shows nothing).
#pragma once

#include <cstddef>
#include <string_view>

#include "host/text/code_page.h"

namespace kanvo::surface::text {

struct TextChar {
  char32_t code = 0;
  bool underlined = false;
};

class CharReader {
 public:
  CharReader(std::string_view text, bool prefixes) : text_(text), prefixes_(prefixes) {}

  // False at the end of the text.
  bool next(TextChar* out) {
    out->underlined = false;
    if (prefixes_ && position_ < text_.size() && text_[position_] == '&') {
      ++position_;
      if (position_ < text_.size() && text_[position_] != '&') out->underlined = true;
    }
    if (position_ >= text_.size()) return false;
    position_ += kanvo::text::decode_gbk_char(text_.substr(position_), &out->code);
    return true;
  }
  // Byte offset of the next character.
  std::size_t position() const { return position_; }

 private:
  std::string_view text_;
  bool prefixes_;
  std::size_t position_ = 0;
};

}  // namespace kanvo::surface::text
