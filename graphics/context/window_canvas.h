// The canvas behind the graphics window: an image whose picture the window shows, with the
// window itself, its thread, the hand-over event and the mouse and key queues.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>

#include "graphics/context/auto_reset_event.h"
#include "graphics/device/window_api.h"
#include "graphics/image/canvas_image.h"
#include "graphics/input/message_queue.h"
#include "graphics/platform/window.h"

namespace kanvo {

// What a reader waiting for input asks the window's thread to wake it for.
inline constexpr std::uintptr_t WAKE_FOR_MOUSE = 0;
inline constexpr std::uintptr_t WAKE_FOR_KEYS = 1;

class WindowCanvas : public CanvasImage {
 public:
  WindowCanvas();
  // Restores the default drawing state on the canvas and on the window's own surface.
  void reset() override;
  ~WindowCanvas() override;
  // Resizes the canvas and the window's outer size with it.
  void resize(std::int32_t width, std::int32_t height) override;

  // Opens a window whose client area is width x height (closing any earlier one) and makes it the
  // working target; returns the window, or null when it could not be created.
  WindowHandle open(std::int32_t width, std::int32_t height, std::int32_t flags);
  // Hides and frees the window; the process goes on. Nothing while no window is open. On the
  // window's own thread (the user closed it) the window is destroyed there, which ends the
  // process.
  void close();
  // Waits until the thread of a window that is gone has ended (the user closed the window, or
  // it could not be created); nothing on a window's own thread.
  void join_window_thread();

  WindowHandle window() const { return window_.load(std::memory_order_acquire); }
  SurfaceHandle window_dc() const { return window_dc_; }
  // Right after the whole canvas was copied to the window, outside batch drawing, the window's
  // picture is the canvas's: from then on the canvas's surface draws onto the window too, each
  // call worked out once, until batch drawing, a resize or the close. Under the context's lock.
  void mirror_on_window();
  void stop_mirroring();
  MessageQueue& messages() { return messages_; }
  AutoResetEvent& ready_event() { return ready_event_; }
  // Signals a reader waiting for a key message.
  AutoResetEvent& key_event() { return key_event_; }
  KeyQueue& key_messages() { return key_messages_; }
  // The window thread's side of the hand-over: set while a reader waits for the queue it named.
  std::atomic<bool>& wake_requested() { return wake_requested_; }
  std::atomic<bool>& key_wake_requested() { return key_wake_requested_; }

 private:
  friend class CanvasWindowEvents;

  bool had_console_ = false;
  AutoResetEvent ready_event_;
  AutoResetEvent key_event_;
  MessageQueue messages_;
  KeyQueue key_messages_;
  std::atomic<WindowHandle> window_{platform::kNoWindow};
  SurfaceHandle window_dc_{};
  // Started, joined and replaced by the threads that open and close windows, never by a window's
  // own thread.
  std::mutex thread_mutex_;
  std::thread thread_;
  std::atomic<bool> wake_requested_{false};
  std::atomic<bool> key_wake_requested_{false};
};

// The window that open_window(width, height, flags) opens, placed where the system chooses.
platform::WindowOptions window_options(std::int32_t width, std::int32_t height, std::int32_t flags);
// Its outer size, frame and caption included.
platform::Size window_outer_size(std::int32_t width, std::int32_t height, std::int32_t flags);

// Whether the calling thread is a graphics window's own thread.
bool on_window_thread();

// The console's window, or null when the process has no console (no terminal).
WindowHandle console_window_of_process();

}  // namespace kanvo
