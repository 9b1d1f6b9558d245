// Which part of an ellipse's outline an arc, pie or chord takes: the points from the start
// radial counter-clockwise (on the screen) to the end radial.
//
// Each outline pixel stands for the corner of its pixel nearest the box's centre when the box is
// even in that direction, for its centre when odd. A box two pixels across has its outline shrunk
// to the pixels around the centre, whose nearest corners would all be the centre: there each
// stands for its top left corner in an even direction, and the one whose corner is the centre
// for its own centre. The radials run from the centre of the box to
// their points, which stand for their pixels' centres in an odd direction as the outline's do;
// a radial so far out that its offset scaled by the box's other half-extent passes 32 bits loses
// that component and lies along the box's middle row or column, where the pixels on it go by
// their centres.
// The arc starts at the first pixel (counting from the right end of the middle row) at or past
// the start radial and ends at the last pixel at or before the end radial. A pixel exactly on a
// radial counts as lying a hair to the left of its point: past a radial that points up or
// straight left, short of one that points down; on a radial straight right, where the turn
// starts and ends, it is on it. Equal radials take the whole outline, and so do radials that
// fall between the same two pixels of a curved outline.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "host/surface/dc/world_transform.h"
#include "host/surface/shapes/rounded_box.h"

namespace kanvo::surface::shapes {

// Points first .. last of the outline, counting on from last back to 0 when last < first.
struct ArcRange {
  bool empty = true;
  std::size_t first = 0;
  std::size_t last = 0;
};

ArcRange select_arc(std::span<const DevicePoint> outline, const RoundedBox& box,
                    DevicePoint start_radial, DevicePoint end_radial);

// The arc of a box one pixel high, which the platform flattens onto its top row: the outline runs
// from the right end over the middle to the left end and back along the same row. Replaces
// `points` by the arc's pixels along that row, one by one, from the start radial
// counter-clockwise to the end radial; a radial above the middle meets the row in the middle on
// the way over the top, one below it on the way back, and the arc starts at the first pixel at or
// past its start radial (the one after the middle for a radial a hair past it). Equal meeting
// points take the whole turn.
void flat_arc_points(const RoundedBox& box, DevicePoint start_radial, DevicePoint end_radial,
                     std::vector<DevicePoint>& points);

}  // namespace kanvo::surface::shapes
