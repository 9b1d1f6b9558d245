// Arcs, pies, chords and polygons. Not drawn yet: these calls fail
// without touching the surface until the curve and polygon rasterisers replace this file.
#include "host/surface/surface.h"

namespace kanvo::surface {

bool arc(DcHandle, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
         std::int32_t, std::int32_t, std::int32_t) {
  return false;
}
bool pie(DcHandle, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
         std::int32_t, std::int32_t, std::int32_t) {
  return false;
}
bool chord(DcHandle, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
           std::int32_t, std::int32_t, std::int32_t) {
  return false;
}
bool polygon(DcHandle, const Point*, std::int32_t) {
  return false;
}

}  // namespace kanvo::surface
