// Figures drawn one pixel wide: cosmetic pens and geometric pens one device pixel wide.
//
// Each segment takes the pixels of a cosmetic line and leaves out its last pixel, so a chain of
// segments meets every vertex once. A dash pattern is counted in pixels along each segment's
// major axis and runs on from segment to segment. The gaps of a cosmetic pattern take the
// background colour in the opaque background mode.
//
// A cosmetic pen draws segment by segment: a raster operation such as XOR meets a pixel that two
// segments share twice. A geometric pen draws its whole figure as one shape, each pixel once,
// and an open figure of it ends on its last point unless its last segment runs straight along
// a row or a column.
#pragma once

#include <span>

#include "host/surface/dc/world_transform.h"
#include "host/surface/lines/line_style.h"
#include "host/surface/raster/painter.h"
#include "host/surface/raster/span_list.h"

namespace kanvo::surface::lines {

struct ThinPen {
  PixelWord ink = 0;
  PixelWord gap_ink = 0;
  bool paint_gaps = false;
  bool geometric = false;
  const DashPattern* pattern = nullptr;  // null or solid(): no pattern
};

// Paints the figure, or with `gather` adds its pixels there instead (the caller paints them
// once), and returns the pattern position after it (`position` plus the pixels stepped).
double stroke_thin(raster::Painter& painter, std::span<const DevicePoint> points, bool closed,
                   const ThinPen& pen, double position, raster::SpanList* gather = nullptr);

}  // namespace kanvo::surface::lines
