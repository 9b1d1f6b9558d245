// Keys typed in the window reach the program's standard input as if typed at its terminal, so
// that scanf, std::cin, getchar and fgets read them, in order with what is typed at the terminal.
#pragma once

namespace kanvo {

// Once per process, before the first window forwards keys to the console's window; later calls
// do nothing.
void type_window_keys_into_standard_input();

}  // namespace kanvo
