// Polygons: closed automatically, the inside by the context's polygon fill mode.
#include "host/surface/dc/device_context.h"
#include "host/surface/shapes/closed_figure.h"
#include "host/surface/surface.h"

namespace kanvo::surface {

bool polygon(DcHandle handle, const Point* points, std::int32_t count) {
  DeviceContext* dc = context_of(handle);
  if (dc == nullptr) return false;
  dc->realise_brush();
  if (points == nullptr || count < 2) return false;
  const PixelWriting writing(*dc);
  const std::span<const DevicePoint> mapped = dc->map_points(points, count);
  const raster::FillRule rule = dc->poly_fill_mode == static_cast<int>(PolyFillMode::winding)
                                    ? raster::FillRule::winding
                                    : raster::FillRule::alternate;
  shapes::draw_closed_figure(*dc, mapped, rule);
  dc->note_change();
  return true;
}

}  // namespace kanvo::surface
