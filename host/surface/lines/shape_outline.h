// A closed shape drawn with the context's pen and brush: the inside painted with the brush, the
// outline with the pen. A geometric pen, or one wider than a pixel, covers part of the inside;
// those pixels are painted once, by the pen, so that raster operations such as XOR see each
// pixel once. A cosmetic pen's outline goes over the brush.
//
//   lines::ShapeOutline outline(*dc, painter, corners);
//   for (each row of the inside) outline.fill_inside(y, x0, x1, brush);
//   outline.draw();
//
// The context's scratch span list holds a wide outline while the object lives.
#pragma once

#include <cstdint>
#include <span>

#include "host/surface/dc/device_context.h"
#include "host/surface/dc/device_rect.h"
#include "host/surface/raster/brush_ink.h"
#include "host/surface/raster/painter.h"

namespace kanvo::surface::lines {

class ShapeOutline {
 public:
  ShapeOutline(DeviceContext& dc, raster::Painter& painter,
               std::span<const DevicePoint> closed_figure);

  // Pixels x0 <= x < x1 of row y with the brush, except those the outline covers.
  void fill_inside(std::int64_t y, std::int64_t x0, std::int64_t x1, const raster::BrushInk& brush);
  // Every pixel of the box with the brush, except those the outline covers.
  void fill_inside(const DeviceRect& box, const raster::BrushInk& brush);
  void draw();
  // Whether the pen is wider than a pixel (its outline may leave gaps the inside shows through).
  bool wide() const { return wide_; }
  // Whether the brush goes under the outline: every pixel of the inside is painted with it,
  // so its runs need not pass through fill_inside.
  bool brush_goes_under() const { return !covers_; }

 private:
  DeviceContext& dc_;
  raster::Painter& painter_;
  std::span<const DevicePoint> figure_;
  bool wide_ = false;
  bool covers_ = false;         // the pen's pixels are gathered, and the brush leaves them out
  std::size_t row_cursor_ = 0;  // first covered span of the rows not yet filled
};

// Which call a framed shape comes from: an ellipse (or an arc, pie or chord of one) or a rounded
// rectangle.
enum class FramedShape { ellipse, rounded_rectangle };

// A box drawn as a rectangle is: the brush over the box without its right and bottom edges,
// then the outline along `corners` (the closed figure of the box's corners) over it, so that
// under a raster operation such as XOR a one-pixel cosmetic outline's near edges meet both. A box
// of no width or height has no inside, and its outline runs there and back.
void draw_outlined_box(DeviceContext& dc, raster::Painter& painter, const DeviceRect& box,
                       std::span<const DevicePoint> corners, const raster::BrushInk& brush);

// The box an ellipse-like shape's outline follows so that an inside-frame pen wider than a pixel
// stays within the shape's box: moved in on every side by the pen's reach from the outline
// (half its device width, rounded down, to the left and up; one pixel less to the right and down
// for an even width). Corners less than twice the pen's width across (the whole box for an
// ellipse) leave no room to move in: a rounded rectangle then keeps its box, as for any other
// pen, and an ellipse takes its right and bottom edges in as well, one pixel further out. Other
// pens keep the box; rectangles keep their box whatever the pen.
struct FramedBox {
  DeviceRect box;
  // An ellipse with no room to move in is drawn as the rectangle of the box it was given, with
  // the pen's joins at its corners; an arc, pie or chord is not drawn at all.
  bool as_rectangle = false;
};
FramedBox inside_frame_box(const DeviceContext& dc, const DeviceRect& box, FramedShape shape,
                           std::int64_t corner_width, std::int64_t corner_height);

}  // namespace kanvo::surface::lines
