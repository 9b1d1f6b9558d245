// Reads the characters of a text one at a time, without copying it, in the encoding the caller
// names (host/text/program_text.h). With prefixes on, '&' marks the next character as underlined
// and "&&" stands for a literal '&' (a lone '&' at the end shows nothing).
#pragma once

#include <cstddef>
#include <string_view>

#include "host/text/code_page.h"
#include "host/text/program_text.h"

namespace kanvo::surface::text {

using kanvo::text::TextEncoding;

struct TextChar {
  char32_t code = 0;
  bool underlined = false;
};

class CharReader {
 public:
  CharReader(std::string_view text, TextEncoding encoding, bool prefixes)
      : text_(text), encoding_(encoding), prefixes_(prefixes) {}

  // False at the end of the text.
  bool next(TextChar* out) {
    out->underlined = false;
    if (prefixes_ && position_ < text_.size() && text_[position_] == '&') {
      ++position_;
      if (position_ < text_.size() && text_[position_] != '&') out->underlined = true;
    }
    if (position_ >= text_.size()) return false;
    const std::string_view rest = text_.substr(position_);
    const std::size_t taken = encoding_ == TextEncoding::utf8
                                  ? kanvo::text::utf8_sequence(rest, &out->code)
                                  : kanvo::text::decode_gbk_char(rest, &out->code);
    if (taken == 0) {
      // A byte that starts no UTF-8 character.
      out->code = U'\uFFFD';
      ++position_;
    } else {
      position_ += taken;
    }
    return true;
  }
  // Byte offset of the next character.
  std::size_t position() const { return position_; }

 private:
  std::string_view text_;
  TextEncoding encoding_;
  bool prefixes_;
  std::size_t position_ = 0;
};

}  // namespace kanvo::surface::text
