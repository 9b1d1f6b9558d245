#include "graphics/context/graphics_context.h"

#include "graphics/platform/process_end.h"

namespace kanvo {
namespace {

GraphicsContext* context_instance = nullptr;

// The window's part of the process's end: the window closes and its thread is joined (unless
// the end runs on that thread); then the lock is kept, so that a drawing thread other than the
// exiting one stops at its next drawing call instead of drawing while the process goes down.
void close_window_at_end() {
  if (context_instance == nullptr) return;
  context_instance->canvas.close();
  context_instance->canvas.join_window_thread();
  context_instance->lock.lock();
}

}  // namespace

void close_window_when_exiting() {
  // Never destroyed: the step must stay until the end has run.
  static const bool registered =
      (platform::at_process_end(platform::EndStage::window_users, close_window_at_end), true);
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
