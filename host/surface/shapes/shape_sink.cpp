#include "host/surface/shapes/shape_sink.h"

#include <algorithm>

namespace kanvo::surface::shapes {

Outline outline_of(const DeviceContext& dc) {
  const PenObject* pen = dc.pen;
  if (pen == nullptr || pen->kind() == pen_style::kNull) return Outline::none;
  if (!pen->geometric()) return Outline::one_pixel;
  const double scale = std::max(dc.mapping.scale_x(), dc.mapping.scale_y());
  return static_cast<double>(pen->width) * scale > 1.0 ? Outline::stroked : Outline::one_pixel;
}

}  // namespace kanvo::surface::shapes
