#include "host/text/program_text.h"

#include <algorithm>
#include <atomic>

#include "host/text/code_page.h"

namespace kanvo::text {
namespace {

std::atomic<TextEncoding> g_program_encoding{TextEncoding::utf8};

bool is_continuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

}  // namespace

void set_program_encoding(TextEncoding encoding) {
  g_program_encoding.store(encoding, std::memory_order_relaxed);
}

TextEncoding program_encoding() {
  return g_program_encoding.load(std::memory_order_relaxed);
}

std::size_t utf8_sequence(std::string_view bytes, char32_t* code_point) {
  if (bytes.empty()) return 0;
  const auto lead = static_cast<unsigned char>(bytes[0]);
  std::size_t length = 0;
  char32_t value = 0;
  char32_t minimum = 0;
  if (lead < 0x80) {
    *code_point = lead;
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2;
    value = lead & 0x1F;
    minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    value = lead & 0x0F;
    minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    value = lead & 0x07;
    minimum = 0x10000;
  } else {
    return 0;
  }
  if (bytes.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (!is_continuation(byte)) return 0;
    value = (value << 6) | (byte & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  *code_point = value;
  return length;
}

bool is_valid_utf8(std::string_view bytes) {
  while (!bytes.empty()) {
    char32_t ignored = 0;
    const std::size_t length = utf8_sequence(bytes, &ignored);
    if (length == 0) return false;
    bytes.remove_prefix(length);
  }
  return true;
}

std::u32string decode_text(std::string_view bytes, TextEncoding encoding) {
  if (encoding == TextEncoding::gbk) return gbk_to_utf32(bytes);
  std::u32string result;
  result.reserve(bytes.size());
  while (!bytes.empty()) {
    char32_t code_point = U'\uFFFD';
    const std::size_t length = utf8_sequence(bytes, &code_point);
    result.push_back(length == 0 ? U'\uFFFD' : code_point);
    bytes.remove_prefix(std::max<std::size_t>(length, 1));
  }
  return result;
}

std::u32string decode_program_text(std::string_view bytes) {
  return decode_text(bytes, program_encoding());
}

std::string encode_text(std::u32string_view text, TextEncoding encoding) {
  return encoding == TextEncoding::gbk ? utf32_to_gbk(text) : utf32_to_utf8(text);
}

std::string encode_program_text(std::u32string_view text) {
  return encode_text(text, program_encoding());
}

std::string file_system_path(std::string_view bytes) {
  // Decoded first: a GBK trail byte may be 0x5C, which is a backslash only on its own.
  std::string path = utf32_to_utf8(decode_program_text(bytes));
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

}  // namespace kanvo::text
