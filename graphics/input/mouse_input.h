// Mouse input of the graphics window: the window thread queues each mouse message, the drawing
// thread tests for, reads (waiting if need be) or discards them.
#pragma once

#include <cstdint>

#include "graphics/context/window_canvas.h"
#include "graphics/input/mouse_message.h"

namespace kanvo {

// Window thread: builds the record of a mouse message (0x200 to 0x20A) and queues it, unless the
// queue is full; wakes a waiting reader either way.
void queue_mouse_message(WindowHandle window, WindowCanvas& canvas, std::uint32_t message,
                         ui::WParam wparam, ui::LParam lparam);

// True when at least one message is held; never waits.
bool mouse_hit();
// The oldest held message, removed; waits while none is held and a window is open. With no
// window open (or once it closes) the empty message comes back at once.
MouseMessage get_mouse_message();
// Removes every held message.
void flush_mouse_messages();

}  // namespace kanvo
