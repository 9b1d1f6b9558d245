#include "host/windows/controls/text_measure.h"

#include <string>

#include "host/text/code_page.h"

namespace kanvo::win::controls {
namespace {

constexpr std::int32_t kTabStopCharacters = 8;

}  // namespace

TextMeasure::TextMeasure() : dc_(surface::create_compatible_dc(surface::kNoDc)) {
  set_font(surface::kNoObject);
}

TextMeasure::~TextMeasure() {
  surface::delete_dc(dc_);
}

void TextMeasure::set_font(surface::ObjectHandle font) {
  if (font == surface::kNoObject)
    font = surface::get_stock_object(surface::StockObject::system_font);
  surface::select_object(dc_, font);
  widths_.clear();
  surface::Size extent;
  surface::get_text_extent(dc_, "x", &extent, text::TextEncoding::gbk);
  line_height_ = extent.cy;
  tab_width_ = kTabStopCharacters * extent.cx;
}

std::int32_t TextMeasure::advance(char32_t character) {
  const auto known = widths_.find(character);
  if (known != widths_.end()) return known->second;
  std::string bytes;
  const std::string_view shown =
      text::encode_gbk_char(character, &bytes) ? std::string_view(bytes) : std::string_view("?");
  surface::Size extent;
  surface::get_text_extent(dc_, shown, &extent, text::TextEncoding::gbk);
  widths_.emplace(character, extent.cx);
  return extent.cx;
}

std::int32_t TextMeasure::advance_from(std::int32_t x, char32_t character) {
  if (character == U'\t' && tab_width_ > 0) return (x / tab_width_ + 1) * tab_width_;
  return x + advance(character);
}

}  // namespace kanvo::win::controls
