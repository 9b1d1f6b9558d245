// A brush resolved against a context for painting: the colour of every device pixel under it.
// Hatches and patterns repeat from the context's brush origin.
#pragma once

#include <cstdint>

#include "host/surface/dc/device_context.h"

namespace kanvo::surface::raster {

class BrushInk {
 public:
  enum class Kind : std::uint8_t {
    none,     // hollow brush: paints nothing
    solid,    // one colour
    hatch,    // 8x8 lines in the brush colour; gaps in the background colour or left alone
    pattern,  // a tile of colours
  };

  // The brush selected in the context, with the background colour it was realised with (the
  // drawing call realises it first).
  explicit BrushInk(const DeviceContext& dc) : BrushInk(dc, dc.brush, dc.brush_background()) {}
  // Any other brush, painted with the context's colours and brush origin (null paints nothing).
  BrushInk(const DeviceContext& dc, const BrushObject* brush) : BrushInk(dc, brush, dc.bk_color) {}
  // One solid colour.
  static BrushInk solid_color(Color color);

  Kind kind() const { return kind_; }
  PixelWord solid_word() const { return foreground_; }
  // One row of a hatch or pattern, walked pixel by pixel from a starting x without divisions.
  class Row {
   public:
    // The colour of the current pixel (false for a gap left alone), then moves one pixel right.
    bool next(PixelWord& word) {
      bool painted = true;
      if (cells_ != nullptr) {
        const std::uint32_t cell = cells_[column_];
        word = monochrome_ ? (cell != 0 ? background_ : foreground_) : cell;
      } else {
        const bool line = (hatch_bits_ >> (7 - column_)) & 1u;
        word = line ? foreground_ : background_;
        painted = line || gaps_painted_;
      }
      if (++column_ == period_) column_ = 0;
      return painted;
    }

   private:
    friend class BrushInk;
    const std::uint32_t* cells_ = nullptr;  // pattern row, or null for a hatch
    std::uint8_t hatch_bits_ = 0;
    bool monochrome_ = false;
    bool gaps_painted_ = true;
    std::int32_t period_ = 1;
    std::int32_t column_ = 0;
    PixelWord foreground_ = 0;
    PixelWord background_ = 0;
  };
  // For Kind::hatch and Kind::pattern.
  Row row(std::int32_t x, std::int32_t y) const;

 private:
  BrushInk() = default;
  BrushInk(const DeviceContext& dc, const BrushObject* brush, Color background);

  Kind kind_ = Kind::none;
  PixelWord foreground_ = 0;
  PixelWord background_ = 0;
  bool gaps_painted_ = true;
  const std::uint8_t* hatch_rows_ = nullptr;  // 8 rows, most significant bit leftmost
  const BrushPattern* pattern_ = nullptr;
  std::int32_t origin_x_ = 0;
  std::int32_t origin_y_ = 0;
};

}  // namespace kanvo::surface::raster
