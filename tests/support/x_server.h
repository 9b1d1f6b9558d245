// A real X server for tests of the screen: Xvfb on a display number nobody uses, and the command
// line tools that work it (xdotool, xdpyinfo, ImageMagick's import).
#pragma once

#include <sys/types.h>

#include <string>

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

 private:
  void stop();
  pid_t pid_ = 0;
  std::string display_;
};

}  // namespace kanvo::testing
