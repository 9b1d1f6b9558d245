// Outlines drawn with the pen selected into a context: the one way every line, polyline and
// shape outline reaches the pixels.
//
//   lines::stroke_figure(*dc, corners, /*closed=*/true);   // a shape's outline
//
// Points are device pixels (the world transform already applied). A null pen draws nothing.
// A pen one device pixel wide draws segment by segment (the raster operation meets a pixel
// shared by two crossing segments twice, as each segment is its own line); a wider pen covers
// its whole figure as one shape and paints each pixel once.
#pragma once

#include <span>

#include "host/surface/dc/device_context.h"
#include "host/surface/shapes/rounded_box.h"

namespace kanvo::surface::lines {

// The figure's outline with the dash pattern starting afresh. `curve` is the box whose outline
// the points follow, if any (a wide pen's dashes keep to its octants, see WideStroke).
void stroke_figure(DeviceContext& dc, std::span<const DevicePoint> points, bool closed,
                   const shapes::RoundedBox* curve = nullptr);

// An open figure whose dash pattern runs on from `position` (a chain of line_to calls); returns
// the position after it. A wide pen's pattern starts afresh instead (the position after is 0).
double stroke_chain(DeviceContext& dc, std::span<const DevicePoint> points, double position);

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
                bool closed, const shapes::RoundedBox* curve = nullptr);

}  // namespace kanvo::surface::lines
