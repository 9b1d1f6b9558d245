// A real Wayland compositor for tests of the screen: weston, run as a window of its own on a
// virtual X server. Weston's headless output has no seat, which SDL's Wayland driver cannot
// start without; on the X server weston has the server's pointer and keyboard, so that xdotool
// works the compositor's input, and what weston shows is the X server's screen, read as any
// screenshot there. The programs under test are Wayland clients only (no DISPLAY).
#pragma once

#include <sys/types.h>

#include <string>

#include "tests/support/x_server.h"

namespace kanvo::testing {

class Weston {
 public:
  Weston();  // an output of 1024 by 768 that fills the X server's screen
  ~Weston();
  Weston(const Weston&) = delete;
  Weston& operator=(const Weston&) = delete;

  bool running() const { return pid_ != 0; }
  // The variables that make a program a client of this compositor and of nothing else.
  std::string client_environment() const;
  // The compositor's output as the X server shows it (the X server's whole screen).
  display::Image screenshot() const { return x_server_.screenshot(); }
  // A shell command run against the X server beneath (xdotool moves weston's pointer there).
  std::string run(const std::string& command) const { return x_server_.run(command); }

 private:
  void stop();

  Xvfb x_server_;
  std::string runtime_folder_;
  pid_t pid_ = 0;
};

// Where the screen shows a block of `width` by `height` pixels of `color` (0xRRGGBB): the first
// such block from the top left, or an empty rectangle.
surface::Rect find_block(const display::Image& screen, display::PixelWord color, std::int32_t width,
                         std::int32_t height);

}  // namespace kanvo::testing
