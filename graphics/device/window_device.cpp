#include "graphics/device/window_device.h"

#include <algorithm>

#include "graphics/context/graphics_context.h"
#include "graphics/image/pixel_fill.h"
#include "graphics/platform/drawing_surface.h"

namespace kanvo {
WindowDevice::WindowDevice(GraphicsContext& context)
    : ImageDevice(context.target, context.lock, context.batching, context.mirrored),
      context_(context) {}

void WindowDevice::clear_canvas() {
  WindowCanvas& canvas = context_.canvas;
  {
    std::lock_guard guard(context_.lock);
    fill_with_color(canvas, canvas.state().bk_color);
  }
  if (!context_.batching) flush_batch_draw();
  move_pen_to(0, 0);
}

void WindowDevice::draw_line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  std::lock_guard guard(context_.lock);
  const SurfaceHandle canvas = context_.target.drawing_surface;
  const SurfaceHandle window = context_.target.window_surface;
  platform::move_to(canvas, x1, y1, nullptr);
  platform::line_to(canvas, x2, y2);
  if (window == platform::kNoSurface) return;
  // While batching, or while the canvas's line reached the window, the window's pen still
  // follows the canvas's.
  platform::move_to(window, x1, y1, nullptr);
  if (context_.batching || context_.mirrored) {
    platform::move_to(window, x2, y2, nullptr);
  } else {
    platform::line_to(window, x2, y2);
  }
}

void WindowDevice::get_text_style(LogFont* font) {
  std::lock_guard guard(context_.lock);
  ImageDevice::get_text_style(font);
}

WindowHandle WindowDevice::window_open(std::int32_t width, std::int32_t height,
                                       std::int32_t flags) {
  WindowCanvas& canvas = context_.canvas;
  const WindowHandle window = canvas.open(width, height, flags);
  {
    // The window's thread may be repainting from the canvas already.
    std::lock_guard guard(context_.lock);
    context_.target.current_image = &canvas;
    context_.target.current_device = this;
    reset_drawing_state();
    if (canvas.pixels() != nullptr && width > 0 && height > 0) {
      const std::size_t asked = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
      const std::size_t held =
          static_cast<std::size_t>(canvas.width()) * static_cast<std::size_t>(canvas.height());
      std::fill_n(canvas.pixels(), std::min(asked, held), 0u);
    }
  }
  flush_batch_draw();
  return window;
}

void WindowDevice::window_close() {
  context_.canvas.close();
}

void WindowDevice::begin_batch_draw() {
  // The lock, since the window's thread may end the mirroring at once as the user closes it.
  std::lock_guard guard(context_.lock);
  context_.batching = true;
  context_.canvas.stop_mirroring();
}

void WindowDevice::flush_batch_draw_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                                         std::int32_t bottom) {
  std::lock_guard guard(context_.lock);
  if (context_.target.window_surface == platform::kNoSurface) return;
  const std::int64_t width = std::int64_t{right} - left + 1;
  const std::int64_t height = std::int64_t{bottom} - top + 1;
  if (width <= 0 || height <= 0 || width > INT32_MAX || height > INT32_MAX) return;
  platform::bit_blt(context_.target.window_surface, left, top, static_cast<std::int32_t>(width),
                    static_cast<std::int32_t>(height), context_.target.drawing_surface, left, top,
                    platform::rop3::kSrcCopy);
}

void WindowDevice::flush_batch_draw() {
  std::lock_guard guard(context_.lock);
  const SurfaceHandle canvas = context_.target.drawing_surface;
  const SurfaceHandle window = context_.target.window_surface;
  if (window == platform::kNoSurface) return;
  platform::set_world_transform(canvas, context_.identity_transform);
  platform::set_world_transform(window, context_.identity_transform);
  platform::bit_blt(window, 0, 0, context_.canvas.width(), context_.canvas.height(), canvas, 0, 0,
                    platform::rop3::kSrcCopy);
  platform::set_world_transform(canvas, context_.canvas.state().transform);
  platform::set_world_transform(window, context_.canvas.state().transform);
  context_.canvas.mirror_on_window();
}

void WindowDevice::end_batch_draw_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                                       std::int32_t bottom) {
  flush_batch_draw_rect(left, top, right, bottom);
  context_.batching = false;
}

void WindowDevice::end_batch_draw() {
  std::lock_guard guard(context_.lock);
  flush_batch_draw();
  context_.batching = false;
  context_.canvas.mirror_on_window();
}

}  // namespace kanvo
