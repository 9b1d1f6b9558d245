// Where windows appear. A display mirrors the window system's scene on a screen and reports the
// user's input. Two kinds exist: a real screen through SDL (X11 or Wayland), served by one display
// thread, and a headless one whose screen is a picture in memory.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "host/display/scene.h"

namespace kanvo::display {

class Display {
 public:
  virtual ~Display() = default;
  virtual Rect bounds() const = 0;
  // The part of the screen that desktop bars leave free.
  virtual Rect work_area() const = 0;
  // Longest pause between the two presses of a double click.
  virtual std::uint32_t double_click_ms() const { return 500; }
  // The scene changed (a window appeared, moved, or its picture changed); the display catches up
  // at its next refresh.
  virtual void scene_changed() = 0;
  virtual bool is_headless() const = 0;
  // The screen's clipboard, shared with other programs; a display without one answers false and
  // nothing, and the window system keeps a clipboard of its own. Text is UTF-8.
  virtual bool set_clipboard_text(const std::string& /*text*/) { return false; }
  virtual std::optional<std::string> clipboard_text() { return std::nullopt; }
};

// A real screen when one is there (DISPLAY or WAYLAND_DISPLAY set, SDL able to open it, and
// KANVO_DISPLAY not "headless"); the headless screen otherwise.
std::unique_ptr<Display> open_display(Scene& scene);

}  // namespace kanvo::display
