#include "host/windows/controls/edit_text.h"

#include <algorithm>

#include "host/text/code_page.h"

namespace kanvo::win::controls {
namespace {

bool is_word_character(char32_t c) {
  return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') ||
         c == U'_' || c >= 0x80;
}

bool is_space(char32_t c) {
  return c == U' ' || c == U'\t';
}

// Turns "\r\n" and a lone '\r' into '\n'.
std::u32string with_plain_line_breaks(std::u32string_view text) {
  std::u32string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == U'\r') {
      result.push_back(U'\n');
      if (i + 1 < text.size() && text[i + 1] == U'\n') ++i;
    } else {
      result.push_back(text[i]);
    }
  }
  return result;
}

}  // namespace

std::size_t EditText::byte_size(char32_t character) const {
  if (character == U'\n' && multi_line_) return 2;
  if (character < 0x80) return 1;
  std::string bytes;
  if (!text::encode_gbk_char(character, &bytes)) return 0;
  if (!utf8_) return bytes.size();
  return character < 0x800 ? 2 : character < 0x10000 ? 3 : 4;
}

void EditText::count_in_utf8(bool utf8) {
  utf8_ = utf8;
  counted_ = bytes_of(0, text_.size());
}

std::size_t EditText::bytes_of(std::size_t start, std::size_t end) const {
  std::size_t bytes = 0;
  for (std::size_t i = start; i < end; ++i) bytes += byte_size(text_[i]);
  return bytes;
}

void EditText::set_window_text(std::string_view gbk) {
  std::u32string decoded = text::gbk_to_utf32(gbk);
  if (multi_line_) decoded = with_plain_line_breaks(decoded);
  std::erase_if(decoded, [this](char32_t c) { return byte_size(c) == 0; });
  text_ = std::move(decoded);
  counted_ = bytes_of(0, text_.size());
  caret_ = anchor_ = 0;
}

std::string EditText::window_text() const {
  std::string gbk;
  gbk.reserve(text_.size() * 2);
  for (const char32_t c : text_) {
    if (c == U'\n' && multi_line_) {
      gbk += "\r\n";
    } else {
      text::encode_gbk_char(c, &gbk);
    }
  }
  return gbk;
}

std::u32string EditText::selected_text() const {
  return text_.substr(selection_start(), selection_end() - selection_start());
}

void EditText::move_caret(std::size_t position, bool extend) {
  caret_ = std::min(position, text_.size());
  if (!extend) anchor_ = caret_;
}

void EditText::select(std::size_t anchor, std::size_t caret) {
  anchor_ = std::min(anchor, text_.size());
  caret_ = std::min(caret, text_.size());
}

bool EditText::insert(std::u32string_view text) {
  std::u32string accepted = multi_line_ ? with_plain_line_breaks(text) : std::u32string(text);
  if (!multi_line_) {
    const std::size_t line_end = accepted.find_first_of(U"\r\n");
    if (line_end != std::u32string::npos) accepted.resize(line_end);
  }
  const std::size_t start = selection_start();
  const std::size_t end = selection_end();
  // Room left once the selection is gone; a text already over the limit leaves none.
  const std::size_t kept = counted_ - bytes_of(start, end);
  std::size_t room = limit_ > kept ? limit_ - kept : 0;
  std::u32string fitting;
  for (const char32_t c : accepted) {
    const bool control = c < 0x20 && c != U'\n' && c != U'\t';
    const std::size_t size = byte_size(c);
    if (control || size == 0) continue;
    if (size > room) break;
    room -= size;
    fitting.push_back(c);
  }
  if (fitting.empty() && start == end) return false;
  text_.replace(start, end - start, fitting);
  counted_ = kept + bytes_of(start, start + fitting.size());
  caret_ = anchor_ = start + fitting.size();
  return true;
}

bool EditText::erase_selection() {
  if (!has_selection()) return false;
  return insert(U"");
}

bool EditText::erase_backward() {
  if (has_selection()) return erase_selection();
  if (caret_ == 0) return false;
  anchor_ = caret_ - 1;
  return erase_selection();
}

bool EditText::erase_forward() {
  if (has_selection()) return erase_selection();
  if (caret_ >= text_.size()) return false;
  anchor_ = caret_ + 1;
  return erase_selection();
}

std::size_t EditText::word_start(std::size_t position) const {
  std::size_t i = std::min(position, text_.size());
  while (i > 0 && is_space(text_[i - 1])) --i;
  if (i > 0 && is_word_character(text_[i - 1])) {
    while (i > 0 && is_word_character(text_[i - 1])) --i;
  } else if (i > 0) {
    --i;  // a punctuation mark or line break stands alone
  }
  return i;
}

std::size_t EditText::word_end(std::size_t position) const {
  std::size_t i = std::min(position, text_.size());
  if (i < text_.size() && is_word_character(text_[i])) {
    while (i < text_.size() && is_word_character(text_[i])) ++i;
  } else if (i < text_.size() && !is_space(text_[i])) {
    ++i;
  }
  while (i < text_.size() && is_space(text_[i])) ++i;
  return i;
}

}  // namespace kanvo::win::controls
