// What a display shows and what it reports back. The window system owns the scene: which windows
// stand where, in which order, and what they look like. A display only mirrors it on a screen and
// hands the user's input back as events in screen coordinates.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/surface/types.h"

namespace kanvo::display {

using surface::PixelWord;
using surface::Point;
using surface::Rect;

struct SceneWindow {
  std::uint32_t id = 0;
  Rect outer;                 // screen pixels, frame included
  bool shown = false;         // visible and not minimised
  bool minimized = false;     // visible but minimised
  std::uint64_t version = 0;  // changes whenever the window's picture may have changed
  std::string title;          // UTF-8
};

enum class MouseButton : std::uint8_t { none, left, middle, right };

// Modifier bits of an input event.
namespace modifier {
inline constexpr std::uint32_t kShift = 1;
inline constexpr std::uint32_t kControl = 2;
inline constexpr std::uint32_t kAlt = 4;
}  // namespace modifier

struct InputEvent {
  enum class Kind : std::uint8_t {
    mouse_move,
    button_down,
    button_up,
    wheel,     // `wheel` in multiples of 120, positive away from the user
    key_down,  // `key` is a virtual key code (host/display/keys.h)
    key_up,
    text,       // `character`, a Unicode code point typed with the keys
    close,      // the user asked the display to close `window`
    minimized,  // the display minimised `window` by itself
    restored,
    moved,    // the display moved `window` by itself; `position` is its new top-left corner
    focused,  // `window` received the keyboard focus from the display
  };
  Kind kind = Kind::mouse_move;
  std::uint32_t window = 0;  // for window events; mouse events are placed by `position`
  Point position;            // screen pixels
  MouseButton button = MouseButton::none;
  std::int32_t wheel = 0;
  std::uint32_t key = 0;
  bool repeat = false;  // a key held down
  char32_t character = 0;
  std::uint32_t modifiers = 0;  // modifier bits held
  std::uint32_t time_ms = 0;    // milliseconds on the display's clock
};

class Scene {
 public:
  // The windows to show, bottom to top.
  virtual std::vector<SceneWindow> windows() = 0;
  // Writes the window's whole picture, frame included, in rows of `width` pixel words. False when
  // the window is gone or no longer has this size.
  virtual bool render(std::uint32_t id, PixelWord* pixels, std::int32_t width,
                      std::int32_t height) = 0;
  virtual void deliver(const InputEvent& event) = 0;
  // Whether pressing the button at this point (relative to the outer top-left corner) starts
  // moving the window: a display whose system moves windows asks this.
  virtual bool drags(std::uint32_t id, Point point) = 0;

 protected:
  ~Scene() = default;
};

}  // namespace kanvo::display
