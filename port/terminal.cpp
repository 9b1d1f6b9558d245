#include "graphics/platform/terminal.h"

#include <unistd.h>

#include "host/terminal/terminal_typing.h"

namespace kanvo::platform {
namespace {

terminal::TerminalTyping& standard_input() {
  // Never destroyed: the console's window may type until the very end.
  static terminal::TerminalTyping* const typing = new terminal::TerminalTyping(STDIN_FILENO);
  return *typing;
}

}  // namespace

void type_at_terminal(char32_t character, std::string_view encoded) {
  standard_input().type(character, encoded);
}

void discard_unread_typing() {
  standard_input().discard_unread();
}

}  // namespace kanvo::platform
