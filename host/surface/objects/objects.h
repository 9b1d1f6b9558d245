// The graphics objects behind the handles. Each is immutable once created (a bitmap's pixels
// excepted), so a context that has one selected reads it without locking.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "host/surface/types.h"

namespace kanvo::surface {

// Dash and gap lengths of a user-styled pen; longer arrays are refused at creation.
inline constexpr std::uint32_t kMaxUserDashes = 16;

struct PenObject {
  std::uint32_t style = 0;  // kind, end cap, join and type bits (pen_style)
  std::uint32_t width = 0;  // world units for geometric pens; 0 or 1 draws one pixel wide
  Color color = 0;
  std::uint32_t dash_count = 0;
  std::array<std::uint32_t, kMaxUserDashes> dashes{};
  // From the plain call: a width of 1 or more is in world units, as for a geometric pen, and a
  // pen that comes out wider than a device pixel draws solid with round ends and joins.
  bool plain = false;

  std::uint32_t kind() const { return style & pen_style::kKindMask; }
  bool geometric() const { return (style & pen_style::kTypeMask) == pen_style::kGeometric; }
  std::uint32_t end_cap() const { return style & pen_style::kEndCapMask; }
  std::uint32_t join() const { return style & pen_style::kJoinMask; }
};

// A brush pattern tile, top-down. Monochrome tiles hold 0 or 1 per pixel (0 paints in the text
// colour, 1 in the background colour); colour tiles hold pixel words.
struct BrushPattern {
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool monochrome = true;
  std::vector<std::uint32_t> cells;  // width * height
};

struct BrushObject {
  BrushStyle style = BrushStyle::solid;
  Color color = 0;
  HatchStyle hatch = HatchStyle::horizontal;
  // Shared so that copies of a brush (there are none on the hot path) need no copy of the tile.
  std::shared_ptr<const BrushPattern> pattern;
};

namespace text {
class Font;  // the face, cell and glyphs made for a description (host/surface/text)
}

struct FontObject {
  LogFont description;
  std::shared_ptr<const text::Font> font;  // null until made (the stock font makes it on use)
};

// Pixel memory of a bitmap: 1 bit per pixel (rows padded to 16 bits, most significant bit
// leftmost) or 32 bits per pixel (rows of pixel words). Rows run top to bottom.
struct BitmapObject {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t stride_bytes = 0;
  std::uint16_t bits_per_pixel = 0;
  std::uint8_t* bits = nullptr;             // first row; null for an empty bitmap
  std::unique_ptr<std::uint8_t[]> storage;  // null when the caller owns the memory

  PixelWord* row32(std::int32_t y) const {
    return reinterpret_cast<PixelWord*>(bits + static_cast<std::ptrdiff_t>(y) * stride_bytes);
  }
  bool mono_bit(std::int32_t x, std::int32_t y) const {
    const std::uint8_t byte = bits[static_cast<std::ptrdiff_t>(y) * stride_bytes + x / 8];
    return (byte >> (7 - x % 8)) & 1u;
  }
};

// A region in device pixels. The drawing surface only needs rectangles (or nothing).
struct RegionObject {
  Rect box;  // empty when right <= left or bottom <= top
};

struct PaletteObject {};

}  // namespace kanvo::surface
