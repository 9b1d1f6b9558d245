// Conversion between GBK (code page 936) byte strings, the encoding of every text the programs
// and the library's callers pass, and Unicode.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kanvo::text {

// Each byte sequence that is not valid GBK becomes U+FFFD; nothing is dropped silently and the
// conversion never reads past the input.
std::u32string gbk_to_utf32(std::string_view gbk);
// Decodes the first character of a non-empty text into `out` (U+FFFD when it is not valid GBK)
// and returns the bytes it took (1 or 2; 0 for an empty text). Allocates nothing: for loops over
// texts on hot paths.
std::size_t decode_gbk_char(std::string_view gbk, char32_t* out);
std::string gbk_to_utf8(std::string_view gbk);

// Encodes code points as UTF-8 (invalid code points become U+FFFD).
std::string utf32_to_utf8(std::u32string_view text);

// Appends the GBK bytes of one character (1 or 2); false, appending nothing, when GBK has no
// such character.
bool encode_gbk_char(char32_t character, std::string* out);
// Characters that GBK has no bytes for become '?'.
std::string utf32_to_gbk(std::u32string_view text);

// The longest prefix of at most `max_bytes` bytes that ends between two whole characters, so that
// cutting a text to fit a buffer never leaves half a character behind.
std::size_t gbk_prefix_length(std::string_view gbk, std::size_t max_bytes);
std::size_t utf8_prefix_length(std::string_view utf8, std::size_t max_bytes);

}  // namespace kanvo::text
