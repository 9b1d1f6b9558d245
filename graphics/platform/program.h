// The running program as the library sees it: its name, whether it has a terminal, and keeping
// the terminal's Ctrl+C from ending it while the graphics window handles the keys.
#pragma once

#include <string>

namespace kanvo::platform {

// The program file's name without its folder and without its extension, if it has one;
// "kanvo" when the system cannot tell.
std::string program_name();
// True when standard input or standard output is a terminal.
bool has_terminal();
// Ctrl+C typed in the terminal no longer ends the process.
void ignore_terminal_interrupt();

}  // namespace kanvo::platform
