// Text output and measurement. Not drawn yet: these calls fail without touching the surface
// until the text renderer replaces this file.
#include "host/surface/surface.h"

namespace kanvo::surface {

bool text_out(DcHandle, std::int32_t, std::int32_t, std::string_view) {
  return false;
}
bool get_text_extent(DcHandle, std::string_view, Size* extent) {
  if (extent != nullptr) *extent = {};
  return false;
}
std::int32_t draw_text(DcHandle, std::string_view, Rect*, std::uint32_t) {
  return 0;
}

}  // namespace kanvo::surface
