// The port's numbers are the host's: the calls pass styles, modes, messages and keys on
// unchanged, and cast enumerations by value. A number that drifts on either side stops the build.
#include <string_view>

#include "graphics/input/key_message.h"
#include "graphics/input/mouse_message.h"
#include "graphics/platform/drawing_surface.h"
#include "host/display/keys.h"
#include "port/host_values.h"

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

}  // namespace kanvo::platform
