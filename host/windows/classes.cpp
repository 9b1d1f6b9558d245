#include "host/windows/classes.h"

#include "host/windows/window_manager.h"

namespace kanvo::win {

using detail::WindowManager;

bool register_class(const WindowClass& window_class) {
  if (window_class.name.empty() || window_class.procedure == nullptr) return false;
  WindowManager& manager = WindowManager::instance();
  std::lock_guard lock(manager.mutex);
  auto record = std::make_shared<detail::ClassRecord>();
  record->info = window_class;
  return manager.classes.emplace(window_class.name, std::move(record)).second;
}

bool unregister_class(std::string_view name) {
  WindowManager& manager = WindowManager::instance();
  std::lock_guard lock(manager.mutex);
  const auto it = manager.classes.find(std::string(name));
  if (it == manager.classes.end() || it->second->windows > 0) return false;
  manager.classes.erase(it);
  return true;
}

bool get_class_info(std::string_view name, WindowClass* window_class) {
  WindowManager& manager = WindowManager::instance();
  std::lock_guard lock(manager.mutex);
  const auto it = manager.classes.find(std::string(name));
  if (it == manager.classes.end()) return false;
  if (window_class != nullptr) *window_class = it->second->info;
  return true;
}

}  // namespace kanvo::win
