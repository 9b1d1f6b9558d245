#include "host/surface/shapes/shape_sink.h"

#include "host/surface/lines/stroke.h"

namespace kanvo::surface::shapes {

Outline outline_of(const DeviceContext& dc) {
  const PenObject* pen = dc.pen;
  if (pen == nullptr || pen->kind() == pen_style::kNull) return Outline::none;
  const bool solid = pen->kind() == pen_style::kSolid || pen->kind() == pen_style::kInsideFrame;
  return solid && !lines::draws_wide(dc) ? Outline::one_pixel : Outline::stroked;
}

std::int64_t outline_reach(const DeviceContext& dc, Outline outline) {
  return outline == Outline::stroked ? lines::pen_device_width(dc) / 2 + 1 : 0;
}

}  // namespace kanvo::surface::shapes
