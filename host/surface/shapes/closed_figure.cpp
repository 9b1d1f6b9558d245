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
    if (brush.kind() == raster::BrushInk::Kind::solid && outline.brush_goes_under()) {
      // The runs come inside the painter's box: straight into the pixels.
      const PixelWord word = brush.solid_word();
      painter.with_runs([&](const auto& runs) {
        dc.edges.fill(rule, painter.box(), [&](std::int64_t y, std::int64_t x0, std::int64_t x1) {
          runs.row(y, x0, x1, word);
        });
      });
    } else {
      dc.edges.fill(rule, painter.box(), [&](std::int64_t y, std::int64_t x0, std::int64_t x1) {
        outline.fill_inside(y, x0, x1, brush);
      });
    }
  }
  outline.draw();
}

}  // namespace kanvo::surface::shapes
