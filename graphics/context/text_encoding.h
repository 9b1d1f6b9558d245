// The encoding of every text the program hands the library or gets back from it: drawn texts,
// file names, the dialog's texts and answer, and the characters of key messages. UTF-8 unless
// the program chooses GBK; the choice alone decides, never the locale or the bytes of a text.
#pragma once

#include "graphics/platform/types.h"

namespace kanvo {

using TextEncoding = TextEncoding;

inline constexpr TextEncoding TEXT_UTF8 = TextEncoding::utf8;
inline constexpr TextEncoding TEXT_GBK = TextEncoding::gbk;

// Best called first thing in main; a text already drawn stays as it was drawn.
void set_text_encoding(TextEncoding encoding);
TextEncoding get_text_encoding();

}  // namespace kanvo
