// Ellipses and rounded rectangles.
#include <algorithm>
#include <cmath>

#include "host/surface/dc/device_context.h"
#include "host/surface/dc/device_rect.h"
#include "host/surface/lines/shape_outline.h"
#include "host/surface/lines/stroke.h"
#include "host/surface/raster/painter.h"
#include "host/surface/raster/word_fill.h"
#include "host/surface/shapes/ellipse_outline.h"
#include "host/surface/shapes/rounded_box.h"
#include "host/surface/shapes/shape_sink.h"
#include "host/surface/shapes/small_ellipses.h"

namespace kanvo::surface {

namespace {

// The box of pixels with its corners no larger than the box.
shapes::RoundedBox rounded_box(const DeviceRect& box, std::int64_t corner_width,
                               std::int64_t corner_height) {
  shapes::RoundedBox shape;
  shape.left = box.left;
  shape.top = box.top;
  shape.width = box.right - box.left;
  shape.height = box.bottom - box.top;
  shape.corner_width = std::min(corner_width, shape.width);
  shape.corner_height = std::min(corner_height, shape.height);
  return shape;
}

// The pixels of a small ellipse from the table, its top-left corner at `corner` in rows `stride`
// words apart: the inside in one word, the outline in another.
[[gnu::always_inline]] inline void write_small_ellipse(PixelWord* corner, std::ptrdiff_t stride,
                                                       const shapes::SmallEllipse& runs,
                                                       bool inside, bool outline,
                                                       PixelWord inside_word,
                                                       PixelWord outline_word) {
  if (inside) {
    for (int i = 0; i < runs.inside_count; ++i) {
      const shapes::ShapeRun& run = runs.inside[i];
      raster::fill_words(corner + run.dy * stride + run.x0, run.x1 - run.x0, inside_word);
    }
  }
  if (outline) {
    // Every outline has a pixel, so at least one batch.
    const shapes::ShapePixel* batch = runs.outline;
    const shapes::ShapePixel* const end = runs.outline + runs.outline_count;
    do {
      for (int k = 0; k < shapes::SmallEllipse::kPixelBatch; ++k) {
        corner[batch[k].dy * stride + batch[k].dx] = outline_word;
      }
      batch += shapes::SmallEllipse::kPixelBatch;
    } while (batch < end);
  }
}

// The quiz's marks, and most small ellipses: wholly inside the drawable box, copied, with a solid
// one-pixel pen or none and a solid brush or none. The pixels come from the table and are written
// straight into the surface. False when the shape is not such a case. Inlined into the drawing
// calls with the box in registers; the checks come likeliest to pass first.
[[gnu::always_inline]] inline bool copy_small_ellipse(const DeviceContext& dc,
                                                      const shapes::RoundedBox& shape,
                                                      shapes::Outline outline) {
  // Both sides 1 to kSmallEllipseLimit in one comparison (a side below 1 wraps around).
  if (static_cast<std::uint64_t>((shape.width - 1) | (shape.height - 1)) >=
          shapes::kSmallEllipseLimit ||
      shape.corner_width != shape.width || shape.corner_height != shape.height ||
      dc.rop2 != rop2::kCopyPen) {
    return false;
  }
  const BrushObject* brush = dc.brush;
  const bool hollow = brush == nullptr || brush->style == BrushStyle::null;
  if (!hollow && brush->style != BrushStyle::solid) return false;
  // Without a pen, square corners are drawn like a rectangle.
  if (outline == shapes::Outline::none && shape.square()) return false;
  const Rect& visible = dc.drawable_box();
  if (shape.left < visible.left || shape.top < visible.top || shape.right_end() > visible.right ||
      shape.bottom_end() > visible.bottom) {
    return false;
  }
  const shapes::SmallEllipse& runs =
      shapes::small_ellipse(static_cast<int>(shape.width), static_cast<int>(shape.height));
  const PixelTarget& target = dc.target();
  PixelWord* const corner = target.row(static_cast<std::int32_t>(shape.top)) + shape.left;
  // A one-pixel outline is one of a solid pen (outline_of); without a pen the brush covers it.
  const bool pen_drawn = outline == shapes::Outline::one_pixel;
  const PixelWord inside_word = hollow ? 0 : pixel_word(brush->color);
  const PixelWord outline_word = pen_drawn ? pixel_word(dc.pen->color) : inside_word;
  write_small_ellipse(corner, target.stride, runs, !hollow, pen_drawn || !hollow, inside_word,
                      outline_word);
  if (target.mirror != nullptr) {
    write_small_ellipse(target.mirrored(corner), target.mirror_stride, runs, !hollow,
                        pen_drawn || !hollow, inside_word, outline_word);
  }
  return true;
}

// A dashed or wide pen follows the one-pixel outline: its dashes pixel by pixel, a wide pen
// around it. The brush fills the shape where the pen does not cover it. With corners of two
// pixels or less, asked for or cut down to a box that narrow, the shape is drawn as a rectangle
// is: the
// outline from the corner the call names first along the side to the second corner's column and
// on around (from the top left corner along the top for a box named in order), the inside
// without the right and bottom edges.
void stroke_rounded_box(DeviceContext& dc, raster::Painter& painter,
                        const shapes::RoundedBox& shape, bool runs_as_rectangle,
                        CornerOrder order) {
  if (runs_as_rectangle) {
    const DeviceRect box{shape.left, shape.top, shape.left + shape.width, shape.top + shape.height};
    const std::int64_t x0 = order.right_to_left ? box.right : box.left;
    const std::int64_t x1 = order.right_to_left ? box.left : box.right;
    const std::int64_t y0 = order.bottom_to_top ? box.bottom : box.top;
    const std::int64_t y1 = order.bottom_to_top ? box.top : box.bottom;
    const DevicePoint corners[4] = {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
    lines::draw_outlined_box(dc, painter, box, corners, raster::BrushInk(dc));
    return;
  }
  shapes::outline_points(shape, dc.scratch_device_points);
  lines::ShapeOutline pen(dc, painter, dc.scratch_device_points);
  const raster::BrushInk brush(dc);
  if (brush.kind() != raster::BrushInk::Kind::none) {
    dc.fill_spans.clear();
    shapes::RegionSpans region{painter.box(), dc.fill_spans};
    shapes::rasterize_rounded_box(shape, painter.box().top, painter.box().bottom, region);
    dc.fill_spans.normalize();
    for (const raster::Span& span : dc.fill_spans.spans()) {
      pen.fill_inside(span.y, span.x0, span.x1, brush);
    }
  }
  pen.draw();
}

// Draws the box with corners of corner_width x corner_height device pixels through the painter,
// cut to the clip.
void paint_rounded_box(DeviceContext& dc, DeviceRect box, lines::FramedShape framed,
                       std::int64_t corner_width, std::int64_t corner_height,
                       shapes::Outline outline, CornerOrder order) {
  bool as_rectangle = false;
  if (outline == shapes::Outline::stroked) {
    const lines::FramedBox frame =
        lines::inside_frame_box(dc, box, framed, corner_width, corner_height);
    // Drawn as a rectangle, the shape keeps the box it was given.
    as_rectangle = frame.as_rectangle;
    if (!as_rectangle) box = frame.box;
  }
  if (box.empty()) return;
  const shapes::RoundedBox shape = rounded_box(box, corner_width, corner_height);
  raster::Painter painter(dc);
  const Rect& visible = painter.box();
  const std::int64_t reach = shapes::outline_reach(dc, outline);
  if (!painter.active() || shape.left - reach >= visible.right ||
      shape.right_end() + reach <= visible.left || shape.top - reach >= visible.bottom ||
      shape.bottom_end() + reach <= visible.top) {
    return;
  }
  if (outline == shapes::Outline::stroked) {
    stroke_rounded_box(dc, painter, shape, shape.square() || as_rectangle, order);
  } else {
    const bool inside = shape.left >= visible.left && shape.right_end() <= visible.right &&
                        shape.top >= visible.top && shape.bottom_end() <= visible.bottom;
    shapes::ShapeSink sink(painter, dc, outline == shapes::Outline::one_pixel, inside);
    if (shape.square()) {
      // Corners this small make a rectangle, drawn as one is.
      const DeviceRect square{shape.left, shape.top, shape.left + shape.width,
                              shape.top + shape.height};
      if (outline == shapes::Outline::none) {
        painter.fill_box(square.left, square.top, square.right, square.bottom, sink.brush());
      } else {
        const DevicePoint corners[4] = {{square.left, square.top},
                                        {square.right, square.top},
                                        {square.right, square.bottom},
                                        {square.left, square.bottom}};
        lines::draw_outlined_box(dc, painter, square, corners, sink.brush());
      }
    } else {
      shapes::rasterize_rounded_box(shape, visible.top, visible.bottom, sink);
    }
  }
  dc.note_change();
}

// The same, with the small ellipses of an unstroked outline (the quiz's marks) copied on the
// spot. Inlined into its callers with the box in registers: a box stored and read back whole
// stalls the read until the stores have landed, on every mark.
[[gnu::always_inline]] inline bool draw_rounded_box(DeviceContext& dc, const DeviceRect& mapped,
                                                    lines::FramedShape framed,
                                                    std::int64_t corner_width,
                                                    std::int64_t corner_height, CornerOrder order) {
  const bool compatible = dc.graphics_mode == GraphicsMode::compatible;
  const DeviceRect box{mapped.left, mapped.top, mapped.right - (compatible ? 1 : 0),
                       mapped.bottom - (compatible ? 1 : 0)};
  if (box.empty()) return true;
  const shapes::Outline outline = shapes::outline_of(dc);
  if (outline != shapes::Outline::stroked &&
      copy_small_ellipse(dc, rounded_box(box, corner_width, corner_height), outline)) {
    dc.note_change();
    return true;
  }
  paint_rounded_box(dc, box, framed, corner_width, corner_height, outline, order);
  return true;
}

// A corner size in logical units as device pixels along one axis.
std::int64_t corner_extent(std::int32_t size, double scale) {
  return std::llround(
      std::min(std::fabs(static_cast<double>(size) * scale), kDeviceCoordinateLimit));
}

}  // namespace

bool ellipse(DcHandle handle, std::int32_t left, std::int32_t top, std::int32_t right,
             std::int32_t bottom) {
  DeviceContext* dc = context_of(handle);
  if (dc == nullptr) return false;
  dc->realise_brush();
  const PixelWriting writing(*dc);
  CornerOrder order;
  const DeviceRect box = map_rect(dc->mapping, left, top, right, bottom, order);
  return draw_rounded_box(*dc, box, lines::FramedShape::ellipse, box.right - box.left,
                          box.bottom - box.top, order);
}

bool round_rect(DcHandle handle, std::int32_t left, std::int32_t top, std::int32_t right,
                std::int32_t bottom, std::int32_t corner_width, std::int32_t corner_height) {
  DeviceContext* dc = context_of(handle);
  if (dc == nullptr) return false;
  dc->realise_brush();
  const PixelWriting writing(*dc);
  CornerOrder order;
  const DeviceRect box = map_rect(dc->mapping, left, top, right, bottom, order);
  return draw_rounded_box(*dc, box, lines::FramedShape::rounded_rectangle,
                          corner_extent(corner_width, dc->mapping.scale_x()),
                          corner_extent(corner_height, dc->mapping.scale_y()), order);
}

}  // namespace kanvo::surface
