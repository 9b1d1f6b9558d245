#include "host/console/terminal_encoding.h"

#include <langinfo.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <clocale>

#include "host/text/code_page.h"

namespace kanvo::console {

TextEncoding encoding_for_code_set(std::string_view code_set) {
  std::string name(code_set);
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  // GB2312 (EUC-CN) terminals show the GB2312 part of GBK, which covers every text of the quiz.
  constexpr std::array<std::string_view, 5> kGbkFamily = {"GBK", "GB18030", "CP936", "GB2312",
                                                          "EUC-CN"};
  return std::find(kGbkFamily.begin(), kGbkFamily.end(), name) != kGbkFamily.end()
             ? TextEncoding::kGbk
             : TextEncoding::kUtf8;
}

TextEncoding terminal_encoding() {
  // Only the character type: number formatting stays that of the C locale.
  std::setlocale(LC_CTYPE, "");
  return encoding_for_code_set(nl_langinfo(CODESET));
}

std::string encode_text(std::string_view gbk, TextEncoding encoding) {
  return encoding == TextEncoding::kGbk ? std::string(gbk) : text::gbk_to_utf8(gbk);
}

}  // namespace kanvo::console
