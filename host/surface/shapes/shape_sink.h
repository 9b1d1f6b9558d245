// Paints the runs of a closed shape: the brush over all of it, then the one-pixel outline with
// the pen (under a raster operation such as XOR the outline meets both, as on the platform).
#pragma once

#include <cstdint>

#include "host/surface/dc/device_context.h"
#include "host/surface/raster/brush_ink.h"
#include "host/surface/raster/painter.h"

namespace kanvo::surface::shapes {

// How a context's pen outlines a shape.
enum class Outline : std::uint8_t {
  none,       // null pen
  one_pixel,  // solid and one device pixel wide: painted with the shape's rows
  stroked,    // dashed or wider: the pen follows the outline's points
};

inline Outline outline_of(const DeviceContext& dc) {
  const PenObject* pen = dc.pen;
  if (pen == nullptr || pen->kind() == pen_style::kNull) return Outline::none;
  const bool solid = pen->kind() == pen_style::kSolid || pen->kind() == pen_style::kInsideFrame;
  return solid && dc.pen_width <= 1 ? Outline::one_pixel : Outline::stroked;
}

// How far a stroked outline reaches beyond the one-pixel outline it follows, in device pixels.
std::int64_t outline_reach(const DeviceContext& dc, Outline outline);

class ShapeSink {
 public:
  // `inside`: every run handed over lies inside the painter's box, so none is clipped again.
  ShapeSink(raster::Painter& painter, const DeviceContext& dc, bool draws_outline, bool inside)
      : painter_(painter),
        brush_(dc),
        pen_word_(dc.pen != nullptr ? pixel_word(dc.pen->color) : 0),
        draws_outline_(draws_outline),
        fills_(brush_.kind() != raster::BrushInk::Kind::none),
        // A geometric pen's outline is its own shape, with no brush under it; a cosmetic one's
        // goes over the brush, which shows only where the operation reads what it paints over.
        brush_under_outline_(fills_ && dc.pen != nullptr && !dc.pen->geometric() &&
                             !painter.overwrites()),
        inside_(inside) {}

  void outline(std::int64_t y, std::int64_t x0, std::int64_t x1) {
    if (draws_outline_) {
      if (brush_under_outline_) paint(y, x0, x1, brush_);
      paint(y, x0, x1, pen_word_);
    } else if (fills_) {
      paint(y, x0, x1, brush_);
    }
  }
  void interior(std::int64_t y, std::int64_t x0, std::int64_t x1) {
    if (fills_ && x0 < x1) paint(y, x0, x1, brush_);
  }
  const raster::BrushInk& brush() const { return brush_; }

 private:
  void paint(std::int64_t y, std::int64_t x0, std::int64_t x1, PixelWord word) {
    if (inside_) {
      painter_.paint_run(y, x0, x1, word);
    } else {
      painter_.fill_span(y, x0, x1, word);
    }
  }
  void paint(std::int64_t y, std::int64_t x0, std::int64_t x1, const raster::BrushInk& ink) {
    if (ink.kind() == raster::BrushInk::Kind::solid) {
      paint(y, x0, x1, ink.solid_word());
    } else if (inside_) {
      painter_.paint_run(y, x0, x1, ink);
    } else {
      painter_.fill_span(y, x0, x1, ink);
    }
  }

  raster::Painter& painter_;
  raster::BrushInk brush_;
  PixelWord pen_word_;
  bool draws_outline_;
  bool fills_;
  bool brush_under_outline_;
  bool inside_;
};

}  // namespace kanvo::surface::shapes
