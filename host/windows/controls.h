// The standard controls that every program can create as child windows by class name: static
// texts, edit fields and push buttons, in a plain look (button-face grey, three-dimensional
// edges). They take their font by msg::kSetFont (the system font until then) and report to their
// parent by msg::kCommand.
#pragma once

#include <cstdint>

#include "host/windows/types.h"

namespace kanvo::win {

inline constexpr const char* kStaticClass = "Static";
inline constexpr const char* kEditClass = "Edit";
inline constexpr const char* kButtonClass = "Button";

namespace static_style {
inline constexpr std::uint32_t kNoPrefix = 0x0080;  // '&' shows as itself, underlining nothing
}  // namespace static_style

namespace edit_style {
// Several lines, broken at line breaks and wrapped at the field's width; Enter types a line
// break. A multi-line field with style::kVScroll has a scroll bar at its right.
inline constexpr std::uint32_t kMultiLine = 0x0004;
// Scrolling to keep the caret in view; the fields here always do, so these only say so.
inline constexpr std::uint32_t kAutoVScroll = 0x0040;
inline constexpr std::uint32_t kAutoHScroll = 0x0080;
}  // namespace edit_style

namespace button_style {
inline constexpr std::uint32_t kPushButton = 0x0000;
inline constexpr std::uint32_t kDefaultPushButton = 0x0001;  // with a dark frame: Enter's button
}  // namespace button_style

// Messages to an edit field.
namespace edit_message {
// Answers start | end << 16 (each cut to 16 bits); wparam and lparam, unless 0, point to
// std::uint32_t that receive them whole.
inline constexpr std::uint32_t kGetSelection = 0x00B0;
// wparam: anchor, lparam: caret, in characters; -1 as the caret means the end, -1 as the anchor
// leaves just the caret where it is.
inline constexpr std::uint32_t kSetSelection = 0x00B1;
inline constexpr std::uint32_t kGetLineCount = 0x00BA;
// wparam: the most bytes that typing and pasting may make the text; 0 allows none. The text in
// the field already is kept.
inline constexpr std::uint32_t kLimitText = 0x00C5;
inline constexpr std::uint32_t kGetFirstVisibleLine = 0x00CE;
inline constexpr std::uint32_t kGetLimitText = 0x00D5;
// wparam 1: the limit counts the bytes the text takes in UTF-8 rather than as window text (GBK),
// for an owner that hands the text on in UTF-8; 0: back to GBK.
inline constexpr std::uint32_t kCountLimitInUtf8 = 0x0480;
}  // namespace edit_message

// Messages to a button.
namespace button_message {
inline constexpr std::uint32_t kGetState = 0x00F2;  // answers button_state bits
}  // namespace button_message

namespace button_state {
inline constexpr LResult kPushed = 0x0004;
inline constexpr LResult kFocus = 0x0008;
}  // namespace button_state

// What a control reports in the high word of msg::kCommand's wparam.
namespace notification {
inline constexpr std::uint16_t kButtonClicked = 0;
}  // namespace notification

// The wparam of msg::kCommand from a control.
constexpr WParam command_wparam(std::uint32_t id, std::uint16_t code) {
  return static_cast<WParam>((id & 0xFFFF) | (static_cast<std::uint32_t>(code) << 16));
}

}  // namespace kanvo::win
