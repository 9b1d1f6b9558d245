// The three-dimensional edges of the plain look: raised buttons, sunken fields, pushed buttons.
#pragma once

#include "host/surface/surface.h"
#include "host/windows/types.h"

namespace kanvo::win {

enum class Edge : std::uint8_t {
  raised,  // light above and left, dark below and right: a button
  sunken,  // the other way round: an edit field's client edge
  pushed,  // one shadow ring and one face ring: a button held down
};

inline constexpr std::int32_t kEdgeWidth = 2;

// Draws the edge along the inside of `rect` (device pixels) and returns the rectangle within it.
Rect draw_edge(surface::DcHandle dc, const Rect& rect, Edge edge);
// A one-pixel ring along the inside of `rect`: `top_left` on the top and left sides, `bottom_right`
// on the others and on the corners they share with them.
void draw_ring(surface::DcHandle dc, const Rect& rect, surface::ObjectHandle top_left,
               surface::ObjectHandle bottom_right);

}  // namespace kanvo::win
