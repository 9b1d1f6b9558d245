// The console as a window: the terminal cannot be a window of ours, so a window that is never on
// the screen stands for it. Key messages posted to it become typed characters, handed one by one
// to whatever types them into the terminal. Closing it ends the process, as closing a console
// does.
#pragma once

#include <functional>

#include "host/windows/types.h"

namespace kanvo::win {

// Receives each typed character (Enter as '\r', Backspace as 8, Ctrl with a letter as its control
// character); called on the console window's thread.
using TypedInputSink = std::function<void(char32_t character)>;

// The console's window, made with a thread of its own on first use.
WindowHandle console_window();
// Where typed characters go; those typed while there is no sink are dropped.
void set_console_input(TypedInputSink sink);

}  // namespace kanvo::win
