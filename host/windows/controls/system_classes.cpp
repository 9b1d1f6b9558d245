#include "host/windows/controls/system_classes.h"

#include "host/windows/controls.h"
#include "host/windows/window_manager.h"

namespace kanvo::win::controls {

void register_system_classes(detail::WindowManager& manager) {
  const WindowClass classes[] = {
      {kStaticClass, 0, static_procedure, Cursor::arrow, surface::kNoObject},
      {kEditClass, class_style::kDoubleClicks, edit_procedure, Cursor::arrow, surface::kNoObject},
      {kButtonClass, 0, button_procedure, Cursor::arrow, surface::kNoObject},
  };
  for (const WindowClass& window_class : classes) {
    auto record = std::make_shared<detail::ClassRecord>();
    record->info = window_class;
    manager.classes.emplace(window_class.name, std::move(record));
  }
}

}  // namespace kanvo::win::controls
