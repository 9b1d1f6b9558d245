// The hand-over between the window thread, which queues input messages, and a drawing thread
// that waits for one: the reader resets the queue's event, asks the window's thread to wake it
// for its queue and waits; the window thread, after queuing (or dropping) the next message of
// that queue, signals. Each queue has an event of its own (the mouse queue the canvas's ready
// event), so that a key reader and a mouse reader on two threads never take each other's wake.
// The request is handled in order with the input, so none handled after it is missed, and
// the window thread answers at once when the queue already holds one. Mouse and key readers
// share the one mechanism.
#pragma once

#include <atomic>

#include "graphics/context/window_canvas.h"
#include "graphics/platform/window.h"

namespace kanvo {

// Window thread: a reader that asked to be woken through this flag is woken.
inline void wake_reader(std::atomic<bool>& wake_requested, AutoResetEvent& event) {
  if (wake_requested.exchange(false, std::memory_order_acq_rel)) event.signal();
}

// Drawing thread: the oldest message of the queue, removed; waits while none is held and a
// window is open. With no window open (or once it closes) the empty message comes back at once.
template <typename Message>
Message wait_for_message(WindowCanvas& canvas, MessageRing<Message>& queue, AutoResetEvent& event,
                         std::uintptr_t which) {
  while (queue.is_empty()) {
    const WindowHandle window = canvas.window();
    if (window == platform::kNoWindow) return Message{};
    event.reset();
    platform::notify_window(window, which);
    // A window closed meanwhile has no thread left to answer.
    if (canvas.window() != window) continue;
    event.wait();
  }
  const Message message = queue.front();
  queue.pop();
  return message;
}

template <typename Message>
void flush_messages(MessageRing<Message>& queue) {
  while (!queue.is_empty()) queue.pop();
}

}  // namespace kanvo
