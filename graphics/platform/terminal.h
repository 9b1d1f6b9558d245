// The terminal of the program's standard input as the library sees it: characters typed in a
// window go into its input as if typed there, for every reader of standard input.
#pragma once

#include <string_view>

namespace kanvo::platform {

// Any thread. `encoded` is the character in the program's text encoding. Typed only where
// standard input is a terminal, the program is its foreground job and the system allows it;
// otherwise nothing happens.
void type_at_terminal(char32_t character, std::string_view encoded);
// Throws away what waits unread in the terminal's input if anything was typed there.
void discard_unread_typing();

}  // namespace kanvo::platform
