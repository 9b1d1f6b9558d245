// A real X server for tests of the screen: Xvfb on a display number nobody uses, and the command
// line tools that work it (xdotool, xdpyinfo, ImageMagick's import).
#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "host/display/headless_display.h"

namespace kanvo::testing {

bool on_path(const std::string& tool);
// What the shell command writes to its standard output.
std::string output_of(const std::string& command);

class Xvfb {
 public:
  Xvfb();  // a 1024 by 768 screen of 24 bits
  ~Xvfb();
  Xvfb(const Xvfb&) = delete;
  Xvfb& operator=(const Xvfb&) = delete;

  bool running() const { return pid_ != 0; }
  const std::string& display() const { return display_; }
  // The whole screen as import sees it; empty when it cannot be taken.
  display::Image screenshot() const;
  // What a shell command run against this server writes to its standard output.
  std::string run(const std::string& command) const;
  // The X window of a program by its class (the program's name), as xdotool numbers it; empty
  // while there is none.
  std::string window_of_class(const std::string& class_name) const;
  // Where an X window stands on the screen, frame included; empty when it is not there.
  surface::Rect window_rect(const std::string& window) const;
  // Gives an X window the keyboard, again until the server says it has it: a window that is
  // not mapped yet refuses it. False when it has not within `patience`.
  bool focus(const std::string& window, std::chrono::milliseconds patience) const;
  // Whether a window of the library shows an active caption: its program has taken the keyboard,
  // and keys typed from then on reach it as typed.
  bool shows_active_caption(const std::string& window) const;
  // Minimises and restores an X window as a window manager does (there is none on this server):
  // the window is unmapped while minimised and mapped again.
  void minimize(const std::string& window) const;
  void restore(const std::string& window) const;
  // Where the pointer is on the screen; nothing when the server does not say.
  std::optional<surface::Point> pointer() const;
  // Moves the pointer to a point of the screen, and returns once the server has it there: the
  // windows beneath have been sent the move. A pointer that stands there already is stepped one
  // pixel aside first, so that the move is made and seen as from anywhere else. False when the
  // point is off the screen or the pointer did not get there.
  bool move_pointer(std::int32_t x, std::int32_t y) const;
  // The same through the points in turn, each move sent once the one before has arrived, so
  // that the windows see every one of them.
  bool move_pointer_along(const std::vector<surface::Point>& points) const;

 private:
  void stop();
  pid_t pid_ = 0;
  std::string display_;
};

}  // namespace kanvo::testing
