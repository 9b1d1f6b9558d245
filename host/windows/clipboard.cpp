#include "host/windows/clipboard.h"

#include <memory>
#include <mutex>

#include "host/windows/window_manager.h"

namespace kanvo::win {
namespace {

std::mutex g_mutex;
std::string g_text;  // the clipboard of a display that has none

std::shared_ptr<display::Display> current_display() {
  detail::WindowManager& manager = detail::WindowManager::instance();
  std::lock_guard lock(manager.mutex);
  return manager.shared_screen();
}

}  // namespace

bool set_clipboard_text(std::string_view utf8) {
  const std::string text(utf8);
  if (current_display()->set_clipboard_text(text)) return true;
  std::lock_guard lock(g_mutex);
  g_text = text;
  return true;
}

std::string clipboard_text() {
  if (std::optional<std::string> text = current_display()->clipboard_text()) return *text;
  std::lock_guard lock(g_mutex);
  return g_text;
}

}  // namespace kanvo::win
