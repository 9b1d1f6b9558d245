// One key message of the graphics window, as the drawing thread reads it.
#pragma once

#include <cstdint>

#include "graphics/platform/window_types.h"

namespace kanvo {

// The window messages a key message can carry: a key pressed (or repeating while held) and a
// key released.
inline constexpr std::uint32_t WM_KEYDOWN = platform::msg::kKeyDown;
inline constexpr std::uint32_t WM_KEYUP = platform::msg::kKeyUp;

// Virtual-key codes of the keys games use most; letters and digits are their upper-case ASCII
// codes ('A', '7').
inline constexpr std::uint32_t VK_BACK = platform::keys::kBackspace;
inline constexpr std::uint32_t VK_TAB = platform::keys::kTab;
inline constexpr std::uint32_t VK_RETURN = platform::keys::kReturn;
inline constexpr std::uint32_t VK_SHIFT = platform::keys::kShift;
inline constexpr std::uint32_t VK_CONTROL = platform::keys::kControl;
inline constexpr std::uint32_t VK_MENU = platform::keys::kAlt;
inline constexpr std::uint32_t VK_ESCAPE = platform::keys::kEscape;
inline constexpr std::uint32_t VK_SPACE = platform::keys::kSpace;
inline constexpr std::uint32_t VK_PRIOR = platform::keys::kPageUp;
inline constexpr std::uint32_t VK_NEXT = platform::keys::kPageDown;
inline constexpr std::uint32_t VK_END = platform::keys::kEnd;
inline constexpr std::uint32_t VK_HOME = platform::keys::kHome;
inline constexpr std::uint32_t VK_LEFT = platform::keys::kLeft;
inline constexpr std::uint32_t VK_UP = platform::keys::kUp;
inline constexpr std::uint32_t VK_RIGHT = platform::keys::kRight;
inline constexpr std::uint32_t VK_DOWN = platform::keys::kDown;
inline constexpr std::uint32_t VK_INSERT = platform::keys::kInsert;
inline constexpr std::uint32_t VK_DELETE = platform::keys::kDelete;
inline constexpr std::uint32_t VK_F1 = platform::keys::kF1;  // to VK_F1 + 11 for F12

struct KeyMessage {
  std::uint32_t message = 0;  // WM_KEYDOWN or WM_KEYUP; 0 for the empty message
  std::uint32_t key = 0;      // virtual-key code; 0 for a character typed without a key of its own
  // The character the press types, zero-terminated, in the program's text encoding; empty for
  // releases and keys that type nothing (arrows, F1).
  char text[5] = {};
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
  bool repeat = false;  // a press repeated by holding the key down
};

}  // namespace kanvo
