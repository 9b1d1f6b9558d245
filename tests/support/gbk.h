// UTF-8 test literals encoded as GBK, to compare the program's GBK bytes against texts written
// the way a reader sees them.
#pragma once

#include <iconv.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace kanvo::testing {

inline std::string to_gbk(std::string_view utf8) {
  iconv_t converter = iconv_open("GBK", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no GBK converter");
  std::string input(utf8);
  std::string output(input.size() * 2 + 1, '\0');
  char* in = input.data();
  std::size_t in_left = input.size();
  char* out = output.data();
  std::size_t out_left = output.size();
  const std::size_t result = iconv(converter, &in, &in_left, &out, &out_left);
  iconv_close(converter);
  if (result == static_cast<std::size_t>(-1)) throw std::runtime_error("not encodable in GBK");
  output.resize(output.size() - out_left);
  return output;
}

}  // namespace kanvo::testing
