#include "host/surface/shapes/shape_sink.h"

#include "host/surface/lines/stroke.h"

namespace kanvo::surface::shapes {

std::int64_t outline_reach(const DeviceContext& dc, Outline outline) {
  return outline == Outline::stroked ? lines::pen_device_width(dc) / 2 + 1 : 0;
}

}  // namespace kanvo::surface::shapes
