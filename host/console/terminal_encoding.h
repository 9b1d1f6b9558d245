// The code set the terminal shows, and GBK texts converted to it.
#pragma once

#include <string>
#include <string_view>

namespace kanvo::console {

enum class TextEncoding { kGbk, kUtf8 };

// GBK and its supersets and subsets pass GBK bytes through; every other code set, the plain C
// locale included, gets UTF-8.
TextEncoding encoding_for_code_set(std::string_view code_set);

// The code set of the user's locale (the environment's LC_ALL, LC_CTYPE or LANG).
TextEncoding terminal_encoding();

std::string encode_text(std::string_view gbk, TextEncoding encoding);

}  // namespace kanvo::console
