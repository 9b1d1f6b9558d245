// Window classes: what windows of one kind share (procedure, class style, background, cursor).
// Classes are process-wide and found by name.
#pragma once

#include <string>
#include <string_view>

#include "host/surface/surface.h"
#include "host/windows/types.h"

namespace kanvo::win {

struct WindowClass {
  std::string name;
  std::uint32_t style = 0;  // class_style bits
  WindowProcedure procedure = nullptr;
  Cursor cursor = Cursor::arrow;
  // Brush that erases invalid parts of the client area before they are painted; none leaves them.
  surface::ObjectHandle background = surface::kNoObject;
};

// False when the name is empty, the procedure missing, or the class registered already (the
// earlier registration stays in force).
bool register_class(const WindowClass& window_class);
// False when no such class exists or windows of it still exist.
bool unregister_class(std::string_view name);
bool get_class_info(std::string_view name, WindowClass* window_class);

}  // namespace kanvo::win
