// The library's view of the platform's window system: every graphics-layer file reaches windows,
// messages, painting, the standard controls, virtual keys and the console window through this
// header.
#pragma once

#include "host/display/keys.h"
#include "host/windows/classes.h"
#include "host/windows/console_window.h"
#include "host/windows/controls.h"
#include "host/windows/messages.h"
#include "host/windows/painting.h"
#include "host/windows/system_colors.h"
#include "host/windows/types.h"
#include "host/windows/windows.h"

namespace kanvo {

namespace ui = kanvo::win;

using WindowHandle = ui::WindowHandle;

}  // namespace kanvo
