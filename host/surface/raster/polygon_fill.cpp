#include "host/surface/raster/polygon_fill.h"

#include <algorithm>
#include <cmath>

namespace kanvo::surface::raster {
namespace {

__extension__ typedef __int128 Wide;

// floor(a / b) and a - b * floor(a / b) for b > 0, in 64 bits when the numbers allow.
template <class Int>
void floor_div(Int a, Int b, std::int64_t& quotient, std::int64_t& remainder) {
  Int q = a / b;
  Int r = a % b;
  if (r < 0) {
    --q;
    r += b;
  }
  quotient = static_cast<std::int64_t>(q);
  remainder = static_cast<std::int64_t>(r);
}

template <class Point>
void add_closed(EdgeList& list, std::span<const Point> points) {
  if (points.size() < 3) return;
  for (std::size_t i = 0; i < points.size(); ++i) {
    list.add_edge(points[i], points[(i + 1) % points.size()]);
  }
}

}  // namespace

SubpixelPoint nearest_subpixel(DevicePointF p) {
  static constexpr double kLimit = kDeviceCoordinateLimit * static_cast<double>(kSubpixels);
  auto on_grid = [](double v) {
    return static_cast<std::int64_t>(
        std::clamp(std::floor(v * static_cast<double>(kSubpixels) + 0.5), -kLimit, kLimit));
  };
  return {on_grid(p.x), on_grid(p.y)};
}

void EdgeList::add_polygon(std::span<const DevicePoint> points) {
  add_closed(*this, points);
}

void EdgeList::add_polygon(std::span<const SubpixelPoint> points) {
  add_closed(*this, points);
}

void EdgeList::add_edge(DevicePoint from, DevicePoint to) {
  add_edge(to_subpixels(from), to_subpixels(to));
}

void EdgeList::add_edge(SubpixelPoint from, SubpixelPoint to) {
  Edge edge;
  edge.winding = from.y < to.y ? 1 : -1;
  edge.upper = from.y < to.y ? from : to;
  edge.lower = from.y < to.y ? to : from;
  edge.y_top = pixel_at_or_past(edge.upper.y);
  edge.y_bottom = pixel_at_or_past(edge.lower.y);
  if (edge.y_top == edge.y_bottom) return;  // crosses no row of pixel centres
  edges_.push_back(edge);
}

// The edge on row y (y_top <= y < y_bottom), in sixteenths:
// x = upper.x + (16 y - upper.y) * dx / dy, and the first pixel centre at or right of it.
EdgeList::ActiveEdge EdgeList::activate(const Edge& edge, std::int64_t y) {
  ActiveEdge active;
  const std::int64_t rise = y * kSubpixels - edge.upper.y;
  const std::int64_t dx = edge.lower.x - edge.upper.x;
  active.height = edge.lower.y - edge.upper.y;
  active.from_x = edge.upper.x;
  active.y_bottom = edge.y_bottom;
  active.winding = edge.winding;
  constexpr std::int64_t kSmall = std::int64_t{1} << 31;
  if (rise < kSmall && dx > -kSmall && dx < kSmall) {
    floor_div(rise * dx, active.height, active.whole, active.rest);
  } else {
    floor_div(Wide{rise} * dx, Wide{active.height}, active.whole, active.rest);
  }
  floor_div(dx * kSubpixels, active.height, active.step_whole, active.step_rest);
  active.x = first_pixel_at(active);
  return active;
}

void EdgeList::order_active() {
  // Sorting by insertion costs next to nothing when the order barely changes from row to row,
  // but grows with the square of the edges when many arrive or cross at once (a star of a
  // hundred thousand spokes through the box): past a budget of moves the row is sorted outright.
  // Edges with equal crossings may end in any order: the runs between them are empty.
  std::size_t budget = 8 * active_.size();
  for (std::size_t i = 1; i < active_.size(); ++i) {
    if (active_[i - 1].x <= active_[i].x) continue;  // the usual case: no move
    const ActiveEdge edge = active_[i];
    std::size_t j = i;
    for (; j > 0 && active_[j - 1].x > edge.x && budget > 0; --j, --budget) {
      active_[j] = active_[j - 1];
    }
    active_[j] = edge;
    if (budget == 0) {
      std::sort(active_.begin(), active_.end(),
                [](const ActiveEdge& a, const ActiveEdge& b) { return a.x < b.x; });
      return;
    }
  }
}

std::size_t EdgeList::sort_relevant(const Rect& box) {
  if (edges_.empty() || box.left >= box.right || box.top >= box.bottom) return 0;
  // Only edges that cross a row of the box count (a huge outline may have millions elsewhere).
  const auto relevant_end = std::partition(edges_.begin(), edges_.end(), [&](const Edge& e) {
    return e.y_bottom > box.top && e.y_top < box.bottom;
  });
  std::sort(edges_.begin(), relevant_end,
            [](const Edge& a, const Edge& b) { return a.y_top < b.y_top; });
  return static_cast<std::size_t>(relevant_end - edges_.begin());
}

std::int64_t EdgeList::enter_row(std::int64_t y, std::size_t relevant, std::size_t& next) {
  std::size_t kept = 0;
  for (std::size_t i = 0; i < active_.size(); ++i) {
    if (active_[i].y_bottom <= y) continue;
    if (kept != i) active_[kept] = active_[i];
    ++kept;
  }
  active_.resize(kept);
  while (next < relevant && edges_[next].y_top <= y) {
    if (edges_[next].y_bottom > y) active_.push_back(activate(edges_[next], y));
    ++next;
  }
  std::int64_t change = next < relevant ? edges_[next].y_top : INT64_MAX;
  for (const ActiveEdge& edge : active_) change = std::min(change, edge.y_bottom);
  return change;
}

void EdgeList::fill(FillRule rule, const Rect& box, SpanList& out) {
  fill(rule, box, [&out](std::int64_t y, std::int64_t x0, std::int64_t x1) {
    out.add(static_cast<std::int32_t>(y), static_cast<std::int32_t>(x0),
            static_cast<std::int32_t>(x1));
  });
}

}  // namespace kanvo::surface::raster
