// Values of the window system: handles, messages and their parameters, styles and flags. The
// numbers are those that callers of this window system have always passed, so that message
// parameters keep their meaning bit for bit.
#pragma once

#include <cstdint>

#include "host/surface/types.h"

namespace kanvo::win {

using surface::Point;
using surface::Rect;
using surface::Size;

enum class WindowHandle : std::uint32_t {};
inline constexpr WindowHandle kNoWindow{};

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

// Packs two 16-bit values into a message parameter, low word first, and takes them apart again.
constexpr LParam make_lparam(std::int32_t low, std::int32_t high) {
  return static_cast<LParam>(static_cast<std::uint32_t>(low & 0xFFFF) |
                             (static_cast<std::uint32_t>(high & 0xFFFF) << 16));
}
constexpr std::int16_t low_word(std::uintptr_t value) {
  return static_cast<std::int16_t>(value & 0xFFFF);
}
constexpr std::int16_t high_word(std::uintptr_t value) {
  return static_cast<std::int16_t>((value >> 16) & 0xFFFF);
}

namespace msg {
inline constexpr std::uint32_t kCreate = 0x0001;
inline constexpr std::uint32_t kDestroy = 0x0002;
inline constexpr std::uint32_t kMove = 0x0003;      // lparam: client top-left in screen pixels
inline constexpr std::uint32_t kSize = 0x0005;      // wparam: size_kind; lparam: client size
inline constexpr std::uint32_t kActivate = 0x0006;  // wparam: 1 active, 0 inactive
inline constexpr std::uint32_t kSetFocus = 0x0007;
inline constexpr std::uint32_t kKillFocus = 0x0008;
inline constexpr std::uint32_t kEnable = 0x000A;
inline constexpr std::uint32_t kSetText = 0x000C;        // lparam: const char*, zero-terminated GBK
inline constexpr std::uint32_t kGetText = 0x000D;        // wparam: buffer size; lparam: char*
inline constexpr std::uint32_t kGetTextLength = 0x000E;  // answers the length in bytes
inline constexpr std::uint32_t kPaint = 0x000F;
inline constexpr std::uint32_t kClose = 0x0010;
inline constexpr std::uint32_t kQuit = 0x0012;
inline constexpr std::uint32_t kShowWindow = 0x0018;  // wparam: 1 shown, 0 hidden
inline constexpr std::uint32_t kSetFont = 0x0030;     // wparam: font; lparam: 1 to redraw
inline constexpr std::uint32_t kGetFont = 0x0031;
inline constexpr std::uint32_t kKeyDown = 0x0100;
inline constexpr std::uint32_t kKeyUp = 0x0101;
inline constexpr std::uint32_t kChar = 0x0102;  // wparam: the character (a code point)
// From a control to its parent: wparam: the control's id (low word) and what happened (high
// word); lparam: the control.
inline constexpr std::uint32_t kCommand = 0x0111;
inline constexpr std::uint32_t kSysCommand = 0x0112;  // wparam: a system_command
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
inline constexpr std::uint32_t kCaptureChanged = 0x0215;  // to the window that lost the capture
// Asks the owning thread to destroy the window (its default handling does so); the way for
// other threads to get rid of a window they do not own.
inline constexpr std::uint32_t kDestroyRequest = 0x0390;
inline constexpr std::uint32_t kUser = 0x0400;
}  // namespace msg

// wparam of msg::kSize.
namespace size_kind {
inline constexpr WParam kRestored = 0;
inline constexpr WParam kMinimized = 1;
}  // namespace size_kind

// wparam of msg::kSysCommand.
namespace system_command {
inline constexpr WParam kMinimize = 0xF020;
inline constexpr WParam kClose = 0xF060;
inline constexpr WParam kRestore = 0xF120;
}  // namespace system_command

// Key and button state in the low word of a mouse message's wparam.
namespace mouse_keys {
inline constexpr WParam kLeftButton = 0x0001;
inline constexpr WParam kRightButton = 0x0002;
inline constexpr WParam kShift = 0x0004;
inline constexpr WParam kControl = 0x0008;
inline constexpr WParam kMiddleButton = 0x0010;
}  // namespace mouse_keys

inline constexpr std::int32_t kWheelNotch = 120;

namespace class_style {
inline constexpr std::uint32_t kVerticalRedraw = 0x0001;
inline constexpr std::uint32_t kHorizontalRedraw = 0x0002;
inline constexpr std::uint32_t kDoubleClicks = 0x0008;
inline constexpr std::uint32_t kNoClose = 0x0200;
}  // namespace class_style

namespace style {
inline constexpr std::uint32_t kOverlapped = 0x00000000;
inline constexpr std::uint32_t kPopup = 0x80000000;
inline constexpr std::uint32_t kChild = 0x40000000;
inline constexpr std::uint32_t kMinimize = 0x20000000;
inline constexpr std::uint32_t kVisible = 0x10000000;
inline constexpr std::uint32_t kDisabled = 0x08000000;
inline constexpr std::uint32_t kCaption = 0x00C00000;  // border and dialog frame
inline constexpr std::uint32_t kBorder = 0x00800000;
inline constexpr std::uint32_t kDialogFrame = 0x00400000;
inline constexpr std::uint32_t kSystemMenu = 0x00080000;
inline constexpr std::uint32_t kSizingFrame = 0x00040000;
inline constexpr std::uint32_t kMinimizeBox = 0x00020000;
inline constexpr std::uint32_t kMaximizeBox = 0x00010000;
inline constexpr std::uint32_t kVScroll = 0x00200000;
// On child windows the bit of the maximise box marks a stop of the Tab key.
inline constexpr std::uint32_t kTabStop = 0x00010000;
}  // namespace style

namespace ex_style {
inline constexpr std::uint32_t kDialogModalFrame = 0x00000001;
inline constexpr std::uint32_t kTopmost = 0x00000008;
inline constexpr std::uint32_t kClientEdge = 0x00000200;
}  // namespace ex_style

// Position given to create_window for "wherever the system puts new windows".
inline constexpr std::int32_t kUseDefault = static_cast<std::int32_t>(0x80000000u);

// Commands of show_window.
namespace show {
inline constexpr int kHide = 0;
inline constexpr int kNormal = 1;
inline constexpr int kMinimize = 6;
inline constexpr int kShow = 5;
inline constexpr int kShowNoActivate = 8;
inline constexpr int kRestore = 9;
}  // namespace show

// Flags of set_window_pos.
namespace placement {
inline constexpr std::uint32_t kNoSize = 0x0001;
inline constexpr std::uint32_t kNoMove = 0x0002;
inline constexpr std::uint32_t kNoZOrder = 0x0004;
inline constexpr std::uint32_t kNoRedraw = 0x0008;
inline constexpr std::uint32_t kNoActivate = 0x0010;
inline constexpr std::uint32_t kShowWindow = 0x0040;
inline constexpr std::uint32_t kHideWindow = 0x0080;
}  // namespace placement

// Insert-after values of set_window_pos besides a window.
inline constexpr WindowHandle kInsertTop{0};
inline constexpr WindowHandle kInsertBottom{1};

enum class Cursor : std::uint8_t { arrow };

}  // namespace kanvo::win
