#include "host/console/text_attribute.h"

namespace kanvo::console {
namespace {

// Terminal colour numbers run red = 1, green = 2, blue = 4: the console's blue and red swap.
int terminal_color(unsigned console_color) {
  return ((console_color & 1u) << 2) | (console_color & 2u) | ((console_color & 4u) >> 2);
}

int foreground_code(unsigned console_color) {
  return ((console_color & 8u) ? 90 : 30) + terminal_color(console_color);
}

int background_code(unsigned console_color) {
  return ((console_color & 8u) ? 100 : 40) + terminal_color(console_color);
}

}  // namespace

std::string color_sequence(std::uint8_t attribute) {
  return "\x1b[0;" + std::to_string(foreground_code(attribute & 0x0Fu)) + ";" +
         std::to_string(background_code(attribute >> 4)) + "m";
}

}  // namespace kanvo::console
