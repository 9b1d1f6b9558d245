#include "host/surface/raster/brush_ink.h"

#include <array>

namespace kanvo::surface::raster {
namespace {

// Hatch tiles with the origin at (0, 0): horizontal lines on row 3, vertical lines in column 4,
// forward diagonals where x = y, backward diagonals where x + y = 7 (all modulo 8).
constexpr std::array<std::array<std::uint8_t, 8>, 6> kHatchRows = {{
    {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00},
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08},
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},
    {0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08},
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},
}};

std::int32_t wrap(std::int64_t value, std::int32_t period) {
  const std::int64_t r = value % period;
  return static_cast<std::int32_t>(r < 0 ? r + period : r);
}

}  // namespace

BrushInk::BrushInk(const DeviceContext& dc, const BrushObject* brush, Color background) {
  if (brush == nullptr) return;
  origin_x_ = dc.brush_origin.x;
  origin_y_ = dc.brush_origin.y;
  switch (brush->style) {
    case BrushStyle::solid:
      kind_ = Kind::solid;
      foreground_ = pixel_word(brush->color);
      break;
    case BrushStyle::hatched: {
      const auto index = static_cast<std::size_t>(brush->hatch);
      if (index >= kHatchRows.size()) return;
      kind_ = Kind::hatch;
      hatch_rows_ = kHatchRows[index].data();
      foreground_ = pixel_word(brush->color);
      background_ = pixel_word(background);
      gaps_painted_ = dc.bk_mode != static_cast<int>(BackgroundMode::transparent);
      break;
    }
    case BrushStyle::pattern:
    case BrushStyle::dib_pattern:
      if (brush->pattern == nullptr || brush->pattern->width <= 0 || brush->pattern->height <= 0) {
        return;
      }
      kind_ = Kind::pattern;
      pattern_ = brush->pattern.get();
      foreground_ = pixel_word(dc.text_color);
      background_ = pixel_word(background);
      break;
    default:
      break;
  }
}

BrushInk BrushInk::solid_color(Color color) {
  BrushInk ink;
  ink.kind_ = Kind::solid;
  ink.foreground_ = pixel_word(color);
  return ink;
}

BrushInk::Row BrushInk::row(std::int32_t x, std::int32_t y) const {
  Row walker;
  walker.foreground_ = foreground_;
  walker.background_ = background_;
  walker.gaps_painted_ = gaps_painted_;
  if (kind_ == Kind::hatch) {
    walker.period_ = 8;
    walker.column_ = wrap(std::int64_t{x} - origin_x_, 8);
    walker.hatch_bits_ = hatch_rows_[wrap(std::int64_t{y} - origin_y_, 8)];
  } else if (kind_ == Kind::pattern) {
    walker.period_ = pattern_->width;
    walker.column_ = wrap(std::int64_t{x} - origin_x_, pattern_->width);
    walker.monochrome_ = pattern_->monochrome;
    walker.cells_ = pattern_->cells.data() +
                    static_cast<std::size_t>(wrap(std::int64_t{y} - origin_y_, pattern_->height)) *
                        pattern_->width;
  }
  return walker;
}

}  // namespace kanvo::surface::raster
