// Ellipses and rounded rectangles.
#include <algorithm>
#include <cmath>

#include "host/surface/dc/device_context.h"
#include "host/surface/dc/device_rect.h"
#include "host/surface/lines/shape_outline.h"
#include "host/surface/lines/stroke.h"
#include "host/surface/raster/painter.h"
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

// The quiz's marks, and most small ellipses: wholly inside the drawable box, copied, with a solid
// one-pixel pen or none and a solid brush or none. The pixels come from the table and are written
// straight into the surface. False when the shape is not such a case.
bool copy_small_ellipse(const DeviceContext& dc, const shapes::RoundedBox& shape,
                        shapes::Outline outline) {
  if (shape.corner_width != shape.width || shape.corner_height != shape.height ||
      shape.width > shapes::kSmallEllipseLimit || shape.height > shapes::kSmallEllipseLimit) {
    return false;
  }
  const bool pen_solid =
      outline == shapes::Outline::one_pixel &&
      (dc.pen->kind() == pen_style::kSolid || dc.pen->kind() == pen_style::kInsideFrame);
  const bool hollow = dc.brush == nullptr || dc.brush->style == BrushStyle::null;
  if (dc.rop2 != rop2::kCopyPen || !(pen_solid || outline == shapes::Outline::none) ||
      !(hollow || dc.brush->style == BrushStyle::solid) ||
      (outline == shapes::Outline::none && shape.square())) {
    return false;
  }
  const PixelTarget target = dc.target();
  const Rect visible = dc.drawable_box(target);
  if (shape.left < visible.left || shape.right_end() > visible.right || shape.top < visible.top ||
      shape.bottom_end() > visible.bottom) {
    return false;
  }
  const shapes::SmallEllipse& runs =
      shapes::small_ellipse(static_cast<int>(shape.width), static_cast<int>(shape.height));
  PixelWord* const corner = target.row(static_cast<std::int32_t>(shape.top)) + shape.left;
  const PixelWord fill = hollow ? 0 : pixel_word(dc.brush->color);
  if (!hollow) {
    for (int i = 0; i < runs.inside_count; ++i) {
      const shapes::ShapeRun& run = runs.inside[i];
      PixelWord* row = corner + static_cast<std::ptrdiff_t>(run.dy) * target.stride;
      std::fill(row + run.x0, row + run.x1, fill);
    }
  }
  if (pen_solid || !hollow) {
    const PixelWord word = pen_solid ? pixel_word(dc.pen->color) : fill;
    for (int i = 0; i < runs.outline_count; i += shapes::SmallEllipse::kPixelBatch) {
      const shapes::ShapePixel* batch = runs.outline + i;
      for (int k = 0; k < shapes::SmallEllipse::kPixelBatch; ++k) {
        corner[static_cast<std::ptrdiff_t>(batch[k].dy) * target.stride + batch[k].dx] = word;
      }
    }
  }
  return true;
}

// A dashed or wide pen follows the one-pixel outline: its dashes pixel by pixel, a wide pen
// around it. The brush fills the shape where the pen does not cover it.
void stroke_rounded_box(DeviceContext& dc, raster::Painter& painter,
                        const shapes::RoundedBox& shape) {
  shapes::outline_points(shape, dc.scratch_device_points);
  lines::ShapeOutline pen(dc, painter, dc.scratch_device_points, &shape);
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
void paint_rounded_box(DeviceContext& dc, DeviceRect box, std::int64_t corner_width,
                       std::int64_t corner_height, shapes::Outline outline) {
  if (outline == shapes::Outline::stroked) box = lines::inside_frame_box(dc, box);
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
    stroke_rounded_box(dc, painter, shape);
  } else {
    const bool inside = shape.left >= visible.left && shape.right_end() <= visible.right &&
                        shape.top >= visible.top && shape.bottom_end() <= visible.bottom;
    shapes::ShapeSink sink(painter, dc, outline == shapes::Outline::one_pixel, inside);
    if (outline == shapes::Outline::none && shape.square()) {
      // Like a rectangle without a pen: the right and bottom edges stay out.
      painter.fill_box(shape.left, shape.top, shape.left + shape.width, shape.top + shape.height,
                       sink.brush());
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
                                                    std::int64_t corner_width,
                                                    std::int64_t corner_height) {
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
  paint_rounded_box(dc, box, corner_width, corner_height, outline);
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
  const DeviceRect box = map_rect(dc->mapping, left, top, right, bottom);
  return draw_rounded_box(*dc, box, box.right - box.left, box.bottom - box.top);
}

bool round_rect(DcHandle handle, std::int32_t left, std::int32_t top, std::int32_t right,
                std::int32_t bottom, std::int32_t corner_width, std::int32_t corner_height) {
  DeviceContext* dc = context_of(handle);
  if (dc == nullptr) return false;
  const DeviceRect box = map_rect(dc->mapping, left, top, right, bottom);
  return draw_rounded_box(*dc, box, corner_extent(corner_width, dc->mapping.scale_x()),
                          corner_extent(corner_height, dc->mapping.scale_y()));
}

}  // namespace kanvo::surface
