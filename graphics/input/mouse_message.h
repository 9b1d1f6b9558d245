// One mouse message of the graphics window, as the drawing thread reads it.
#pragma once

#include <cstdint>

namespace kanvo {

// The window messages a mouse message can carry, numbered as such programs have always known them.
inline constexpr std::uint32_t WM_MOUSEMOVE = 0x0200;
inline constexpr std::uint32_t WM_LBUTTONDOWN = 0x0201;
inline constexpr std::uint32_t WM_LBUTTONUP = 0x0202;
inline constexpr std::uint32_t WM_LBUTTONDBLCLK = 0x0203;
inline constexpr std::uint32_t WM_RBUTTONDOWN = 0x0204;
inline constexpr std::uint32_t WM_RBUTTONUP = 0x0205;
inline constexpr std::uint32_t WM_RBUTTONDBLCLK = 0x0206;
inline constexpr std::uint32_t WM_MBUTTONDOWN = 0x0207;
inline constexpr std::uint32_t WM_MBUTTONUP = 0x0208;
inline constexpr std::uint32_t WM_MBUTTONDBLCLK = 0x0209;
inline constexpr std::uint32_t WM_MOUSEWHEEL = 0x020A;

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
