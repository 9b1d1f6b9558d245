// Outlines drawn with the pen selected into a context: the one way every line, polyline and
// shape outline reaches the pixels.
//
//   lines::stroke_figure(*dc, corners, /*closed=*/true);   // a shape's outline
//
// Points are device pixels (the world transform already applied). A null pen draws nothing.
// A cosmetic pen draws segment by segment (the raster operation meets a pixel shared by two
// crossing segments twice, as each segment is its own line); a geometric pen, and a wide one of
// any kind, covers its whole figure as one shape and paints each pixel once.
#pragma once

#include <span>

#include "host/surface/dc/device_context.h"
#include "host/surface/raster/painter.h"

namespace kanvo::surface::lines {

// The figure's outline with the dash pattern starting afresh: for every call, so a chain of
// line_to calls starts its pattern again at each one, whatever the pen.
void stroke_figure(DeviceContext& dc, std::span<const DevicePoint> points, bool closed);

// The pen's width in device pixels (DeviceContext::pen_width).
inline std::int64_t pen_device_width(const DeviceContext& dc) {
  return dc.pen_width;
}
// Whether the pen draws wider than a pixel.
inline bool draws_wide(const DeviceContext& dc) {
  return dc.pen != nullptr && dc.pen->kind() != pen_style::kNull && dc.pen_width > 1;
}
// The pixels a wide pen covers along the figure inside the box, normalised into the context's
// scratch span list.
void cover_wide(DeviceContext& dc, const Rect& box, std::span<const DevicePoint> points,
                bool closed);
// Whether the pen draws a figure as one shape, each pixel once, with nothing of the brush under
// it: geometric pens of any width and wide pens of the plain call. A cosmetic pen draws segment
// by segment over the brush.
bool covers_as_one_shape(const DeviceContext& dc);
// The pixels a pen that covers_as_one_shape() covers along the figure inside the painter's box,
// normalised into the context's scratch span list.
void cover_figure(DeviceContext& dc, raster::Painter& painter, std::span<const DevicePoint> points,
                  bool closed);

}  // namespace kanvo::surface::lines
