// The graphics window's own thread: it opens the window, hands it over to the opener and runs
// its loop; meanwhile it queues mouse and key events, repaints the window from the canvas and
// wakes readers that wait for input.
#pragma once

#include "graphics/platform/window.h"

namespace kanvo {

class WindowCanvas;

struct WindowThread {
  // `options` without a title: the window is captioned with the program's name.
  static void run(WindowCanvas* canvas, platform::WindowOptions options);
  // Called on the window's thread when the user's close destroys the window.
  static void closed_by_user();
};

}  // namespace kanvo
