// The library's window over the host's: a class of its own whose procedure turns the host's
// messages into the owner's callbacks, and the loop of the thread that opened it.
#include <string>

#include "graphics/platform/window.h"
#include "host/display/keys.h"
#include "host/surface/surface.h"
#include "host/windows/classes.h"
#include "host/windows/console_window.h"
#include "host/windows/messages.h"
#include "host/windows/painting.h"
#include "host/windows/windows.h"
#include "port/host_values.h"
#include "port/window_class.h"

namespace kanvo::platform {
namespace {

// notify_window's message: wparam carries what.
constexpr std::uint32_t kNotifyMessage = win::msg::kUser + 1;

// Each window lives on the thread that runs its loop, and its procedure runs there.
struct Running {
  WindowEvents* events = nullptr;
  WindowHandle keys_also_to = kNoWindow;
  std::recursive_mutex* paint_lock = nullptr;
};
thread_local Running t_running;

bool held(std::uint32_t key) {
  return win::get_key_state(key) < 0;
}

KeyEvent key_event(std::uint32_t message, win::WParam wparam, win::LParam lparam) {
  KeyEvent event;
  event.ctrl = held(kanvo::keys::kControl);
  event.shift = held(kanvo::keys::kShift);
  event.alt = held(kanvo::keys::kAlt);
  event.pressed = message != win::msg::kKeyUp;
  if (message == win::msg::kChar) {
    event.character = static_cast<char32_t>(wparam);
    return event;
  }
  event.key = static_cast<std::uint32_t>(wparam);
  // Bit 30: the key was already down.
  event.repeat = event.pressed && ((lparam >> 30) & 1) != 0;
  if (event.pressed) {
    const bool caps_lock = (win::get_key_state(kanvo::keys::kCapsLock) & 1) != 0;
    event.character = win::typed_character(event.key, event.shift, caps_lock, event.ctrl);
  }
  return event;
}

struct MouseKind {
  std::uint32_t message;
  MouseAction action;
  MouseButton button;
};

// The host's button and wheel messages; any other in the mouse range is a move.
constexpr MouseKind kMouseKinds[] = {
    {win::msg::kLeftButtonDown, MouseAction::press, MouseButton::left},
    {win::msg::kLeftButtonUp, MouseAction::release, MouseButton::left},
    {win::msg::kLeftButtonDoubleClick, MouseAction::double_click, MouseButton::left},
    {win::msg::kRightButtonDown, MouseAction::press, MouseButton::right},
    {win::msg::kRightButtonUp, MouseAction::release, MouseButton::right},
    {win::msg::kRightButtonDoubleClick, MouseAction::double_click, MouseButton::right},
    {win::msg::kMiddleButtonDown, MouseAction::press, MouseButton::middle},
    {win::msg::kMiddleButtonUp, MouseAction::release, MouseButton::middle},
    {win::msg::kMiddleButtonDoubleClick, MouseAction::double_click, MouseButton::middle},
    {win::msg::kMouseWheel, MouseAction::wheel, MouseButton::none},
};

MouseKind mouse_kind(std::uint32_t message) {
  for (const MouseKind& kind : kMouseKinds) {
    if (kind.message == message) return kind;
  }
  return {message, MouseAction::move, MouseButton::none};
}

MouseEvent mouse_event(win::WindowHandle window, std::uint32_t message, win::WParam wparam,
                       win::LParam lparam) {
  MouseEvent event;
  const MouseKind kind = mouse_kind(message);
  event.action = kind.action;
  event.button = kind.button;
  const auto held_keys = static_cast<std::uint32_t>(wparam & 0xFFFF);
  event.ctrl = (held_keys & win::mouse_keys::kControl) != 0;
  event.shift = (held_keys & win::mouse_keys::kShift) != 0;
  event.left_held = (held_keys & win::mouse_keys::kLeftButton) != 0;
  event.middle_held = (held_keys & win::mouse_keys::kMiddleButton) != 0;
  event.right_held = (held_keys & win::mouse_keys::kRightButton) != 0;
  event.wheel = win::high_word(wparam);
  if (message == win::msg::kMouseWheel) {
    // The wheel's position comes in screen pixels.
    surface::Point point{static_cast<std::uint16_t>(lparam & 0xFFFF),
                         static_cast<std::uint16_t>((lparam >> 16) & 0xFFFF)};
    win::screen_to_client(window, &point);
    event.x = static_cast<std::int16_t>(point.x & 0xFFFF);
    event.y = static_cast<std::int16_t>(point.y & 0xFFFF);
  } else {
    event.x = win::low_word(static_cast<std::uintptr_t>(lparam));
    event.y = win::high_word(static_cast<std::uintptr_t>(lparam));
  }
  return event;
}

void pass_key_on(std::uint32_t message, win::WParam wparam, win::LParam lparam) {
  if (t_running.keys_also_to == kNoWindow) return;
  win::post_message(to_host(t_running.keys_also_to), message, wparam, lparam);
}

win::LResult procedure(win::WindowHandle window, std::uint32_t message, win::WParam wparam,
                       win::LParam lparam) {
  WindowEvents* events = t_running.events;
  if (events == nullptr) return win::default_window_procedure(window, message, wparam, lparam);
  switch (message) {
    case win::msg::kKeyDown:
    case win::msg::kKeyUp:
      events->key(key_event(message, wparam, lparam));
      // Ctrl+Break is never passed on.
      if (wparam != kanvo::keys::kCancel) pass_key_on(message, wparam, lparam);
      return 0;
    case win::msg::kChar:
      // Characters typed without a key of their own (an input method, a dead key); those of
      // key presses came with the press.
      if (wparam < 0x80) return 0;
      events->key(key_event(message, wparam, lparam));
      pass_key_on(message, wparam, lparam);
      return 0;
    case kNotifyMessage:
      events->notified(wparam);
      return 0;
    case win::msg::kPaint: {
      std::unique_lock<std::recursive_mutex> guard;
      if (t_running.paint_lock != nullptr) guard = std::unique_lock(*t_running.paint_lock);
      win::PaintInfo paint;
      const surface::DcHandle dc = win::begin_paint(window, &paint);
      events->paint(from_host(dc));
      win::end_paint(window, paint);
      return 0;
    }
    case win::msg::kClose:
      events->close_asked();
      return 0;
    case win::msg::kDestroy:
      win::post_quit_message(0);
      events->destroyed();
      return 0;
    default:
      break;
  }
  if (message >= win::msg::kMouseFirst && message <= win::msg::kMouseLast) {
    events->mouse(mouse_event(window, message, wparam, lparam));
    return 0;
  }
  return win::default_window_procedure(window, message, wparam, lparam);
}

surface::Rect outer_rect(const WindowOptions& options) {
  surface::Rect outer{0, 0, options.client_width, options.client_height};
  win::adjust_window_rect(&outer, frame_style(options.no_minimize), false, 0);
  return outer;
}

}  // namespace

void run_window(const WindowOptions& options, WindowEvents& events) {
  t_running = {&events, options.keys_also_to, options.paint_lock};
  win::WindowClass window_class;
  window_class.name = kWindowClassName;
  window_class.style =
      win::class_style::kDoubleClicks | (options.no_close ? win::class_style::kNoClose : 0);
  window_class.procedure = &procedure;
  window_class.background = surface::get_stock_object(surface::StockObject::black_brush);
  // An earlier window thread's registration serves as well.
  win::register_class(window_class);

  const surface::Rect outer = outer_rect(options);
  win::CreateParams create;
  create.class_name = kWindowClassName;
  create.title = options.title;
  create.style = frame_style(options.no_minimize);
  create.x = options.x;
  create.y = options.y;
  create.width = outer.right - outer.left;
  create.height = outer.bottom - outer.top;
  const win::WindowHandle window = win::create_window(create);
  if (options.hide != kNoWindow) win::show_window(to_host(options.hide), win::show::kHide);
  win::show_window(window, win::show::kShow);
  events.opened(from_host(window));
  if (window != win::kNoWindow) {
    win::Message message;
    while (win::get_message(&message)) {
      win::translate_message(message);
      win::dispatch_message(message);
    }
    win::unregister_class(kWindowClassName);
  }
  t_running = {};
}

void notify_window(WindowHandle window, std::uintptr_t what) {
  win::send_message(to_host(window), kNotifyMessage, what, 0);
}

bool end_window(WindowHandle window) {
  if (t_running.events != nullptr) return win::destroy_window(to_host(window));
  return win::request_destroy(to_host(window));
}

bool ask_to_close(WindowHandle window) {
  return win::post_message(to_host(window), win::msg::kClose, 0, 0);
}

SurfaceHandle window_surface(WindowHandle window) {
  return from_host(win::get_dc(to_host(window)));
}
bool release_window_surface(WindowHandle window, SurfaceHandle surface) {
  return win::release_dc(to_host(window), to_host(surface));
}

Rect window_frame(WindowHandle window) {
  surface::Rect outer;
  if (!win::get_window_rect(to_host(window), &outer)) return {};
  return from_host(outer);
}
bool is_shown(WindowHandle window) {
  return win::is_window_visible(to_host(window));
}
bool set_shown(WindowHandle window, bool shown) {
  return win::show_window(to_host(window), shown ? win::show::kShow : win::show::kHide);
}
bool move_window(WindowHandle window, std::int32_t x, std::int32_t y) {
  return win::set_window_pos(to_host(window), win::kNoWindow, x, y, -1, -1,
                             win::placement::kNoSize | win::placement::kNoZOrder);
}
bool resize_window(WindowHandle window, std::int32_t width, std::int32_t height) {
  return win::set_window_pos(to_host(window), win::kNoWindow, 0, 0, width, height,
                             win::placement::kNoMove | win::placement::kNoZOrder);
}
bool place_on_top(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width,
                  std::int32_t height) {
  return win::set_window_pos(to_host(window), win::kInsertTop, x, y, width, height,
                             win::placement::kShowWindow);
}

Size outer_size(const WindowOptions& options) {
  const surface::Rect outer = outer_rect(options);
  return {outer.right - outer.left, outer.bottom - outer.top};
}

WindowHandle console_window() {
  return from_host(win::console_window());
}
void set_console_input(std::function<void(char32_t character)> sink) {
  win::set_console_input(std::move(sink));
}

}  // namespace kanvo::platform
