// Mouse input of the graphics window: the window thread queues each mouse message, the drawing
// thread tests for, reads (waiting if need be) or discards them.
#pragma once

#include <cstdint>

#include "graphics/input/mouse_message.h"

namespace kanvo {

// True when at least one message is held; never waits.
bool mouse_hit();
// The oldest held message, removed; waits while none is held and a window is open. With no
// window open (or once it closes) the empty message comes back at once.
MouseMessage get_mouse_message();
// Removes every held message.
void flush_mouse_messages();

}  // namespace kanvo
