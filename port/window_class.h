// The host's class and style of the library's windows.
#pragma once

#include <cstdint>

#include "host/windows/types.h"

namespace kanvo::platform {

inline constexpr const char* kWindowClassName = "KanvoWnd";

// Caption and system menu, and a minimize box unless asked otherwise; never a sizing frame or a
// maximize box.
constexpr std::uint32_t frame_style(bool no_minimize) {
  return win::style::kCaption | win::style::kSystemMenu |
         (no_minimize ? 0 : win::style::kMinimizeBox);
}

}  // namespace kanvo::platform
