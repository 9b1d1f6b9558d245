#include "graphics/device/window_api.h"

#include "graphics/context/graphics_context.h"

namespace kanvo {
namespace {

// The window device while the window is the working target, null otherwise.
WindowDevice* current_window_device() {
  GraphicsContext& context = graphics_context();
  return context.target.current_device == &context.window_device ? &context.window_device : nullptr;
}

}  // namespace

WindowHandle open_window(std::int32_t width, std::int32_t height, std::int32_t flags) {
  return graphics_context().window_device.window_open(width, height, flags);
}

WindowHandle open_window_default() {
  return open_window(640, 480, 0);
}

void close_window() {
  graphics_context().window_device.window_close();
}

WindowHandle get_window_handle() {
  return graphics_context().canvas.window();
}

void begin_batch_draw() {
  if (WindowDevice* device = current_window_device()) device->begin_batch_draw();
}

void flush_batch_draw_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                           std::int32_t bottom) {
  if (WindowDevice* device = current_window_device()) {
    device->flush_batch_draw_rect(left, top, right, bottom);
  }
}

void flush_batch_draw() {
  if (WindowDevice* device = current_window_device()) device->flush_batch_draw();
}

void end_batch_draw_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                         std::int32_t bottom) {
  if (WindowDevice* device = current_window_device()) {
    device->end_batch_draw_rect(left, top, right, bottom);
  }
}

void end_batch_draw() {
  if (WindowDevice* device = current_window_device()) device->end_batch_draw();
}

const char* get_version_text() {
  return "Kanvo canvas library 0.1";
}
const char* get_author_text() {
  return "The Kanvo developers";
}

}  // namespace kanvo
