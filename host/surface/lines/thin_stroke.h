// Figures drawn one pixel wide: cosmetic pens and geometric pens one device pixel wide.
//
// Each segment leaves out its last pixel, so a chain of segments paints every vertex once; a
// solid geometric pen also paints the very last pixel of an open figure. A dash pattern is
// counted in pixels along each segment's major axis and runs on from segment to segment. The
// gaps of a cosmetic pattern take the background colour in the opaque background mode.
#pragma once

#include <span>

#include "host/surface/dc/world_transform.h"
#include "host/surface/lines/line_style.h"
#include "host/surface/raster/painter.h"

namespace kanvo::surface::lines {

struct ThinPen {
  PixelWord ink = 0;
  PixelWord gap_ink = 0;
  bool paint_gaps = false;
  bool last_pixel = false;               // paint the end point of an open figure
  const DashPattern* pattern = nullptr;  // null or solid(): no pattern
};

// Paints the figure and returns the pattern position after it (`position` plus the pixels
// stepped).
double stroke_thin(raster::Painter& painter, std::span<const DevicePoint> points, bool closed,
                   const ThinPen& pen, double position);

}  // namespace kanvo::surface::lines
