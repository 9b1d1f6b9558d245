// Conversion of GBK (code page 936) byte strings, the encoding of every text the programs and
// the library's callers pass, into Unicode.
#pragma once

#include <string>
#include <string_view>

namespace kanvo::text {

// Each byte sequence that is not valid GBK becomes U+FFFD; nothing is dropped silently and the
// conversion never reads past the input.
std::u32string gbk_to_utf32(std::string_view gbk);
std::string gbk_to_utf8(std::string_view gbk);

// Encodes code points as UTF-8 (invalid code points become U+FFFD).
std::string utf32_to_utf8(std::u32string_view text);

}  // namespace kanvo::text
