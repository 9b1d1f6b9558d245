#include "host/surface/shapes/shape_sink.h"

#include "host/surface/lines/stroke.h"

namespace kanvo::surface::shapes {

Outline outline_of(const DeviceContext& dc) {
  const PenObject* pen = dc.pen;
  if (pen == nullptr || pen->kind() == pen_style::kNull) return Outline::none;
  return lines::draws_wide(dc) ? Outline::stroked : Outline::one_pixel;
}

}  // namespace kanvo::surface::shapes
