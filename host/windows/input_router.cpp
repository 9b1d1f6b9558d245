// Turns the display's input events into window messages on the owners' queues: the pointer's
// window by hit test (caption drag, caption buttons, the child under the pointer, double clicks
// by time and distance) or the window holding the capture, keys to the focus window.
#include <cstdlib>

#include "host/windows/frame.h"
#include "host/windows/window_manager.h"

namespace kanvo::win::detail {
namespace {

// A second press counts as a double click within this distance of the first, in each direction.
constexpr std::int32_t kDoubleClickSlop = 2;

std::uint32_t button_bit(display::MouseButton button) {
  switch (button) {
    case display::MouseButton::left:
      return mouse_keys::kLeftButton;
    case display::MouseButton::middle:
      return mouse_keys::kMiddleButton;
    case display::MouseButton::right:
      return mouse_keys::kRightButton;
    case display::MouseButton::none:
      break;
  }
  return 0;
}

// Message numbers of the button: down, up, double click.
struct ButtonMessages {
  std::uint32_t down = 0;
  std::uint32_t up = 0;
  std::uint32_t double_click = 0;
};

ButtonMessages button_messages(display::MouseButton button) {
  switch (button) {
    case display::MouseButton::left:
      return {msg::kLeftButtonDown, msg::kLeftButtonUp, msg::kLeftButtonDoubleClick};
    case display::MouseButton::middle:
      return {msg::kMiddleButtonDown, msg::kMiddleButtonUp, msg::kMiddleButtonDoubleClick};
    case display::MouseButton::right:
      return {msg::kRightButtonDown, msg::kRightButtonUp, msg::kRightButtonDoubleClick};
    case display::MouseButton::none:
      break;
  }
  return {};
}

FrameLook look_of(const Window& window) {
  return {{},
          window.style,
          window.ex_style,
          window.window_class->info.style,
          false,
          window.outer.right - window.outer.left,
          window.outer.bottom - window.outer.top};
}

WParam key_bits(std::uint32_t buttons, std::uint32_t modifiers) {
  WParam keys = buttons;
  if ((modifiers & display::modifier::kShift) != 0) keys |= mouse_keys::kShift;
  if ((modifiers & display::modifier::kControl) != 0) keys |= mouse_keys::kControl;
  return keys;
}

FramePart part_at(const Window& window, Point screen_point) {
  return hit_test(look_of(window),
                  {screen_point.x - window.outer.left, screen_point.y - window.outer.top});
}

}  // namespace

void WindowManager::deliver(const display::InputEvent& event) {
  using Kind = display::InputEvent::Kind;
  std::lock_guard lock(mutex);
  switch (event.kind) {
    case Kind::mouse_move:
    case Kind::button_down:
    case Kind::button_up:
    case Kind::wheel:
      route_mouse(event);
      break;
    case Kind::key_down:
    case Kind::key_up:
    case Kind::text:
      route_key(event);
      break;
    default:
      route_window_event(event);
      break;
  }
}

bool WindowManager::drags(std::uint32_t id, Point point) {
  std::lock_guard lock(mutex);
  const Window* window = find(static_cast<WindowHandle>(id));
  return window != nullptr && window->enabled &&
         hit_test(look_of(*window), point) == FramePart::caption;
}

void WindowManager::post_client_mouse(Window& window, std::uint32_t message, Point screen_point,
                                      std::uint32_t modifiers) {
  const Rect client = client_on_screen(window);
  post_to_owner(window, message, key_bits(pointer.buttons, modifiers),
                make_lparam(screen_point.x - client.left, screen_point.y - client.top));
}

void WindowManager::route_captured_mouse(Window& window, const display::InputEvent& event) {
  using Kind = display::InputEvent::Kind;
  if (event.kind == Kind::wheel) return;
  if (event.kind == Kind::mouse_move) {
    post_client_mouse(window, msg::kMouseMove, event.position, event.modifiers);
    return;
  }
  route_client_button(window, event);
}

void WindowManager::route_client_button(Window& window, const display::InputEvent& event) {
  using Kind = display::InputEvent::Kind;
  const Point at = event.position;
  const ButtonMessages messages = button_messages(event.button);
  if (messages.down == 0) return;
  if (event.kind == Kind::button_up) {
    post_client_mouse(window, messages.up, at, event.modifiers);
    return;
  }
  const bool double_click = (window.window_class->info.style & class_style::kDoubleClicks) != 0 &&
                            pointer.last_click_window == window.handle &&
                            pointer.last_click_message == messages.down &&
                            event.time_ms - pointer.last_click_time <= screen().double_click_ms() &&
                            std::abs(at.x - pointer.last_click_position.x) <= kDoubleClickSlop &&
                            std::abs(at.y - pointer.last_click_position.y) <= kDoubleClickSlop;
  if (double_click) {
    // A third press starts a new pair.
    pointer.last_click_window = kNoWindow;
    post_client_mouse(window, messages.double_click, at, event.modifiers);
    return;
  }
  pointer.last_click_window = window.handle;
  pointer.last_click_message = messages.down;
  pointer.last_click_time = event.time_ms;
  pointer.last_click_position = at;
  post_client_mouse(window, messages.down, at, event.modifiers);
}

void WindowManager::route_mouse(const display::InputEvent& event) {
  using Kind = display::InputEvent::Kind;
  const Point at = event.position;
  if (event.kind == Kind::button_down) pointer.buttons |= button_bit(event.button);
  if (event.kind == Kind::button_up) pointer.buttons &= ~button_bit(event.button);

  if (Window* dragged = find(pointer.dragging)) {
    if (event.kind == Kind::mouse_move) {
      place(*dragged, {at.x - pointer.drag_offset.x, at.y - pointer.drag_offset.y}, {}, true,
            false);
      changed();
    } else if (event.kind == Kind::button_up && event.button == display::MouseButton::left) {
      pointer.dragging = kNoWindow;
    }
    return;
  }

  if (Window* captured = find(pointer.capture)) {
    route_captured_mouse(*captured, event);
    return;
  }

  Window* window = window_at(at);
  if (event.kind == Kind::button_up && pointer.pressed_window != kNoWindow) {
    Window* pressed = find(pointer.pressed_window);
    const int part = pointer.pressed_part;
    pointer.pressed_window = kNoWindow;
    if (pressed != nullptr && pressed == window && static_cast<int>(part_at(*window, at)) == part) {
      const WParam command = part == static_cast<int>(FramePart::close_box)
                                 ? system_command::kClose
                                 : system_command::kMinimize;
      post_to_owner(*window, msg::kSysCommand, command, make_lparam(at.x, at.y));
    }
    return;
  }
  if (window == nullptr || !window->enabled) return;

  const FramePart part = part_at(*window, at);
  if (event.kind == Kind::button_down && window->handle != active) {
    raise(*window, kInsertTop);
    activate(window);
    changed();
  }
  Window* target = part == FramePart::client ? child_at(*window, at) : window;
  if (!takes_input(*target)) return;
  if (event.kind == Kind::wheel) {
    WParam keys = key_bits(pointer.buttons, event.modifiers);
    keys |= static_cast<WParam>(static_cast<std::uint16_t>(event.wheel)) << 16;
    post_to_owner(*target, msg::kMouseWheel, keys, make_lparam(at.x, at.y));
    return;
  }
  if (part != FramePart::client) {
    if (event.kind != Kind::button_down || event.button != display::MouseButton::left) return;
    if (part == FramePart::caption) {
      pointer.dragging = window->handle;
      pointer.drag_offset = {at.x - window->outer.left, at.y - window->outer.top};
    } else if (part == FramePart::close_box || part == FramePart::minimize_box) {
      const bool close_allowed = (window->window_class->info.style & class_style::kNoClose) == 0;
      if (part == FramePart::minimize_box || close_allowed) {
        pointer.pressed_window = window->handle;
        pointer.pressed_part = static_cast<int>(part);
      }
    }
    return;
  }

  if (event.kind == Kind::mouse_move) {
    post_client_mouse(*target, msg::kMouseMove, at, event.modifiers);
    return;
  }
  route_client_button(*target, event);
}

void WindowManager::route_key(const display::InputEvent& event) {
  using Kind = display::InputEvent::Kind;
  Window* window = find(focus);
  if (window == nullptr) window = find(active);
  if (window == nullptr || !takes_input(*window)) return;
  if (event.kind == Kind::text) {
    post_to_owner(*window, msg::kChar, event.character, 1);
    return;
  }
  // Repeat count 1; bit 30: the key was down before; bit 31: it is being released.
  LParam lparam = 1;
  if (event.kind == Kind::key_up) {
    lparam |= LParam{3} << 30;
  } else if (event.repeat) {
    lparam |= LParam{1} << 30;
  }
  post_to_owner(*window, event.kind == Kind::key_up ? msg::kKeyUp : msg::kKeyDown, event.key,
                lparam);
}

void WindowManager::route_window_event(const display::InputEvent& event) {
  using Kind = display::InputEvent::Kind;
  Window* window = find(static_cast<WindowHandle>(event.window));
  if (window == nullptr) return;
  switch (event.kind) {
    case Kind::close:
      if ((window->window_class->info.style & class_style::kNoClose) == 0) {
        post_to_owner(*window, msg::kSysCommand, system_command::kClose, 0);
      }
      break;
    case Kind::minimized:
      set_minimized(*window, true);
      break;
    case Kind::moved:
      place(*window, event.position, {}, true, false);
      break;
    case Kind::restored:
      // A window the user brings back comes back on top and active.
      set_minimized(*window, false);
      [[fallthrough]];
    case Kind::focused:
      if (window->enabled) {
        raise(*window, kInsertTop);
        activate(window);
      }
      break;
    default:
      return;
  }
  changed();
}

}  // namespace kanvo::win::detail
