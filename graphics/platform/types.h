// The library's values as the platform takes them: colours, points, rectangles, transforms, font
// descriptions, handles of surfaces and of drawing objects (pens, brushes, fonts, bitmaps and
// regions), and the numbers of styles, modes and raster operations. The numbers are those that
// programs written for this kind of library have always passed, so they carry over unchanged.
#pragma once

#include <array>
#include <cstdint>

namespace kanvo {

using Color = std::uint32_t;  // 0x00BBGGRR

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// Left and top inclusive, right and bottom exclusive.
struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Font description: size, angles, weight, styles and the face's name.
struct LogFont {
  std::int32_t height = 0;
  std::int32_t width = 0;
  std::int32_t escapement = 0;
  std::int32_t orientation = 0;
  std::int32_t weight = 0;
  std::uint8_t italic = 0;
  std::uint8_t underline = 0;
  std::uint8_t strike_out = 0;
  std::uint8_t char_set = 0;
  std::uint8_t out_precision = 0;
  std::uint8_t clip_precision = 0;
  std::uint8_t quality = 0;
  std::uint8_t pitch_and_family = 0;
  std::array<char, 32> face_name{};
};

// A drawing surface, and a pen, brush, font, bitmap or region. Zero is none.
enum class SurfaceHandle : std::uint32_t {};
enum class ObjectHandle : std::uint32_t {};
using RegionHandle = ObjectHandle;
// A window. Zero is none.
enum class WindowHandle : std::uint32_t {};

// The encoding of the program's texts and file names.
enum class TextEncoding : std::uint8_t { utf8, gbk };

}  // namespace kanvo

namespace kanvo::platform {

inline constexpr SurfaceHandle kNoSurface{};
inline constexpr ObjectHandle kNoObject{};
inline constexpr WindowHandle kNoWindow{};

constexpr Color rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return Color{red} | (Color{green} << 8) | (Color{blue} << 16);
}
// Exchanges red and blue; the top byte is carried over. Turns a colour into a pixel word and back.
constexpr std::uint32_t swap_red_blue(std::uint32_t value) {
  return ((value & 0xFFu) << 16) | (value & 0xFF00FF00u) | ((value >> 16) & 0xFFu);
}

struct Size {
  std::int32_t cx = 0;
  std::int32_t cy = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// World transform: device x = x*m11 + y*m21 + dx, device y = x*m12 + y*m22 + dy.
struct Transform {
  float m11 = 1.0f;
  float m12 = 0.0f;
  float m21 = 0.0f;
  float m22 = 1.0f;
  float dx = 0.0f;
  float dy = 0.0f;
  friend bool operator==(const Transform&, const Transform&) = default;
};

enum class GraphicsMode : int { compatible = 1, advanced = 2 };
enum class BackgroundMode : int { transparent = 1, opaque = 2 };
enum class PolyFillMode : int { alternate = 1, winding = 2 };
enum class FloodFillType : int { border = 0, surface = 1 };

// Binary raster operations: how pen or brush combine with the pixels below.
namespace rop2 {
inline constexpr int kBlack = 1;
inline constexpr int kNotMergePen = 2;
inline constexpr int kMaskNotPen = 3;
inline constexpr int kNotCopyPen = 4;
inline constexpr int kMaskPenNot = 5;
inline constexpr int kNot = 6;
inline constexpr int kXorPen = 7;
inline constexpr int kNotMaskPen = 8;
inline constexpr int kMaskPen = 9;
inline constexpr int kNotXorPen = 10;
inline constexpr int kNop = 11;
inline constexpr int kMergeNotPen = 12;
inline constexpr int kCopyPen = 13;
inline constexpr int kMergePenNot = 14;
inline constexpr int kMergePen = 15;
inline constexpr int kWhite = 16;
}  // namespace rop2

// Ternary raster operations of block copies (the full 32-bit code).
namespace rop3 {
inline constexpr std::uint32_t kSrcCopy = 0x00CC0020;
inline constexpr std::uint32_t kSrcPaint = 0x00EE0086;
inline constexpr std::uint32_t kSrcAnd = 0x008800C6;
inline constexpr std::uint32_t kSrcInvert = 0x00660046;
inline constexpr std::uint32_t kSrcErase = 0x00440328;
inline constexpr std::uint32_t kNotSrcCopy = 0x00330008;
inline constexpr std::uint32_t kNotSrcErase = 0x001100A6;
inline constexpr std::uint32_t kMergeCopy = 0x00C000CA;
inline constexpr std::uint32_t kMergePaint = 0x00BB0226;
inline constexpr std::uint32_t kPatCopy = 0x00F00021;
inline constexpr std::uint32_t kPatPaint = 0x00FB0A09;
inline constexpr std::uint32_t kPatInvert = 0x005A0049;
inline constexpr std::uint32_t kDstInvert = 0x00550009;
inline constexpr std::uint32_t kBlackness = 0x00000042;
inline constexpr std::uint32_t kWhiteness = 0x00FF0062;
}  // namespace rop3

// Pen style word: kind in the low four bits, end cap in bits 8-11, join in bits 12-15,
// type in bits 16-19.
namespace pen_style {
inline constexpr std::uint32_t kSolid = 0;
inline constexpr std::uint32_t kDash = 1;
inline constexpr std::uint32_t kDot = 2;
inline constexpr std::uint32_t kDashDot = 3;
inline constexpr std::uint32_t kDashDotDot = 4;
inline constexpr std::uint32_t kNull = 5;
inline constexpr std::uint32_t kInsideFrame = 6;
inline constexpr std::uint32_t kUserStyle = 7;
inline constexpr std::uint32_t kEndCapRound = 0x00000000;
inline constexpr std::uint32_t kEndCapSquare = 0x00000100;
inline constexpr std::uint32_t kEndCapFlat = 0x00000200;
inline constexpr std::uint32_t kJoinRound = 0x00000000;
inline constexpr std::uint32_t kJoinBevel = 0x00001000;
inline constexpr std::uint32_t kJoinMiter = 0x00002000;
inline constexpr std::uint32_t kGeometric = 0x00010000;
}  // namespace pen_style

enum class BrushStyle : std::uint32_t {
  solid = 0,
  null = 1,
  hatched = 2,
  pattern = 3,
  indexed = 4,
  dib_pattern = 5,
};

enum class HatchStyle : std::int32_t {
  horizontal = 0,
  vertical = 1,
  forward_diagonal = 2,
  backward_diagonal = 3,
  cross = 4,
  diagonal_cross = 5,
};

inline constexpr std::uint8_t kDefaultCharset = 1;
inline constexpr std::uint8_t kNonAntialiasedQuality = 3;

// Layout flags of draw_text.
namespace text_format {
inline constexpr std::uint32_t kTop = 0x0000;
inline constexpr std::uint32_t kLeft = 0x0000;
inline constexpr std::uint32_t kCenter = 0x0001;
inline constexpr std::uint32_t kRight = 0x0002;
inline constexpr std::uint32_t kVCenter = 0x0004;
inline constexpr std::uint32_t kBottom = 0x0008;
inline constexpr std::uint32_t kWordBreak = 0x0010;
inline constexpr std::uint32_t kSingleLine = 0x0020;
inline constexpr std::uint32_t kExpandTabs = 0x0040;
inline constexpr std::uint32_t kNoClip = 0x0100;
inline constexpr std::uint32_t kCalcRect = 0x0400;
inline constexpr std::uint32_t kNoPrefix = 0x0800;
}  // namespace text_format

}  // namespace kanvo::platform
