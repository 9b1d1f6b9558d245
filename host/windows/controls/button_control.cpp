// "Button": a push button, pressed by a click (press and release over it) or by Space while it
// has the focus; it then sends msg::kCommand with notification::kButtonClicked to its parent.
// The default push button wears a dark frame.
#include "host/display/keys.h"
#include "host/surface/surface.h"
#include "host/windows/controls.h"
#include "host/windows/controls/control_support.h"
#include "host/windows/controls/system_classes.h"
#include "host/windows/edges.h"
#include "host/windows/messages.h"
#include "host/windows/system_colors.h"

namespace kanvo::win::controls {
namespace {

// The focus rectangle sits this far inside the button's edge.
constexpr std::int32_t kFocusInset = 3;

struct ButtonState {
  surface::ObjectHandle font = surface::kNoObject;
  bool focused = false;
  bool pushed = false;          // looks pressed
  bool tracking_mouse = false;  // the left button went down on it and is still down
  bool space_down = false;
};

bool is_default(WindowHandle window) {
  return (get_window_style(window) & 0xF) == button_style::kDefaultPushButton;
}

// A dotted ring, every other pixel, as keyboard focus is shown.
void paint_focus(surface::DcHandle dc, const Rect& ring) {
  const surface::Color ink = get_system_color(system_color::kButtonText);
  for (std::int32_t x = ring.left; x < ring.right; x += 2) {
    surface::set_pixel(dc, x, ring.top, ink);
    surface::set_pixel(dc, x, ring.bottom - 1, ink);
  }
  for (std::int32_t y = ring.top; y < ring.bottom; y += 2) {
    surface::set_pixel(dc, ring.left, y, ink);
    surface::set_pixel(dc, ring.right - 1, y, ink);
  }
}

void paint(WindowHandle window, const ButtonState& state) {
  const PaintScope scope(window);
  const surface::DcHandle dc = scope.dc();
  Rect box = scope.client();
  if (is_default(window)) {
    const surface::ObjectHandle frame = get_system_color_brush(system_color::kWindowText);
    draw_ring(dc, box, frame, frame);
    box = {box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};
  }
  const Rect inside = draw_edge(dc, box, state.pushed ? Edge::pushed : Edge::raised);
  surface::fill_rect(dc, inside, get_system_color_brush(system_color::kButtonFace));

  surface::select_object(dc, font_or_system(state.font));
  surface::set_bk_mode(dc, static_cast<int>(surface::BackgroundMode::transparent));
  surface::set_text_color(dc,
                          get_system_color(is_window_enabled(window) ? system_color::kButtonText
                                                                     : system_color::kGrayText));
  Rect text_box = box;
  if (state.pushed) {
    ++text_box.left;
    ++text_box.top;
    ++text_box.right;
    ++text_box.bottom;
  }
  surface::draw_text(dc, title_of(window), &text_box,
                     surface::text_format::kCenter | surface::text_format::kVCenter |
                         surface::text_format::kSingleLine,
                     text::TextEncoding::gbk);
  if (state.focused) {
    paint_focus(dc, {box.left + kFocusInset, box.top + kFocusInset, box.right - kFocusInset,
                     box.bottom - kFocusInset});
  }
}

void set_pushed(WindowHandle window, ButtonState& state, bool pushed) {
  if (state.pushed == pushed) return;
  state.pushed = pushed;
  invalidate_rect(window, nullptr, false);
}

bool inside_client(WindowHandle window, LParam lparam) {
  Rect client;
  get_client_rect(window, &client);
  const std::int32_t x = low_word(static_cast<std::uintptr_t>(lparam));
  const std::int32_t y = high_word(static_cast<std::uintptr_t>(lparam));
  return x >= client.left && x < client.right && y >= client.top && y < client.bottom;
}

// Forgets a press that can no longer end in a click.
void cancel_press(WindowHandle window, ButtonState& state) {
  const bool releasing = state.tracking_mouse;
  state.tracking_mouse = false;
  state.space_down = false;
  set_pushed(window, state, false);
  if (releasing && get_capture() == window) release_capture();
}

LResult handle(WindowHandle window, ButtonState& state, std::uint32_t message, WParam wparam,
               LParam lparam) {
  switch (message) {
    case msg::kPaint:
      paint(window, state);
      return 0;
    case msg::kLeftButtonDown:
    case msg::kLeftButtonDoubleClick:
      set_focus(window);
      set_capture(window);
      state.tracking_mouse = true;
      set_pushed(window, state, true);
      return 0;
    case msg::kMouseMove:
      if (state.tracking_mouse) set_pushed(window, state, inside_client(window, lparam));
      return 0;
    case msg::kLeftButtonUp: {
      if (!state.tracking_mouse) return 0;
      const bool clicked = state.pushed;
      state.tracking_mouse = false;
      set_pushed(window, state, false);
      release_capture();
      if (clicked) notify_parent(window, notification::kButtonClicked);
      return 0;
    }
    case msg::kCaptureChanged:
      if (state.tracking_mouse && static_cast<WindowHandle>(lparam) != window) {
        state.tracking_mouse = false;
        set_pushed(window, state, false);
      }
      return 0;
    case msg::kKeyDown:
      if (wparam == keys::kSpace && !state.tracking_mouse) {
        state.space_down = true;
        set_pushed(window, state, true);
      }
      return 0;
    case msg::kKeyUp:
      if (wparam == keys::kSpace && state.space_down) {
        state.space_down = false;
        set_pushed(window, state, false);
        notify_parent(window, notification::kButtonClicked);
      }
      return 0;
    case msg::kSetFocus:
      state.focused = true;
      invalidate_rect(window, nullptr, false);
      return 0;
    case msg::kKillFocus:
      state.focused = false;
      cancel_press(window, state);
      invalidate_rect(window, nullptr, false);
      return 0;
    case msg::kEnable:
      if (wparam == 0) cancel_press(window, state);
      invalidate_rect(window, nullptr, false);
      return 0;
    case msg::kSetFont:
      state.font = static_cast<surface::ObjectHandle>(wparam);
      if (lparam != 0) invalidate_rect(window, nullptr, false);
      return 0;
    case msg::kGetFont:
      return static_cast<LResult>(state.font);
    case button_message::kGetState:
      return (state.pushed ? button_state::kPushed : 0) |
             (state.focused ? button_state::kFocus : 0);
    case msg::kSetText:
      invalidate_rect(window, nullptr, false);
      break;
    default:
      break;
  }
  return default_window_procedure(window, message, wparam, lparam);
}

}  // namespace

LResult button_procedure(WindowHandle window, std::uint32_t message, WParam wparam, LParam lparam) {
  return with_state<ButtonState>(
      window, message, wparam, lparam, [] { return std::make_shared<ButtonState>(); }, handle);
}

}  // namespace kanvo::win::controls
