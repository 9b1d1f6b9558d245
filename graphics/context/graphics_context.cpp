#include "graphics/context/graphics_context.h"

#include <atomic>

namespace kanvo {
namespace {

// Set while the context exists, so that images destroyed during or after its own destruction
// (its canvas, images of static storage) do not reach into it.
std::atomic<GraphicsContext*> live_context{nullptr};

struct ContextHolder {
  ContextHolder() { live_context.store(&context, std::memory_order_release); }
  ~ContextHolder() { live_context.store(nullptr, std::memory_order_release); }
  GraphicsContext context;
};

}  // namespace

GraphicsContext& graphics_context() {
  static ContextHolder holder;
  return holder.context;
}

void forget_working_image(const CanvasImage* image) {
  GraphicsContext* context = live_context.load(std::memory_order_acquire);
  if (context == nullptr || context->target.current_image != image) return;
  std::lock_guard guard(context->lock);
  context->target = WorkingTarget{};
}

}  // namespace kanvo
