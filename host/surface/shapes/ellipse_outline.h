// The one-pixel outline of an ellipse or a rounded rectangle as a closed chain of device pixels,
// counter-clockwise on the screen: from the right end of the middle row (the row above the middle
// for an even height) up over the top, down the left side and back along the bottom. Consecutive
// points are neighbours (the straight edges of a rounded rectangle excepted), so the chain drawn
// as lines paints exactly the pixels of the outline; pens with dashes, wide pens and arcs follow
// it.
#pragma once

#include <vector>

#include "host/surface/dc/world_transform.h"
#include "host/surface/shapes/rounded_box.h"

namespace kanvo::surface::shapes {

// Outlines longer than this keep every n-th point only (shapes millions of pixels across).
inline constexpr std::size_t kMaxOutlinePoints = std::size_t{1} << 20;

// Replaces `points` by the outline of the box. Corners of two pixels or less are walked like any
// other (arcs, pies and chords are not squared off: their outline shrinks to a few pixels around
// the centre); the rounded rectangle and ellipse calls draw such a box as its rectangle instead.
void outline_points(const RoundedBox& box, std::vector<DevicePoint>& points);

}  // namespace kanvo::surface::shapes
