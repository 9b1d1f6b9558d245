// What the standard controls share: their state kept with the window, the font they were
// given, painting, and reporting to the parent.
#pragma once

#include <memory>
#include <string>

#include "host/surface/surface.h"
#include "host/windows/messages.h"
#include "host/windows/painting.h"
#include "host/windows/types.h"
#include "host/windows/windows.h"

namespace kanvo::win::controls {

// The state a control's procedure keeps with its window (made at msg::kCreate). Null before.
template <typename State>
std::shared_ptr<State> state_of(WindowHandle window) {
  return std::static_pointer_cast<State>(window_data(window));
}

// The procedure of a control with state: the state is made by `make` at msg::kCreate and handed
// to `handle` with every later message (messages before go to the default procedure). It is held
// for the whole call, since a control may go while it handles a message (a click that closes its
// dialog).
template <typename State, typename Make, typename Handle>
LResult with_state(WindowHandle window, std::uint32_t message, WParam wparam, LParam lparam,
                   Make make, Handle handle) {
  if (message == msg::kCreate) {
    set_window_data(window, make());
    return 0;
  }
  const std::shared_ptr<State> state = state_of<State>(window);
  if (!state) return default_window_procedure(window, message, wparam, lparam);
  return handle(window, *state, message, wparam, lparam);
}

// The font given by msg::kSetFont, or the system font.
surface::ObjectHandle font_or_system(surface::ObjectHandle font);

// The text that the window system keeps as the window's title.
std::string title_of(WindowHandle window);

// begin_paint to end_paint, with the client rectangle.
class PaintScope {
 public:
  explicit PaintScope(WindowHandle window);
  ~PaintScope();
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;

  surface::DcHandle dc() const { return paint_.dc; }
  const Rect& client() const { return client_; }

 private:
  WindowHandle window_;
  PaintInfo paint_;
  Rect client_;
};

// Sends msg::kCommand with the control's id and the code to its parent.
void notify_parent(WindowHandle control, std::uint16_t code);

}  // namespace kanvo::win::controls
