#include "graphics/context/window_canvas.h"

#include "graphics/context/graphics_context.h"
#include "graphics/context/window_thread.h"
#include "graphics/device/drawing_api.h"
#include "graphics/input/standard_input_typing.h"
#include "graphics/platform/drawing_surface.h"
#include "graphics/platform/process_end.h"
#include "graphics/platform/program.h"
#include "graphics/platform/window.h"

namespace kanvo {

WindowHandle console_window_of_process() {
  if (!platform::has_terminal()) return platform::kNoWindow;
  type_window_keys_into_standard_input();
  return platform::console_window();
}

platform::WindowOptions window_options(std::int32_t width, std::int32_t height,
                                       std::int32_t flags) {
  platform::WindowOptions options;
  options.client_width = width;
  options.client_height = height;
  options.no_close = (flags & NO_CLOSE) != 0;
  options.no_minimize = (flags & NO_MINIMIZE) != 0;
  return options;
}

platform::Size window_outer_size(std::int32_t width, std::int32_t height, std::int32_t flags) {
  return platform::outer_size(window_options(width, height, flags));
}

WindowCanvas::WindowCanvas() = default;

WindowCanvas::~WindowCanvas() {
  close();
}

void WindowCanvas::reset() {
  // The window's thread repaints from the canvas's surface and transform.
  std::lock_guard guard(graphics_context().lock);
  CanvasImage::reset();
  if (window_dc_ == platform::kNoSurface) return;
  reset_surface(window_dc_);
  platform::set_bk_color(window_dc_, state().bk_color);
  platform::set_world_transform(window_dc_, state().transform);
}

void WindowCanvas::mirror_on_window() {
  GraphicsContext& context = graphics_context();
  if (context.batching || window_dc_ == platform::kNoSurface) return;
  // A copy cut by a clip region may leave the window's picture different outside it, and a
  // window's pixels smaller than the canvas's cannot take all of its drawing: the window then
  // takes calls of its own.
  const RegionHandle clip = platform::create_rect_region(0, 0, 0, 0);
  const bool clipped = platform::get_clip_region(window_dc_, clip) == 1;
  platform::delete_object(clip);
  if (clipped) {
    stop_mirroring();
    return;
  }
  context.mirrored = platform::mirror_drawing(surface(), window_dc_);
}

void WindowCanvas::stop_mirroring() {
  GraphicsContext& context = graphics_context();
  if (!context.mirrored) return;
  platform::mirror_drawing(surface(), platform::kNoSurface);
  context.mirrored = false;
}

void WindowCanvas::resize(std::int32_t width, std::int32_t height) {
  {
    // A repaint must not read the pixels while they are replaced.
    std::lock_guard guard(graphics_context().lock);
    stop_mirroring();
    CanvasImage::resize(width, height);
  }
  const WindowHandle handle = window();
  if (handle == platform::kNoWindow || width <= 0 || height <= 0) return;
  const Rect outer = platform::window_frame(handle);
  platform::resize_window(handle, width, height);
  // A window that grew shows the canvas in the new part at once.
  if (width > outer.right - outer.left + 1 || height > outer.bottom - outer.top + 1) {
    graphics_context().window_device.flush_batch_draw();
  }
}

WindowHandle WindowCanvas::open(std::int32_t width, std::int32_t height, std::int32_t flags) {
  GraphicsContext& context = graphics_context();
  if (window() != platform::kNoWindow) context.window_device.window_close();
  join_window_thread();
  // No new thread once the process is ending.
  if (platform::process_ending()) return platform::kNoWindow;

  const WindowHandle console = console_window_of_process();
  had_console_ = console != platform::kNoWindow;
  // A terminal cannot be made for a process that has none, so SHOW_CONSOLE only keeps one.
  if (had_console_) platform::ignore_terminal_interrupt();
  platform::WindowOptions options = window_options(width, height, flags);
  if (had_console_ && (flags & SHOW_CONSOLE) == 0) {
    const Rect console_rect = platform::window_frame(console);
    options.x = std::max(console_rect.left, 0);
    options.y = std::max(console_rect.top, 0);
    options.hide = console;
  }
  options.keys_also_to = console;

  ready_event_.reset();
  {
    std::lock_guard guard(thread_mutex_);
    thread_ = std::thread(&WindowThread::run, this, options);
  }
  ready_event_.wait();
  // A window that could not be created leaves a thread that ends at once.
  if (window() == platform::kNoWindow) join_window_thread();

  {
    std::lock_guard guard(context.lock);
    const WindowHandle handle = window();
    if (handle != platform::kNoWindow) {
      window_dc_ = platform::window_surface(handle);
      close_window_when_exiting();
    }
    // A window opened without a canvas size has a canvas without pixels.
    if (width <= 0 || height <= 0) {
      drop_storage();
    } else {
      CanvasImage::resize(width, height);
    }
  }
  set_working_image(nullptr);
  return window();
}

void WindowCanvas::join_window_thread() {
  if (on_window_thread()) return;
  std::lock_guard guard(thread_mutex_);
  if (thread_.joinable()) thread_.join();
}

void WindowCanvas::close() {
  // The user (on the window's thread) and the program may close at once: one of them does it.
  const WindowHandle handle = window_.exchange(platform::kNoWindow, std::memory_order_acq_rel);
  if (handle == platform::kNoWindow) return;
  GraphicsContext& context = graphics_context();
  {
    std::lock_guard guard(context.lock);
    stop_mirroring();
    free_drawing_objects(window_dc_);
    platform::release_window_surface(handle, window_dc_);
    window_dc_ = platform::kNoSurface;
    context.target.window_surface = platform::kNoSurface;
  }
  const WindowHandle console = console_window_of_process();
  const bool console_hidden = console != platform::kNoWindow && !platform::is_shown(console);
  const Rect last_place = console_hidden ? platform::window_frame(handle) : Rect{};

  platform::set_shown(handle, false);
  // The user closed the window: its own thread destroys it at once, which ends the process.
  // The program closed it: the window's thread destroys it and ends; nothing lingers.
  if (on_window_thread()) WindowThread::closed_by_user();
  platform::end_window(handle);
  join_window_thread();
  // A reader waiting for a mouse or key message would wait forever now: wake it.
  ready_event_.signal();
  key_event_.signal();

  if (console_hidden) {
    platform::move_window(console, last_place.left, last_place.top);
    platform::set_shown(console, true);
  }
}

}  // namespace kanvo
