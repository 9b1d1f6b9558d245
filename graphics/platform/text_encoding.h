// The program's text encoding and the conversions the library needs: to file names, to the window
// system's texts (GBK) and back, and cutting a text to whole characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "graphics/platform/types.h"

namespace kanvo::platform {

void set_program_encoding(TextEncoding encoding);
TextEncoding program_encoding();
// A file name of the program's as the file system takes it.
std::string file_system_path(std::string_view program_text);
// A text of the program's as the window system takes it (GBK).
std::string window_text(std::string_view program_text);
std::string encode_program_text(std::u32string_view text);
std::string gbk_to_utf8(std::string_view gbk);
// The longest prefix of whole characters of at most max_bytes bytes.
std::size_t gbk_prefix_length(std::string_view gbk, std::size_t max_bytes);
std::size_t utf8_prefix_length(std::string_view utf8, std::size_t max_bytes);

}  // namespace kanvo::platform
