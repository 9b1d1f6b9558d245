// Closed figures with straight sides (polygons, pies, chords): the inside filled with the brush
// under the polygon fill rule, then the outline drawn with the pen along the same points.
#pragma once

#include <span>

#include "host/surface/dc/device_context.h"
#include "host/surface/raster/polygon_fill.h"

namespace kanvo::surface::shapes {

void draw_closed_figure(DeviceContext& dc, std::span<const DevicePoint> points,
                        raster::FillRule rule);

}  // namespace kanvo::surface::shapes
