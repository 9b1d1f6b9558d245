// The graphics window's own thread: it registers the window class, creates and shows the window,
// hands it over to the opener and runs the message loop; its window procedure forwards keys to the
// console, queues mouse messages and repaints the window from the canvas.
#pragma once

#include <cstdint>

#include "graphics/platform/window_system.h"

namespace kanvo {

class WindowCanvas;

struct WindowThreadParams {
  std::int32_t x = platform::kUseDefault;  // outer top-left in screen pixels
  std::int32_t y = platform::kUseDefault;
  std::int32_t client_width = 0;
  std::int32_t client_height = 0;
  bool no_close = false;
  bool no_minimize = false;
  WindowHandle console = platform::kNoWindow;  // to hide while the window stands in its place
  WindowHandle console_window = platform::kNoWindow;  // where key presses go
};

struct WindowThread {
  static void run(WindowCanvas* canvas, WindowThreadParams params);
  // Called on the window's thread when the user's close destroys the window.
  static void closed_by_user();
  static platform::LResult procedure(WindowHandle window, std::uint32_t message,
                                     platform::WParam wparam, platform::LParam lparam);
};

// "KanvoWnd"
extern const char* const kWindowClassName;

}  // namespace kanvo
