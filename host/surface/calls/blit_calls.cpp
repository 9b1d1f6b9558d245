// Block transfers: pattern, source and destination combined by a ternary raster operation.
#include <algorithm>
#include <cstring>

#include "host/surface/dc/device_context.h"
#include "host/surface/dc/device_rect.h"
#include "host/surface/raster/painter.h"

namespace kanvo::surface {
namespace {

// The device rectangle of a logical origin and extent; a negative extent reaches the other way.
DeviceRect map_extent(const WorldMapping& mapping, std::int32_t left, std::int32_t top,
                      std::int32_t width, std::int32_t height) {
  const auto right = static_cast<std::int32_t>(
      std::clamp<std::int64_t>(std::int64_t{left} + width, INT32_MIN, INT32_MAX));
  const auto bottom = static_cast<std::int32_t>(
      std::clamp<std::int64_t>(std::int64_t{top} + height, INT32_MIN, INT32_MAX));
  return map_directed_rect(mapping, left, top, right, bottom);
}

// Combines one row: pattern from the brush ink, source words (or none), destination.
void combine_row(PixelWord* dest, const PixelWord* source, std::int64_t x0, std::int64_t y,
                 std::int64_t count, const raster::BrushInk& ink, std::uint8_t table) {
  for (std::int64_t i = 0; i < count; ++i) {
    PixelWord pattern = 0;
    if (!ink.at(static_cast<std::int32_t>(x0 + i), static_cast<std::int32_t>(y), pattern) &&
        ink.kind() != raster::BrushInk::Kind::none) {
      continue;  // a transparent hatch gap
    }
    dest[i] = raster::apply_rop3(table, pattern, source != nullptr ? source[i] : 0, dest[i]);
  }
}

}  // namespace

bool pat_blt(DcHandle handle, std::int32_t left, std::int32_t top, std::int32_t width,
             std::int32_t height, std::uint32_t rop) {
  DeviceContext* dc = context_of(handle);
  if (dc == nullptr) return false;
  const std::uint8_t table = raster::rop3_table(rop);
  if (raster::rop3_uses_source(table)) return false;
  const DeviceRect area = map_extent(dc->mapping, left, top, width, height);
  const Rect box = dc->drawable_box();
  const std::int64_t x0 = std::max<std::int64_t>(area.left, box.left);
  const std::int64_t x1 = std::min<std::int64_t>(area.right, box.right);
  const std::int64_t y0 = std::max<std::int64_t>(area.top, box.top);
  const std::int64_t y1 = std::min<std::int64_t>(area.bottom, box.bottom);
  if (x0 >= x1 || y0 >= y1) return true;
  const PixelTarget target = dc->target();
  const raster::BrushInk ink(*dc);
  for (std::int64_t y = y0; y < y1; ++y) {
    combine_row(target.row(static_cast<std::int32_t>(y)) + x0, nullptr, x0, y, x1 - x0, ink, table);
  }
  dc->note_change();
  return true;
}

bool bit_blt(DcHandle destination, std::int32_t x, std::int32_t y, std::int32_t width,
             std::int32_t height, DcHandle source, std::int32_t source_x, std::int32_t source_y,
             std::uint32_t rop) {
  DeviceContext* dc = context_of(destination);
  if (dc == nullptr) return false;
  const std::uint8_t table = raster::rop3_table(rop);
  if (!raster::rop3_uses_source(table)) return pat_blt(destination, x, y, width, height, rop);
  const DeviceContext* src = context_of(source);
  if (src == nullptr) return false;
  const DeviceRect area = map_extent(dc->mapping, x, y, width, height);
  const DevicePoint from = src->mapping.map(source_x, source_y);
  const PixelTarget source_pixels = src->target();
  if (source_pixels.empty()) return false;
  const Rect box = dc->drawable_box();
  // Destination pixels whose source pixel lies inside the source surface.
  const std::int64_t dx = from.x - area.left;
  const std::int64_t dy = from.y - area.top;
  const std::int64_t x0 = std::max<std::int64_t>({area.left, box.left, -dx});
  const std::int64_t x1 = std::min<std::int64_t>({area.right, box.right, source_pixels.width - dx});
  const std::int64_t y0 = std::max<std::int64_t>({area.top, box.top, -dy});
  const std::int64_t y1 =
      std::min<std::int64_t>({area.bottom, box.bottom, source_pixels.height - dy});
  if (x0 >= x1 || y0 >= y1) return true;
  const PixelTarget target = dc->target();
  const raster::BrushInk ink(*dc);
  const auto count = static_cast<std::size_t>(x1 - x0);
  // Rows go through a copy, so a source that overlaps the destination reads its old pixels.
  dc->scratch_words.resize(std::max(dc->scratch_words.size(), count));
  const bool upward = source_pixels.pixels == target.pixels && dy < 0;
  for (std::int64_t i = 0; i < y1 - y0; ++i) {
    const std::int64_t row = upward ? y1 - 1 - i : y0 + i;
    const PixelWord* from_row = source_pixels.row(static_cast<std::int32_t>(row + dy)) + x0 + dx;
    std::memcpy(dc->scratch_words.data(), from_row, count * sizeof(PixelWord));
    combine_row(target.row(static_cast<std::int32_t>(row)) + x0, dc->scratch_words.data(), x0, row,
                static_cast<std::int64_t>(count), ink, table);
  }
  dc->note_change();
  return true;
}

}  // namespace kanvo::surface
