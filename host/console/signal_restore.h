// Gives the terminal its own colours back when the program is ended by Ctrl+C, Ctrl+\ or
// SIGTERM; the signal then takes its default course.
#pragma once

namespace kanvo::console {

// Installs the handlers once; a signal the program was started with ignored stays ignored.
void restore_colors_on_signals(int terminal_fd);

}  // namespace kanvo::console
