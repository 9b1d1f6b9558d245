// Scan conversion of polygons with integer device vertices.
//
// A pixel belongs to the polygon when its centre (the integer point) is inside; a centre on an
// edge belongs to the shape on the edge's right or lower side only, so shapes that share an
// edge never share a pixel. Several polygons added to one list are filled as one shape: under
// the winding rule that is their union.
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

class EdgeList {
 public:
  void clear() {
    edges_.clear();
    crossings_.clear();
  }
  bool empty() const { return edges_.empty(); }

  // A closed polygon (the last point joins the first).
  void add_polygon(std::span<const DevicePoint> points);
  void add_edge(DevicePoint from, DevicePoint to);

  // Adds the covered runs inside the box to `out`, row by row from the top and left to right
  // within a row, each pixel once: normalised, when `out` held nothing before.
  void fill(FillRule rule, const Rect& box, SpanList& out);

 private:
  struct Edge {
    std::int64_t y_top = 0;     // first row the edge crosses (inclusive)
    std::int64_t y_bottom = 0;  // row after its last
    DevicePoint upper;          // end with the smaller y
    DevicePoint lower;
    int winding = 1;  // +1 going down, -1 going up
  };
  struct Crossing {
    std::int64_t x = 0;  // first pixel on or right of the edge
    int winding = 0;
  };

  std::vector<Edge> edges_;
  std::vector<Crossing> crossings_;
};

}  // namespace kanvo::surface::raster
