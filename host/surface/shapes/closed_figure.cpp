#include "host/surface/shapes/closed_figure.h"

#include "host/surface/lines/stroke.h"
#include "host/surface/raster/brush_ink.h"
#include "host/surface/raster/painter.h"

namespace kanvo::surface::shapes {

void draw_closed_figure(DeviceContext& dc, std::span<const DevicePoint> points,
                        raster::FillRule rule) {
  raster::Painter painter(dc);
  const raster::BrushInk brush(dc);
  if (painter.active() && brush.kind() != raster::BrushInk::Kind::none) {
    dc.edges.clear();
    dc.edges.add_polygon(points);
    dc.spans.clear();
    dc.edges.fill(rule, painter.box(), dc.spans);
    painter.fill_spans(dc.spans.spans(), brush);
  }
  lines::stroke_figure(dc, points, true);
}

}  // namespace kanvo::surface::shapes
