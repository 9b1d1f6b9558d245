// The window system's values as the library takes them: window handles, messages and their
// parameters, styles and flags, the standard controls' messages, and virtual-key codes. The
// numbers are those that programs for this kind of window system have always used.
#pragma once

#include <cstdint>

#include "graphics/platform/types.h"
#include "graphics/platform/window.h"

namespace kanvo::platform {

using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;
using WindowProcedure = LResult (*)(WindowHandle window, std::uint32_t message, WParam wparam,
                                    LParam lparam);

struct Message {
  WindowHandle window = kNoWindow;  // none for messages posted to the thread
  std::uint32_t message = 0;
  WParam wparam = 0;
  LParam lparam = 0;
};

constexpr std::int16_t low_word(std::uintptr_t value) {
  return static_cast<std::int16_t>(value & 0xFFFF);
}
constexpr std::int16_t high_word(std::uintptr_t value) {
  return static_cast<std::int16_t>((value >> 16) & 0xFFFF);
}

namespace msg {
inline constexpr std::uint32_t kCreate = 0x0001;
inline constexpr std::uint32_t kDestroy = 0x0002;
inline constexpr std::uint32_t kPaint = 0x000F;
inline constexpr std::uint32_t kClose = 0x0010;
inline constexpr std::uint32_t kQuit = 0x0012;
inline constexpr std::uint32_t kSetFont = 0x0030;  // wparam: font; lparam: 1 to redraw
inline constexpr std::uint32_t kKeyDown = 0x0100;
inline constexpr std::uint32_t kKeyUp = 0x0101;
inline constexpr std::uint32_t kChar = 0x0102;  // wparam: the character (a code point)
// From a control to its parent: wparam: the control's id (low word) and what happened (high
// word); lparam: the control.
inline constexpr std::uint32_t kCommand = 0x0111;
inline constexpr std::uint32_t kMouseFirst = 0x0200;
inline constexpr std::uint32_t kMouseMove = 0x0200;
inline constexpr std::uint32_t kLeftButtonDown = 0x0201;
inline constexpr std::uint32_t kLeftButtonUp = 0x0202;
inline constexpr std::uint32_t kLeftButtonDoubleClick = 0x0203;
inline constexpr std::uint32_t kRightButtonDown = 0x0204;
inline constexpr std::uint32_t kRightButtonUp = 0x0205;
inline constexpr std::uint32_t kRightButtonDoubleClick = 0x0206;
inline constexpr std::uint32_t kMiddleButtonDown = 0x0207;
inline constexpr std::uint32_t kMiddleButtonUp = 0x0208;
inline constexpr std::uint32_t kMiddleButtonDoubleClick = 0x0209;
inline constexpr std::uint32_t kMouseWheel = 0x020A;  // lparam: pointer in screen pixels
inline constexpr std::uint32_t kMouseLast = 0x020A;
inline constexpr std::uint32_t kUser = 0x0400;
}  // namespace msg

// Key and button state in the low word of a mouse message's wparam.
namespace mouse_keys {
inline constexpr WParam kLeftButton = 0x0001;
inline constexpr WParam kRightButton = 0x0002;
inline constexpr WParam kShift = 0x0004;
inline constexpr WParam kControl = 0x0008;
inline constexpr WParam kMiddleButton = 0x0010;
}  // namespace mouse_keys

namespace class_style {
inline constexpr std::uint32_t kVerticalRedraw = 0x0001;
inline constexpr std::uint32_t kHorizontalRedraw = 0x0002;
inline constexpr std::uint32_t kDoubleClicks = 0x0008;
inline constexpr std::uint32_t kNoClose = 0x0200;
}  // namespace class_style

namespace style {
inline constexpr std::uint32_t kPopup = 0x80000000;
inline constexpr std::uint32_t kChild = 0x40000000;
inline constexpr std::uint32_t kVisible = 0x10000000;
inline constexpr std::uint32_t kCaption = 0x00C00000;  // border and dialog frame
inline constexpr std::uint32_t kSystemMenu = 0x00080000;
inline constexpr std::uint32_t kMinimizeBox = 0x00020000;
inline constexpr std::uint32_t kVScroll = 0x00200000;
// On child windows the bit of the maximise box marks a stop of the Tab key.
inline constexpr std::uint32_t kTabStop = 0x00010000;
}  // namespace style

namespace ex_style {
inline constexpr std::uint32_t kDialogModalFrame = 0x00000001;
inline constexpr std::uint32_t kClientEdge = 0x00000200;
}  // namespace ex_style

// Commands of show_window.
namespace show {
inline constexpr int kHide = 0;
inline constexpr int kMinimize = 6;
inline constexpr int kShow = 5;
inline constexpr int kRestore = 9;
}  // namespace show

// Flags of set_window_pos.
namespace placement {
inline constexpr std::uint32_t kNoSize = 0x0001;
inline constexpr std::uint32_t kNoMove = 0x0002;
inline constexpr std::uint32_t kNoZOrder = 0x0004;
inline constexpr std::uint32_t kShowWindow = 0x0040;
}  // namespace placement

// Position given to create_window for "wherever the system puts new windows".
inline constexpr std::int32_t kUseDefault = static_cast<std::int32_t>(0x80000000u);
// Insert-after value of set_window_pos: the top of the order.
inline constexpr WindowHandle kInsertTop{0};

enum class Cursor : std::uint8_t { arrow };

// The standard controls, created as child windows by class name.
inline constexpr const char* kStaticClass = "Static";
inline constexpr const char* kEditClass = "Edit";
inline constexpr const char* kButtonClass = "Button";

namespace edit_style {
// Several lines, broken at line breaks and wrapped at the field's width; Enter types a line
// break. A multi-line field with style::kVScroll has a scroll bar at its right.
inline constexpr std::uint32_t kMultiLine = 0x0004;
// Scrolling to keep the caret in view; the fields here always do, so these only say so.
inline constexpr std::uint32_t kAutoVScroll = 0x0040;
inline constexpr std::uint32_t kAutoHScroll = 0x0080;
}  // namespace edit_style

namespace button_style {
inline constexpr std::uint32_t kDefaultPushButton = 0x0001;  // with a dark frame: Enter's button
}  // namespace button_style

// Messages to an edit field.
namespace edit_message {
// wparam: anchor, lparam: caret, in characters; -1 as the caret means the end, -1 as the anchor
// leaves just the caret where it is.
inline constexpr std::uint32_t kSetSelection = 0x00B1;
// wparam: the most bytes that typing and pasting may make the text; 0 allows none. The text in
// the field already is kept.
inline constexpr std::uint32_t kLimitText = 0x00C5;
// wparam 1: the limit counts the bytes the text takes in UTF-8 rather than as window text (GBK),
// for an owner that hands the text on in UTF-8; 0: back to GBK.
inline constexpr std::uint32_t kCountLimitInUtf8 = 0x0480;
}  // namespace edit_message

// Messages to a button.
namespace button_message {
inline constexpr std::uint32_t kGetState = 0x00F2;  // answers button_state bits
}  // namespace button_message

namespace button_state {
inline constexpr LResult kFocus = 0x0008;
}  // namespace button_state

// The wparam of msg::kCommand from a control.
constexpr WParam command_wparam(std::uint32_t id, std::uint16_t code) {
  return static_cast<WParam>((id & 0xFFFF) | (static_cast<std::uint32_t>(code) << 16));
}

namespace system_color {
inline constexpr int kButtonFace = 15;  // buttons and dialog backgrounds
}  // namespace system_color

}  // namespace kanvo::platform
