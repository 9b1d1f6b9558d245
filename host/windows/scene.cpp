// The window system as the display sees it: the windows to show and their pictures.
#include <algorithm>

#include "host/windows/frame.h"
#include "host/windows/window_manager.h"

namespace kanvo::win::detail {

std::vector<display::SceneWindow> WindowManager::windows() {
  std::lock_guard lock(mutex);
  std::vector<display::SceneWindow> scene;
  scene.reserve(stacking.size());
  for (const WindowHandle handle : stacking) {
    const Window* window = find(handle);
    if (window == nullptr || window->off_screen) continue;
    display::SceneWindow entry;
    entry.id = static_cast<std::uint32_t>(handle);
    entry.outer = window->outer;
    entry.shown = window->visible && !window->minimized;
    entry.minimized = window->visible && window->minimized;
    entry.version = window->frame_version + window->pixels->changes.load(std::memory_order_relaxed);
    entry.title = window->title_utf8;
    scene.push_back(std::move(entry));
  }
  return scene;
}

bool WindowManager::render(std::uint32_t id, surface::PixelWord* pixels, std::int32_t width,
                           std::int32_t height) {
  FrameLook look;
  Rect client;
  std::shared_ptr<ClientPixels> source;
  {
    std::lock_guard lock(mutex);
    const Window* window = find(static_cast<WindowHandle>(id));
    if (window == nullptr || pixels == nullptr) return false;
    if (window->outer.right - window->outer.left != width ||
        window->outer.bottom - window->outer.top != height) {
      return false;
    }
    look = {window->title,
            window->style,
            window->ex_style,
            window->window_class->info.style,
            active == window->handle,
            width,
            height};
    client = client_on_screen(*window);
    client.left -= window->outer.left;
    client.right -= window->outer.left;
    client.top -= window->outer.top;
    client.bottom -= window->outer.top;
    source = window->pixels;
  }
  paint_frame(look, pixels);
  // Drawing may go on meanwhile; a picture caught halfway is replaced at the next refresh,
  // since the drawing calls count the window's changes up.
  const std::int32_t columns = std::min(client.right - client.left, source->stride);
  const std::int32_t rows = std::min(client.bottom - client.top, source->rows);
  for (std::int32_t y = 0; y < rows; ++y) {
    const surface::PixelWord* from = source->memory + static_cast<std::size_t>(y) * source->stride;
    std::copy(from, from + columns,
              pixels + static_cast<std::size_t>(client.top + y) * width + client.left);
  }
  return true;
}

}  // namespace kanvo::win::detail
