// The named values that programs pass to the drawing functions: pen and brush styles, hatches,
// background and polygon-fill modes, raster operations, text-format flags and font settings. They
// keep the platform's names and numbers, so code and documentation written for them carry over.
#pragma once

#include <cstdint>

#include "graphics/image/fill_style.h"
#include "graphics/platform/drawing_surface.h"

namespace kanvo {

// A colour from its red, green and blue parts (0 to 255 each).
using gdi::rgb;

// Line styles for set_line_style: one kind, optionally combined (|) with one end cap and one join.
inline constexpr std::int32_t PS_SOLID = gdi::pen_style::kSolid;
inline constexpr std::int32_t PS_DASH = gdi::pen_style::kDash;
inline constexpr std::int32_t PS_DOT = gdi::pen_style::kDot;
inline constexpr std::int32_t PS_DASHDOT = gdi::pen_style::kDashDot;
inline constexpr std::int32_t PS_DASHDOTDOT = gdi::pen_style::kDashDotDot;
inline constexpr std::int32_t PS_NULL = gdi::pen_style::kNull;
inline constexpr std::int32_t PS_INSIDEFRAME = gdi::pen_style::kInsideFrame;
inline constexpr std::int32_t PS_USERSTYLE = gdi::pen_style::kUserStyle;
inline constexpr std::int32_t PS_ENDCAP_ROUND = gdi::pen_style::kEndCapRound;
inline constexpr std::int32_t PS_ENDCAP_SQUARE = gdi::pen_style::kEndCapSquare;
inline constexpr std::int32_t PS_ENDCAP_FLAT = gdi::pen_style::kEndCapFlat;
inline constexpr std::int32_t PS_JOIN_ROUND = gdi::pen_style::kJoinRound;
inline constexpr std::int32_t PS_JOIN_BEVEL = gdi::pen_style::kJoinBevel;
inline constexpr std::int32_t PS_JOIN_MITER = gdi::pen_style::kJoinMiter;

// Fill styles for set_fill_style.
inline constexpr std::int32_t BS_SOLID = kFillSolid;
inline constexpr std::int32_t BS_NULL = kFillNull;
inline constexpr std::int32_t BS_HATCHED = kFillHatched;
inline constexpr std::int32_t BS_PATTERN = kFillPattern;        // an image's black and non-black
inline constexpr std::int32_t BS_DIBPATTERN = kFillDibPattern;  // an image in its own colours

// Hatches for set_fill_style with BS_HATCHED.
inline constexpr std::int32_t HS_HORIZONTAL =
    static_cast<std::int32_t>(gdi::HatchStyle::horizontal);
inline constexpr std::int32_t HS_VERTICAL = static_cast<std::int32_t>(gdi::HatchStyle::vertical);
inline constexpr std::int32_t HS_FDIAGONAL =
    static_cast<std::int32_t>(gdi::HatchStyle::forward_diagonal);
inline constexpr std::int32_t HS_BDIAGONAL =
    static_cast<std::int32_t>(gdi::HatchStyle::backward_diagonal);
inline constexpr std::int32_t HS_CROSS = static_cast<std::int32_t>(gdi::HatchStyle::cross);
inline constexpr std::int32_t HS_DIAGCROSS =
    static_cast<std::int32_t>(gdi::HatchStyle::diagonal_cross);

// Background modes for set_bk_mode: whether gaps of styled lines and hatches, and the cells
// behind text, are filled with the background colour.
inline constexpr int TRANSPARENT = static_cast<int>(gdi::BackgroundMode::transparent);
inline constexpr int OPAQUE = static_cast<int>(gdi::BackgroundMode::opaque);

// Polygon fill modes for set_poly_fill_mode.
inline constexpr int ALTERNATE = static_cast<int>(gdi::PolyFillMode::alternate);
inline constexpr int WINDING = static_cast<int>(gdi::PolyFillMode::winding);

// How pen and brush combine with the pixels below, for set_rop2 (set_write_mode).
inline constexpr int R2_BLACK = gdi::rop2::kBlack;
inline constexpr int R2_NOTMERGEPEN = gdi::rop2::kNotMergePen;
inline constexpr int R2_MASKNOTPEN = gdi::rop2::kMaskNotPen;
inline constexpr int R2_NOTCOPYPEN = gdi::rop2::kNotCopyPen;
inline constexpr int R2_MASKPENNOT = gdi::rop2::kMaskPenNot;
inline constexpr int R2_NOT = gdi::rop2::kNot;
inline constexpr int R2_XORPEN = gdi::rop2::kXorPen;
inline constexpr int R2_NOTMASKPEN = gdi::rop2::kNotMaskPen;
inline constexpr int R2_MASKPEN = gdi::rop2::kMaskPen;
inline constexpr int R2_NOTXORPEN = gdi::rop2::kNotXorPen;
inline constexpr int R2_NOP = gdi::rop2::kNop;
inline constexpr int R2_MERGENOTPEN = gdi::rop2::kMergeNotPen;
inline constexpr int R2_COPYPEN = gdi::rop2::kCopyPen;
inline constexpr int R2_MERGEPENNOT = gdi::rop2::kMergePenNot;
inline constexpr int R2_MERGEPEN = gdi::rop2::kMergePen;
inline constexpr int R2_WHITE = gdi::rop2::kWhite;

// How an image combines with the target, for put_image and put_image_part.
inline constexpr std::uint32_t SRCCOPY = gdi::rop3::kSrcCopy;
inline constexpr std::uint32_t SRCPAINT = gdi::rop3::kSrcPaint;
inline constexpr std::uint32_t SRCAND = gdi::rop3::kSrcAnd;
inline constexpr std::uint32_t SRCINVERT = gdi::rop3::kSrcInvert;
inline constexpr std::uint32_t SRCERASE = gdi::rop3::kSrcErase;
inline constexpr std::uint32_t NOTSRCCOPY = gdi::rop3::kNotSrcCopy;
inline constexpr std::uint32_t NOTSRCERASE = gdi::rop3::kNotSrcErase;
inline constexpr std::uint32_t MERGECOPY = gdi::rop3::kMergeCopy;
inline constexpr std::uint32_t MERGEPAINT = gdi::rop3::kMergePaint;
inline constexpr std::uint32_t PATCOPY = gdi::rop3::kPatCopy;
inline constexpr std::uint32_t PATPAINT = gdi::rop3::kPatPaint;
inline constexpr std::uint32_t PATINVERT = gdi::rop3::kPatInvert;
inline constexpr std::uint32_t DSTINVERT = gdi::rop3::kDstInvert;
inline constexpr std::uint32_t BLACKNESS = gdi::rop3::kBlackness;
inline constexpr std::uint32_t WHITENESS = gdi::rop3::kWhiteness;

// Layout flags for draw_text_in_rect, combined with |.
inline constexpr std::uint32_t DT_TOP = gdi::text_format::kTop;
inline constexpr std::uint32_t DT_LEFT = gdi::text_format::kLeft;
inline constexpr std::uint32_t DT_CENTER = gdi::text_format::kCenter;
inline constexpr std::uint32_t DT_RIGHT = gdi::text_format::kRight;
inline constexpr std::uint32_t DT_VCENTER = gdi::text_format::kVCenter;
inline constexpr std::uint32_t DT_BOTTOM = gdi::text_format::kBottom;
inline constexpr std::uint32_t DT_WORDBREAK = gdi::text_format::kWordBreak;
inline constexpr std::uint32_t DT_SINGLELINE = gdi::text_format::kSingleLine;
inline constexpr std::uint32_t DT_EXPANDTABS = gdi::text_format::kExpandTabs;
inline constexpr std::uint32_t DT_NOCLIP = gdi::text_format::kNoClip;
inline constexpr std::uint32_t DT_CALCRECT = gdi::text_format::kCalcRect;
inline constexpr std::uint32_t DT_NOPREFIX = gdi::text_format::kNoPrefix;

// Font settings for the set_font functions.
inline constexpr std::int32_t FW_NORMAL = 400;
inline constexpr std::int32_t FW_BOLD = 700;
inline constexpr std::uint8_t DEFAULT_CHARSET = gdi::kDefaultCharset;
inline constexpr std::uint8_t NONANTIALIASED_QUALITY = gdi::kNonAntialiasedQuality;
inline constexpr std::uint8_t ANTIALIASED_QUALITY = 4;

}  // namespace kanvo
