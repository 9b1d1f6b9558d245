// The window system as the display sees it: the top-level windows to show and their pictures,
// each with its children drawn in.
#include <algorithm>

#include "host/windows/frame.h"
#include "host/windows/window_manager.h"

namespace kanvo::win::detail {
namespace {

Rect intersect(const Rect& a, const Rect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

Rect offset(const Rect& rect, Point by) {
  return {rect.left + by.x, rect.top + by.y, rect.right + by.x, rect.bottom + by.y};
}

// One window of a picture: where its frame and client pixels go, and what of it may show.
struct Layer {
  FrameLook look;
  Rect outer;   // in the picture
  Rect client;  // in the picture
  Rect clip;    // in the picture: the part of its parent's client area it may cover
  std::shared_ptr<ClientPixels> source;
};

// Copies the rectangle's part inside `clip` from rows of `from_width` pixel words, whose
// top-left corner lands at `to.left, to.top`, into the picture.
void copy_clipped(const surface::PixelWord* from, std::int32_t from_width, std::int32_t from_rows,
                  const Rect& to, const Rect& clip, surface::PixelWord* picture,
                  std::int32_t picture_width) {
  const Rect visible =
      intersect(intersect(to, clip), {to.left, to.top, to.left + from_width, to.top + from_rows});
  if (visible.right <= visible.left || visible.bottom <= visible.top) return;
  for (std::int32_t y = visible.top; y < visible.bottom; ++y) {
    const surface::PixelWord* row =
        from + static_cast<std::size_t>(y - to.top) * from_width + (visible.left - to.left);
    std::copy(row, row + (visible.right - visible.left),
              picture + static_cast<std::size_t>(y) * picture_width + visible.left);
  }
}

}  // namespace

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
    // Any drawing in the window or in one of its children changes the picture.
    std::vector<const Window*> pending{window};
    while (!pending.empty()) {
      const Window* next = pending.back();
      pending.pop_back();
      entry.version +=
          next->frame_version + next->pixels->shared.changes.load(std::memory_order_relaxed);
      for (const WindowHandle child : next->children) {
        if (const Window* record = find(child)) pending.push_back(record);
      }
    }
    entry.title = window->title_utf8;
    scene.push_back(std::move(entry));
  }
  return scene;
}

bool WindowManager::render(std::uint32_t id, surface::PixelWord* pixels, std::int32_t width,
                           std::int32_t height) {
  std::vector<Layer> layers;
  {
    std::lock_guard lock(mutex);
    Window* window = find(static_cast<WindowHandle>(id));
    if (window == nullptr || pixels == nullptr) return false;
    if (window->outer.right - window->outer.left != width ||
        window->outer.bottom - window->outer.top != height) {
      return false;
    }
    // Positions in the picture are screen positions less the window's top-left corner.
    const Point origin{-window->outer.left, -window->outer.top};
    struct Pending {
      Window* window;
      Rect clip;
    };
    std::vector<Pending> pending{{window, {0, 0, width, height}}};
    while (!pending.empty()) {
      const Pending next = pending.front();
      pending.erase(pending.begin());
      const Window& w = *next.window;
      const Rect outer = offset(outer_on_screen(w), origin);
      layers.push_back({{w.title, w.style, w.ex_style, w.window_class->info.style,
                         active == w.handle, outer.right - outer.left, outer.bottom - outer.top},
                        outer,
                        offset(client_on_screen(w), origin),
                        next.clip,
                        w.pixels});
      // Children are drawn after their parent, bottom to top, within its client area.
      const Rect inside = intersect(next.clip, layers.back().client);
      std::vector<Pending> children;
      for (const WindowHandle child : w.children) {
        Window* record = find(child);
        if (record != nullptr && record->visible) children.push_back({record, inside});
      }
      pending.insert(pending.begin(), children.begin(), children.end());
    }
  }
  // Drawing may go on between the windows' copies; each copy holds its window's drawing lock, so
  // it shows every drawing call whole or not at all, and the changes counted meanwhile bring a
  // new picture at the next refresh.
  paint_frame(layers.front().look, pixels);
  std::vector<surface::PixelWord> frame;
  for (std::size_t i = 0; i < layers.size(); ++i) {
    const Layer& layer = layers[i];
    if (i > 0 && layer.outer != layer.client) {
      frame.assign(static_cast<std::size_t>(std::max(layer.look.width, 0)) *
                       static_cast<std::size_t>(std::max(layer.look.height, 0)),
                   0);
      paint_frame(layer.look, frame.data());
      copy_clipped(frame.data(), layer.look.width, layer.look.height, layer.outer, layer.clip,
                   pixels, width);
    }
    const std::lock_guard drawing(layer.source->shared.lock);
    copy_clipped(layer.source->memory, layer.source->stride, layer.source->rows, layer.client,
                 intersect(layer.clip, layer.client), pixels, width);
  }
  return true;
}

}  // namespace kanvo::win::detail
