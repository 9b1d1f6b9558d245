// Lines and polylines. Not drawn yet: these calls fail without touching the surface until the
// line rasteriser replaces this file.
#include "host/surface/surface.h"

namespace kanvo::surface {

bool line_to(DcHandle, std::int32_t, std::int32_t) {
  return false;
}
bool polyline(DcHandle, const Point*, std::int32_t) {
  return false;
}

}  // namespace kanvo::surface
