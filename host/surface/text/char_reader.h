// Reads the characters of a text one at a time, without copying it: GBK bytes, or UTF-8 for a
// text that programs hand over in UTF-8 (decided once per call, see text_encoding_of). With
// prefixes on, '&' marks the next character as underlined and "&&" stands for a literal '&' (a
// lone '&' at the end shows nothing).
#pragma once

#include <cstddef>
#include <string_view>

#include "host/text/code_page.h"
#include "host/text/program_text.h"

namespace kanvo::surface::text {

enum class TextEncoding : bool { gbk, utf8 };

// UTF-8 for a text that is valid UTF-8 and not plain ASCII, GBK for everything else: the rule for
// every text and path that programs pass.
inline TextEncoding text_encoding_of(std::string_view text) {
  return kanvo::text::reads_as_utf8(text) ? TextEncoding::utf8 : TextEncoding::gbk;
}

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
      // Only a piece cut from a UTF-8 text in the middle of a character gets here.
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
