// Single pixels.
#include "host/surface/dc/device_context.h"
#include "host/surface/raster/painter.h"

namespace kanvo::surface {

bool set_pixel(DcHandle handle, std::int32_t x, std::int32_t y, Color color) {
  DeviceContext* dc = context_of(handle);
  if (dc == nullptr) return false;
  const DevicePoint point = dc->mapping.map(x, y);
  const PixelWriting writing(*dc);
  raster::Painter painter(*dc);
  const Rect& box = dc->drawable_box();
  if (point.x < box.left || point.x >= box.right || point.y < box.top || point.y >= box.bottom) {
    return false;
  }
  painter.fill_pixel(point.x, point.y, pixel_word(color));
  dc->note_change();
  return true;
}

Color get_pixel(DcHandle handle, std::int32_t x, std::int32_t y) {
  const DeviceContext* dc = context_of(handle);
  if (dc == nullptr) return kInvalidColor;
  const DevicePoint point = dc->mapping.map(x, y);
  const Rect box = dc->drawable_box();
  if (point.x < box.left || point.x >= box.right || point.y < box.top || point.y >= box.bottom) {
    return kInvalidColor;
  }
  const PixelTarget target = dc->target();
  return color_of_pixel(target.row(static_cast<std::int32_t>(point.y))[point.x]);
}

}  // namespace kanvo::surface
