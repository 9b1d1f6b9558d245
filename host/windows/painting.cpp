#include "host/windows/painting.h"

#include <algorithm>

#include "host/windows/messages.h"
#include "host/windows/window_manager.h"

namespace kanvo::win {

using detail::Window;
using detail::WindowManager;

namespace {

// A context over the client pixels; the caller holds the manager's mutex.
surface::DcHandle open_client_dc(WindowManager& manager, Window& window) {
  const std::shared_ptr<detail::ClientPixels>& pixels = window.pixels;
  const surface::DcHandle dc = surface::create_compatible_dc(surface::kNoDc);
  if (dc == surface::kNoDc) return surface::kNoDc;
  const surface::ObjectHandle bitmap =
      surface::create_dib_section_over(pixels->memory, pixels->stride, pixels->rows);
  if (bitmap == surface::kNoObject || surface::select_object(dc, bitmap) == surface::kNoObject) {
    surface::delete_object(bitmap);
    surface::delete_dc(dc);
    return surface::kNoDc;
  }
  surface::share_pixels(dc, &pixels->shared);
  manager.dcs[static_cast<std::uint32_t>(dc)] = {window.handle, pixels, bitmap};
  return dc;
}

}  // namespace

bool invalidate_rect(WindowHandle handle, const Rect* rect, bool erase) {
  WindowManager& manager = WindowManager::instance();
  std::lock_guard lock(manager.mutex);
  Window* window = manager.find(handle);
  if (window == nullptr) return false;
  manager.invalidate(*window, rect, erase);
  return true;
}

bool validate_rect(WindowHandle handle, const Rect* rect) {
  WindowManager& manager = WindowManager::instance();
  std::lock_guard lock(manager.mutex);
  Window* window = manager.find(handle);
  if (window == nullptr) return false;
  // The invalid area is kept as one box: it goes only when the rectangle covers it.
  const Rect& update = window->update;
  if (rect == nullptr || (rect->left <= update.left && rect->top <= update.top &&
                          rect->right >= update.right && rect->bottom >= update.bottom)) {
    manager.validate(*window);
  }
  return true;
}

bool get_update_rect(WindowHandle handle, Rect* rect) {
  WindowManager& manager = WindowManager::instance();
  std::lock_guard lock(manager.mutex);
  Window* window = manager.find(handle);
  if (window == nullptr) return false;
  if (rect != nullptr) *rect = window->update_pending ? window->update : Rect{};
  return window->update_pending;
}

bool update_window(WindowHandle handle) {
  bool pending = false;
  {
    WindowManager& manager = WindowManager::instance();
    std::lock_guard lock(manager.mutex);
    Window* window = manager.find(handle);
    if (window == nullptr) return false;
    pending = window->update_pending;
  }
  if (pending) send_message(handle, msg::kPaint, 0, 0);
  return true;
}

surface::DcHandle begin_paint(WindowHandle handle, PaintInfo* paint) {
  WindowManager& manager = WindowManager::instance();
  std::lock_guard lock(manager.mutex);
  Window* window = manager.find(handle);
  if (window == nullptr || paint == nullptr) return surface::kNoDc;
  const Rect area = window->update_pending ? window->update : Rect{};
  const bool erase = window->erase_pending;
  manager.validate(*window);
  const surface::DcHandle dc = open_client_dc(manager, *window);
  *paint = {dc, area, false};
  if (dc == surface::kNoDc) return dc;
  const surface::ObjectHandle clip =
      surface::create_rect_region(area.left, area.top, area.right, area.bottom);
  surface::select_clip_region(dc, clip);
  surface::delete_object(clip);
  const surface::ObjectHandle background = window->window_class->info.background;
  if (erase && background != surface::kNoObject) {
    surface::fill_rect(dc, area, background);
  } else {
    paint->erase = erase;
  }
  return dc;
}

bool end_paint(WindowHandle handle, const PaintInfo& paint) {
  return release_dc(handle, paint.dc);
}

surface::DcHandle get_dc(WindowHandle handle) {
  WindowManager& manager = WindowManager::instance();
  std::lock_guard lock(manager.mutex);
  Window* window = manager.find(handle);
  if (window == nullptr) return surface::kNoDc;
  return open_client_dc(manager, *window);
}

bool release_dc(WindowHandle handle, surface::DcHandle dc) {
  detail::DcRecord record;
  {
    WindowManager& manager = WindowManager::instance();
    std::lock_guard lock(manager.mutex);
    const auto it = manager.dcs.find(static_cast<std::uint32_t>(dc));
    if (it == manager.dcs.end() || it->second.window != handle) return false;
    record = std::move(it->second);
    manager.dcs.erase(it);
  }
  surface::delete_dc(dc);
  surface::delete_object(record.bitmap);
  return true;
}

}  // namespace kanvo::win
