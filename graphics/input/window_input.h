// The window thread's side of the mouse and key queues: each mouse and key event of the graphics
// window is turned into the record that programs read and queued on the canvas.
#pragma once

#include "graphics/context/window_canvas.h"
#include "graphics/platform/window.h"

namespace kanvo {

// Window thread: queues the record of the event unless the queue is full; wakes a waiting reader
// either way.
void queue_mouse_message(WindowCanvas& canvas, const platform::MouseEvent& event);
// A character typed without a key of its own comes as a press of key 0.
void queue_key_message(WindowCanvas& canvas, const platform::KeyEvent& event);

}  // namespace kanvo
