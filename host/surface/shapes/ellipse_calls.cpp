// Ellipses and rounded rectangles.
#include <algorithm>
#include <cmath>

#include "host/surface/dc/device_context.h"
#include "host/surface/dc/device_rect.h"
#include "host/surface/raster/painter.h"
#include "host/surface/shapes/rounded_box.h"
#include "host/surface/shapes/shape_sink.h"

namespace kanvo::surface {

namespace {

// Draws the box with corners of corner_width x corner_height device pixels.
bool draw_rounded_box(DeviceContext& dc, DeviceRect box, std::int64_t corner_width,
                      std::int64_t corner_height) {
  if (dc.graphics_mode == GraphicsMode::compatible) {
    --box.right;
    --box.bottom;
  }
  if (box.empty()) return true;
  shapes::RoundedBox shape;
  shape.left = box.left;
  shape.top = box.top;
  shape.width = box.right - box.left;
  shape.height = box.bottom - box.top;
  shape.corner_width = std::min(corner_width, shape.width);
  shape.corner_height = std::min(corner_height, shape.height);

  raster::Painter painter(dc);
  const Rect& visible = painter.box();
  if (!painter.active() || shape.left >= visible.right || shape.right_end() <= visible.left ||
      shape.top >= visible.bottom || shape.bottom_end() <= visible.top) {
    return true;
  }
  const shapes::Outline outline = shapes::outline_of(dc);
  shapes::ShapeSink sink(painter, dc, outline != shapes::Outline::none);
  if (outline == shapes::Outline::none && shape.square()) {
    // Like a rectangle without a pen: the right and bottom edges stay out.
    painter.fill_box(shape.left, shape.top, shape.left + shape.width, shape.top + shape.height,
                     sink.brush());
  } else {
    shapes::rasterize_rounded_box(shape, visible.top, visible.bottom, sink);
  }
  dc.note_change();
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
