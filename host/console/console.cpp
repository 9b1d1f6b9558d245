#include "host/console/console.h"

#include <string>

#include "host/console/text_attribute.h"

namespace kanvo::console {

void Console::write_colors(std::string_view sequence) {
  if (!colors_) return;
  out_.write(sequence);
  changed_ = true;
}

void Console::set_screen_colors(std::uint8_t attribute) {
  write_colors(color_sequence(attribute) + "\x1b[2J\x1b[H");
}

void Console::set_text_attribute(std::uint8_t attribute) {
  write_colors(color_sequence(attribute));
}

void Console::write(std::string_view gbk) {
  out_.write(encode_text(gbk, encoding_));
}

void Console::restore() {
  if (!changed_) return;
  out_.write(kResetColors);
  changed_ = false;
}

}  // namespace kanvo::console
