// Scan conversion of polygons with integer device vertices.
//
// A pixel belongs to the polygon when its centre (the integer point) is inside; a centre on an
// edge belongs to the shape on the edge's right or lower side only, so shapes that share an
// edge never share a pixel. Several polygons added to one list are filled as one shape: under
// the winding rule that is their union. Vertices are whole pixels, or points on the grid of
// sixteenths of a pixel (`SubpixelPoint`) where a shape's corners fall between pixels.
//
// Coordinates may be anything a device point holds; only the rows and columns inside the box
// passed to fill are ever visited.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "host/surface/dc/world_transform.h"
#include "host/surface/raster/span_list.h"
#include "host/surface/types.h"

namespace kanvo::surface::raster {

enum class FillRule { alternate, winding };

// A point in sixteenths of a pixel.
struct SubpixelPoint {
  std::int64_t x = 0;
  std::int64_t y = 0;
};
inline constexpr int kSubpixelShift = 4;
inline constexpr std::int64_t kSubpixels = std::int64_t{1} << kSubpixelShift;

inline SubpixelPoint to_subpixels(DevicePoint p) {
  return {p.x * kSubpixels, p.y * kSubpixels};
}
// The point of the grid nearest to p, halves up (clamped to the range of device coordinates).
SubpixelPoint nearest_subpixel(DevicePointF p);

// The first whole pixel at or past a position in sixteenths (a ceiling, for negative positions
// too).
inline std::int64_t pixel_at_or_past(std::int64_t subpixels) {
  return (subpixels + kSubpixels - 1) >> kSubpixelShift;
}

class EdgeList {
 public:
  void clear() {
    edges_.clear();
    active_.clear();
  }
  bool empty() const { return edges_.empty(); }

  // A closed polygon (the last point joins the first).
  void add_polygon(std::span<const DevicePoint> points);
  void add_polygon(std::span<const SubpixelPoint> points);
  void add_edge(DevicePoint from, DevicePoint to);
  void add_edge(SubpixelPoint from, SubpixelPoint to);

  // Adds the covered runs inside the box to `out`, row by row from the top and left to right
  // within a row, each pixel once: normalised, when `out` held nothing before.
  void fill(FillRule rule, const Rect& box, SpanList& out);
  // The same runs handed to `run(y, x0, x1)` as they are found, for a caller that paints them
  // at once: runs that touch are handed over as one.
  template <class Run>
  void fill(FillRule rule, const Rect& box, Run&& run);

 private:
  struct Edge {
    std::int64_t y_top = 0;     // first row the edge crosses (inclusive)
    std::int64_t y_bottom = 0;  // row after its last
    SubpixelPoint upper;        // end with the smaller y
    SubpixelPoint lower;
    int winding = 1;  // +1 going down, -1 going up
  };
  // An edge crossing the current row: where, and how that moves from row to row, exactly (in
  // sixteenths, from_x + whole + rest / height, rest in [0, height)).
  struct ActiveEdge {
    std::int64_t x = 0;  // first pixel on or right of the edge on the current row
    std::int64_t from_x = 0;
    std::int64_t whole = 0;
    std::int64_t rest = 0;
    std::int64_t step_whole = 0;
    std::int64_t step_rest = 0;
    std::int64_t height = 0;
    std::int64_t y_bottom = 0;
    int winding = 0;
  };
  static ActiveEdge activate(const Edge& edge, std::int64_t y);
  // Sorts the edges that cross a row of the box to the front, in order of their first row, and
  // returns how many there are (none when the box is empty).
  std::size_t sort_relevant(const Rect& box);
  // Makes the active edges those crossing row y, the edges up to `next` having been met: drops
  // those that have ended and takes in those that start. Returns the first row after y on
  // which that set changes again.
  std::int64_t enter_row(std::int64_t y, std::size_t relevant, std::size_t& next);
  // Puts the active edges in order of their crossings on the current row.
  void order_active();
  static void advance(ActiveEdge& edge) {
    edge.whole += edge.step_whole;
    edge.rest += edge.step_rest;
    if (edge.rest >= edge.height) {
      edge.rest -= edge.height;
      ++edge.whole;
    }
    edge.x = first_pixel_at(edge);
  }
  static std::int64_t first_pixel_at(const ActiveEdge& edge) {
    // A crossing strictly between two sixteenths (rest > 0) has the same first pixel as the
    // next sixteenth up.
    return pixel_at_or_past(edge.from_x + edge.whole + (edge.rest > 0 ? 1 : 0));
  }

  std::vector<Edge> edges_;
  std::vector<ActiveEdge> active_;
};

// Row by row in bands between the rows where an edge starts or ends: within a band the edges
// crossing a row stay the same and only their order may change.
template <class Run>
void EdgeList::fill(FillRule rule, const Rect& box, Run&& run) {
  const std::size_t relevant = sort_relevant(box);
  if (relevant == 0) return;
  std::int64_t lowest = edges_.front().y_bottom;
  for (std::size_t i = 0; i < relevant; ++i) lowest = std::max(lowest, edges_[i].y_bottom);
  const std::int64_t y_end = std::min<std::int64_t>(box.bottom, lowest);
  std::int64_t y = std::max<std::int64_t>(edges_.front().y_top, box.top);
  active_.clear();
  std::size_t next = 0;
  while (y < y_end) {
    const std::int64_t band_end = std::min(enter_row(y, relevant, next), y_end);
    if (active_.empty()) {
      y = band_end;  // a gap between parts of the figure
      continue;
    }
    for (; y < band_end; ++y) {
      ActiveEdge* const edges = active_.data();
      const std::size_t count = active_.size();
      // Edges seldom cross: the order is only checked, row by row, until one does.
      for (std::size_t k = 1; k < count; ++k) {
        if (edges[k - 1].x > edges[k].x) {
          order_active();
          break;
        }
      }
      int winding = 0;
      std::int64_t held_x0 = 0, held_x1 = 0;  // the run found last on this row, if any
      for (std::size_t k = 0; k + 1 < count; ++k) {
        winding += edges[k].winding;
        const bool inside = rule == FillRule::winding ? winding != 0 : (winding & 1) != 0;
        if (!inside) continue;
        const std::int64_t x0 = std::max<std::int64_t>(edges[k].x, box.left);
        const std::int64_t x1 = std::min<std::int64_t>(edges[k + 1].x, box.right);
        if (x0 >= x1) continue;
        if (held_x0 < held_x1 && x0 == held_x1) {
          held_x1 = x1;
          continue;
        }
        if (held_x0 < held_x1) run(y, held_x0, held_x1);
        held_x0 = x0;
        held_x1 = x1;
      }
      if (held_x0 < held_x1) run(y, held_x0, held_x1);
      for (std::size_t k = 0; k < count; ++k) advance(edges[k]);
    }
  }
}

}  // namespace kanvo::surface::raster
