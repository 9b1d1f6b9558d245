// The area a geometric pen wider than one pixel covers along a path of device points.
//
// Each segment is a four-sided band whose corners are the path points moved by half the width
// across the segment (and by half the width along it at square ends), rounded to whole pixels.
// For an odd width the half width is a half-integer and the rounding is not symmetric: a corner
// whose offset points mostly right or down (its larger component positive; for the offset across
// the segment, its horizontal component) is rounded away from the path point, any other to the
// nearest pixel. Joins fill the wedge between two bands on the outer side (a bevel triangle, or
// up to the rounded intersection of the outer edges for a miter within the limit); round joins
// and round ends add the pen's disc. The whole stroke is one shape: every pixel once.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "host/surface/dc/world_transform.h"
#include "host/surface/lines/line_style.h"
#include "host/surface/raster/polygon_fill.h"
#include "host/surface/raster/span_list.h"

namespace kanvo::surface::lines {

enum class EndCap { round, square, flat };
enum class Join { round, bevel, miter };

struct WidePen {
  std::int64_t width = 1;  // device pixels, at least 2
  EndCap cap = EndCap::round;
  Join join = Join::round;
};

// Adds the pixels of the stroke (clipped to the box) to `out` and the polygons to `edges`; the
// caller fills the edges, adds them to `out` and normalises. `closed` joins the last point to
// the first and leaves no ends.
class WideStroke {
 public:
  // `dash` holds the points of one dash at a time (scratch memory kept by the caller).
  WideStroke(const WidePen& pen, const Rect& box, raster::EdgeList& edges, raster::SpanList& discs,
             std::vector<DevicePointF>& dash)
      : pen_(pen), box_(box), edges_(edges), discs_(discs), dash_(dash) {}

  // A solid figure. Repeated points are skipped; a figure of one distinct point is a dot for a
  // round end and nothing otherwise.
  void add_figure(std::span<const DevicePointF> points, bool closed);
  // A dashed figure: the dashes of the pattern from `start` on (in device units along the path),
  // each with the pen's ends. Returns the position after the figure.
  double add_dashed_figure(std::span<const DevicePointF> points, bool closed,
                           const DashPattern& pattern, double start);

 private:
  // The path without repeated points, closed figures ending on their first point again.
  void add_path(std::span<const DevicePointF> points, bool closed);
  // The band from a to b along the unit direction u (given, so that a band of no length has
  // one).
  void add_band(DevicePointF a, DevicePointF b, DevicePointF u, bool square_start, bool square_end);
  void add_join(DevicePointF before, DevicePointF at, DevicePointF after);
  void add_end(DevicePointF at, DevicePointF toward);
  void add_disc(DevicePointF centre);

  WidePen pen_;
  Rect box_;
  raster::EdgeList& edges_;
  raster::SpanList& discs_;
  std::vector<DevicePointF>& dash_;
};

}  // namespace kanvo::surface::lines
