// The console as a window: the terminal cannot be a window of ours, so a window that is never on
// the screen stands for it. Key messages posted to it become typed input, a line at a time
// (Backspace edits the line, Enter hands it over with a line feed), passed to whatever reads the
// console's input. Closing it ends the process, as closing a console does.
#pragma once

#include <functional>
#include <string_view>

#include "host/windows/types.h"

namespace kanvo::win {

// Receives typed lines, UTF-8, each ending in '\n'; called on the console window's thread.
using TypedInputSink = std::function<void(std::string_view text)>;

// The console's window, made with a thread of its own on first use.
WindowHandle console_window();
// Where typed lines go; lines typed while there is no sink are dropped.
void set_console_input(TypedInputSink sink);

}  // namespace kanvo::win
