#include "graphics/device/style_objects.h"

#include <cstring>

#include "graphics/image/canvas_image.h"
#include "graphics/platform/drawing_surface.h"

namespace kanvo {
namespace {

constexpr std::uint32_t kBitFields = 3;

// One bit per pixel, rows top to bottom padded to 16 bits, leftmost pixel in the top bit; a bit is
// 1 where the pattern pixel is exactly black.
ObjectHandle create_monochrome_pattern_brush(const CanvasImage& pattern) {
  const std::int32_t width = pattern.width();
  const std::int32_t height = pattern.height();
  const std::size_t row_bytes = (static_cast<std::size_t>(width) + 15) / 16 * 2;
  std::vector<std::uint8_t> rows(row_bytes * static_cast<std::size_t>(height), 0);
  for (std::int32_t y = 0; y < height; ++y) {
    const std::uint32_t* source = pattern.pixels() + static_cast<std::size_t>(y) * width;
    std::uint8_t* row = rows.data() + static_cast<std::size_t>(y) * row_bytes;
    for (std::int32_t x = 0; x < width; ++x) {
      if (source[x] == 0) row[x / 8] |= static_cast<std::uint8_t>(0x80u >> (x % 8));
    }
  }
  const ObjectHandle bitmap = platform::create_bitmap(width, height, 1, 1, rows.data());
  platform::LogBrush description;
  description.style = platform::BrushStyle::pattern;
  description.pattern_bitmap = bitmap;
  const ObjectHandle brush = platform::create_brush_indirect(description);
  platform::delete_object(bitmap);
  return brush;
}

ObjectHandle create_dib_pattern_brush(const CanvasImage& pattern) {
  const std::vector<std::uint8_t> packed = make_dib_from_bitmap(pattern.bitmap(), 0);
  if (packed.empty()) return platform::kNoObject;
  platform::LogBrush description;
  description.style = platform::BrushStyle::dib_pattern;
  description.packed_dib = packed.data();
  return platform::create_brush_indirect(description);
}

}  // namespace

ObjectHandle create_line_pen(LineStyle& style, Color line_color) {
  auto pen_style = static_cast<std::uint32_t>(style.style) | platform::pen_style::kGeometric;
  if (!is_user_style(style.style)) {
    style.free_dashes();
    style.dash_count = 0;
  } else if (style.dash_count == 0 || !style.dash_array) {
    pen_style = (pen_style & ~0x7u) | platform::pen_style::kNull;
  }
  platform::LogBrush brush;
  brush.style = platform::BrushStyle::solid;
  brush.color = line_color;
  return platform::ext_create_pen(
      pen_style, static_cast<std::uint32_t>(style.thickness), brush,
      style.dash_array ? static_cast<std::uint32_t>(style.dash_count) : 0, style.dash_array.get());
}

ObjectHandle create_fill_brush(const FillStyle& style, Color fill_color) {
  platform::LogBrush description;
  description.color = fill_color;
  switch (style.style) {
    case kFillSolid:
      description.style = platform::BrushStyle::solid;
      return platform::create_brush_indirect(description);
    case kFillNull:
      description.style = platform::BrushStyle::null;
      return platform::create_brush_indirect(description);
    case kFillHatched:
      description.style = platform::BrushStyle::hatched;
      description.hatch = static_cast<platform::HatchStyle>(style.hatch);
      return platform::create_brush_indirect(description);
    case kFillPattern:
    case kFillDibPattern:
      if (!style.pattern_image || style.pattern_image->pixels() == nullptr)
        return platform::kNoObject;
      return style.style == kFillPattern ? create_monochrome_pattern_brush(*style.pattern_image)
                                         : create_dib_pattern_brush(*style.pattern_image);
    default:
      return platform::kNoObject;
  }
}

std::vector<std::uint8_t> make_dib_from_bitmap(ObjectHandle bitmap, std::uint32_t compression) {
  if (compression == kBitFields) return {};
  platform::BitmapInfo info;
  if (!platform::get_bitmap_info(bitmap, &info)) return {};
  platform::BitmapInfoHeader header;
  header.width = info.width;
  header.height = info.height;
  header.bit_count = static_cast<std::uint16_t>(info.planes * info.bits_per_pixel);
  header.compression = compression;
  const std::size_t table_bytes =
      header.bit_count <= 8 ? (std::size_t{1} << header.bit_count) * 4 : 0;
  platform::get_dib_bits(platform::kNoSurface, bitmap, 0, info.height, nullptr, &header);
  if (header.size_image == 0) {
    header.size_image = static_cast<std::uint32_t>(
        (static_cast<std::uint64_t>(info.width) * header.bit_count + 31) / 32 * 4 *
        static_cast<std::uint64_t>(info.height));
    if (compression != 0) header.size_image = header.size_image * 3 / 2;
  }
  std::vector<std::uint8_t> packed(sizeof(header) + table_bytes + header.size_image);
  if (platform::get_dib_bits(platform::kNoSurface, bitmap, 0, info.height,
                             packed.data() + sizeof(header) + table_bytes, &header) == 0) {
    return {};
  }
  std::memcpy(packed.data(), &header, sizeof(header));
  return packed;
}

}  // namespace kanvo
