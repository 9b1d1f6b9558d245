#include "host/windows/window_manager.h"

#include <algorithm>
#include <cstdlib>

#include "host/process/orderly_end.h"
#include "host/windows/controls/system_classes.h"
#include "host/windows/frame.h"
#include "host/windows/screen.h"

namespace kanvo::win::detail {
namespace {

constexpr std::uint32_t kIndexBits = 16;
constexpr std::uint32_t kIndexMask = (1u << kIndexBits) - 1;

Rect intersect(const Rect& a, const Rect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

bool is_empty(const Rect& rect) {
  return rect.right <= rect.left || rect.bottom <= rect.top;
}

Rect unite(const Rect& a, const Rect& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

}  // namespace

ClientPixels::ClientPixels(std::int32_t width, std::int32_t height)
    : stride(std::max(width, 1)), rows(std::max(height, 1)) {
  // calloc leaves untouched pages unmapped, so a screen-sized buffer costs what is drawn on it.
  memory = static_cast<surface::PixelWord*>(
      std::calloc(static_cast<std::size_t>(stride) * static_cast<std::size_t>(rows),
                  sizeof(surface::PixelWord)));
  if (memory == nullptr) stride = rows = 0;
}

ClientPixels::~ClientPixels() {
  std::free(memory);
}

WindowManager& WindowManager::instance() {
  // Never destroyed: threads may still use windows while the process exits.
  static WindowManager* manager = [] {
    auto* made = new WindowManager;
    controls::register_system_classes(*made);
    return made;
  }();
  return *manager;
}

display::Display& WindowManager::screen() {
  if (!display_) {
    // Once the process is ending no display thread is started again: the windows that are
    // still made are kept off-screen.
    if (process::ending()) {
      display_ = std::make_shared<display::HeadlessDisplay>(*this);
    } else {
      display_ = display::open_display(*this);
    }
    // Never destroyed: the step must stay until the end has run.
    static const process::EndStep* const closes_at_end =
        new process::EndStep(process::EndStage::display, close_display);
    (void)closes_at_end;
  }
  return *display_;
}

std::shared_ptr<display::Display> WindowManager::shared_screen() {
  screen();
  return display_;
}

Window* WindowManager::find(WindowHandle handle) {
  const auto value = static_cast<std::uint32_t>(handle);
  const std::size_t index = (value & kIndexMask);
  if (index == 0 || index > slots.size()) return nullptr;
  Window* window = slots[index - 1].get();
  if (window == nullptr || window->handle != handle) return nullptr;
  return window;
}

WindowHandle WindowManager::allocate_handle(std::unique_ptr<Window> window) {
  std::size_t index;
  if (!free_slots.empty()) {
    index = free_slots.back();
    free_slots.pop_back();
  } else {
    if (slots.size() >= kIndexMask) return kNoWindow;
    index = slots.size();
    slots.emplace_back();
    generations.push_back(0);
  }
  // Generations start at 1 and skip 0 on wrapping, so no handle is ever 0 or 1.
  std::uint16_t& generation = generations[index];
  generation = static_cast<std::uint16_t>(generation + 1 == 0 ? 1 : generation + 1);
  const auto handle =
      static_cast<WindowHandle>((std::uint32_t{generation} << kIndexBits) | (index + 1));
  window->handle = handle;
  slots[index] = std::move(window);
  return handle;
}

Size WindowManager::client_size(const Window& window) const {
  const FrameInsets insets = frame_insets(window.style, window.ex_style);
  return {std::max(0, window.outer.right - window.outer.left - insets.left - insets.right),
          std::max(0, window.outer.bottom - window.outer.top - insets.top - insets.bottom)};
}

Rect WindowManager::outer_on_screen(const Window& window) {
  const Window* parent = find(window.parent);
  if (parent == nullptr) return window.outer;
  const Rect parent_client = client_on_screen(*parent);
  return {parent_client.left + window.outer.left, parent_client.top + window.outer.top,
          parent_client.left + window.outer.right, parent_client.top + window.outer.bottom};
}

Rect WindowManager::client_on_screen(const Window& window) {
  const FrameInsets insets = frame_insets(window.style, window.ex_style);
  const Size size = client_size(window);
  const Rect outer = outer_on_screen(window);
  const std::int32_t left = outer.left + insets.left;
  const std::int32_t top = outer.top + insets.top;
  return {left, top, left + size.cx, top + size.cy};
}

Window& WindowManager::top_level(Window& window) {
  Window* top = &window;
  while (Window* parent = find(top->parent)) top = parent;
  return *top;
}

bool WindowManager::is_within(const Window& window, WindowHandle handle) {
  for (const Window* w = find(handle); w != nullptr; w = find(w->parent)) {
    if (w == &window) return true;
  }
  return false;
}

bool WindowManager::is_showing(const Window& window) {
  for (const Window* w = &window; w != nullptr; w = find(w->parent)) {
    if (!w->visible || w->minimized) return false;
  }
  return true;
}

bool WindowManager::takes_input(const Window& window) {
  for (const Window* w = &window; w != nullptr; w = find(w->parent)) {
    if (!w->enabled) return false;
  }
  return true;
}

Window* WindowManager::child_at(Window& window, Point screen_point) {
  const Rect client = client_on_screen(window);
  if (screen_point.x < client.left || screen_point.x >= client.right ||
      screen_point.y < client.top || screen_point.y >= client.bottom) {
    return &window;
  }
  for (auto it = window.children.rbegin(); it != window.children.rend(); ++it) {
    Window* child = find(*it);
    if (child == nullptr || !child->visible) continue;
    const Rect r = outer_on_screen(*child);
    if (screen_point.x >= r.left && screen_point.x < r.right && screen_point.y >= r.top &&
        screen_point.y < r.bottom) {
      return child_at(*child, screen_point);
    }
  }
  return &window;
}

Window* WindowManager::next_to_paint(const ThreadQueue* queue, WindowHandle filter) {
  // Parents before their children, so that a child is painted over a fresh background.
  std::vector<WindowHandle> pending(stacking.begin(), stacking.end());
  while (!pending.empty()) {
    Window* window = find(pending.front());
    pending.erase(pending.begin());
    if (window == nullptr) continue;
    if (window->update_pending && window->owner.get() == queue &&
        (filter == kNoWindow || filter == window->handle)) {
      return window;
    }
    pending.insert(pending.begin(), window->children.begin(), window->children.end());
  }
  return nullptr;
}

void WindowManager::touch(Window& window) {
  ++top_level(window).frame_version;
}

void WindowManager::invalidate(Window& window, const Rect* rect, bool erase) {
  if (window.off_screen) return;  // nobody sees it, so it is never painted
  const Size size = client_size(window);
  Rect area{0, 0, size.cx, size.cy};
  if (rect != nullptr) area = intersect(area, *rect);
  if (is_empty(area)) return;
  window.erase_pending = window.erase_pending || erase;
  if (window.update_pending) {
    window.update = unite(window.update, area);
    return;
  }
  window.update = area;
  window.update_pending = true;
  window.owner->add_paint_waiter(1);
}

void WindowManager::validate(Window& window) {
  if (!window.update_pending) return;
  window.update_pending = false;
  window.erase_pending = false;
  window.update = {};
  window.owner->add_paint_waiter(-1);
}

void WindowManager::place(Window& window, Point position, Size size, bool move, bool resize) {
  const Size old_client = client_size(window);
  const Rect old_outer = window.outer;
  if (move) {
    window.outer.right = position.x + (old_outer.right - old_outer.left);
    window.outer.bottom = position.y + (old_outer.bottom - old_outer.top);
    window.outer.left = position.x;
    window.outer.top = position.y;
  }
  if (resize) {
    // Never larger than a client area the size of the screen; never negative.
    const FrameInsets insets = frame_insets(window.style, window.ex_style);
    const Rect bounds = screen().bounds();
    const std::int32_t max_width = (bounds.right - bounds.left) + insets.left + insets.right;
    const std::int32_t max_height = (bounds.bottom - bounds.top) + insets.top + insets.bottom;
    window.outer.right = window.outer.left + std::clamp(size.cx, 0, max_width);
    window.outer.bottom = window.outer.top + std::clamp(size.cy, 0, max_height);
  }
  const Size new_client = client_size(window);
  if (window.is_child() && (new_client != old_client || window.outer != old_outer)) touch(window);
  if (new_client != old_client) {
    ++window.frame_version;
    // What a larger client area uncovers has never been painted; a class that asks for it is
    // repainted whole.
    const std::uint32_t redraw_all = class_style::kHorizontalRedraw | class_style::kVerticalRedraw;
    if ((window.window_class->info.style & redraw_all) != 0) {
      invalidate(window, nullptr, true);
    } else {
      const Rect right_part{old_client.cx, 0, new_client.cx, new_client.cy};
      const Rect bottom_part{0, old_client.cy, new_client.cx, new_client.cy};
      invalidate(window, &right_part, true);
      invalidate(window, &bottom_part, true);
    }
    post_to_owner(window, msg::kSize, size_kind::kRestored,
                  make_lparam(new_client.cx, new_client.cy));
  }
  if (window.outer.left != old_outer.left || window.outer.top != old_outer.top) {
    const Rect client = client_on_screen(window);
    post_to_owner(window, msg::kMove, 0, make_lparam(client.left, client.top));
  }
}

void WindowManager::raise(Window& window, WindowHandle insert_after) {
  Window* parent = find(window.parent);
  std::vector<WindowHandle>& order = parent != nullptr ? parent->children : stacking;
  if (parent != nullptr) touch(*parent);
  std::erase(order, window.handle);
  if (insert_after == kInsertBottom) {
    order.insert(order.begin(), window.handle);
    return;
  }
  const auto below = std::find(order.begin(), order.end(), insert_after);
  // Just below `insert_after`; on top when it is kInsertTop or unknown.
  order.insert(below == order.end() ? order.end() : below, window.handle);
}

void WindowManager::activate(Window* window) {
  const WindowHandle handle = window != nullptr ? window->handle : kNoWindow;
  if (active != handle) {
    if (Window* old = find(active)) {
      if (focus != old->handle && is_within(*old, focus)) old->last_focus = focus;
      ++old->frame_version;
      post_to_owner(*old, msg::kActivate, 0, 0);
    }
    active = handle;
    if (window != nullptr) {
      ++window->frame_version;
      post_to_owner(*window, msg::kActivate, 1, 0);
    }
  }
  WindowHandle target = handle;
  if (window != nullptr) {
    const Window* remembered = find(window->last_focus);
    if (is_within(*window, focus)) {
      target = focus;
    } else if (remembered != nullptr && is_within(*window, remembered->handle) &&
               takes_input(*remembered)) {
      target = remembered->handle;
    }
  }
  move_focus(target);
}

void WindowManager::move_focus(WindowHandle handle) {
  if (focus == handle) return;
  if (Window* old = find(focus)) post_to_owner(*old, msg::kKillFocus, 0, 0);
  focus = handle;
  if (Window* window = find(handle)) post_to_owner(*window, msg::kSetFocus, 0, 0);
}

void WindowManager::pass_activation_on(const Window& leaving) {
  if (active != leaving.handle && focus != leaving.handle) return;
  for (auto it = stacking.rbegin(); it != stacking.rend(); ++it) {
    Window* candidate = find(*it);
    if (candidate != nullptr && candidate != &leaving && candidate->visible &&
        !candidate->minimized) {
      activate(candidate);
      return;
    }
  }
  activate(nullptr);
}

void WindowManager::set_minimized(Window& window, bool minimized) {
  if (window.minimized == minimized) return;
  window.minimized = minimized;
  ++window.frame_version;
  if (minimized) {
    pass_activation_on(window);
    post_to_owner(window, msg::kSize, size_kind::kMinimized, 0);
  } else {
    // Coming back, the whole window is painted again.
    invalidate(window, nullptr, true);
    const Size size = client_size(window);
    post_to_owner(window, msg::kSize, size_kind::kRestored, make_lparam(size.cx, size.cy));
  }
}

void WindowManager::set_visible(Window& window, bool visible) {
  if (window.visible == visible) return;
  window.visible = visible;
  if (window.is_child()) touch(window);
  if (visible) {
    invalidate(window, nullptr, true);
  } else if (window.is_child()) {
    if (is_within(window, focus)) move_focus(kNoWindow);
  } else {
    pass_activation_on(window);
  }
  post_to_owner(window, msg::kShowWindow, visible ? 1 : 0, 0);
}

void WindowManager::remove(Window& window) {
  const WindowHandle handle = window.handle;
  // Children first, so that none is left with a parent that is gone.
  const std::vector<WindowHandle> children = window.children;
  for (const WindowHandle child : children) {
    if (Window* record = find(child)) remove(*record);
  }
  if (Window* parent = find(window.parent)) {
    touch(*parent);
    std::erase(parent->children, handle);
  } else {
    pass_activation_on(window);
  }
  if (active == handle) active = kNoWindow;
  if (focus == handle) focus = kNoWindow;
  if (pointer.capture == handle) pointer.capture = kNoWindow;
  if (pointer.dragging == handle) pointer.dragging = kNoWindow;
  if (pointer.pressed_window == handle) pointer.pressed_window = kNoWindow;
  if (pointer.last_click_window == handle) pointer.last_click_window = kNoWindow;
  validate(window);
  std::erase(stacking, handle);
  --window.window_class->windows;
  window.owner->forget_window(handle);
  const std::size_t index = (static_cast<std::uint32_t>(handle) & kIndexMask) - 1;
  slots[index].reset();
  free_slots.push_back(index);
  changed();
}

Window* WindowManager::window_at(Point screen_point) {
  for (auto it = stacking.rbegin(); it != stacking.rend(); ++it) {
    Window* window = find(*it);
    if (window == nullptr || !window->visible || window->minimized || window->off_screen) continue;
    const Rect& r = window->outer;
    if (screen_point.x >= r.left && screen_point.x < r.right && screen_point.y >= r.top &&
        screen_point.y < r.bottom) {
      return window;
    }
  }
  return nullptr;
}

void post_to_owner(Window& window, std::uint32_t message, WParam wparam, LParam lparam) {
  window.owner->post({window.handle, message, wparam, lparam});
}

}  // namespace kanvo::win::detail
