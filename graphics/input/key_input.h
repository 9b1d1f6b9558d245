// Key input of the graphics window for programs that must not wait (games): the window thread
// queues each key press and release beside passing it on to the console, the drawing thread
// tests for, reads (waiting if need be) or discards them. The same ring and the same wake-up as
// the mouse messages.
#pragma once

#include <cstdint>

#include "graphics/input/key_message.h"

namespace kanvo {

// True when at least one key message is held; never waits.
bool key_hit();
// The oldest held key message, removed; waits while none is held and a window is open. With no
// window open (or once it closes) the empty message comes back at once.
KeyMessage get_key_message();
// Removes every held key message.
void flush_key_messages();

}  // namespace kanvo
