// Creating pens and brushes.
#include <algorithm>
#include <cstring>
#include <utility>

#include "host/surface/objects/object_table.h"
#include "host/surface/surface.h"

namespace kanvo::surface {
namespace {

bool valid_end_cap_and_join(std::uint32_t style) {
  return (style & pen_style::kEndCapMask) <= pen_style::kEndCapFlat &&
         (style & pen_style::kJoinMask) <= pen_style::kJoinMiter;
}

// The pattern tile of a bitmap: bits of a monochrome bitmap, pixel words of a 32-bit one.
std::shared_ptr<const BrushPattern> pattern_of_bitmap(const BitmapObject& bitmap) {
  if (bitmap.bits == nullptr || bitmap.width <= 0 || bitmap.height <= 0) return nullptr;
  auto pattern = std::make_shared<BrushPattern>();
  pattern->width = bitmap.width;
  pattern->height = bitmap.height;
  pattern->monochrome = bitmap.bits_per_pixel == 1;
  pattern->cells.resize(static_cast<std::size_t>(bitmap.width) * bitmap.height);
  for (std::int32_t y = 0; y < bitmap.height; ++y) {
    for (std::int32_t x = 0; x < bitmap.width; ++x) {
      pattern->cells[static_cast<std::size_t>(y) * bitmap.width + x] =
          pattern->monochrome ? std::uint32_t{bitmap.mono_bit(x, y)}
                              : bitmap.row32(y)[x] & 0x00FFFFFFu;
    }
  }
  return pattern;
}

// The tile of a packed device-independent bitmap: the 40-byte header, a colour table for 1 and
// 8 bits per pixel, then rows padded to 32 bits (bottom-up unless the height is negative).
std::shared_ptr<const BrushPattern> pattern_of_packed_dib(const void* packed) {
  if (packed == nullptr) return nullptr;
  BitmapInfoHeader header;
  std::memcpy(&header, packed, sizeof header);
  const std::int32_t width = header.width;
  const std::int64_t height = header.height < 0 ? -std::int64_t{header.height} : header.height;
  const std::uint32_t bits = header.bit_count;
  if (header.size < sizeof header || header.compression != 0 || width <= 0 || width > 4096 ||
      height <= 0 || height > 4096 || (bits != 1 && bits != 8 && bits != 24 && bits != 32)) {
    return nullptr;
  }
  const std::uint32_t table_entries =
      bits <= 8 ? (header.colors_used != 0 ? std::min(header.colors_used, 1u << bits) : 1u << bits)
                : 0;
  const auto* table = static_cast<const std::uint8_t*>(packed) + header.size;
  const std::uint8_t* rows = table + table_entries * 4;
  const std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
  auto table_word = [&](std::uint32_t index) -> PixelWord {
    if (index >= table_entries) return 0;
    const std::uint8_t* quad = table + index * 4;  // blue, green, red, reserved
    return PixelWord{quad[0]} | (PixelWord{quad[1]} << 8) | (PixelWord{quad[2]} << 16);
  };
  auto pattern = std::make_shared<BrushPattern>();
  pattern->width = width;
  pattern->height = static_cast<std::int32_t>(height);
  pattern->monochrome = false;
  pattern->cells.resize(static_cast<std::size_t>(width) * height);
  for (std::int64_t y = 0; y < height; ++y) {
    const std::uint8_t* row = rows + stride * (header.height < 0 ? y : height - 1 - y);
    for (std::int32_t x = 0; x < width; ++x) {
      PixelWord word = 0;
      switch (bits) {
        case 1:
          word = table_word((row[x / 8] >> (7 - x % 8)) & 1u);
          break;
        case 8:
          word = table_word(row[x]);
          break;
        case 24:
          word = PixelWord{row[x * 3]} | (PixelWord{row[x * 3 + 1]} << 8) |
                 (PixelWord{row[x * 3 + 2]} << 16);
          break;
        default:
          std::memcpy(&word, row + x * 4, 4);
          word &= 0x00FFFFFFu;
          break;
      }
      pattern->cells[static_cast<std::size_t>(y) * width + x] = word;
    }
  }
  return pattern;
}

// A brush without a tile: what nearly every caller makes, so kept free of the tile's handling.
ObjectHandle add_brush(BrushStyle style, Color color, HatchStyle hatch = HatchStyle::horizontal) {
  BrushObject brush;
  brush.style = style;
  brush.color = color & 0x00FFFFFFu;
  brush.hatch = hatch;
  return add_object(std::move(brush));
}

// A brush of a bitmap's tile or of a packed device-independent bitmap's.
[[gnu::noinline]] ObjectHandle add_pattern_brush(const LogBrush& description) {
  BrushObject brush;
  brush.style = description.style;
  brush.color = description.color & 0x00FFFFFFu;
  if (description.style == BrushStyle::pattern) {
    PinnedObject<BitmapObject> bitmap(description.pattern_bitmap);
    if (!bitmap) return kNoObject;
    brush.pattern = pattern_of_bitmap(*bitmap.get());
  } else {
    brush.pattern = pattern_of_packed_dib(description.packed_dib);
  }
  if (brush.pattern == nullptr) return kNoObject;
  return add_object(std::move(brush));
}

}  // namespace

ObjectHandle create_pen(std::uint32_t style, std::int32_t width, Color color) {
  const std::uint32_t kind = style & pen_style::kKindMask;
  if ((style & ~pen_style::kKindMask) != 0 || kind > pen_style::kInsideFrame) return kNoObject;
  PenObject pen;
  pen.plain = true;
  pen.width = static_cast<std::uint32_t>(std::max(width, 0));
  pen.color = color & 0x00FFFFFFu;
  if (pen.width > 1) {
    // A wide pen of the plain call is a solid geometric pen with round ends and joins.
    pen.style =
        pen_style::kGeometric |
        (kind == pen_style::kNull || kind == pen_style::kInsideFrame ? kind : pen_style::kSolid);
  } else {
    pen.style = kind;
  }
  return add_object(std::move(pen));
}

ObjectHandle ext_create_pen(std::uint32_t style, std::uint32_t width, const LogBrush& brush,
                            std::uint32_t dash_count, const std::uint32_t* dashes) {
  const std::uint32_t kind = style & pen_style::kKindMask;
  const std::uint32_t type = style & pen_style::kTypeMask;
  const std::uint32_t known =
      pen_style::kKindMask | pen_style::kEndCapMask | pen_style::kJoinMask | pen_style::kTypeMask;
  if ((style & ~known) != 0 || !valid_end_cap_and_join(style) || kind > pen_style::kAlternate) {
    return kNoObject;
  }
  if (type == pen_style::kCosmetic) {
    if (width != 1) return kNoObject;
  } else if (type != pen_style::kGeometric || kind == pen_style::kAlternate) {
    return kNoObject;
  }
  PenObject pen;
  pen.style = style;
  pen.width = width;
  pen.color = brush.color & 0x00FFFFFFu;
  if (brush.style == BrushStyle::null)
    pen.style = (style & ~pen_style::kKindMask) | pen_style::kNull;
  if (kind == pen_style::kUserStyle) {
    if (dash_count == 0 || dash_count > kMaxUserDashes || dashes == nullptr) return kNoObject;
    pen.dash_count = dash_count;
    std::copy(dashes, dashes + dash_count, pen.dashes.begin());
  }
  return add_object(std::move(pen));
}

ObjectHandle create_solid_brush(Color color) {
  return add_brush(BrushStyle::solid, color);
}

ObjectHandle create_hatch_brush(HatchStyle hatch, Color color) {
  LogBrush description;
  description.style = BrushStyle::hatched;
  description.hatch = hatch;
  description.color = color;
  return create_brush_indirect(description);
}

ObjectHandle create_pattern_brush(ObjectHandle bitmap) {
  LogBrush description;
  description.style = BrushStyle::pattern;
  description.pattern_bitmap = bitmap;
  return create_brush_indirect(description);
}

ObjectHandle create_brush_indirect(const LogBrush& description) {
  switch (description.style) {
    case BrushStyle::solid:
    case BrushStyle::null:
      return add_brush(description.style, description.color);
    case BrushStyle::hatched:
      if (description.hatch < HatchStyle::horizontal ||
          description.hatch > HatchStyle::diagonal_cross) {
        return kNoObject;
      }
      return add_brush(description.style, description.color, description.hatch);
    case BrushStyle::pattern:
    case BrushStyle::dib_pattern:
      return add_pattern_brush(description);
    default:
      return kNoObject;
  }
}

}  // namespace kanvo::surface
