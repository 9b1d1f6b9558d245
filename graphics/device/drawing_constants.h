// The named values that programs pass to the drawing functions: pen and brush styles, hatches,
// background and polygon-fill modes, raster operations, text-format flags and font settings. They
// keep the platform's names and numbers, so code and documentation written for them carry over.
#pragma once

#include <cstdint>

#include "graphics/image/fill_style.h"
#include "graphics/platform/types.h"

namespace kanvo {

// A colour from its red, green and blue parts (0 to 255 each).
using platform::rgb;

// Line styles for set_line_style: one kind, optionally combined (|) with one end cap and one join.
inline constexpr std::int32_t PS_SOLID = platform::pen_style::kSolid;
inline constexpr std::int32_t PS_DASH = platform::pen_style::kDash;
inline constexpr std::int32_t PS_DOT = platform::pen_style::kDot;
inline constexpr std::int32_t PS_DASHDOT = platform::pen_style::kDashDot;
inline constexpr std::int32_t PS_DASHDOTDOT = platform::pen_style::kDashDotDot;
inline constexpr std::int32_t PS_NULL = platform::pen_style::kNull;
inline constexpr std::int32_t PS_INSIDEFRAME = platform::pen_style::kInsideFrame;
inline constexpr std::int32_t PS_USERSTYLE = platform::pen_style::kUserStyle;
inline constexpr std::int32_t PS_ENDCAP_ROUND = platform::pen_style::kEndCapRound;
inline constexpr std::int32_t PS_ENDCAP_SQUARE = platform::pen_style::kEndCapSquare;
inline constexpr std::int32_t PS_ENDCAP_FLAT = platform::pen_style::kEndCapFlat;
inline constexpr std::int32_t PS_JOIN_ROUND = platform::pen_style::kJoinRound;
inline constexpr std::int32_t PS_JOIN_BEVEL = platform::pen_style::kJoinBevel;
inline constexpr std::int32_t PS_JOIN_MITER = platform::pen_style::kJoinMiter;

// Fill styles for set_fill_style.
inline constexpr std::int32_t BS_SOLID = kFillSolid;
inline constexpr std::int32_t BS_NULL = kFillNull;
inline constexpr std::int32_t BS_HATCHED = kFillHatched;
inline constexpr std::int32_t BS_PATTERN = kFillPattern;        // an image's black and non-black
inline constexpr std::int32_t BS_DIBPATTERN = kFillDibPattern;  // an image in its own colours

// Hatches for set_fill_style with BS_HATCHED.
inline constexpr std::int32_t HS_HORIZONTAL =
    static_cast<std::int32_t>(platform::HatchStyle::horizontal);
inline constexpr std::int32_t HS_VERTICAL =
    static_cast<std::int32_t>(platform::HatchStyle::vertical);
inline constexpr std::int32_t HS_FDIAGONAL =
    static_cast<std::int32_t>(platform::HatchStyle::forward_diagonal);
inline constexpr std::int32_t HS_BDIAGONAL =
    static_cast<std::int32_t>(platform::HatchStyle::backward_diagonal);
inline constexpr std::int32_t HS_CROSS = static_cast<std::int32_t>(platform::HatchStyle::cross);
inline constexpr std::int32_t HS_DIAGCROSS =
    static_cast<std::int32_t>(platform::HatchStyle::diagonal_cross);

// Background modes for set_bk_mode: whether gaps of styled lines and hatches, and the cells
// behind text, are filled with the background colour.
inline constexpr int TRANSPARENT = static_cast<int>(platform::BackgroundMode::transparent);
inline constexpr int OPAQUE = static_cast<int>(platform::BackgroundMode::opaque);

// Polygon fill modes for set_poly_fill_mode.
inline constexpr int ALTERNATE = static_cast<int>(platform::PolyFillMode::alternate);
inline constexpr int WINDING = static_cast<int>(platform::PolyFillMode::winding);

// How pen and brush combine with the pixels below, for set_rop2 (set_write_mode).
inline constexpr int R2_BLACK = platform::rop2::kBlack;
inline constexpr int R2_NOTMERGEPEN = platform::rop2::kNotMergePen;
inline constexpr int R2_MASKNOTPEN = platform::rop2::kMaskNotPen;
inline constexpr int R2_NOTCOPYPEN = platform::rop2::kNotCopyPen;
inline constexpr int R2_MASKPENNOT = platform::rop2::kMaskPenNot;
inline constexpr int R2_NOT = platform::rop2::kNot;
inline constexpr int R2_XORPEN = platform::rop2::kXorPen;
inline constexpr int R2_NOTMASKPEN = platform::rop2::kNotMaskPen;
inline constexpr int R2_MASKPEN = platform::rop2::kMaskPen;
inline constexpr int R2_NOTXORPEN = platform::rop2::kNotXorPen;
inline constexpr int R2_NOP = platform::rop2::kNop;
inline constexpr int R2_MERGENOTPEN = platform::rop2::kMergeNotPen;
inline constexpr int R2_COPYPEN = platform::rop2::kCopyPen;
inline constexpr int R2_MERGEPENNOT = platform::rop2::kMergePenNot;
inline constexpr int R2_MERGEPEN = platform::rop2::kMergePen;
inline constexpr int R2_WHITE = platform::rop2::kWhite;

// How an image combines with the target, for put_image and put_image_part.
inline constexpr std::uint32_t SRCCOPY = platform::rop3::kSrcCopy;
inline constexpr std::uint32_t SRCPAINT = platform::rop3::kSrcPaint;
inline constexpr std::uint32_t SRCAND = platform::rop3::kSrcAnd;
inline constexpr std::uint32_t SRCINVERT = platform::rop3::kSrcInvert;
inline constexpr std::uint32_t SRCERASE = platform::rop3::kSrcErase;
inline constexpr std::uint32_t NOTSRCCOPY = platform::rop3::kNotSrcCopy;
inline constexpr std::uint32_t NOTSRCERASE = platform::rop3::kNotSrcErase;
inline constexpr std::uint32_t MERGECOPY = platform::rop3::kMergeCopy;
inline constexpr std::uint32_t MERGEPAINT = platform::rop3::kMergePaint;
inline constexpr std::uint32_t PATCOPY = platform::rop3::kPatCopy;
inline constexpr std::uint32_t PATPAINT = platform::rop3::kPatPaint;
inline constexpr std::uint32_t PATINVERT = platform::rop3::kPatInvert;
inline constexpr std::uint32_t DSTINVERT = platform::rop3::kDstInvert;
inline constexpr std::uint32_t BLACKNESS = platform::rop3::kBlackness;
inline constexpr std::uint32_t WHITENESS = platform::rop3::kWhiteness;

// Layout flags for draw_text_in_rect, combined with |.
inline constexpr std::uint32_t DT_TOP = platform::text_format::kTop;
inline constexpr std::uint32_t DT_LEFT = platform::text_format::kLeft;
inline constexpr std::uint32_t DT_CENTER = platform::text_format::kCenter;
inline constexpr std::uint32_t DT_RIGHT = platform::text_format::kRight;
inline constexpr std::uint32_t DT_VCENTER = platform::text_format::kVCenter;
inline constexpr std::uint32_t DT_BOTTOM = platform::text_format::kBottom;
inline constexpr std::uint32_t DT_WORDBREAK = platform::text_format::kWordBreak;
inline constexpr std::uint32_t DT_SINGLELINE = platform::text_format::kSingleLine;
inline constexpr std::uint32_t DT_EXPANDTABS = platform::text_format::kExpandTabs;
inline constexpr std::uint32_t DT_NOCLIP = platform::text_format::kNoClip;
inline constexpr std::uint32_t DT_CALCRECT = platform::text_format::kCalcRect;
inline constexpr std::uint32_t DT_NOPREFIX = platform::text_format::kNoPrefix;

// Font settings for the set_font functions.
inline constexpr std::int32_t FW_NORMAL = 400;
inline constexpr std::int32_t FW_BOLD = 700;
inline constexpr std::uint8_t DEFAULT_CHARSET = platform::kDefaultCharset;
inline constexpr std::uint8_t NONANTIALIASED_QUALITY = platform::kNonAntialiasedQuality;
inline constexpr std::uint8_t ANTIALIASED_QUALITY = 4;

}  // namespace kanvo
