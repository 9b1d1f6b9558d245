// The area a geometric pen wider than one pixel covers along a path of device points.
//
// Each segment is a four-sided band whose corners are the path points moved by half the width
// across the segment (and by half the width along it at square ends), each move rounded to whole
// pixels on its own. The rounding is not symmetric: a move across the segment that points right,
// or a move along it that points down at a slant, is rounded away from the path point; any
// other move to the nearest pixel (a move along the segment with its halves toward the path
// point). Joins fill the wedge between two bands on the outer side (a bevel triangle, or for a
// miter up to the rounded crossing of the outer edges through the bands' corners, when that
// crossing lies within ten half widths of the turn); round joins and round ends add the pen's
// disc, the filled ellipse of a width-by-width box. The whole stroke is one shape: every pixel
// once.
//
// Dashes are measured along the path, each segment by its exact length: a diagonal step between
// neighbouring pixels of a curve's outline counts the square root of two. A segment hands on to the
// next only the whole units of its length: the pattern takes up the next segment from there, the
// fraction left over counted again (a dash that starts and ends in that fraction, a dot say, is
// drawn on the segment before only). The ends of each dash fall on whole pixels (the exact distance
// from its segment's start, cut toward the start). A dash runs on through the turns of the path
// with the pen's joins, whatever they are, even when its end falls short of the next pixel past the
// turn (its square end then faces along the segment it ran into, and a round join's disc is there
// even where the path goes straight on); one that starts exactly at a turn
// has the join there too (one that ends there does not), as if it came from the segment before: its
// square start faces along that segment (a dot there is that segment's square alone, no join), and
// a flat one starts a pixel back along it when it runs along an axis and the turn is gentler than
// a right angle (across the pen's outer half only, from the path out, when it ends on the turn's
// own pixel). Where the turn leaves a column onto a diagonal toward the right, or a row
// onto one toward the top, a flat or round one covers the whole pixel behind its point across the
// pen's width (a round one's disc staying on its point); where the path goes straight on along a
// row, the top edge alone of a flat or round one starts a pixel back. With a bevel or miter join, a
// dash that starts on a turn off a row or column also fills from its edge a pixel back along the
// segment before to the next band's corner on the inner side of the turn, whatever its ends (a
// round join's disc does not); so does, from its own edge, a flat end a pixel before such a turn,
// a dash's or a line's. A segment of no length is a turn for round joins: a dash over it has
// the pen's disc there. A closed figure whose last dash runs on past its close (even from exactly
// there) draws it and the first dash as one dash through its first point: the join there, no ends
// (a last dash that ends exactly at the close keeps its ends, and so does a dash that covers the
// whole figure, first and last at once); one from exactly there starts on the turn there as on any
// other, coming from the last segment. In a pattern of dots only, a segment shows its first dot
// alone (a dot on the point between two segments counts for both, and faces along the segment
// before).
//
// A bevel at a turn of a right angle or more is cut closer than the bands' corners: its corner
// straight above the turn stands nearer to it by one pixel over the sine of the angle between
// the segments, exactly, so between two pixels for an odd width at a right angle; never below
// the turn (so a sharp turn of a thin wide pen may leave the turn's own pixel open). A turn that
// completes a turn back through a band one pixel long (east, a pixel north, back west) keeps
// that corner at the pen's whole reach instead, half the width above the turn. Any other corner
// of a bevel straight above or below the turn, on the side of a band along a row before the
// turn, stands exactly half the width from it: between two pixels for an odd width, where the
// band's own corner is rounded to one (on the side of such a band after the turn the bevel keeps
// the band's corner). Where the
// path turns back on itself as far as the rounded corners tell, each band's end the other's the
// other way round, a bevel adds nothing. After a band down a column, whose bottom edge stays
// open, a piece of the join whose top edge runs right from the band's left corner there to the
// turn leaves that corner's pixel open too where its other side leans right below it; one that
// goes straight down from there keeps it.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "host/surface/dc/world_transform.h"
#include "host/surface/lines/line_style.h"
#include "host/surface/raster/ellipse_quadrant.h"
#include "host/surface/raster/polygon_fill.h"
#include "host/surface/raster/span_list.h"

namespace kanvo::surface::lines {

enum class EndCap { round, square, flat };
enum class Join { round, bevel, miter };

// Which ends of an open path have the pen's end.
struct PathEnds {
  bool start = true;
  bool end = true;
};

// What a join needs to know of the band before its turn.
struct BandBefore {
  bool one_pixel = false;   // one pixel long, along a row or column
  bool turns_back = false;  // one pixel long, entered against the way the path goes on
};

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
  // `nib_rows` holds the rows of the round nib's outline, walked once for the whole stroke, and
  // `dash_path` the points of a dash that runs on through turns, with the direction of the
  // segment each point ends in `dash_headings` (scratch memory kept by the caller).
  WideStroke(const WidePen& pen, const Rect& box, raster::EdgeList& edges, raster::SpanList& discs,
             std::vector<raster::QuadrantRow>& nib_rows, std::vector<DevicePointF>& dash_path,
             std::vector<DevicePointF>& dash_headings)
      : pen_(pen),
        box_(box),
        edges_(edges),
        discs_(discs),
        nib_rows_(nib_rows),
        dash_path_(dash_path),
        dash_headings_(dash_headings) {
    nib_rows_.clear();
    dash_path_.clear();
    dash_headings_.clear();
  }

  // A solid figure. Repeated points are skipped; a figure of one distinct point is a dot when the
  // pen rounds it there (its end for an open figure, its join for a closed one, which has no
  // ends) and nothing otherwise.
  void add_figure(std::span<const DevicePointF> points, bool closed);
  // A dashed figure: the dashes of the pattern from `start` on (in device units along the path),
  // each with the pen's ends. Returns the position after the figure.
  double add_dashed_figure(std::span<const DevicePointF> points, bool closed,
                           const DashPattern& pattern, double start);

 private:
  // Bands along the path (repeated points skipped), joins between them and the ends. `headings`
  // is empty or gives, for each point, the direction of the band that ends there.
  void add_path(std::span<const DevicePointF> points, bool closed,
                std::span<const DevicePointF> headings, PathEnds ends = {});
  // The band from a to b along the unit direction u (given, so that a band of no length has
  // one).
  void add_band(DevicePointF a, DevicePointF b, DevicePointF u, bool square_start, bool square_end);
  // The join at a point between bands of unit directions u1 and u2. `ends` tells whether the
  // band before the turn starts the path there with a flat end, and whether the band after it
  // ends the path with one. `before` tells the length and way in of the band before the turn.
  void add_join(DevicePointF at, DevicePointF u1, DevicePointF u2, PathEnds ends = {false, false},
                BandBefore before = {});
  void add_disc(DevicePointF centre);
  // The start of a dash on a turn from u1 to u2 with a bevel or miter join: the triangle from
  // the band's edge across `back` (a pixel back along u1) to the corner of the band along u2 from
  // `at` on the inner side of the turn. Where the path runs on through the turn, the band before
  // covers it.
  void add_inner_start(DevicePointF back, DevicePointF at, DevicePointF u1, DevicePointF u2);
  // The outer half of the band from `back` to `at` along u1: the side the turn to u2 leaves.
  void add_outer_back(DevicePointF back, DevicePointF at, DevicePointF u1, DevicePointF u2);
  // The pixel a pixel back from the top corner of a flat or round end at `at`, on a band along a
  // row of direction u.
  void add_top_edge_back(DevicePointF at, DevicePointF u);
  // One piece of a dash along a segment of direction `heading`, with the pen's ends; a piece of
  // no length is a dot.
  void add_dash(DevicePointF from, DevicePointF to, DevicePointF heading);
  // The dash collected in dash_path_, through the turns it runs on past, with the pen's ends.
  void add_dash_path();

  WidePen pen_;
  Rect box_;
  raster::EdgeList& edges_;
  raster::SpanList& discs_;
  std::vector<raster::QuadrantRow>& nib_rows_;  // empty until the first nib that is walked
  std::vector<DevicePointF>& dash_path_;
  std::vector<DevicePointF>& dash_headings_;
  PathEnds dash_ends_;  // of the dash in dash_path_
  // The dash in dash_path_ starts exactly at a turn: its start faces along the segment before,
  // whose direction this is.
  bool dash_starts_at_turn_ = false;
  DevicePointF dash_start_heading_{};
  std::size_t merged_runs_ = 0;  // runs of the nibs after they were last merged
  // The nibs have covered every pixel of the box: nothing added after them can change the
  // picture (a pen far wider than the surface would otherwise lay a huge nib on every point).
  bool covered_ = false;
};

}  // namespace kanvo::surface::lines
