// One key message of the graphics window, as the drawing thread reads it.
#pragma once

#include <cstdint>

namespace kanvo {

// The window messages a key message can carry: a key pressed (or repeating while held) and a
// key released.
inline constexpr std::uint32_t WM_KEYDOWN = 0x0100;
inline constexpr std::uint32_t WM_KEYUP = 0x0101;

// Virtual-key codes of the keys games use most, the numbers such programs have always used; letters
// and digits are their upper-case ASCII codes ('A', '7').
inline constexpr std::uint32_t VK_BACK = 0x08;
inline constexpr std::uint32_t VK_TAB = 0x09;
inline constexpr std::uint32_t VK_RETURN = 0x0D;
inline constexpr std::uint32_t VK_SHIFT = 0x10;
inline constexpr std::uint32_t VK_CONTROL = 0x11;
inline constexpr std::uint32_t VK_MENU = 0x12;
inline constexpr std::uint32_t VK_ESCAPE = 0x1B;
inline constexpr std::uint32_t VK_SPACE = 0x20;
inline constexpr std::uint32_t VK_PRIOR = 0x21;
inline constexpr std::uint32_t VK_NEXT = 0x22;
inline constexpr std::uint32_t VK_END = 0x23;
inline constexpr std::uint32_t VK_HOME = 0x24;
inline constexpr std::uint32_t VK_LEFT = 0x25;
inline constexpr std::uint32_t VK_UP = 0x26;
inline constexpr std::uint32_t VK_RIGHT = 0x27;
inline constexpr std::uint32_t VK_DOWN = 0x28;
inline constexpr std::uint32_t VK_INSERT = 0x2D;
inline constexpr std::uint32_t VK_DELETE = 0x2E;
inline constexpr std::uint32_t VK_F1 = 0x70;  // to VK_F1 + 11 for F12

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
