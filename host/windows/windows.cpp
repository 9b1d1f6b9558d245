#include "host/windows/windows.h"

#include <algorithm>
#include <cstring>

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
    const Rect bounds = manager.screen().bounds();
    auto window = std::make_unique<Window>();
    window->window_class = found->second;
    window->owner = detail::ThreadQueue::current();
    window->owner_window = params.owner;
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
    const Point position = params.x == kUseDefault || params.y == kUseDefault
                               ? default_position(manager)
                               : Point{params.x, params.y};
    manager.place(record, position, {params.width, params.height}, true, true);
    manager.stacking.push_back(handle);
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

bool destroy_window(WindowHandle handle) {
  WindowManager& manager = WindowManager::instance();
  WindowProcedure procedure = nullptr;
  {
    std::lock_guard lock(manager.mutex);
    Window* window = manager.find(handle);
    if (window == nullptr || window->destroying) return false;
    if (!detail::ThreadQueue::current_is(window->owner.get())) return false;
    window->destroying = true;
    window->visible = false;
    manager.changed();
    procedure = window->window_class->info.procedure;
  }
  procedure(handle, msg::kDestroy, 0, 0);
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
    if (activating && !window.minimized && window.enabled) {
      manager.raise(window, kInsertTop);
      manager.activate(&window);
    }
    manager.changed();
  });
  return was_visible;
}

bool is_window_visible(WindowHandle handle) {
  bool visible = false;
  with_window(handle, [&](WindowManager&, Window& window) { visible = window.visible; });
  return visible;
}

bool is_minimized(WindowHandle handle) {
  bool minimized = false;
  with_window(handle, [&](WindowManager&, Window& window) { minimized = window.minimized; });
  return minimized;
}

bool get_window_rect(WindowHandle handle, Rect* rect) {
  if (rect == nullptr) return false;
  return with_window(handle, [&](WindowManager&, Window& window) { *rect = window.outer; });
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
    if ((flags & placement::kNoActivate) == 0 && window.visible && !window.minimized &&
        window.enabled) {
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
    if (!enable && manager.focus == handle) manager.focus = kNoWindow;
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
    manager.raise(window, kInsertTop);
    manager.activate(&window);
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
    if (Window* old = manager.find(previous)) detail::post_to_owner(*old, msg::kKillFocus, 0, 0);
    manager.focus = kNoWindow;
    return previous;
  }
  Window* window = manager.find(handle);
  if (window == nullptr || !window->enabled) return kNoWindow;
  if (previous != handle) {
    if (Window* old = manager.find(previous)) detail::post_to_owner(*old, msg::kKillFocus, 0, 0);
    manager.focus = handle;
    detail::post_to_owner(*window, msg::kSetFocus, 0, 0);
  }
  return previous;
}

WindowHandle get_focus() {
  WindowManager& manager = WindowManager::instance();
  std::lock_guard lock(manager.mutex);
  Window* window = manager.find(manager.focus);
  if (window == nullptr || !detail::ThreadQueue::current_is(window->owner.get())) return kNoWindow;
  return manager.focus;
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
  std::int32_t copied = 0;
  buffer[0] = '\0';
  with_window(handle, [&](WindowManager&, Window& window) {
    copied = static_cast<std::int32_t>(
        std::min<std::size_t>(window.title.size(), static_cast<std::size_t>(size - 1)));
    std::memcpy(buffer, window.title.data(), static_cast<std::size_t>(copied));
    buffer[copied] = '\0';
  });
  return copied;
}

std::int32_t get_window_text_length(WindowHandle handle) {
  std::int32_t length = 0;
  with_window(handle, [&](WindowManager&, Window& window) {
    length = static_cast<std::int32_t>(window.title.size());
  });
  return length;
}

bool set_window_text(WindowHandle handle, std::string_view text) {
  return with_window(handle, [&](WindowManager& manager, Window& window) {
    window.title = std::string(text);
    window.title_utf8 = text::gbk_to_utf8(text);
    ++window.frame_version;
    manager.changed();
  });
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
  std::unique_ptr<display::Display> closing;
  {
    WindowManager& manager = WindowManager::instance();
    std::lock_guard lock(manager.mutex);
    closing = manager.take_display();
  }
  // Outside the lock: the display thread may be waiting for it.
}

}  // namespace kanvo::win
