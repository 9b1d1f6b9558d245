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

}  // namespace kanvo::surface::raster
