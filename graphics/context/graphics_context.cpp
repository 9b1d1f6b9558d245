#include "graphics/context/graphics_context.h"

#include <cstdlib>

namespace kanvo {
namespace {

GraphicsContext* context_instance = nullptr;

void close_window_at_exit() {
  if (context_instance != nullptr) context_instance->canvas.close();
}

}  // namespace

void close_window_when_exiting() {
  // Registered after the window system's own exit work, so it runs before that.
  static const bool registered = std::atexit(close_window_at_exit) == 0;
  (void)registered;
}

GraphicsContext::GraphicsContext() = default;

GraphicsContext& graphics_context() {
  static GraphicsContext* instance = [] {
    context_instance = new GraphicsContext();
    return context_instance;
  }();
  return *instance;
}

void forget_working_image(const CanvasImage* image) {
  GraphicsContext* context = context_instance;
  if (context == nullptr || context->target.current_image != image) return;
  std::lock_guard guard(context->lock);
  context->target = WorkingTarget{};
}

}  // namespace kanvo
