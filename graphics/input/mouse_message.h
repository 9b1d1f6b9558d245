// One mouse message of the graphics window, as the drawing thread reads it.
#pragma once

#include <cstdint>

#include "graphics/platform/window_types.h"

namespace kanvo {

// The window messages a mouse message can carry.
inline constexpr std::uint32_t WM_MOUSEMOVE = platform::msg::kMouseMove;
inline constexpr std::uint32_t WM_LBUTTONDOWN = platform::msg::kLeftButtonDown;
inline constexpr std::uint32_t WM_LBUTTONUP = platform::msg::kLeftButtonUp;
inline constexpr std::uint32_t WM_LBUTTONDBLCLK = platform::msg::kLeftButtonDoubleClick;
inline constexpr std::uint32_t WM_RBUTTONDOWN = platform::msg::kRightButtonDown;
inline constexpr std::uint32_t WM_RBUTTONUP = platform::msg::kRightButtonUp;
inline constexpr std::uint32_t WM_RBUTTONDBLCLK = platform::msg::kRightButtonDoubleClick;
inline constexpr std::uint32_t WM_MBUTTONDOWN = platform::msg::kMiddleButtonDown;
inline constexpr std::uint32_t WM_MBUTTONUP = platform::msg::kMiddleButtonUp;
inline constexpr std::uint32_t WM_MBUTTONDBLCLK = platform::msg::kMiddleButtonDoubleClick;
inline constexpr std::uint32_t WM_MOUSEWHEEL = platform::msg::kMouseWheel;

struct MouseMessage {
  std::uint32_t message = 0;  // 0 for the empty message
  bool ctrl = false;
  bool shift = false;
  bool left_button = false;
  bool middle_button = false;
  bool right_button = false;
  std::int16_t x = 0;  // client coordinates of the window
  std::int16_t y = 0;
  std::int16_t wheel = 0;  // multiples of 120, positive away from the user
};

}  // namespace kanvo
