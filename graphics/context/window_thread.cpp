#include "graphics/context/window_thread.h"

#include <atomic>
#include <cstdlib>
#include <string>

#include "graphics/context/graphics_context.h"
#include "graphics/input/key_input.h"
#include "graphics/input/message_wait.h"
#include "graphics/input/mouse_input.h"
#include "graphics/platform/process_end.h"
#include "graphics/platform/program.h"

namespace kanvo {

const char* const kWindowClassName = "KanvoWnd";

namespace {

constexpr std::uint32_t kVirtualKeyCancel = 3;  // Ctrl+Break: never forwarded

// The window procedure reaches the canvas and the key target through these.
std::atomic<WindowCanvas*> active_canvas{nullptr};
std::atomic<WindowHandle> key_target{ui::kNoWindow};

thread_local bool t_window_thread = false;
// The user closed this thread's window: its destruction ends the process.
thread_local bool t_closed_by_user = false;

void repaint_from_canvas(WindowHandle window, WindowCanvas& canvas) {
  GraphicsContext& context = graphics_context();
  std::lock_guard guard(context.lock);
  ui::PaintInfo paint;
  const SurfaceHandle dc = ui::begin_paint(window, &paint);
  gdi::set_world_transform(dc, context.identity_transform);
  gdi::set_world_transform(canvas.surface(), context.identity_transform);
  gdi::bit_blt(dc, 0, 0, canvas.width(), canvas.height(), canvas.surface(), 0, 0,
               gdi::rop3::kSrcCopy);
  gdi::set_world_transform(dc, canvas.state().transform);
  gdi::set_world_transform(canvas.surface(), canvas.state().transform);
  ui::end_paint(window, paint);
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

  ui::WindowClass window_class;
  window_class.name = kWindowClassName;
  window_class.style =
      ui::class_style::kDoubleClicks | (params.no_close ? ui::class_style::kNoClose : 0);
  window_class.procedure = &WindowThread::procedure;
  window_class.background = gdi::get_stock_object(gdi::StockObject::black_brush);
  // An earlier window thread's registration serves as well.
  ui::register_class(window_class);

  const std::uint32_t style = window_style(params.no_minimize ? NO_MINIMIZE : 0);
  Rect outer{0, 0, params.client_width, params.client_height};
  ui::adjust_window_rect(&outer, style, false, 0);
  const std::string title = platform::program_name();
  ui::CreateParams create;
  create.class_name = kWindowClassName;
  create.title = title;
  create.style = style;
  create.x = params.x;
  create.y = params.y;
  create.width = outer.right - outer.left;
  create.height = outer.bottom - outer.top;
  const WindowHandle window = ui::create_window(create);
  canvas->window_.store(window, std::memory_order_release);
  if (params.console != ui::kNoWindow) ui::show_window(params.console, ui::show::kHide);
  ui::show_window(window, ui::show::kShow);
  canvas->ready_event_.signal();
  if (window == ui::kNoWindow) return;

  ui::Message message;
  while (ui::get_message(&message)) {
    ui::translate_message(message);
    ui::dispatch_message(message);
  }
  ui::unregister_class(kWindowClassName);
}

ui::LResult WindowThread::procedure(WindowHandle window, std::uint32_t message, ui::WParam wparam,
                                    ui::LParam lparam) {
  WindowCanvas* canvas = active_canvas.load(std::memory_order_acquire);
  if (canvas == nullptr) return ui::default_window_procedure(window, message, wparam, lparam);
  switch (message) {
    case ui::msg::kKeyDown:
    case ui::msg::kKeyUp: {
      queue_key_message(*canvas, message, wparam, lparam);
      const WindowHandle console = key_target.load(std::memory_order_acquire);
      if (console != ui::kNoWindow && wparam != kVirtualKeyCancel) {
        ui::post_message(console, message, wparam, lparam);
      }
      return 0;
    }
    case ui::msg::kChar: {
      // Characters typed without a key of their own (an input method, a dead key); those of
      // key presses came with the press.
      if (wparam < 0x80) return 0;
      queue_key_message(*canvas, message, wparam, lparam);
      const WindowHandle console = key_target.load(std::memory_order_acquire);
      if (console != ui::kNoWindow) ui::post_message(console, message, wparam, lparam);
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
    case ui::msg::kPaint:
      repaint_from_canvas(window, *canvas);
      return 0;
    case ui::msg::kClose:
      canvas->close();
      return 0;
    case ui::msg::kDestroy: {
      ui::post_quit_message(0);
      if (!t_closed_by_user || process_end::ending()) return 0;
      // Closed by the user: the process ends, as closing the console would end it. The console's
      // thread is told by a posted message: it ends the process, and joins this thread on the way.
      const WindowHandle console = key_target.load(std::memory_order_acquire);
      if (console == ui::kNoWindow) std::exit(0);
      ui::post_message(console, ui::msg::kClose, 0, 0);
      return 0;
    }
    default:
      break;
  }
  if (message >= ui::msg::kMouseFirst && message <= ui::msg::kMouseLast) {
    queue_mouse_message(window, *canvas, message, wparam, lparam);
    return 0;
  }
  return ui::default_window_procedure(window, message, wparam, lparam);
}

}  // namespace kanvo
