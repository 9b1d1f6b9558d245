// Texts and file names as programs hand them to us: GBK byte strings (the encoding the library
// was made for) or UTF-8, which is what a program written on this platform usually holds. A text
// that is valid UTF-8 and not plain ASCII is taken as UTF-8; everything else as GBK. A GBK text is
// very rarely valid UTF-8, since its trailing bytes would have to follow UTF-8's patterns.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kanvo::text {

bool is_valid_utf8(std::string_view bytes);
// Whether the text is taken as UTF-8: valid UTF-8 and not plain ASCII.
bool reads_as_utf8(std::string_view bytes);
// Length of the UTF-8 sequence at the start of `bytes` and its code point, or 0 when it is not
// valid (overlong forms, surrogates and values above U+10FFFF included).
std::size_t utf8_sequence(std::string_view bytes, char32_t* code_point);

std::u32string decode_program_text(std::string_view bytes);

// A path for this platform's file system: UTF-8, with the backslash as a folder separator turned
// into a slash.
std::string file_system_path(std::string_view bytes);

}  // namespace kanvo::text
