#include "graphics/context/window_thread.h"

#include <atomic>
#include <cstdlib>
#include <string>

#include "graphics/context/graphics_context.h"
#include "graphics/input/key_input.h"
#include "graphics/input/message_wait.h"
#include "graphics/input/mouse_input.h"
#include "graphics/input/window_input.h"
#include "graphics/platform/drawing_surface.h"
#include "graphics/platform/process_end.h"
#include "graphics/platform/program.h"
#include "graphics/platform/window_system.h"

namespace kanvo {

const char* const kWindowClassName = "KanvoWnd";

namespace {

constexpr std::uint32_t kVirtualKeyCancel = 3;  // Ctrl+Break: never forwarded

// The window procedure reaches the canvas and the key target through these.
std::atomic<WindowCanvas*> active_canvas{nullptr};
std::atomic<WindowHandle> key_target{platform::kNoWindow};

thread_local bool t_window_thread = false;
// The user closed this thread's window: its destruction ends the process.
thread_local bool t_closed_by_user = false;

void repaint_from_canvas(WindowHandle window, WindowCanvas& canvas) {
  GraphicsContext& context = graphics_context();
  std::lock_guard guard(context.lock);
  platform::PaintInfo paint;
  const SurfaceHandle dc = platform::begin_paint(window, &paint);
  platform::set_world_transform(dc, context.identity_transform);
  platform::set_world_transform(canvas.surface(), context.identity_transform);
  platform::bit_blt(dc, 0, 0, canvas.width(), canvas.height(), canvas.surface(), 0, 0,
                    platform::rop3::kSrcCopy);
  platform::set_world_transform(dc, canvas.state().transform);
  platform::set_world_transform(canvas.surface(), canvas.state().transform);
  platform::end_paint(window, paint);
}

}  // namespace

bool on_window_thread() {
  return t_window_thread;
}

void WindowThread::closed_by_user() {
  t_closed_by_user = true;
}

void WindowThread::run(WindowCanvas* canvas, WindowThreadParams params) {
  t_window_thread = true;
  active_canvas.store(canvas, std::memory_order_release);
  key_target.store(params.console_window, std::memory_order_release);

  platform::WindowClass window_class;
  window_class.name = kWindowClassName;
  window_class.style = platform::class_style::kDoubleClicks |
                       (params.no_close ? platform::class_style::kNoClose : 0);
  window_class.procedure = &WindowThread::procedure;
  window_class.background = platform::get_stock_object(platform::StockObject::black_brush);
  // An earlier window thread's registration serves as well.
  platform::register_class(window_class);

  const std::uint32_t style = window_style(params.no_minimize ? NO_MINIMIZE : 0);
  Rect outer{0, 0, params.client_width, params.client_height};
  platform::adjust_window_rect(&outer, style, false, 0);
  const std::string title = platform::program_name();
  platform::CreateParams create;
  create.class_name = kWindowClassName;
  create.title = title;
  create.style = style;
  create.x = params.x;
  create.y = params.y;
  create.width = outer.right - outer.left;
  create.height = outer.bottom - outer.top;
  const WindowHandle window = platform::create_window(create);
  canvas->window_.store(window, std::memory_order_release);
  if (params.console != platform::kNoWindow)
    platform::show_window(params.console, platform::show::kHide);
  platform::show_window(window, platform::show::kShow);
  canvas->ready_event_.signal();
  if (window == platform::kNoWindow) return;

  platform::Message message;
  while (platform::get_message(&message)) {
    platform::translate_message(message);
    platform::dispatch_message(message);
  }
  platform::unregister_class(kWindowClassName);
}

platform::LResult WindowThread::procedure(WindowHandle window, std::uint32_t message,
                                          platform::WParam wparam, platform::LParam lparam) {
  WindowCanvas* canvas = active_canvas.load(std::memory_order_acquire);
  if (canvas == nullptr) return platform::default_window_procedure(window, message, wparam, lparam);
  switch (message) {
    case platform::msg::kKeyDown:
    case platform::msg::kKeyUp: {
      queue_key_message(*canvas, message, wparam, lparam);
      const WindowHandle console = key_target.load(std::memory_order_acquire);
      if (console != platform::kNoWindow && wparam != kVirtualKeyCancel) {
        platform::post_message(console, message, wparam, lparam);
      }
      return 0;
    }
    case platform::msg::kChar: {
      // Characters typed without a key of their own (an input method, a dead key); those of
      // key presses came with the press.
      if (wparam < 0x80) return 0;
      queue_key_message(*canvas, message, wparam, lparam);
      const WindowHandle console = key_target.load(std::memory_order_acquire);
      if (console != platform::kNoWindow) platform::post_message(console, message, wparam, lparam);
      return 0;
    }
    case WAKE_MESSAGE: {
      const bool keys = wparam == WAKE_FOR_KEYS;
      std::atomic<bool>& requested = keys ? canvas->key_wake_requested_ : canvas->wake_requested_;
      requested.store(true, std::memory_order_release);
      // A message queued before the reader asked would signal nobody: answer at once.
      const bool held = keys ? !canvas->key_messages_.is_empty() : !canvas->messages_.is_empty();
      if (held) wake_reader(requested, keys ? canvas->key_event_ : canvas->ready_event_);
      return 0;
    }
    case platform::msg::kPaint:
      repaint_from_canvas(window, *canvas);
      return 0;
    case platform::msg::kClose:
      canvas->close();
      return 0;
    case platform::msg::kDestroy: {
      platform::post_quit_message(0);
      if (!t_closed_by_user || platform::process_ending()) return 0;
      // Closed by the user: the process ends, as closing the console would end it. The console's
      // thread is told by a posted message: it ends the process, and joins this thread on the way.
      const WindowHandle console = key_target.load(std::memory_order_acquire);
      if (console == platform::kNoWindow) std::exit(0);
      platform::post_message(console, platform::msg::kClose, 0, 0);
      return 0;
    }
    default:
      break;
  }
  if (message >= platform::msg::kMouseFirst && message <= platform::msg::kMouseLast) {
    queue_mouse_message(window, *canvas, message, wparam, lparam);
    return 0;
  }
  return platform::default_window_procedure(window, message, wparam, lparam);
}

}  // namespace kanvo
