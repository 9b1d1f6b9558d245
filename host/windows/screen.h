// The display the window system shows its windows on.
#pragma once

#include "host/display/headless_display.h"

namespace kanvo::win {

// The headless screen, or null when the windows are on a real one.
display::HeadlessDisplay* headless_screen();
// Lets go of the screen (a real one's display thread ends); the next use opens it again. Runs by
// itself at exit.
void close_display();

}  // namespace kanvo::win
