// One key message of the graphics window, as the drawing thread reads it.
#pragma once

#include <cstdint>

#include "graphics/platform/window_system.h"

namespace kanvo {

// The window messages a key message can carry: a key pressed (or repeating while held) and a
// key released.
inline constexpr std::uint32_t WM_KEYDOWN = ui::msg::kKeyDown;
inline constexpr std::uint32_t WM_KEYUP = ui::msg::kKeyUp;

// Virtual-key codes of the keys games use most; letters and digits are their upper-case ASCII
// codes ('A', '7').
inline constexpr std::uint32_t VK_BACK = keys::kBackspace;
inline constexpr std::uint32_t VK_TAB = keys::kTab;
inline constexpr std::uint32_t VK_RETURN = keys::kReturn;
inline constexpr std::uint32_t VK_SHIFT = keys::kShift;
inline constexpr std::uint32_t VK_CONTROL = keys::kControl;
inline constexpr std::uint32_t VK_MENU = keys::kAlt;
inline constexpr std::uint32_t VK_ESCAPE = keys::kEscape;
inline constexpr std::uint32_t VK_SPACE = keys::kSpace;
inline constexpr std::uint32_t VK_PRIOR = keys::kPageUp;
inline constexpr std::uint32_t VK_NEXT = keys::kPageDown;
inline constexpr std::uint32_t VK_END = keys::kEnd;
inline constexpr std::uint32_t VK_HOME = keys::kHome;
inline constexpr std::uint32_t VK_LEFT = keys::kLeft;
inline constexpr std::uint32_t VK_UP = keys::kUp;
inline constexpr std::uint32_t VK_RIGHT = keys::kRight;
inline constexpr std::uint32_t VK_DOWN = keys::kDown;
inline constexpr std::uint32_t VK_INSERT = keys::kInsert;
inline constexpr std::uint32_t VK_DELETE = keys::kDelete;
inline constexpr std::uint32_t VK_F1 = keys::kF1;  // to VK_F1 + 11 for F12

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
