// Lines and polylines.
#include "host/surface/dc/device_context.h"
#include "host/surface/lines/stroke.h"
#include "host/surface/surface.h"

namespace kanvo::surface {

bool line_to(DcHandle handle, std::int32_t x, std::int32_t y) {
  DeviceContext* dc = context_of(handle);
  if (dc == nullptr) return false;
  const PixelWriting writing(*dc);
  const DevicePoint points[2] = {dc->mapping.map(dc->current_position), dc->mapping.map(x, y)};
  lines::stroke_figure(*dc, points, false);
  dc->current_position = {x, y};
  dc->note_change();
  return true;
}

bool polyline(DcHandle handle, const Point* points, std::int32_t count) {
  DeviceContext* dc = context_of(handle);
  if (dc == nullptr || points == nullptr || count < 2) return false;
  const PixelWriting writing(*dc);
  lines::stroke_figure(*dc, dc->map_points(points, count), false);
  dc->note_change();
  return true;
}

}  // namespace kanvo::surface
