// The quiz's console: coloured GBK text on a terminal.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "host/console/output_sink.h"
#include "host/console/terminal_encoding.h"

namespace kanvo::console {

class Console {
 public:
  // Without colours (output that is not a terminal) attribute changes write nothing.
  Console(OutputSink& out, TextEncoding encoding, bool colors)
      : out_(out), encoding_(encoding), colors_(colors) {}
  ~Console() { restore(); }
  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;

  // Gives the whole screen the attribute's colours, the way the command "color 53" does: the
  // screen is cleared in them and the cursor goes home.
  void set_screen_colors(std::uint8_t attribute);
  // Colours of every text written after this call.
  void set_text_attribute(std::uint8_t attribute);
  // Writes GBK text, converted to the terminal's code set, at once.
  void write(std::string_view gbk);
  // Returns the terminal to its own colours if they were changed; later writes are uncoloured
  // until the next change.
  void restore();

 private:
  void write_colors(std::string_view sequence);

  static constexpr std::size_t kTabWidth = 8;

  OutputSink& out_;
  TextEncoding encoding_;
  bool colors_;
  bool changed_ = false;
  std::size_t column_ = 0;  // of the cursor, for tabs
};

}  // namespace kanvo::console
