// Texts and file names as programs hand them to us, in the one encoding the program chose: UTF-8
// (the default, what a source file written on this platform holds) or GBK (the code page the
// library was made for). The choice is the program's alone: it never depends on the locale, and
// no text is read in an encoding nobody chose, so a GBK text that happens to be valid UTF-8 ("确"
// is C8 B7 in GBK, which UTF-8 reads as U+0237) still reads as GBK.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kanvo::text {

enum class TextEncoding : std::uint8_t { utf8, gbk };

// Process-wide; any thread. Texts already handed over keep what they were read as.
void set_program_encoding(TextEncoding encoding);
TextEncoding program_encoding();

bool is_valid_utf8(std::string_view bytes);
// Length of the UTF-8 sequence at the start of `bytes` and its code point, or 0 when it is not
// valid (overlong forms, surrogates and values above U+10FFFF included).
std::size_t utf8_sequence(std::string_view bytes, char32_t* code_point);

// Invalid sequences become U+FFFD, one per byte that starts no character.
std::u32string decode_text(std::string_view bytes, TextEncoding encoding);
std::u32string decode_program_text(std::string_view bytes);
// Characters the encoding has no bytes for (only GBK lacks some) become '?'.
std::string encode_text(std::u32string_view text, TextEncoding encoding);
std::string encode_program_text(std::u32string_view text);

// A path for this platform's file system: UTF-8, with the backslash as a folder separator turned
// into a slash.
std::string file_system_path(std::string_view bytes);

}  // namespace kanvo::text
