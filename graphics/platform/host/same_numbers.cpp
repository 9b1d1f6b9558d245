// The port's numbers are the host's: the calls pass styles, modes, messages and keys on
// unchanged, and cast enumerations by value. A number that drifts on either side stops the build.
#include <string_view>

#include "graphics/input/key_message.h"
#include "graphics/input/mouse_message.h"
#include "graphics/platform/drawing_surface.h"
#include "graphics/platform/host/host_values.h"
#include "graphics/platform/window_system.h"
#include "host/display/keys.h"
#include "host/windows/controls.h"
#include "host/windows/system_colors.h"

namespace kanvo::platform {
namespace {

template <typename Port, typename Host>
constexpr bool same(Port port, Host host) {
  return static_cast<long long>(port) == static_cast<long long>(host);
}

}  // namespace

static_assert(platform::rop2::kBlack == surface::rop2::kBlack);
static_assert(platform::rop2::kNotMergePen == surface::rop2::kNotMergePen);
static_assert(platform::rop2::kMaskNotPen == surface::rop2::kMaskNotPen);
static_assert(platform::rop2::kNotCopyPen == surface::rop2::kNotCopyPen);
static_assert(platform::rop2::kMaskPenNot == surface::rop2::kMaskPenNot);
static_assert(platform::rop2::kNot == surface::rop2::kNot);
static_assert(platform::rop2::kXorPen == surface::rop2::kXorPen);
static_assert(platform::rop2::kNotMaskPen == surface::rop2::kNotMaskPen);
static_assert(platform::rop2::kMaskPen == surface::rop2::kMaskPen);
static_assert(platform::rop2::kNotXorPen == surface::rop2::kNotXorPen);
static_assert(platform::rop2::kNop == surface::rop2::kNop);
static_assert(platform::rop2::kMergeNotPen == surface::rop2::kMergeNotPen);
static_assert(platform::rop2::kCopyPen == surface::rop2::kCopyPen);
static_assert(platform::rop2::kMergePenNot == surface::rop2::kMergePenNot);
static_assert(platform::rop2::kMergePen == surface::rop2::kMergePen);
static_assert(platform::rop2::kWhite == surface::rop2::kWhite);
static_assert(platform::rop3::kSrcCopy == surface::rop3::kSrcCopy);
static_assert(platform::rop3::kSrcPaint == surface::rop3::kSrcPaint);
static_assert(platform::rop3::kSrcAnd == surface::rop3::kSrcAnd);
static_assert(platform::rop3::kSrcInvert == surface::rop3::kSrcInvert);
static_assert(platform::rop3::kSrcErase == surface::rop3::kSrcErase);
static_assert(platform::rop3::kNotSrcCopy == surface::rop3::kNotSrcCopy);
static_assert(platform::rop3::kNotSrcErase == surface::rop3::kNotSrcErase);
static_assert(platform::rop3::kMergeCopy == surface::rop3::kMergeCopy);
static_assert(platform::rop3::kMergePaint == surface::rop3::kMergePaint);
static_assert(platform::rop3::kPatCopy == surface::rop3::kPatCopy);
static_assert(platform::rop3::kPatPaint == surface::rop3::kPatPaint);
static_assert(platform::rop3::kPatInvert == surface::rop3::kPatInvert);
static_assert(platform::rop3::kDstInvert == surface::rop3::kDstInvert);
static_assert(platform::rop3::kBlackness == surface::rop3::kBlackness);
static_assert(platform::rop3::kWhiteness == surface::rop3::kWhiteness);
static_assert(platform::pen_style::kSolid == surface::pen_style::kSolid);
static_assert(platform::pen_style::kDash == surface::pen_style::kDash);
static_assert(platform::pen_style::kDot == surface::pen_style::kDot);
static_assert(platform::pen_style::kDashDot == surface::pen_style::kDashDot);
static_assert(platform::pen_style::kDashDotDot == surface::pen_style::kDashDotDot);
static_assert(platform::pen_style::kNull == surface::pen_style::kNull);
static_assert(platform::pen_style::kInsideFrame == surface::pen_style::kInsideFrame);
static_assert(platform::pen_style::kUserStyle == surface::pen_style::kUserStyle);
static_assert(platform::pen_style::kEndCapRound == surface::pen_style::kEndCapRound);
static_assert(platform::pen_style::kEndCapSquare == surface::pen_style::kEndCapSquare);
static_assert(platform::pen_style::kEndCapFlat == surface::pen_style::kEndCapFlat);
static_assert(platform::pen_style::kJoinRound == surface::pen_style::kJoinRound);
static_assert(platform::pen_style::kJoinBevel == surface::pen_style::kJoinBevel);
static_assert(platform::pen_style::kJoinMiter == surface::pen_style::kJoinMiter);
static_assert(platform::pen_style::kGeometric == surface::pen_style::kGeometric);
static_assert(platform::kDefaultCharset == surface::kDefaultCharset);
static_assert(platform::kNonAntialiasedQuality == surface::kNonAntialiasedQuality);
static_assert(platform::text_format::kTop == surface::text_format::kTop);
static_assert(platform::text_format::kLeft == surface::text_format::kLeft);
static_assert(platform::text_format::kCenter == surface::text_format::kCenter);
static_assert(platform::text_format::kRight == surface::text_format::kRight);
static_assert(platform::text_format::kVCenter == surface::text_format::kVCenter);
static_assert(platform::text_format::kBottom == surface::text_format::kBottom);
static_assert(platform::text_format::kWordBreak == surface::text_format::kWordBreak);
static_assert(platform::text_format::kSingleLine == surface::text_format::kSingleLine);
static_assert(platform::text_format::kExpandTabs == surface::text_format::kExpandTabs);
static_assert(platform::text_format::kNoClip == surface::text_format::kNoClip);
static_assert(platform::text_format::kCalcRect == surface::text_format::kCalcRect);
static_assert(platform::text_format::kNoPrefix == surface::text_format::kNoPrefix);
static_assert(platform::msg::kCreate == win::msg::kCreate);
static_assert(platform::msg::kDestroy == win::msg::kDestroy);
static_assert(platform::msg::kPaint == win::msg::kPaint);
static_assert(platform::msg::kClose == win::msg::kClose);
static_assert(platform::msg::kQuit == win::msg::kQuit);
static_assert(platform::msg::kSetFont == win::msg::kSetFont);
static_assert(platform::msg::kKeyDown == win::msg::kKeyDown);
static_assert(platform::msg::kKeyUp == win::msg::kKeyUp);
static_assert(platform::msg::kChar == win::msg::kChar);
static_assert(platform::msg::kCommand == win::msg::kCommand);
static_assert(platform::msg::kMouseFirst == win::msg::kMouseFirst);
static_assert(platform::msg::kMouseMove == win::msg::kMouseMove);
static_assert(platform::msg::kLeftButtonDown == win::msg::kLeftButtonDown);
static_assert(platform::msg::kLeftButtonUp == win::msg::kLeftButtonUp);
static_assert(platform::msg::kLeftButtonDoubleClick == win::msg::kLeftButtonDoubleClick);
static_assert(platform::msg::kRightButtonDown == win::msg::kRightButtonDown);
static_assert(platform::msg::kRightButtonUp == win::msg::kRightButtonUp);
static_assert(platform::msg::kRightButtonDoubleClick == win::msg::kRightButtonDoubleClick);
static_assert(platform::msg::kMiddleButtonDown == win::msg::kMiddleButtonDown);
static_assert(platform::msg::kMiddleButtonUp == win::msg::kMiddleButtonUp);
static_assert(platform::msg::kMiddleButtonDoubleClick == win::msg::kMiddleButtonDoubleClick);
static_assert(platform::msg::kMouseWheel == win::msg::kMouseWheel);
static_assert(platform::msg::kMouseLast == win::msg::kMouseLast);
static_assert(platform::msg::kUser == win::msg::kUser);
static_assert(platform::mouse_keys::kLeftButton == win::mouse_keys::kLeftButton);
static_assert(platform::mouse_keys::kRightButton == win::mouse_keys::kRightButton);
static_assert(platform::mouse_keys::kShift == win::mouse_keys::kShift);
static_assert(platform::mouse_keys::kControl == win::mouse_keys::kControl);
static_assert(platform::mouse_keys::kMiddleButton == win::mouse_keys::kMiddleButton);
static_assert(platform::class_style::kVerticalRedraw == win::class_style::kVerticalRedraw);
static_assert(platform::class_style::kHorizontalRedraw == win::class_style::kHorizontalRedraw);
static_assert(platform::class_style::kDoubleClicks == win::class_style::kDoubleClicks);
static_assert(platform::class_style::kNoClose == win::class_style::kNoClose);
static_assert(platform::style::kPopup == win::style::kPopup);
static_assert(platform::style::kChild == win::style::kChild);
static_assert(platform::style::kVisible == win::style::kVisible);
static_assert(platform::style::kCaption == win::style::kCaption);
static_assert(platform::style::kSystemMenu == win::style::kSystemMenu);
static_assert(platform::style::kMinimizeBox == win::style::kMinimizeBox);
static_assert(platform::style::kVScroll == win::style::kVScroll);
static_assert(platform::style::kTabStop == win::style::kTabStop);
static_assert(platform::ex_style::kDialogModalFrame == win::ex_style::kDialogModalFrame);
static_assert(platform::ex_style::kClientEdge == win::ex_style::kClientEdge);
static_assert(platform::show::kHide == win::show::kHide);
static_assert(platform::show::kMinimize == win::show::kMinimize);
static_assert(platform::show::kShow == win::show::kShow);
static_assert(platform::show::kRestore == win::show::kRestore);
static_assert(platform::placement::kNoSize == win::placement::kNoSize);
static_assert(platform::placement::kNoMove == win::placement::kNoMove);
static_assert(platform::placement::kNoZOrder == win::placement::kNoZOrder);
static_assert(platform::placement::kShowWindow == win::placement::kShowWindow);
static_assert(platform::kUseDefault == win::kUseDefault);
static_assert(platform::edit_style::kMultiLine == win::edit_style::kMultiLine);
static_assert(platform::edit_style::kAutoVScroll == win::edit_style::kAutoVScroll);
static_assert(platform::edit_style::kAutoHScroll == win::edit_style::kAutoHScroll);
static_assert(platform::button_style::kDefaultPushButton == win::button_style::kDefaultPushButton);
static_assert(platform::edit_message::kSetSelection == win::edit_message::kSetSelection);
static_assert(platform::edit_message::kLimitText == win::edit_message::kLimitText);
static_assert(platform::edit_message::kCountLimitInUtf8 == win::edit_message::kCountLimitInUtf8);
static_assert(platform::button_message::kGetState == win::button_message::kGetState);
static_assert(platform::button_state::kFocus == win::button_state::kFocus);
static_assert(platform::system_color::kButtonFace == win::system_color::kButtonFace);
static_assert(kanvo::WM_KEYDOWN == win::msg::kKeyDown);
static_assert(kanvo::WM_KEYUP == win::msg::kKeyUp);
static_assert(kanvo::WM_MOUSEMOVE == win::msg::kMouseMove);
static_assert(kanvo::WM_LBUTTONDOWN == win::msg::kLeftButtonDown);
static_assert(kanvo::WM_LBUTTONUP == win::msg::kLeftButtonUp);
static_assert(kanvo::WM_LBUTTONDBLCLK == win::msg::kLeftButtonDoubleClick);
static_assert(kanvo::WM_RBUTTONDOWN == win::msg::kRightButtonDown);
static_assert(kanvo::WM_RBUTTONUP == win::msg::kRightButtonUp);
static_assert(kanvo::WM_RBUTTONDBLCLK == win::msg::kRightButtonDoubleClick);
static_assert(kanvo::WM_MBUTTONDOWN == win::msg::kMiddleButtonDown);
static_assert(kanvo::WM_MBUTTONUP == win::msg::kMiddleButtonUp);
static_assert(kanvo::WM_MBUTTONDBLCLK == win::msg::kMiddleButtonDoubleClick);
static_assert(kanvo::WM_MOUSEWHEEL == win::msg::kMouseWheel);
static_assert(kanvo::VK_BACK == kanvo::keys::kBackspace);
static_assert(kanvo::VK_TAB == kanvo::keys::kTab);
static_assert(kanvo::VK_RETURN == kanvo::keys::kReturn);
static_assert(kanvo::VK_SHIFT == kanvo::keys::kShift);
static_assert(kanvo::VK_CONTROL == kanvo::keys::kControl);
static_assert(kanvo::VK_MENU == kanvo::keys::kAlt);
static_assert(kanvo::VK_ESCAPE == kanvo::keys::kEscape);
static_assert(kanvo::VK_SPACE == kanvo::keys::kSpace);
static_assert(kanvo::VK_PRIOR == kanvo::keys::kPageUp);
static_assert(kanvo::VK_NEXT == kanvo::keys::kPageDown);
static_assert(kanvo::VK_END == kanvo::keys::kEnd);
static_assert(kanvo::VK_HOME == kanvo::keys::kHome);
static_assert(kanvo::VK_LEFT == kanvo::keys::kLeft);
static_assert(kanvo::VK_UP == kanvo::keys::kUp);
static_assert(kanvo::VK_RIGHT == kanvo::keys::kRight);
static_assert(kanvo::VK_DOWN == kanvo::keys::kDown);
static_assert(kanvo::VK_INSERT == kanvo::keys::kInsert);
static_assert(kanvo::VK_DELETE == kanvo::keys::kDelete);
static_assert(kanvo::VK_F1 == kanvo::keys::kF1);

static_assert(same(GraphicsMode::advanced, surface::GraphicsMode::advanced));
static_assert(same(BackgroundMode::transparent, surface::BackgroundMode::transparent));
static_assert(same(BackgroundMode::opaque, surface::BackgroundMode::opaque));
static_assert(same(PolyFillMode::alternate, surface::PolyFillMode::alternate));
static_assert(same(PolyFillMode::winding, surface::PolyFillMode::winding));
static_assert(same(FloodFillType::border, surface::FloodFillType::border));
static_assert(same(FloodFillType::surface, surface::FloodFillType::surface));
static_assert(same(BrushStyle::dib_pattern, surface::BrushStyle::dib_pattern));
static_assert(same(BrushStyle::pattern, surface::BrushStyle::pattern));
static_assert(same(BrushStyle::hatched, surface::BrushStyle::hatched));
static_assert(same(BrushStyle::null, surface::BrushStyle::null));
static_assert(same(HatchStyle::diagonal_cross, surface::HatchStyle::diagonal_cross));
static_assert(same(HatchStyle::horizontal, surface::HatchStyle::horizontal));
static_assert(same(StockObject::default_palette, surface::StockObject::default_palette));
static_assert(same(StockObject::null_pen, surface::StockObject::null_pen));
static_assert(same(StockObject::white_brush, surface::StockObject::white_brush));
static_assert(same(ObjectKind::palette, surface::ObjectKind::palette));
static_assert(same(ObjectKind::font, surface::ObjectKind::font));
static_assert(same(ObjectKind::none, surface::ObjectKind::none));
static_assert(same(TextEncoding::gbk, text::TextEncoding::gbk));
static_assert(same(TextEncoding::utf8, text::TextEncoding::utf8));
static_assert(same(kInsertTop, win::kInsertTop));

}  // namespace kanvo::platform
