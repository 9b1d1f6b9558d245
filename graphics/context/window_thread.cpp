#include "graphics/context/window_thread.h"

#include <atomic>
#include <cstdlib>
#include <string>

#include "graphics/context/graphics_context.h"
#include "graphics/input/message_wait.h"
#include "graphics/input/window_input.h"
#include "graphics/platform/drawing_surface.h"
#include "graphics/platform/process_end.h"
#include "graphics/platform/program.h"

namespace kanvo {
namespace {

thread_local bool t_window_thread = false;
// The user closed this thread's window: its destruction ends the process.
thread_local bool t_closed_by_user = false;

}  // namespace

class CanvasWindowEvents final : public platform::WindowEvents {
 public:
  CanvasWindowEvents(WindowCanvas& canvas, WindowHandle console)
      : canvas_(canvas), console_(console) {}

  void opened(WindowHandle window) override {
    canvas_.window_.store(window, std::memory_order_release);
    canvas_.ready_event_.signal();
  }

  // Under the context's lock, which the window holds around its painting.
  void paint(SurfaceHandle surface) override {
    const GraphicsContext& context = graphics_context();
    platform::set_world_transform(surface, context.identity_transform);
    platform::set_world_transform(canvas_.surface(), context.identity_transform);
    platform::bit_blt(surface, 0, 0, canvas_.width(), canvas_.height(), canvas_.surface(), 0, 0,
                      platform::rop3::kSrcCopy);
    platform::set_world_transform(surface, canvas_.state().transform);
    platform::set_world_transform(canvas_.surface(), canvas_.state().transform);
  }

  void mouse(const platform::MouseEvent& event) override { queue_mouse_message(canvas_, event); }
  void key(const platform::KeyEvent& event) override { queue_key_message(canvas_, event); }
  void close_asked() override { canvas_.close(); }

  void destroyed() override {
    if (!t_closed_by_user || platform::process_ending()) return;
    // Closed by the user: the process ends, as closing the console would end it. The console's
    // thread is told by a close request: it ends the process, and joins this thread on the way.
    if (console_ == platform::kNoWindow) std::exit(0);
    platform::ask_to_close(console_);
  }

  void notified(std::uintptr_t which) override {
    const bool keys = which == WAKE_FOR_KEYS;
    std::atomic<bool>& requested = keys ? canvas_.key_wake_requested_ : canvas_.wake_requested_;
    requested.store(true, std::memory_order_release);
    // A message queued before the reader asked would signal nobody: answer at once.
    const bool held = keys ? !canvas_.key_messages_.is_empty() : !canvas_.messages_.is_empty();
    if (held) wake_reader(requested, keys ? canvas_.key_event_ : canvas_.ready_event_);
  }

 private:
  WindowCanvas& canvas_;
  WindowHandle console_;
};

bool on_window_thread() {
  return t_window_thread;
}

void WindowThread::closed_by_user() {
  t_closed_by_user = true;
}

void WindowThread::run(WindowCanvas* canvas, platform::WindowOptions options) {
  t_window_thread = true;
  const std::string title = platform::program_name();
  options.title = title;
  options.paint_lock = &graphics_context().lock;
  CanvasWindowEvents events(*canvas, options.keys_also_to);
  platform::run_window(options, events);
}

}  // namespace kanvo
