// A library window as the host's window system sees it, for tests that look at one from outside.
#pragma once

#include "host/windows/windows.h"
#include "port/host_values.h"

namespace kanvo::testing {

inline win::WindowHandle host_window(WindowHandle window) {
  return platform::to_host(window);
}

// Where the window's client area starts on the screen.
inline Point client_origin(WindowHandle window) {
  surface::Point origin{0, 0};
  win::client_to_screen(host_window(window), &origin);
  return platform::from_host(origin);
}

// The window's outer rectangle in screen pixels; empty for no window.
inline Rect outer_rect(WindowHandle window) {
  surface::Rect outer{};
  win::get_window_rect(host_window(window), &outer);
  return platform::from_host(outer);
}

}  // namespace kanvo::testing
