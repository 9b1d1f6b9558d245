#include "host/windows/windows.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "host/text/code_page.h"
#include "host/windows/frame.h"
#include "host/windows/messages.h"
#include "host/windows/screen.h"
#include "host/windows/window_manager.h"

namespace kanvo::win {

using detail::Window;
using detail::WindowManager;

namespace {

// Where windows created at the default position go: a cascade down from the top-left corner.
constexpr std::int32_t kCascadeStep = 26;

// Runs `action` on the window under the manager's mutex; false for an unknown handle.
template <typename Action>
bool with_window(WindowHandle handle, Action action) {
  WindowManager& manager = WindowManager::instance();
  std::lock_guard lock(manager.mutex);
  Window* window = manager.find(handle);
  if (window == nullptr) return false;
  action(manager, *window);
  return true;
}

Point default_position(WindowManager& manager) {
  const Rect area = manager.screen().work_area();
  Point position = manager.next_default_position;
  manager.next_default_position.x += kCascadeStep;
  manager.next_default_position.y += kCascadeStep;
  if (manager.next_default_position.y > area.top + (area.bottom - area.top) / 2) {
    manager.next_default_position = {area.left + 20, area.top + 20};
  }
  return position;
}

}  // namespace

WindowHandle create_window(const CreateParams& params) {
  WindowManager& manager = WindowManager::instance();
  WindowHandle handle = kNoWindow;
  WindowProcedure procedure = nullptr;
  {
    std::lock_guard lock(manager.mutex);
    const auto found = manager.classes.find(std::string(params.class_name));
    if (found == manager.classes.end()) return kNoWindow;
    const bool child = (params.style & style::kChild) != 0;
    Window* parent = child ? manager.find(params.owner) : nullptr;
    if (child && (parent == nullptr || parent->destroying)) return kNoWindow;
    const Rect bounds = manager.screen().bounds();
    auto window = std::make_unique<Window>();
    window->window_class = found->second;
    window->owner = detail::ThreadQueue::current();
    if (child) {
      window->parent = params.owner;
      window->id = params.id;
    } else {
      window->owner_window = params.owner;
    }
    window->title = std::string(params.title);
    window->title_utf8 = text::gbk_to_utf8(params.title);
    window->style = params.style & ~(style::kVisible | style::kMinimize);
    window->ex_style = params.ex_style;
    window->enabled = (params.style & style::kDisabled) == 0;
    window->pixels = std::make_shared<detail::ClientPixels>(bounds.right - bounds.left,
                                                            bounds.bottom - bounds.top);
    if (window->pixels->memory == nullptr) return kNoWindow;
    Window& record = *window;
    handle = manager.allocate_handle(std::move(window));
    if (handle == kNoWindow) return kNoWindow;
    ++record.window_class->windows;
    const bool default_place = params.x == kUseDefault || params.y == kUseDefault;
    Point position{params.x, params.y};
    if (default_place) position = child ? Point{0, 0} : default_position(manager);
    manager.place(record, position, {params.width, params.height}, true, true);
    if (parent != nullptr) {
      parent->children.push_back(handle);
      manager.touch(*parent);
    } else {
      manager.stacking.push_back(handle);
    }
    // The size and move notices of the creation are not news to the window.
    record.owner->forget_window(handle);
    manager.invalidate(record, nullptr, true);
    procedure = record.window_class->info.procedure;
  }
  if (procedure(handle, msg::kCreate, 0, reinterpret_cast<LParam>(params.create_data)) == -1) {
    destroy_window(handle);
    return kNoWindow;
  }
  if ((params.style & style::kVisible) != 0) show_window(handle, show::kShow);
  return is_window(handle) ? handle : kNoWindow;
}

WindowHandle create_window(std::string_view class_name, std::string_view title, std::uint32_t style,
                           std::uint32_t ex_style, const Rect& place, WindowHandle owner,
                           std::uint32_t id) {
  CreateParams params;
  params.class_name = class_name;
  params.title = title;
  params.style = style;
  params.ex_style = ex_style;
  params.x = place.left;
  params.y = place.top;
  params.width = place.right - place.left;
  params.height = place.bottom - place.top;
  params.owner = owner;
  params.id = id;
  return create_window(params);
}

bool destroy_window(WindowHandle handle) {
  WindowManager& manager = WindowManager::instance();
  // The window, then its descendants, parents before children.
  std::vector<std::pair<WindowHandle, WindowProcedure>> told;
  {
    std::lock_guard lock(manager.mutex);
    Window* window = manager.find(handle);
    if (window == nullptr || window->destroying) return false;
    if (!detail::ThreadQueue::current_is(window->owner.get())) return false;
    window->visible = false;
    if (window->is_child()) manager.touch(*window);
    std::vector<Window*> pending{window};
    while (!pending.empty()) {
      Window* next = pending.back();
      pending.pop_back();
      next->destroying = true;
      if (next->owner == window->owner) {
        told.emplace_back(next->handle, next->window_class->info.procedure);
      }
      for (auto it = next->children.rbegin(); it != next->children.rend(); ++it) {
        if (Window* child = manager.find(*it)) pending.push_back(child);
      }
    }
    manager.changed();
  }
  for (const auto& [window, procedure] : told) procedure(window, msg::kDestroy, 0, 0);
  std::lock_guard lock(manager.mutex);
  if (Window* window = manager.find(handle)) manager.remove(*window);
  return true;
}

bool request_destroy(WindowHandle window) {
  return window != kNoWindow && post_message(window, msg::kDestroyRequest, 0, 0);
}

bool is_window(WindowHandle handle) {
  return with_window(handle, [](WindowManager&, Window&) {});
}

std::uintptr_t window_thread(WindowHandle handle) {
  std::uintptr_t thread = 0;
  with_window(handle, [&](WindowManager&, Window& window) {
    thread = reinterpret_cast<std::uintptr_t>(window.owner.get());
  });
  return thread;
}

WindowHandle find_window(std::string_view class_name, const char* title) {
  WindowManager& manager = WindowManager::instance();
  std::lock_guard lock(manager.mutex);
  for (auto it = manager.stacking.rbegin(); it != manager.stacking.rend(); ++it) {
    const Window* window = manager.find(*it);
    if (window != nullptr && !window->destroying && window->window_class->info.name == class_name &&
        (title == nullptr || window->title == title)) {
      return window->handle;
    }
  }
  return kNoWindow;
}

std::uint32_t get_window_style(WindowHandle handle) {
  std::uint32_t bits = 0;
  with_window(handle, [&](WindowManager&, Window& window) {
    bits = window.style | (window.visible ? style::kVisible : 0) |
           (window.enabled ? 0 : style::kDisabled);
  });
  return bits;
}

WindowHandle get_parent(WindowHandle handle) {
  WindowHandle parent = kNoWindow;
  with_window(handle, [&](WindowManager&, Window& window) { parent = window.parent; });
  return parent;
}

WindowHandle get_dialog_item(WindowHandle parent, std::uint32_t id) {
  WindowHandle item = kNoWindow;
  with_window(parent, [&](WindowManager& manager, Window& window) {
    for (const WindowHandle child : window.children) {
      const Window* record = manager.find(child);
      if (record != nullptr && record->id == id) {
        item = child;
        return;
      }
    }
  });
  return item;
}

std::uint32_t get_dialog_item_id(WindowHandle handle) {
  std::uint32_t id = 0;
  with_window(handle, [&](WindowManager&, Window& window) { id = window.id; });
  return id;
}

bool set_window_data(WindowHandle handle, std::shared_ptr<void> data) {
  return with_window(handle,
                     [&](WindowManager&, Window& window) { window.data = std::move(data); });
}

std::shared_ptr<void> window_data(WindowHandle handle) {
  std::shared_ptr<void> data;
  with_window(handle, [&](WindowManager&, Window& window) { data = window.data; });
  return data;
}

bool adjust_window_rect(Rect* rect, std::uint32_t window_style, bool /*has_menu*/,
                        std::uint32_t ex_style) {
  if (rect == nullptr) return false;
  const detail::FrameInsets insets = detail::frame_insets(window_style, ex_style);
  rect->left -= insets.left;
  rect->top -= insets.top;
  rect->right += insets.right;
  rect->bottom += insets.bottom;
  return true;
}

bool show_window(WindowHandle handle, int command) {
  bool was_visible = false;
  with_window(handle, [&](WindowManager& manager, Window& window) {
    was_visible = window.visible;
    const bool activating =
        command == show::kShow || command == show::kNormal || command == show::kRestore;
    if (command == show::kHide) {
      manager.set_visible(window, false);
      manager.changed();
      return;
    }
    manager.set_visible(window, true);
    if (command == show::kMinimize) {
      manager.set_minimized(window, true);
    } else if (command == show::kNormal || command == show::kRestore) {
      manager.set_minimized(window, false);
    }
    if (activating && !window.is_child() && !window.minimized && window.enabled) {
      manager.raise(window, kInsertTop);
      manager.activate(&window);
    }
    manager.changed();
  });
  return was_visible;
}

bool is_window_visible(WindowHandle handle) {
  bool visible = false;
  with_window(handle, [&](WindowManager& manager, Window& window) {
    for (const Window* w = &window; w != nullptr; w = manager.find(w->parent)) {
      if (!w->visible) return;
    }
    visible = true;
  });
  return visible;
}

bool is_minimized(WindowHandle handle) {
  bool minimized = false;
  with_window(handle, [&](WindowManager&, Window& window) { minimized = window.minimized; });
  return minimized;
}

bool get_window_rect(WindowHandle handle, Rect* rect) {
  if (rect == nullptr) return false;
  return with_window(handle, [&](WindowManager& manager, Window& window) {
    *rect = manager.outer_on_screen(window);
  });
}

bool get_client_rect(WindowHandle handle, Rect* rect) {
  if (rect == nullptr) return false;
  return with_window(handle, [&](WindowManager& manager, Window& window) {
    const Size size = manager.client_size(window);
    *rect = {0, 0, size.cx, size.cy};
  });
}

bool set_window_pos(WindowHandle handle, WindowHandle insert_after, std::int32_t x, std::int32_t y,
                    std::int32_t width, std::int32_t height, std::uint32_t flags) {
  return with_window(handle, [&](WindowManager& manager, Window& window) {
    manager.place(window, {x, y}, {width, height}, (flags & placement::kNoMove) == 0,
                  (flags & placement::kNoSize) == 0);
    if ((flags & placement::kNoZOrder) == 0 && insert_after != handle) {
      manager.raise(window, insert_after);
    }
    if ((flags & placement::kShowWindow) != 0) manager.set_visible(window, true);
    if ((flags & placement::kHideWindow) != 0) manager.set_visible(window, false);
    if ((flags & placement::kNoActivate) == 0 && !window.is_child() && window.visible &&
        !window.minimized && window.enabled) {
      manager.activate(&window);
    }
    manager.changed();
  });
}

bool screen_to_client(WindowHandle handle, Point* point) {
  if (point == nullptr) return false;
  return with_window(handle, [&](WindowManager& manager, Window& window) {
    const Rect client = manager.client_on_screen(window);
    point->x -= client.left;
    point->y -= client.top;
  });
}

bool client_to_screen(WindowHandle handle, Point* point) {
  if (point == nullptr) return false;
  return with_window(handle, [&](WindowManager& manager, Window& window) {
    const Rect client = manager.client_on_screen(window);
    point->x += client.left;
    point->y += client.top;
  });
}

bool enable_window(WindowHandle handle, bool enable) {
  bool was_disabled = false;
  with_window(handle, [&](WindowManager& manager, Window& window) {
    was_disabled = !window.enabled;
    if (window.enabled == enable) return;
    window.enabled = enable;
    if (!enable && manager.is_within(window, manager.focus)) manager.focus = kNoWindow;
    detail::post_to_owner(window, msg::kEnable, enable ? 1 : 0, 0);
  });
  return was_disabled;
}

bool is_window_enabled(WindowHandle handle) {
  bool enabled = false;
  with_window(handle, [&](WindowManager&, Window& window) { enabled = window.enabled; });
  return enabled;
}

bool set_foreground_window(WindowHandle handle) {
  return with_window(handle, [&](WindowManager& manager, Window& window) {
    Window& top = manager.top_level(window);
    manager.raise(top, kInsertTop);
    manager.activate(&top);
    if (&top != &window && manager.takes_input(window)) manager.move_focus(handle);
    manager.changed();
  });
}

WindowHandle get_foreground_window() {
  WindowManager& manager = WindowManager::instance();
  std::lock_guard lock(manager.mutex);
  return manager.active;
}

WindowHandle set_focus(WindowHandle handle) {
  WindowManager& manager = WindowManager::instance();
  std::lock_guard lock(manager.mutex);
  const WindowHandle previous = manager.focus;
  if (handle == kNoWindow) {
    manager.move_focus(kNoWindow);
    return previous;
  }
  Window* window = manager.find(handle);
  if (window == nullptr || !manager.takes_input(*window)) return kNoWindow;
  Window& top = manager.top_level(*window);
  if (&top != window && manager.active != top.handle) {
    top.last_focus = handle;
    return previous;
  }
  manager.move_focus(handle);
  return previous;
}

WindowHandle get_focus() {
  WindowManager& manager = WindowManager::instance();
  std::lock_guard lock(manager.mutex);
  Window* window = manager.find(manager.focus);
  if (window == nullptr || !detail::ThreadQueue::current_is(window->owner.get())) return kNoWindow;
  return manager.focus;
}

WindowHandle set_capture(WindowHandle handle) {
  WindowManager& manager = WindowManager::instance();
  std::lock_guard lock(manager.mutex);
  const WindowHandle previous = manager.pointer.capture;
  Window* window = manager.find(handle);
  if (window == nullptr) return kNoWindow;
  if (previous != handle) {
    if (Window* old = manager.find(previous)) {
      detail::post_to_owner(*old, msg::kCaptureChanged, 0, static_cast<LParam>(handle));
    }
    manager.pointer.capture = handle;
  }
  return previous;
}

bool release_capture() {
  WindowManager& manager = WindowManager::instance();
  std::lock_guard lock(manager.mutex);
  Window* window = manager.find(manager.pointer.capture);
  manager.pointer.capture = kNoWindow;
  if (window == nullptr) return false;
  detail::post_to_owner(*window, msg::kCaptureChanged, 0, 0);
  return true;
}

WindowHandle get_capture() {
  WindowManager& manager = WindowManager::instance();
  std::lock_guard lock(manager.mutex);
  const Window* window = manager.find(manager.pointer.capture);
  if (window == nullptr || !detail::ThreadQueue::current_is(window->owner.get())) return kNoWindow;
  return window->handle;
}

std::size_t z_order(WindowHandle* windows, std::size_t capacity) {
  WindowManager& manager = WindowManager::instance();
  std::lock_guard lock(manager.mutex);
  std::size_t count = 0;
  for (auto it = manager.stacking.rbegin(); it != manager.stacking.rend(); ++it) {
    if (windows != nullptr && count < capacity) windows[count] = *it;
    ++count;
  }
  return count;
}

std::int32_t get_window_text(WindowHandle handle, char* buffer, std::int32_t size) {
  if (buffer == nullptr || size <= 0) return 0;
  buffer[0] = '\0';
  return static_cast<std::int32_t>(send_message(handle, msg::kGetText, static_cast<WParam>(size),
                                                reinterpret_cast<LParam>(buffer)));
}

std::int32_t get_window_text_length(WindowHandle handle) {
  return static_cast<std::int32_t>(send_message(handle, msg::kGetTextLength, 0, 0));
}

bool set_window_text(WindowHandle handle, std::string_view text) {
  const std::string terminated(text);
  return send_message(handle, msg::kSetText, 0, reinterpret_cast<LParam>(terminated.c_str())) != 0;
}

Rect screen_rect() {
  WindowManager& manager = WindowManager::instance();
  std::lock_guard lock(manager.mutex);
  return manager.screen().bounds();
}

Rect work_area() {
  WindowManager& manager = WindowManager::instance();
  std::lock_guard lock(manager.mutex);
  return manager.screen().work_area();
}

}  // namespace kanvo::win

namespace kanvo::win {

display::HeadlessDisplay* headless_screen() {
  WindowManager& manager = WindowManager::instance();
  std::lock_guard lock(manager.mutex);
  display::Display& screen = manager.screen();
  return screen.is_headless() ? static_cast<display::HeadlessDisplay*>(&screen) : nullptr;
}

void close_display() {
  std::shared_ptr<display::Display> closing;
  {
    WindowManager& manager = WindowManager::instance();
    std::lock_guard lock(manager.mutex);
    closing = manager.take_display();
  }
  // Outside the lock: the display thread may be waiting for it.
}

}  // namespace kanvo::win
