// Characters typed in a window put into the terminal of standard input as if typed on its
// keyboard. The terminal's own line discipline then echoes them, edits the line and ends it, and
// every reader of standard input (scanf, std::cin, getchar, fgets) gets them in order with what
// is typed at the terminal itself.
#pragma once

#include <termios.h>

#include <atomic>
#include <string>
#include <string_view>

namespace kanvo::terminal {

// The bytes the terminal's keyboard would send for a character, under the terminal's settings:
// Enter ends the line, Backspace erases, Ctrl+D ends the input, each with the character the
// settings name for it; characters that would raise a signal (Ctrl+C, Ctrl+\, Ctrl+Z) or stop
// the output give nothing. `encoded` is the character in the program's encoding, sent as it is
// when the character is no control character.
std::string keyboard_bytes(char32_t character, std::string_view encoded, const termios& settings);

class TerminalTyping {
 public:
  // Types into `fd` (standard input) only where it is a terminal.
  explicit TerminalTyping(int fd);
  TerminalTyping(const TerminalTyping&) = delete;
  TerminalTyping& operator=(const TerminalTyping&) = delete;

  // Any thread. Typed only while the program is the terminal's foreground job; where the system
  // refuses to put bytes into a terminal's input, nothing is typed from then on.
  void type(char32_t character, std::string_view encoded);
  // Throws away what waits unread in the terminal's input, only if anything was typed here:
  // bytes typed for this program must not reach the shell after it.
  void discard_unread();

 private:
  int fd_;
  std::atomic<bool> usable_;
  std::atomic<bool> typed_{false};
};

}  // namespace kanvo::terminal
