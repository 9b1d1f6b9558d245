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
  if (!colors_) {
    out_.write(encode_text(gbk, encoding_));
    return;
  }
  // A console writes a tab as blanks in the current colours, where a terminal only moves the
  // cursor over cells that keep the screen's colour; so tabs become blanks. In GBK every byte is
  // one cell wide, so the column is counted in bytes.
  std::string expanded;
  expanded.reserve(gbk.size() + 8);
  for (const char c : gbk) {
    if (c == '\t') {
      const std::size_t blanks = kTabWidth - column_ % kTabWidth;
      expanded.append(blanks, ' ');
      column_ += blanks;
      continue;
    }
    expanded.push_back(c);
    column_ = (c == '\n' || c == '\r') ? 0 : column_ + 1;
  }
  out_.write(encode_text(expanded, encoding_));
}

void Console::restore() {
  if (!changed_) return;
  out_.write(kResetColors);
  changed_ = false;
}

}  // namespace kanvo::console
