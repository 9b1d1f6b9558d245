// The window thread's side of the mouse and key queues: each message of the graphics window that
// programs may read is turned into its record and queued on the canvas.
#pragma once

#include <cstdint>

#include "graphics/context/window_canvas.h"

namespace kanvo {

// Window thread: builds the record of a mouse message (0x200 to 0x20A) and queues it, unless the
// queue is full; wakes a waiting reader either way.
void queue_mouse_message(WindowHandle window, WindowCanvas& canvas, std::uint32_t message,
                         platform::WParam wparam, platform::LParam lparam);

// Window thread: queues the record of a key message (WM_KEYDOWN, WM_KEYUP; a WM_CHAR that no
// key press typed comes as a press of key 0), unless the queue is full; wakes a waiting reader
// either way.
void queue_key_message(WindowCanvas& canvas, std::uint32_t message, platform::WParam wparam,
                       platform::LParam lparam);

}  // namespace kanvo
