#include "host/surface/raster/polygon_fill.h"

#include <algorithm>

namespace kanvo::surface::raster {
namespace {

__extension__ typedef __int128 Wide;

// ceil(a / b) for b > 0, in 64 bits when the numbers allow.
template <class Int>
std::int64_t ceil_div(Int a, Int b) {
  Int q = a / b;
  if (a % b != 0 && a > 0) ++q;
  return static_cast<std::int64_t>(q);
}

// Where an edge crosses row y: the first pixel on or right of it.
std::int64_t crossing_at(const DevicePoint& upper, const DevicePoint& lower, std::int64_t y) {
  const std::int64_t rise = y - upper.y;
  const std::int64_t dx = lower.x - upper.x;
  const std::int64_t dy = lower.y - upper.y;
  constexpr std::int64_t kSmall = std::int64_t{1} << 31;
  if (rise < kSmall && dx > -kSmall && dx < kSmall) return upper.x + ceil_div(rise * dx, dy);
  return upper.x + ceil_div(Wide{rise} * dx, Wide{dy});
}

}  // namespace

void EdgeList::add_polygon(std::span<const DevicePoint> points) {
  if (points.size() < 3) return;
  for (std::size_t i = 0; i < points.size(); ++i) {
    add_edge(points[i], points[(i + 1) % points.size()]);
  }
}

void EdgeList::add_edge(DevicePoint from, DevicePoint to) {
  if (from.y == to.y) return;  // crosses no row centre on its own
  Edge edge;
  edge.winding = from.y < to.y ? 1 : -1;
  edge.upper = from.y < to.y ? from : to;
  edge.lower = from.y < to.y ? to : from;
  edge.y_top = edge.upper.y;
  edge.y_bottom = edge.lower.y;
  edges_.push_back(edge);
}

void EdgeList::fill(FillRule rule, const Rect& box, SpanList& out) {
  if (edges_.empty() || box.left >= box.right || box.top >= box.bottom) return;
  std::sort(edges_.begin(), edges_.end(),
            [](const Edge& a, const Edge& b) { return a.y_top < b.y_top; });
  std::int64_t y_end = box.bottom;
  std::int64_t lowest = edges_.front().y_bottom;
  for (const Edge& edge : edges_) lowest = std::max(lowest, edge.y_bottom);
  y_end = std::min(y_end, lowest);
  std::int64_t y = std::max<std::int64_t>(edges_.front().y_top, box.top);

  // The edges crossing the current row live at the front of `edges_`, in [0, active_end).
  std::size_t next = 0;
  std::size_t active_end = 0;
  for (; y < y_end; ++y) {
    while (next < edges_.size() && edges_[next].y_top <= y) {
      std::swap(edges_[next], edges_[active_end]);
      ++active_end;
      ++next;
    }
    // Retire the edges that end above this row (order within the active part does not matter).
    for (std::size_t i = 0; i < active_end;) {
      if (edges_[i].y_bottom <= y) {
        std::swap(edges_[i], edges_[active_end - 1]);
        --active_end;
      } else {
        ++i;
      }
    }
    if (active_end == 0) {
      if (next == edges_.size()) break;
      y = std::max(y, edges_[next].y_top - 1);
      continue;
    }
    crossings_.clear();
    for (std::size_t i = 0; i < active_end; ++i) {
      const Edge& e = edges_[i];
      crossings_.push_back({crossing_at(e.upper, e.lower, y), e.winding});
    }
    std::sort(crossings_.begin(), crossings_.end(),
              [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
    int winding = 0;
    const std::size_t row_start = out.size();
    for (std::size_t k = 0; k + 1 < crossings_.size(); ++k) {
      winding += crossings_[k].winding;
      const bool inside = rule == FillRule::winding ? winding != 0 : (winding & 1) != 0;
      if (!inside) continue;
      const std::int64_t x0 = std::max<std::int64_t>(crossings_[k].x, box.left);
      const std::int64_t x1 = std::min<std::int64_t>(crossings_[k + 1].x, box.right);
      if (x0 >= x1) continue;
      // Runs of a row come out left to right; one that touches the last is merged into it.
      if (out.size() > row_start && out.last().x1 == x0) {
        out.extend_last(static_cast<std::int32_t>(x1));
      } else {
        out.add(static_cast<std::int32_t>(y), static_cast<std::int32_t>(x0),
                static_cast<std::int32_t>(x1));
      }
    }
  }
}

}  // namespace kanvo::surface::raster
