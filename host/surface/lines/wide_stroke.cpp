#include "host/surface/lines/wide_stroke.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>

#include "host/surface/shapes/rounded_box.h"

namespace kanvo::surface::lines {
namespace {

// A miter whose tip lies farther than ten half widths from the turn is cut to a bevel.
constexpr double kMiterLimit = 10.0;

double clamp_coordinate(double value) {
  return std::clamp(value, -kDeviceCoordinateLimit, kDeviceCoordinateLimit);
}

std::int64_t nearest(double value) {
  return static_cast<std::int64_t>(clamp_coordinate(std::floor(value + 0.5)));
}

// One coordinate of a corner at `at + offset`, rounded away from `at` or to the nearest pixel
// (halves toward `at` or up).
std::int64_t round_coordinate(double at, double offset, bool away, bool halves_toward = false) {
  const double value = at + offset;
  if (!away || offset == 0.0) {
    if (halves_toward && offset > 0.0) {
      return static_cast<std::int64_t>(clamp_coordinate(std::ceil(value - 0.5)));
    }
    return nearest(value);
  }
  return static_cast<std::int64_t>(
      clamp_coordinate(offset > 0.0 ? std::ceil(value) : std::floor(value)));
}

// Adds a piece of the stroke turned clockwise on the screen whatever the order of its corners,
// so that under the winding rule overlapping pieces add up instead of cancelling. A piece whose
// bounds miss the box is left out: it winds zero around every pixel outside them, so it changes
// nothing there, and a long outline far from the box then costs the fill nothing.
template <class Point, std::size_t N>
void add_piece(raster::EdgeList& edges, const Rect& box, Point (&corners)[N]) {
  Point low = corners[0];
  Point high = corners[0];
  for (const Point& p : corners) {
    low = {std::min(low.x, p.x), std::min(low.y, p.y)};
    high = {std::max(high.x, p.x), std::max(high.y, p.y)};
  }
  // Pixel (x, y) can be inside only for low.x <= x < high.x and low.y <= y < high.y.
  constexpr std::int64_t unit = std::is_same_v<Point, DevicePoint> ? 1 : raster::kSubpixels;
  if (high.x <= box.left * unit || low.x >= box.right * unit || high.y <= box.top * unit ||
      low.y >= box.bottom * unit) {
    return;
  }
  __extension__ typedef __int128 Wide;  // corners reach 2^52: products need more than 64 bits
  Wide twice_area = 0;
  for (std::size_t i = 0; i < N; ++i) {
    const Point& p = corners[i];
    const Point& q = corners[(i + 1) % N];
    twice_area += static_cast<Wide>(p.x) * q.y - static_cast<Wide>(q.x) * p.y;
  }
  if (twice_area < 0) std::reverse(corners, corners + N);
  edges.add_polygon(corners);
}

// p moved a sixteenth of the way toward q. An edge moved so along the two sides that meet it
// leaves those sides where they are and stays on the subpixel grid, but no longer covers the pixels
// it passed through.
raster::SubpixelPoint nudged_toward(raster::SubpixelPoint p, raster::SubpixelPoint q) {
  static_assert(raster::kSubpixels == 16);
  return {p.x + (q.x - p.x) / raster::kSubpixels, p.y + (q.y - p.y) / raster::kSubpixels};
}

// Adds a triangle of a join. Where `open` is one of its corners whose side to one neighbour runs
// right along the corner's row and whose side to the other leans right below it, the pixel there
// is left open: the corner is nudged along both of its sides.
void add_join_triangle(raster::EdgeList& edges, const Rect& box, raster::SubpixelPoint a,
                       raster::SubpixelPoint b, raster::SubpixelPoint c,
                       const raster::SubpixelPoint* open) {
  raster::SubpixelPoint triangle[3] = {a, b, c};
  for (std::size_t i = 0; open != nullptr && i < 3; ++i) {
    const raster::SubpixelPoint v = triangle[i];
    if (v.x != open->x || v.y != open->y) continue;
    const raster::SubpixelPoint before = triangle[(i + 2) % 3];
    const raster::SubpixelPoint after = triangle[(i + 1) % 3];
    auto leaves_open = [&](raster::SubpixelPoint along, raster::SubpixelPoint below) {
      return along.y == v.y && along.x > v.x && below.y > v.y && below.x > v.x;
    };
    if (!leaves_open(before, after) && !leaves_open(after, before)) break;
    raster::SubpixelPoint cut[4] = {before, nudged_toward(v, before), nudged_toward(v, after),
                                    after};
    add_piece(edges, box, cut);
    return;
  }
  add_piece(edges, box, triangle);
}

bool same_point(const DevicePointF& a, const DevicePointF& b) {
  return a.x == b.x && a.y == b.y;
}

// A turn from direction u1 to u2: their cross product (zero straight on or back on itself) and
// the sign that points the offset (-u.y, u.x) across the path to the outer side, the one the path
// turns away from.
struct Turn {
  double cross = 0.0;
  double outer = 0.0;
};

Turn turn_between(DevicePointF u1, DevicePointF u2) {
  const double cross = u1.x * u2.y - u1.y * u2.x;
  return {cross, cross < 0.0 ? 1.0 : -1.0};
}

// Unit direction from a to b (a != b).
DevicePointF direction(const DevicePointF& a, const DevicePointF& b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double length = std::hypot(dx, dy);
  return {dx / length, dy / length};
}

}  // namespace

// Rounding of corner offsets: an offset across the path rounds away from the path when it
// points right, any other to the nearest pixel, halves up. An offset along it (a square end)
// rounds away when it points down at a slant, any other to the nearest pixel, halves toward the
// path point.
class CornerRounding {
 public:
  static DevicePoint across(const DevicePointF& at, DevicePointF offset) {
    const bool away = offset.x > 0.0;
    return {round_coordinate(at.x, offset.x, away), round_coordinate(at.y, offset.y, away)};
  }
  static DevicePointF along(DevicePointF offset) {
    const bool away = offset.y > 0.0 && offset.x != 0.0;
    return {static_cast<double>(round_coordinate(0.0, offset.x, away, true)),
            static_cast<double>(round_coordinate(0.0, offset.y, away, true))};
  }
};

void WideStroke::add_band(DevicePointF a, DevicePointF b, DevicePointF u, bool square_start,
                          bool square_end) {
  if (covered_) return;
  const double half = static_cast<double>(pen_.width) / 2.0;
  const DevicePointF n{-u.y * half, u.x * half};
  const CornerRounding rounding;
  DevicePointF back{};
  DevicePointF ahead{};
  if (square_start) back = rounding.along({-u.x * half, -u.y * half});
  if (square_end) ahead = rounding.along({u.x * half, u.y * half});
  const DevicePointF a0{a.x + back.x, a.y + back.y};
  const DevicePointF b0{b.x + ahead.x, b.y + ahead.y};
  DevicePoint corners[4] = {
      rounding.across(a0, n),
      rounding.across(b0, n),
      rounding.across(b0, {-n.x, -n.y}),
      rounding.across(a0, {-n.x, -n.y}),
  };
  add_piece(edges_, box_, corners);
}

void WideStroke::add_join(DevicePointF at, DevicePointF u1, DevicePointF u2, PathEnds ends,
                          BandBefore before) {
  if (covered_) return;
  if (pen_.join == Join::round) {
    add_disc(at);
    return;
  }
  const Turn turn = turn_between(u1, u2);
  if (turn.cross == 0.0) return;  // straight on, or back on itself: nothing sticks out
  const double half = static_cast<double>(pen_.width) / 2.0;
  const DevicePointF n1{-u1.y * half, u1.x * half};
  const DevicePointF n2{-u2.y * half, u2.x * half};
  const CornerRounding rounding;
  const double side = turn.outer;
  const DevicePoint outer1 = rounding.across(at, {side * n1.x, side * n1.y});
  const DevicePoint outer2 = rounding.across(at, {side * n2.x, side * n2.y});
  const DevicePoint inner1 = rounding.across(at, {-side * n1.x, -side * n1.y});
  const DevicePoint inner2 = rounding.across(at, {-side * n2.x, -side * n2.y});
  const DevicePoint centre{nearest(at.x), nearest(at.y)};
  // A band down a column leaves its bottom edge open, its left corner on the turn's row too. A
  // triangle of the join whose top edge runs right from that corner to the turn leaves the
  // corner's pixel open as well where its other side leans right below it (one straight down
  // keeps it).
  const raster::SubpixelPoint band_corner = raster::to_subpixels(rounding.across(at, n1));
  const raster::SubpixelPoint* open = u1.x == 0.0 && u1.y > 0.0 ? &band_corner : nullptr;
  // At a turn of a right angle or more, the bevel's corner straight above the turn stands nearer
  // to it than the band's corner does: by one pixel over the sine of the angle between the
  // segments, exactly (not on a whole pixel), and never below the turn. Where the turn completes
  // a turn back through a band one pixel long, that corner keeps the pen's whole reach above the
  // turn, half the width exactly. Otherwise the corner on the side of a band before the turn
  // that runs along a row, straight above or below the turn, stands half the width from it
  // exactly too, between two pixels at an odd width where the band's own corner is rounded.
  const bool sharp = u1.x * u2.x + u1.y * u2.y <= 0.0;
  auto bevel_corner = [&](DevicePointF offset, bool of_band_before) {
    if (offset.x != 0.0) return raster::to_subpixels(rounding.across(at, offset));
    if (sharp && offset.y < 0.0) {
      const double reach =
          before.turns_back ? offset.y : std::min(0.0, offset.y + 1.0 / std::abs(turn.cross));
      return raster::nearest_subpixel({at.x, at.y + reach});
    }
    if (of_band_before) return raster::nearest_subpixel({at.x, at.y + offset.y});
    return raster::to_subpixels(rounding.across(at, offset));
  };
  // Where the path ends with a flat end in the band after the turn, that band may stop short of
  // the inner corner of the band before, or have no length at all: the join then spans the
  // triangle from the later band's start edge (a to b) out to that corner, the edge itself left
  // open, as a band of no length covers nothing there: the edge is nudged along the triangle's
  // sides.
  auto add_reach = [&](DevicePoint a, DevicePoint b, DevicePoint corner) {
    const raster::SubpixelPoint tip = raster::to_subpixels(corner);
    raster::SubpixelPoint reach[3] = {nudged_toward(raster::to_subpixels(a), tip),
                                      nudged_toward(raster::to_subpixels(b), tip), tip};
    add_piece(edges_, box_, reach);
  };
  // The wedge between the two bands' ends, and the slivers between each end and the centre that
  // rounding may leave open on the inner side, and the reach out of a band that ends the path
  // beside the turn (or, the other way round, starts it there).
  auto add_slivers = [&] {
    add_join_triangle(edges_, box_, raster::to_subpixels(inner1), raster::to_subpixels(outer1),
                      raster::to_subpixels(centre), open);
    add_join_triangle(edges_, box_, raster::to_subpixels(centre), raster::to_subpixels(outer2),
                      raster::to_subpixels(inner2), open);
    if (ends.start) {
      // A flat start a pixel back along a row or column reaches across from its own edge, as a
      // dash starting on the turn does from there.
      if (before.one_pixel) {
        add_inner_start({at.x - u1.x, at.y - u1.y}, at, u1, u2);
      } else {
        add_reach(inner1, outer1, inner2);
      }
    }
    if (ends.end) add_reach(inner2, outer2, inner1);
  };
  if (pen_.join == Join::miter) {
    // The tip is where the outer edges through the bands' corners cross (outer1 + s * u1 and
    // outer2 + t * u2); one farther from the turn than the limit cuts the join to a bevel.
    const double dx = static_cast<double>(outer2.x - outer1.x);
    const double dy = static_cast<double>(outer2.y - outer1.y);
    const double s = (dx * u2.y - dy * u2.x) / turn.cross;
    const DevicePointF tip{static_cast<double>(outer1.x) + u1.x * s,
                           static_cast<double>(outer1.y) + u1.y * s};
    if (std::hypot(tip.x - at.x, tip.y - at.y) <= kMiterLimit * half) {
      add_slivers();
      DevicePoint wedge[4] = {centre, outer1, {nearest(tip.x), nearest(tip.y)}, outer2};
      add_piece(edges_, box_, wedge);
      return;
    }
  }
  // Where the path turns back on itself as far as the rounded corners tell (each band's end is
  // the other's, the other way round), a bevel has nothing to cut off: the turn's own pixel stays
  // open.
  if (outer1 == inner2 && outer2 == inner1) return;
  add_slivers();
  add_join_triangle(edges_, box_, raster::to_subpixels(centre),
                    bevel_corner({side * n1.x, side * n1.y}, true),
                    bevel_corner({side * n2.x, side * n2.y}, false), open);
}

void WideStroke::add_top_edge_back(DevicePointF at, DevicePointF u) {
  if (covered_) return;
  const double half = static_cast<double>(pen_.width) / 2.0;
  const DevicePointF n{-u.y * half, u.x * half};
  const CornerRounding rounding;
  const DevicePoint one = rounding.across(at, n);
  const DevicePoint other = rounding.across(at, {-n.x, -n.y});
  const DevicePoint top = one.y < other.y ? one : other;
  // The sliver from the top corner a pixel back along the row holds that pixel alone.
  DevicePoint sliver[3] = {
      {top.x - static_cast<std::int64_t>(u.x), top.y}, top, {top.x, top.y + 1}};
  add_piece(edges_, box_, sliver);
}

void WideStroke::add_outer_back(DevicePointF back, DevicePointF at, DevicePointF u1,
                                DevicePointF u2) {
  if (covered_) return;
  const Turn turn = turn_between(u1, u2);
  if (turn.cross == 0.0) return;  // straight on, or back on itself: no outer side
  const double half = static_cast<double>(pen_.width) / 2.0;
  const DevicePointF outer{-u1.y * half * turn.outer, u1.x * half * turn.outer};
  const CornerRounding rounding;
  DevicePoint piece[4] = {{nearest(back.x), nearest(back.y)},
                          rounding.across(back, outer),
                          rounding.across(at, outer),
                          {nearest(at.x), nearest(at.y)}};
  add_piece(edges_, box_, piece);
}

void WideStroke::add_inner_start(DevicePointF back, DevicePointF at, DevicePointF u1,
                                 DevicePointF u2) {
  if (covered_) return;
  const Turn turn = turn_between(u1, u2);
  if (turn.cross == 0.0) return;  // straight on, or back on itself: no inner side
  const double half = static_cast<double>(pen_.width) / 2.0;
  const DevicePointF n1{-u1.y * half, u1.x * half};
  const double inner = -turn.outer;
  const DevicePointF n2{-u2.y * half * inner, u2.x * half * inner};
  const CornerRounding rounding;
  DevicePoint wedge[3] = {rounding.across(back, n1), rounding.across(back, {-n1.x, -n1.y}),
                          rounding.across(at, n2)};
  add_piece(edges_, box_, wedge);
}

void WideStroke::add_disc(DevicePointF centre) {
  if (covered_) return;
  // The pen's round nib is the filled ellipse of the width-by-width box that starts half the
  // width (rounded down) left of and above the centre pixel.
  shapes::RoundedBox nib;
  nib.left = nearest(centre.x) - pen_.width / 2;
  nib.top = nearest(centre.y) - pen_.width / 2;
  nib.width = nib.height = nib.corner_width = nib.corner_height = pen_.width;
  if (nib.left >= box_.right || nib.left + nib.width <= box_.left || nib.top >= box_.bottom ||
      nib.top + nib.height <= box_.top) {
    return;  // nothing of it shows (and a huge nib is not worth walking)
  }
  shapes::RegionSpans collect{box_, discs_};
  if (nib.square()) {
    // Too small to round: the nib is its box (the far edges excluded, as for any filled box).
    for (std::int64_t y = std::max<std::int64_t>(nib.top, box_.top);
         y < std::min<std::int64_t>(nib.top + nib.height, box_.bottom); ++y) {
      collect.interior(y, nib.left, nib.left + nib.width);
    }
  } else {
    // Every nib of the stroke has the same outline: walked once, each nib shows only its rows in
    // the box (a nib a million pixels wide at each of a million points would take forever).
    if (nib_rows_.empty() && raster::quadrant_walkable(pen_.width, pen_.width)) {
      raster::walk_quadrant_rows(pen_.width, pen_.width,
                                 [&](const raster::QuadrantRow& row) { nib_rows_.push_back(row); });
    }
    shapes::rasterize_rounded_box(nib, box_.top, box_.bottom, collect, nib_rows_);
  }
  // Runs pile up where many nibs reach the box: merged whenever they have doubled, they stay
  // about as many as the box has rows, and show when the nibs together cover all of it.
  const auto rows = static_cast<std::size_t>(std::max(0, box_.bottom - box_.top));
  if (discs_.size() >= 2 * merged_runs_ + rows) {
    discs_.normalize();
    const std::span<const raster::Span> runs = discs_.spans();
    merged_runs_ = runs.size();
    covered_ = runs.size() == rows && std::all_of(runs.begin(), runs.end(), [&](const auto& run) {
                 return run.x0 == box_.left && run.x1 == box_.right;
               });
  }
}

void WideStroke::add_path(std::span<const DevicePointF> points, bool closed,
                          std::span<const DevicePointF> headings, PathEnds ends) {
  // Distinct consecutive points only; a closed figure does not repeat its first point.
  std::size_t count = points.size();
  if (count == 0) return;
  auto distinct_after = [&](std::size_t i) {
    std::size_t j = i + 1;
    while (j < count && same_point(points[j], points[i])) ++j;
    return j;
  };
  auto heading = [&](std::size_t from, std::size_t to) {
    return headings.empty() ? direction(points[from], points[to]) : headings[to];
  };
  if (closed) {
    while (count > 1 && same_point(points[count - 1], points[0])) --count;
  }
  const std::size_t second = distinct_after(0);
  if (second >= count) {
    if (closed ? pen_.join == Join::round : pen_.cap == EndCap::round) add_disc(points[0]);
    return;
  }
  DevicePointF previous_heading{};
  DevicePointF heading_before{};  // of the band before the previous one
  bool after_first_band = false;
  std::size_t last_start = 0;
  for (std::size_t i = 0; i < count;) {
    const std::size_t j = distinct_after(i);
    if (j >= count) break;
    const bool first_band = i == 0;
    const bool last_band = distinct_after(j) >= count;
    const DevicePointF u = heading(i, j);
    add_band(points[i], points[j], u,
             !closed && first_band && ends.start && pen_.cap == EndCap::square,
             !closed && last_band && ends.end && pen_.cap == EndCap::square);
    if (!first_band) {
      const bool flat = !closed && pen_.cap == EndCap::flat;
      // A band one pixel long, and whether it runs along a row or column and the path came into
      // it against the way it now goes on.
      const double dx = points[i].x - points[last_start].x;
      const double dy = points[i].y - points[last_start].y;
      const bool one_pixel = std::abs(dx) + std::abs(dy) == 1.0;
      BandBefore before;
      before.one_pixel = one_pixel && (dx == 0.0 || dy == 0.0);
      before.turns_back = one_pixel && same_point(heading_before, {-u.x, -u.y});
      add_join(points[i], previous_heading, u,
               {flat && after_first_band && ends.start, flat && last_band && ends.end}, before);
    }
    after_first_band = first_band;
    heading_before = previous_heading;
    previous_heading = u;
    last_start = i;
    i = j;
  }
  const std::size_t last = distinct_after(last_start);
  if (closed) {
    // The closing band and the joins at both of its ends.
    const DevicePointF u = direction(points[last], points[0]);
    add_band(points[last], points[0], u, false, false);
    add_join(points[last], previous_heading, u);
    add_join(points[0], u, heading(0, second));
  } else if (pen_.cap == EndCap::round) {
    if (ends.start) add_disc(points[0]);
    if (ends.end) add_disc(points[last]);
  }
}

void WideStroke::add_figure(std::span<const DevicePointF> points, bool closed) {
  add_path(points, closed, {});
}

void WideStroke::add_dash(DevicePointF from, DevicePointF to, DevicePointF heading) {
  if (!same_point(from, to)) {
    const DevicePointF ends[2] = {from, to};
    const DevicePointF headings[2] = {heading, heading};
    add_path(ends, false, headings);
  } else if (pen_.cap == EndCap::square) {
    // A dash of no length still has the direction of its segment: a square.
    add_band(from, from, heading, true, true);
  } else if (pen_.cap == EndCap::round) {
    add_disc(from);
  }
}

void WideStroke::add_dash_path() {
  if (dash_path_.empty()) return;
  const DevicePointF first = dash_path_.front();
  const bool one_point = std::all_of(dash_path_.begin(), dash_path_.end(),
                                     [&](const DevicePointF& p) { return same_point(p, first); });
  if (one_point) {
    add_dash(first, first, dash_starts_at_turn_ ? dash_start_heading_ : dash_headings_.back());
  } else {
    // A dash that runs on into a segment but ends before it reaches the next pixel there still
    // turns into it: the join at the turn (a round join's disc even where the path goes straight
    // on), and its end faces along that segment.
    std::size_t k = dash_path_.size() - 1;
    while (k > 0 && same_point(dash_path_[k - 1], dash_path_[k])) --k;
    const DevicePointF& u1 = dash_headings_[k];
    const DevicePointF& u2 = dash_headings_.back();
    const bool runs_on = k + 1 < dash_path_.size();
    const bool turns = runs_on && (u1.x != u2.x || u1.y != u2.y);
    PathEnds ends = dash_ends_;
    const bool turned_end = turns && ends.end && pen_.cap == EndCap::square;
    if (turned_end) ends.end = false;
    // A dash that starts exactly at a turn comes from the segment before: its square start faces
    // along that one.
    const bool turned_start = dash_starts_at_turn_ && ends.start && pen_.cap == EndCap::square;
    if (turned_start) ends.start = false;
    add_path(dash_path_, false, dash_headings_, ends);
    if (runs_on) add_join(dash_path_.back(), u1, u2, {false, ends.end && pen_.cap == EndCap::flat});
    if (turned_end) add_band(dash_path_.back(), dash_path_.back(), u2, false, true);
    if (turned_start) add_band(first, first, dash_start_heading_, true, false);
  }
  dash_path_.clear();
  dash_headings_.clear();
  dash_ends_ = {};
  dash_starts_at_turn_ = false;
}

double WideStroke::add_dashed_figure(std::span<const DevicePointF> points, bool closed,
                                     const DashPattern& pattern, double start) {
  const std::size_t count = points.size();
  if (count == 0) return start;
  // Only the part of each segment near the box can show: the dashes beyond the pen's reach of it
  // are skipped. A dash partly near the box is drawn whole, so that it is the same dash however
  // much of it shows.
  const double reach = static_cast<double>(pen_.width) + 2.0;
  const double near_left = static_cast<double>(box_.left) - reach;
  const double near_right = static_cast<double>(box_.right) + reach;
  const double near_top = static_cast<double>(box_.top) - reach;
  const double near_bottom = static_cast<double>(box_.bottom) + reach;

  double phase = std::fmod(start, pattern.period());
  if (phase < 0.0) phase += pattern.period();
  DashCursor dash(pattern, start - phase);
  // A pattern of dots shows the first dot of each segment only, found from the segment's start
  // whatever the box; a dot on the turn into a segment counts for the segment before as well.
  const bool dots_only = pattern.dots_only();
  bool after_turn = false;  // a segment of some length came before
  bool dot_on_previous_segment = false;
  DevicePointF last_heading{};
  double pending_start =
      0.0;  // where the dash in dash_path_ starts  // of the segment before, once after_turn

  const std::size_t segments = closed ? count : count - 1;
  // Where each segment hands on to the next, and where it ends itself.
  auto advance = [&](std::size_t i, double from, double& end) {
    const DevicePointF& a = points[i];
    const DevicePointF& b = points[(i + 1) % count];
    const double step = std::hypot(b.x - a.x, b.y - a.y);
    end = from + step;
    return from + std::floor(step);
  };
  // A closed figure whose last dash runs on past its close, where the first dash starts, draws the
  // two as one dash through its first point: the join there, no ends. So does one that starts
  // exactly at the close; that one starts on the turn there, as on any other turn of the path,
  // coming from the last segment. A dash that is first and last at once, over the whole figure,
  // keeps its ends.
  DevicePointF closing_heading{};
  bool wraps = false;
  bool wraps_from_close = false;
  // With flat ends, a close on a straight run that falls inside a gap lets the first dash start a
  // pixel back on the last segment: the end there is the pixel before the close, not the close.
  // A last segment of one pixel, a step of a curve's outline, is no run to reach back along.
  bool reaches_back = false;
  double closing_length = 0.0;
  if (closed && !dots_only) {
    double figure_end = start;
    double at = start;
    for (std::size_t i = 0; i < segments; ++i) {
      const DevicePointF& a = points[i];
      const DevicePointF& b = points[(i + 1) % count];
      if (same_point(a, b)) continue;
      at = advance(i, at, figure_end);
      closing_heading = direction(a, b);
      closing_length = std::hypot(b.x - a.x, b.y - a.y);
    }
    DashCursor first(pattern, start - phase);
    first.seek(start);
    DashCursor last(pattern, start - phase);
    last.seek(std::nextafter(figure_end, -std::numeric_limits<double>::infinity()));
    wraps = figure_end > start && first.start() == start && last.start() > start &&
            last.start() <= figure_end && last.end() > figure_end;
    wraps_from_close = wraps && last.start() == figure_end;
    reaches_back = pen_.cap == EndCap::flat && figure_end > start && first.start() == start &&
                   last.start() > figure_end && closing_length > 1.0;
  }

  double position = start;  // along the path, where the segment starts
  double finished_start = -std::numeric_limits<double>::infinity();  // of the last dash drawn
  for (std::size_t i = 0; i < segments; ++i) {
    const DevicePointF a = points[i];
    const DevicePointF b = points[(i + 1) % count];
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    if (dx == 0.0 && dy == 0.0) {
      // A segment of no length is still a corner: a dash over it (one that ends there excepted)
      // has the round join there, whichever way the figure goes on.
      if (pen_.join == Join::round && !dots_only) {
        dash.seek(position);
        if (dash.start() <= position && dash.end() > position) add_disc(a);
      }
      continue;
    }
    // The pattern goes on into the next segment from the whole units of this one's length: what
    // is left over counts again there.
    double segment_end = 0.0;
    const double next_position = advance(i, position, segment_end);
    const double length = segment_end - position;
    const double span = std::hypot(dx, dy);
    const DevicePointF heading{dx / span, dy / span};
    const bool last = i + 1 == segments;
    // A dash that starts on the point between two segments belongs to the later one; the end of
    // the figure belongs to its last segment.
    auto on_segment = [&](double at) { return at < segment_end || (last && at == segment_end); };
    // The ends of a dash fall on whole pixels: the exact distance from the segment's start, cut
    // toward the start (multiplied out before dividing, so that a whole distance stays whole).
    auto point_at = [&](double at) {
      if (at >= segment_end) return b;
      const double t = std::max(0.0, at - position);
      return DevicePointF{a.x + std::trunc(dx * t / length), a.y + std::trunc(dy * t / length)};
    };

    const bool starts_at_turn = after_turn;
    after_turn = true;
    const DevicePointF previous_heading = starts_at_turn ? last_heading : closing_heading;
    last_heading = heading;
    if (dots_only) {
      dash.seek(position);
      const bool dot = on_segment(dash.start());
      const bool on_turn = starts_at_turn && dash.start() == position;
      // A dot on the turn into this segment faces along the segment before.
      if (dot && !(on_turn && dot_on_previous_segment)) {
        add_dash(point_at(dash.start()), point_at(dash.start()),
                 on_turn ? previous_heading : heading);
      }
      dot_on_previous_segment = dot;
      position = next_position;
      continue;
    }

    // The stretch [t0, t1] of the segment near the box (Liang-Barsky).
    double t0 = 0.0;
    double t1 = length;
    auto cut = [&](double p, double q) {  // keeps p * t <= q (t in units of length)
      if (p == 0.0) {
        if (q < 0.0) t1 = -1.0;
        return;
      }
      const double t = q / p * length;
      if (p < 0.0) {
        t0 = std::max(t0, t);
      } else {
        t1 = std::min(t1, t);
      }
    };
    cut(-dx, a.x - near_left);
    cut(dx, near_right - a.x);
    cut(-dy, a.y - near_top);
    cut(dy, near_bottom - a.y);
    if (t0 <= t1) {
      for (dash.seek(position + t0); dash.start() <= position + t1 && on_segment(dash.start());
           dash.next()) {
        const bool runs_on = dash.end() > segment_end && !last;
        // A dash that started and ended in the fraction of the segment before, which counts
        // again here, is drawn already (a dot there, say).
        if (dash.start() == finished_start) continue;
        const DevicePointF from = point_at(std::max(dash.start(), position));
        const DevicePointF to = point_at(dash.end());
        // Runs on from the segment before: the dash so far goes on to this segment's end or the
        // dash's own. It is the same dash even when it starts at this segment's very start (in
        // the fraction of the last segment that counts again here).
        const bool goes_on = !dash_path_.empty() && dash.start() == pending_start;
        if (!goes_on) add_dash_path();
        if (dash_path_.empty()) {
          pending_start = dash.start();
          const bool on_turn = dash.start() == position && (starts_at_turn || wraps_from_close);
          // A flat dash starts a pixel back along the segment before it: over a close on a
          // straight run that falls inside a gap, and where a dash (not a dot) starts exactly on
          // a turn gentler than a right angle. Only a segment along an axis has a whole pixel to
          // give back. Where the turn leaves a column onto a diagonal toward the right, or a row
          // onto one toward the top, a flat or round dash covers the whole pixel behind its point
          // across the pen's width: its band starts on that pixel's far edge (a pixel further for a
          // segment running left or up, whose band holds the pixels before its corners), a round
          // one's disc staying on its point.
          const bool dash_on_turn = on_turn && dash.end() > dash.start();
          const bool toward_right_or_top =
              heading.x != 0.0 && heading.y != 0.0 &&
              (previous_heading.x == 0.0 ? heading.x > 0.0 : heading.y < 0.0);
          bool reaching = false;
          bool behind = false;
          DevicePointF back_heading{};
          if (reaches_back && i == 0 && dash.start() == start &&
              same_point(closing_heading, heading)) {
            reaching = true;
            back_heading = heading;
          } else if (dash_on_turn && pen_.cap != EndCap::square &&
                     !same_point(previous_heading, heading) &&
                     (toward_right_or_top ||
                      (pen_.cap == EndCap::flat &&
                       previous_heading.x * heading.x + previous_heading.y * heading.y > 0.0))) {
            reaching = true;
            behind = toward_right_or_top;
            back_heading = previous_heading;
          }
          const DevicePointF step{std::trunc(back_heading.x), std::trunc(back_heading.y)};
          const double further = behind && (step.x < 0.0 || step.y < 0.0) ? 2.0 : 1.0;
          const DevicePointF back{a.x - further * step.x, a.y - further * step.y};
          reaching = reaching && !same_point(back, a);
          // A flat dash on a turn that ends on the turn's own pixel, with no length in pixels past
          // it, covers that pixel across the pen's outer half only, from the path out: the inner
          // half stays open, and so does the inner corner a flat end just past a turn reaches.
          if (reaching && on_turn && !behind && same_point(to, a)) {
            add_outer_back(back, a, back_heading, heading);
            reaching = false;
          }
          // With a bevel or miter join, a dash that starts on a turn off a row or column has its
          // start edge a pixel back along the segment before reach across to the next band's
          // corner on the inner side of the turn.
          const DevicePointF pixel_back{std::trunc(previous_heading.x),
                                        std::trunc(previous_heading.y)};
          if (dash_on_turn && pen_.join != Join::round && !same_point(pixel_back, {})) {
            add_inner_start(DevicePointF{a.x - pixel_back.x, a.y - pixel_back.y}, a,
                            previous_heading, heading);
          }
          if (reaching) {
            dash_path_.push_back(back);
            dash_headings_.push_back(back_heading);
            if (pen_.cap == EndCap::round) {
              dash_ends_.start = false;
              add_disc(from);
            }
          }
          dash_path_.push_back(from);
          dash_headings_.push_back(reaching ? back_heading : heading);
          // Straight on along a row, the flat or round start of a dash on a point of the path
          // reaches back a pixel on its top edge only (a square end covers it already).
          if (dash_on_turn && pen_.cap != EndCap::square && heading.y == 0.0 &&
              same_point(previous_heading, heading)) {
            add_top_edge_back(a, heading);
          }
          if (on_turn) {
            dash_starts_at_turn_ = true;
            dash_start_heading_ = previous_heading;
          }
          if (wraps && dash.start() == start) {
            dash_ends_.start = false;
            add_join(a, closing_heading, heading);
          }
        }
        if (wraps && last && dash.end() > segment_end) dash_ends_.end = false;
        dash_path_.push_back(to);
        dash_headings_.push_back(heading);
        // A dash that starts exactly at a turn has the join there, as if it came through it (a
        // dot there is the square of the segment before alone); one that ends exactly at a turn
        // has its end.
        if (starts_at_turn && dash.start() == position && !goes_on && dash.end() > dash.start())
          add_join(a, previous_heading, heading);
        if (!runs_on) {
          add_dash_path();
          finished_start = dash.start();
        }
      }
    }
    position = next_position;
  }
  add_dash_path();
  return position;
}

}  // namespace kanvo::surface::lines
