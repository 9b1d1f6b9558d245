#include "host/surface/shapes/closed_figure.h"

#include "host/surface/lines/shape_outline.h"
#include "host/surface/raster/brush_ink.h"
#include "host/surface/raster/painter.h"

namespace kanvo::surface::shapes {

void draw_closed_figure(DeviceContext& dc, std::span<const DevicePoint> points,
                        raster::FillRule rule) {
  raster::Painter painter(dc);
  const raster::BrushInk brush(dc);
  lines::ShapeOutline outline(dc, painter, points);
  if (painter.active() && brush.kind() != raster::BrushInk::Kind::none) {
    dc.edges.clear();
    dc.edges.add_polygon(points);
    dc.fill_spans.clear();
    dc.edges.fill(rule, painter.box(), dc.fill_spans);
    for (const raster::Span& span : dc.fill_spans.spans()) {
      outline.fill_inside(span.y, span.x0, span.x1, brush);
    }
  }
  outline.draw();
}

}  // namespace kanvo::surface::shapes
