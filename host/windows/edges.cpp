#include "host/windows/edges.h"

#include "host/windows/system_colors.h"

namespace kanvo::win {

void draw_ring(surface::DcHandle dc, const Rect& rect, surface::ObjectHandle top_left,
               surface::ObjectHandle bottom_right) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  surface::fill_rect(dc, {rect.left, rect.top, rect.right - 1, rect.top + 1}, top_left);
  surface::fill_rect(dc, {rect.left, rect.top, rect.left + 1, rect.bottom - 1}, top_left);
  surface::fill_rect(dc, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottom_right);
  surface::fill_rect(dc, {rect.right - 1, rect.top, rect.right, rect.bottom - 1}, bottom_right);
}

Rect draw_edge(surface::DcHandle dc, const Rect& rect, Edge edge) {
  const auto brush = [](int index) { return get_system_color_brush(index); };
  const Rect inner{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
  switch (edge) {
    case Edge::raised:
      draw_ring(dc, rect, brush(system_color::kLight), brush(system_color::kDarkShadow));
      draw_ring(dc, inner, brush(system_color::kButtonHighlight),
                brush(system_color::kButtonShadow));
      break;
    case Edge::sunken:
      draw_ring(dc, rect, brush(system_color::kButtonShadow),
                brush(system_color::kButtonHighlight));
      draw_ring(dc, inner, brush(system_color::kDarkShadow), brush(system_color::kLight));
      break;
    case Edge::pushed:
      draw_ring(dc, rect, brush(system_color::kButtonShadow), brush(system_color::kButtonShadow));
      draw_ring(dc, inner, brush(system_color::kButtonFace), brush(system_color::kButtonFace));
      break;
  }
  return {rect.left + kEdgeWidth, rect.top + kEdgeWidth, rect.right - kEdgeWidth,
          rect.bottom - kEdgeWidth};
}

}  // namespace kanvo::win
