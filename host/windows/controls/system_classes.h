// The classes of the standard controls, there from the start like in every window system.
#pragma once

#include <cstdint>

#include "host/windows/types.h"

namespace kanvo::win::detail {
class WindowManager;
}  // namespace kanvo::win::detail

namespace kanvo::win::controls {

LResult static_procedure(WindowHandle window, std::uint32_t message, WParam wparam, LParam lparam);
LResult edit_procedure(WindowHandle window, std::uint32_t message, WParam wparam, LParam lparam);
LResult button_procedure(WindowHandle window, std::uint32_t message, WParam wparam, LParam lparam);

// Called once, while the window manager is made.
void register_system_classes(detail::WindowManager& manager);

}  // namespace kanvo::win::controls
