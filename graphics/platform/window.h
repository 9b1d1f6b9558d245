// Windows as the library uses them: a top-level window that lives on the thread that opens it and
// tells its owner through callbacks what happens to it (painting, mouse, keys, the close box, its
// end); the few things done to it from other threads; and the terminal's own window.
// A call with a handle that is not (or no longer) a window does nothing and fails.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <string_view>

#include "graphics/platform/types.h"

namespace kanvo::platform {

enum class MouseAction : std::uint8_t { move, press, release, double_click, wheel };
enum class MouseButton : std::uint8_t { none, left, right, middle };

struct MouseEvent {
  MouseAction action = MouseAction::move;
  MouseButton button = MouseButton::none;  // the button pressed, released or double-clicked
  bool left_held = false;
  bool right_held = false;
  bool middle_held = false;
  bool ctrl = false;
  bool shift = false;
  std::int16_t x = 0;  // client pixels, the wheel's position too
  std::int16_t y = 0;
  std::int16_t wheel = 0;  // multiples of 120, positive away from the user
};

struct KeyEvent {
  bool pressed = false;  // pressed (or repeating while held), else released
  bool repeat = false;   // a press while the key was already down
  // Virtual-key code (letters and digits are their upper-case ASCII codes); 0 for a character
  // typed without a key of its own.
  std::uint32_t key = 0;
  char32_t character = 0;  // what a press types given the keys held; 0 for none
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
};

// What the window's owner hears, always on the window's thread.
class WindowEvents {
 public:
  // The window exists (or could not be made: null) and shows; the loop starts after this.
  virtual void opened(WindowHandle window) = 0;
  // The window needs its client area drawn from `surface`; the painting ends when this returns.
  virtual void paint(SurfaceHandle surface) = 0;
  virtual void mouse(const MouseEvent& event) = 0;
  virtual void key(const KeyEvent& event) = 0;
  // The user asked to close the window (its close box).
  virtual void close_asked() = 0;
  // The window is being destroyed; the loop ends after this.
  virtual void destroyed() = 0;
  // What another thread passed to notify_window.
  virtual void notified(std::uintptr_t what) = 0;

 protected:
  ~WindowEvents() = default;
};

// Where a window goes when the system may choose.
inline constexpr std::int32_t kAnyPlace = static_cast<std::int32_t>(0x80000000u);

struct WindowOptions {
  std::string_view title;      // the caption, passed on as it is
  std::int32_t x = kAnyPlace;  // outer top-left, screen pixels
  std::int32_t y = kAnyPlace;
  std::int32_t client_width = 0;
  std::int32_t client_height = 0;
  bool no_close = false;     // no close box
  bool no_minimize = false;  // no minimize box
  // Hidden as the window shows: a console it stands in for. Nothing here shows it again.
  WindowHandle hide = kNoWindow;
  // Keys pressed in the window go on to this window too, after the callback (the console's).
  WindowHandle keys_also_to = kNoWindow;
  // Held around each painting, from before it begins: until the owner's picture can be read,
  // the window still counts as needing paint, and a thread that waits for its update waits.
  std::recursive_mutex* paint_lock = nullptr;
};

// Opens the window on the calling thread and runs its loop until it is destroyed; the callbacks
// come from inside this call. Returns at once, after opened(null), when it cannot be made.
void run_window(const WindowOptions& options, WindowEvents& events);
// Any thread: has the window's thread call notified(what), in turn with its input, and waits
// until that is done. Nothing when the window is gone.
void notify_window(WindowHandle window, std::uintptr_t what);
// Any thread: the window's loop destroys it and ends; on the window's own thread it is destroyed
// at once.
bool end_window(WindowHandle window);
// Any thread: the window hears a close request, as from its close box.
bool ask_to_close(WindowHandle window);

// The surface that draws straight onto the window's client area, for use from any thread until
// it is released.
SurfaceHandle window_surface(WindowHandle window);
bool release_window_surface(WindowHandle window, SurfaceHandle surface);

// The outer rectangle in screen pixels; empty when there is no such window.
Rect window_frame(WindowHandle window);
bool is_shown(WindowHandle window);
bool set_shown(WindowHandle window, bool shown);
bool move_window(WindowHandle window, std::int32_t x, std::int32_t y);             // outer top-left
bool resize_window(WindowHandle window, std::int32_t width, std::int32_t height);  // outer size
// Puts the window at (x, y) with an outer size of width x height, shown above all others.
bool place_on_top(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width,
                  std::int32_t height);  // The outer size, frame and caption included, of a window
                                         // opened with the options.
Size outer_size(const WindowOptions& options);

// The window of the terminal the process runs in.
WindowHandle console_window();
// Where the console's window puts the characters typed into it (on its own thread).
void set_console_input(std::function<void(char32_t character)> sink);

}  // namespace kanvo::platform
