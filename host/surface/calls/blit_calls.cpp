// Block transfers: pattern, source and destination combined by a ternary raster operation.
#include <algorithm>
#include <cmath>
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

// How one transfer combines its operands.
struct Combination {
  raster::Rop3 rop;
  bool uses_pattern;
  const raster::BrushInk& ink;
};

// Combines one row: pattern from the brush ink, source words (or none), destination.
void combine_row(PixelWord* dest, const PixelWord* source, std::int64_t x0, std::int64_t y,
                 std::int64_t count, const Combination& how) {
  const bool solid = how.ink.kind() == raster::BrushInk::Kind::solid;
  if (!how.uses_pattern || solid) {
    const PixelWord pattern = solid ? how.ink.solid_word() : 0;
    if (source == nullptr) {
      for (std::int64_t i = 0; i < count; ++i) dest[i] = how.rop.apply(pattern, 0, dest[i]);
    } else {
      for (std::int64_t i = 0; i < count; ++i) dest[i] = how.rop.apply(pattern, source[i], dest[i]);
    }
    return;
  }
  if (how.ink.kind() == raster::BrushInk::Kind::none) {  // a hollow brush: an all-zero pattern
    for (std::int64_t i = 0; i < count; ++i) {
      dest[i] = how.rop.apply(0, source != nullptr ? source[i] : 0, dest[i]);
    }
    return;
  }
  raster::BrushInk::Row walker =
      how.ink.row(static_cast<std::int32_t>(x0), static_cast<std::int32_t>(y));
  for (std::int64_t i = 0; i < count; ++i) {
    PixelWord pattern = 0;
    if (!walker.next(pattern)) continue;  // a transparent hatch gap is left alone
    dest[i] = how.rop.apply(pattern, source != nullptr ? source[i] : 0, dest[i]);
  }
}

}  // namespace

bool pat_blt(DcHandle handle, std::int32_t left, std::int32_t top, std::int32_t width,
             std::int32_t height, std::uint32_t rop) {
  DeviceContext* dc = context_of(handle);
  if (dc == nullptr) return false;
  const PixelWriting writing(*dc);
  const std::uint8_t table = raster::rop3_table(rop);
  if (raster::rop3_uses_source(table)) return false;
  if (raster::rop3_uses_pattern(table)) dc->realise_brush();
  const DeviceRect area = map_extent(dc->mapping, left, top, width, height);
  const Rect box = dc->drawable_box();
  const std::int64_t x0 = std::max<std::int64_t>(area.left, box.left);
  const std::int64_t x1 = std::min<std::int64_t>(area.right, box.right);
  const std::int64_t y0 = std::max<std::int64_t>(area.top, box.top);
  const std::int64_t y1 = std::min<std::int64_t>(area.bottom, box.bottom);
  if (x0 >= x1 || y0 >= y1) return true;
  const raster::BrushInk ink(*dc);
  // A hollow brush gives no pattern to lay: an operation that reads one leaves the pixels alone.
  if (raster::rop3_uses_pattern(table) && ink.kind() == raster::BrushInk::Kind::none) return true;
  const PixelTarget target = dc->target();
  const Combination how{raster::Rop3(table), raster::rop3_uses_pattern(table), ink};
  for (std::int64_t y = y0; y < y1; ++y) {
    PixelWord* row = target.row(static_cast<std::int32_t>(y)) + x0;
    combine_row(row, nullptr, x0, y, x1 - x0, how);
    target.mirror_words(row, x1 - x0);
  }
  dc->note_change();
  return true;
}

namespace {

// How one axis of a transfer meets the source: destination pixel d takes the source pixel whose
// span holds the centre of d's span once the destination extent is laid over the source extent.
// The two extents are equal unless the world transform rounds them apart; then the picture is
// stretched or squeezed to fit, a row or column repeated or left out where the centres fall.
struct AxisMap {
  std::int64_t dest_start;
  std::int64_t dest_length;
  std::int64_t source_start;
  std::int64_t source_length;

  bool equal() const { return dest_length == source_length; }
  std::int64_t source_of(std::int64_t d) const {
    if (equal()) return source_start + (d - dest_start);
    const double centre = static_cast<double>(d - dest_start) + 0.5;
    return source_start +
           static_cast<std::int64_t>(std::floor(centre * static_cast<double>(source_length) /
                                                static_cast<double>(dest_length)));
  }
  // Narrows [low, high) of the destination to the pixels whose source lies in [0, limit).
  void keep_inside_source(std::int64_t limit, std::int64_t& low, std::int64_t& high) const {
    while (low < high && source_of(low) < 0) ++low;
    while (low < high && source_of(high - 1) >= limit) --high;
  }
};

}  // namespace

bool bit_blt(DcHandle destination, std::int32_t x, std::int32_t y, std::int32_t width,
             std::int32_t height, DcHandle source, std::int32_t source_x, std::int32_t source_y,
             std::uint32_t rop) {
  DeviceContext* dc = context_of(destination);
  if (dc == nullptr) return false;
  const std::uint8_t table = raster::rop3_table(rop);
  if (!raster::rop3_uses_source(table)) return pat_blt(destination, x, y, width, height, rop);
  if (raster::rop3_uses_pattern(table)) dc->realise_brush();
  const PixelWriting writing(*dc);
  const DeviceContext* src = context_of(source);
  if (src == nullptr) return false;
  const DeviceRect area = map_extent(dc->mapping, x, y, width, height);
  // The source takes the same extent through its own mapping; the two boxes meet at their
  // top-left corners, so an extent that runs backwards or a flipped mapping moves the boxes but
  // does not mirror the picture.
  const DeviceRect source_area = map_extent(src->mapping, source_x, source_y, width, height);
  const PixelTarget source_pixels = src->target();
  if (source_pixels.empty()) return false;
  if (area.empty() || source_area.empty()) return true;
  const AxisMap columns{area.left, area.right - area.left, source_area.left,
                        source_area.right - source_area.left};
  const AxisMap rows{area.top, area.bottom - area.top, source_area.top,
                     source_area.bottom - source_area.top};
  const Rect box = dc->drawable_box();
  // Destination pixels whose source pixel lies inside the source surface.
  std::int64_t x0 = std::max<std::int64_t>(area.left, box.left);
  std::int64_t x1 = std::min<std::int64_t>(area.right, box.right);
  std::int64_t y0 = std::max<std::int64_t>(area.top, box.top);
  std::int64_t y1 = std::min<std::int64_t>(area.bottom, box.bottom);
  columns.keep_inside_source(source_pixels.width, x0, x1);
  rows.keep_inside_source(source_pixels.height, y0, y1);
  if (x0 >= x1 || y0 >= y1) return true;
  const PixelTarget target = dc->target();
  const raster::BrushInk ink(*dc);
  const Combination how{raster::Rop3(table), raster::rop3_uses_pattern(table), ink};
  const auto count = static_cast<std::size_t>(x1 - x0);
  const bool same_surface = source_pixels.pixels == target.pixels;
  // Over the same surface, rows are taken in the order that reads every source row before it is
  // written, and each row goes through a copy (or memmove) for overlaps within the row.
  const bool bottom_up = same_surface && rows.source_of(y0) < y0;
  const bool plain_copy = table == raster::rop3_table(rop3::kSrcCopy) && columns.equal();
  if (!columns.equal() || (same_surface && !plain_copy)) {
    dc->scratch_words.resize(std::max(dc->scratch_words.size(), count));
  }
  const std::int64_t source_x0 = columns.source_of(x0);
  for (std::int64_t i = 0; i < y1 - y0; ++i) {
    const std::int64_t row = bottom_up ? y1 - 1 - i : y0 + i;
    const PixelWord* from =
        source_pixels.row(static_cast<std::int32_t>(rows.source_of(row))) + source_x0;
    PixelWord* to = target.row(static_cast<std::int32_t>(row)) + x0;
    if (plain_copy) {
      std::memmove(to, from, count * sizeof(PixelWord));
      target.mirror_words(to, static_cast<std::int64_t>(count));
      continue;
    }
    if (!columns.equal()) {
      const PixelWord* source_row = from - source_x0;
      for (std::size_t k = 0; k < count; ++k) {
        dc->scratch_words[k] = source_row[columns.source_of(x0 + static_cast<std::int64_t>(k))];
      }
      from = dc->scratch_words.data();
    } else if (same_surface) {
      std::memcpy(dc->scratch_words.data(), from, count * sizeof(PixelWord));
      from = dc->scratch_words.data();
    }
    combine_row(to, from, x0, row, static_cast<std::int64_t>(count), how);
    target.mirror_words(to, static_cast<std::int64_t>(count));
  }
  dc->note_change();
  return true;
}

}  // namespace kanvo::surface
