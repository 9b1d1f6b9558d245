#include "host/text/code_page.h"

#include <iconv.h>

#include <array>
#include <cerrno>

namespace kanvo::text {
namespace {

constexpr char32_t kReplacement = U'\uFFFD';

// One converter per thread: opening one costs far more than converting a short text.
class GbkDecoder {
 public:
  GbkDecoder() : handle_(iconv_open("UTF-32LE", "GBK")) {}
  ~GbkDecoder() {
    if (valid()) iconv_close(handle_);
  }
  GbkDecoder(const GbkDecoder&) = delete;
  GbkDecoder& operator=(const GbkDecoder&) = delete;

  bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

  // Decodes one character starting at `text`; returns the bytes it took (at least 1).
  std::size_t decode_one(std::string_view text, char32_t* out) {
    // ASCII is the same in both encodings and makes up most texts.
    const auto first = static_cast<unsigned char>(text[0]);
    if (first < 0x80) {
      *out = first;
      return 1;
    }
    if (!valid()) {
      *out = kReplacement;
      return 1;
    }
    const std::size_t take = text.size() >= 2 ? 2 : 1;
    std::array<char, 2> in_bytes{text[0], take == 2 ? text[1] : '\0'};
    char* in = in_bytes.data();
    std::size_t in_left = take;
    std::array<char, 8> out_bytes{};
    char* out_ptr = out_bytes.data();
    std::size_t out_left = out_bytes.size();
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    const std::size_t result = iconv(handle_, &in, &in_left, &out_ptr, &out_left);
    const std::size_t used = take - in_left;
    if (result == static_cast<std::size_t>(-1) && (errno != E2BIG || used == 0)) {
      *out = kReplacement;
      return 1;
    }
    *out = static_cast<char32_t>(static_cast<unsigned char>(out_bytes[0]) |
                                 (static_cast<unsigned char>(out_bytes[1]) << 8) |
                                 (static_cast<unsigned char>(out_bytes[2]) << 16) |
                                 (static_cast<unsigned char>(out_bytes[3]) << 24));
    return used;
  }

 private:
  iconv_t handle_;
};

GbkDecoder& decoder() {
  thread_local GbkDecoder instance;
  return instance;
}

class GbkEncoder {
 public:
  GbkEncoder() : handle_(iconv_open("GBK", "UTF-32LE")) {}
  ~GbkEncoder() {
    if (handle_ != reinterpret_cast<iconv_t>(-1)) iconv_close(handle_);
  }
  GbkEncoder(const GbkEncoder&) = delete;
  GbkEncoder& operator=(const GbkEncoder&) = delete;

  bool encode_one(char32_t character, std::string* out) {
    if (character < 0x80) {
      out->push_back(static_cast<char>(character));
      return true;
    }
    if (handle_ == reinterpret_cast<iconv_t>(-1)) return false;
    std::array<char, 4> in_bytes{
        static_cast<char>(character & 0xFF), static_cast<char>((character >> 8) & 0xFF),
        static_cast<char>((character >> 16) & 0xFF), static_cast<char>((character >> 24) & 0xFF)};
    char* in = in_bytes.data();
    std::size_t in_left = in_bytes.size();
    std::array<char, 8> out_bytes{};
    char* out_ptr = out_bytes.data();
    std::size_t out_left = out_bytes.size();
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    if (iconv(handle_, &in, &in_left, &out_ptr, &out_left) == static_cast<std::size_t>(-1)) {
      return false;
    }
    out->append(out_bytes.data(), out_bytes.size() - out_left);
    return true;
  }

 private:
  iconv_t handle_;
};

GbkEncoder& encoder() {
  thread_local GbkEncoder instance;
  return instance;
}

void append_utf8(std::string& out, char32_t c) {
  if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = kReplacement;
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

}  // namespace

std::size_t decode_gbk_char(std::string_view gbk, char32_t* out) {
  if (gbk.empty()) {
    *out = kReplacement;
    return 0;
  }
  return decoder().decode_one(gbk, out);
}

std::u32string gbk_to_utf32(std::string_view gbk) {
  std::u32string result;
  result.reserve(gbk.size());
  while (!gbk.empty()) {
    char32_t c = 0;
    gbk.remove_prefix(decode_gbk_char(gbk, &c));
    result.push_back(c);
  }
  return result;
}

std::string gbk_to_utf8(std::string_view gbk) {
  return utf32_to_utf8(gbk_to_utf32(gbk));
}

std::string utf32_to_utf8(std::u32string_view text) {
  std::string result;
  result.reserve(text.size() * 3);
  for (char32_t c : text) append_utf8(result, c);
  return result;
}

bool encode_gbk_char(char32_t character, std::string* out) {
  return out != nullptr && encoder().encode_one(character, out);
}

std::string utf32_to_gbk(std::u32string_view text) {
  std::string result;
  result.reserve(text.size() * 2);
  for (const char32_t c : text) {
    if (!encode_gbk_char(c, &result)) result.push_back('?');
  }
  return result;
}

std::size_t gbk_prefix_length(std::string_view gbk, std::size_t max_bytes) {
  std::size_t length = 0;
  while (length < gbk.size()) {
    char32_t ignored = 0;
    const std::size_t next = length + decode_gbk_char(gbk.substr(length), &ignored);
    if (next > max_bytes) break;
    length = next;
  }
  return length;
}

std::size_t utf8_prefix_length(std::string_view utf8, std::size_t max_bytes) {
  if (utf8.size() <= max_bytes) return utf8.size();
  std::size_t length = max_bytes;
  // Step back over continuation bytes to the start of the character that does not fit.
  while (length > 0 && (static_cast<unsigned char>(utf8[length]) & 0xC0) == 0x80) --length;
  return length;
}

}  // namespace kanvo::text
