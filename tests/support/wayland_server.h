// A real Wayland compositor for tests of the screen: weston. By default it runs as a window of
// its own on a virtual X server, where it has the server's pointer and keyboard, so that xdotool
// works the compositor's input, and what weston shows is the X server's screen, read as any
// screenshot there. Headless, it has no input at all (no seat) and no screen to look at. The
// programs under test are Wayland clients only (no DISPLAY).
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

#include "tests/support/x_server.h"

namespace kanvo::testing {

class Weston {
 public:
  enum class Input { x_server, none };
  // The output is 1024 pixels wide; on the X server (1024 by 768) it leaves a strip below.
  static constexpr int kOutputHeight = 736;
  // An output at the X server's top left corner, or a headless one.
  explicit Weston(Input input = Input::x_server);
  ~Weston();
  Weston(const Weston&) = delete;
  Weston& operator=(const Weston&) = delete;

  bool running() const { return pid_ != 0; }
  // The variables that make a program a client of this compositor and of nothing else.
  std::string client_environment() const;
  // The compositor's output as the X server shows it (the X server's whole screen); empty
  // when headless.
  display::Image screenshot() const;
  // A shell command run against the X server beneath (xdotool moves weston's pointer there);
  // nothing is run when headless.
  std::string run(const std::string& command) const;
  // Moves the X server's pointer, and with it weston's, as Xvfb::move_pointer does; false when
  // headless.
  bool move_pointer(std::int32_t x, std::int32_t y) const;

 private:
  void stop();

  std::optional<Xvfb> x_server_;
  std::string runtime_folder_;
  pid_t pid_ = 0;
};

// Where the screen shows a block of `width` by `height` pixels of `color` (0xRRGGBB): the first
// such block from the top left, or an empty rectangle.
surface::Rect find_block(const display::Image& screen, display::PixelWord color, std::int32_t width,
                         std::int32_t height);

}  // namespace kanvo::testing
