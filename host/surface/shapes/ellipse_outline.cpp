#include "host/surface/shapes/ellipse_outline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kanvo::surface::shapes {

namespace {

// The top right quadrant in doubled offsets from the side to the top: walked, every n-th point
// kept when there are too many; for boxes too large to walk, points of the ellipse at even steps
// of its angle, on the pixel grid.
void quadrant_points(std::int64_t width, std::int64_t height, std::vector<DevicePoint>& points) {
  constexpr auto kMaxQuadrant = static_cast<std::int64_t>(kMaxOutlinePoints / 4);
  if (!raster::quadrant_walkable(width, height)) {
    // Within about a pixel of the curve even for the largest boxes a device point allows.
    constexpr std::int64_t kSteps = 1 << 14;
    const long double a = static_cast<long double>(width - 1);
    const long double b = static_cast<long double>(height - 1);
    const std::int64_t odd_x = (width - 1) & 1;
    const std::int64_t odd_y = (height - 1) & 1;
    for (std::int64_t k = 0; k <= kSteps; ++k) {
      const long double t = std::numbers::pi_v<long double> / 2 * static_cast<long double>(k) /
                            static_cast<long double>(kSteps);
      const auto on_grid = [](long double v, std::int64_t odd) {
        return odd + 2 * static_cast<std::int64_t>(
                             std::floor((v - static_cast<long double>(odd)) / 2 + 0.5L));
      };
      const DevicePoint p{std::max(odd_x, on_grid(a * std::cos(t), odd_x)),
                          std::max(odd_y, on_grid(b * std::sin(t), odd_y))};
      if (points.empty() || !(points.back() == p)) points.push_back(p);
    }
    return;
  }
  const std::int64_t steps = (width + height) / 2 + 1;
  const std::int64_t keep_every = std::max<std::int64_t>(1, steps / kMaxQuadrant + 1);
  std::int64_t index = 0;
  DevicePoint last;
  bool last_kept = true;
  raster::walk_quadrant(width, height, [&](std::int64_t x, std::int64_t y) {
    last_kept = index++ % keep_every == 0;
    last = {x, y};
    if (last_kept) points.push_back(last);
  });
  if (!last_kept) points.push_back(last);  // the top is always kept
}

}  // namespace

void outline_points(const RoundedBox& box, std::vector<DevicePoint>& points) {
  points.clear();
  if (box.width <= 0 || box.height <= 0) return;
  // The top right quadrant once, in doubled offsets; the other three are its mirrors.
  quadrant_points(box.corner_width, box.corner_height, points);
  // A narrow corner ellipse of even width whose walk stops at its two middle columns runs on up
  // them while they stay inside it, when it is as wide as the box: an ellipse, or a rounded
  // rectangle without a straight top edge to meet there.
  if (box.corner_width == box.width && box.width % 2 == 0 &&
      raster::quadrant_walkable(box.corner_width, box.corner_height) &&
      points.back().y < box.corner_height - 1) {
    const DevicePoint end = points.back();
    const std::int64_t top = raster::column_top(box.corner_width - 1, box.corner_height - 1, end.x);
    // Each pixel of the run while it is short; a long one as the straight line it is.
    const std::int64_t step =
        (top - end.y) / 2 < static_cast<std::int64_t>(kMaxOutlinePoints / 8) ? 2 : top - end.y;
    for (std::int64_t y = end.y + step; y <= top; y += step) points.push_back({end.x, y});
  }

  const std::int64_t left_x2 = box.left_x2();
  const std::int64_t right_x2 = box.right_x2();
  const std::int64_t top_y2 = box.top_y2();
  const std::int64_t bottom_y2 = box.bottom_y2();
  const std::size_t quadrant = points.size();
  points.resize(4 * quadrant);
  // Mirrored offsets to pixels, each quadrant in counter-clockwise order, written back to front
  // so that the walked points at the front are read before they are overwritten.
  for (std::size_t i = 0; i < quadrant; ++i) {
    const DevicePoint offset = points[i];
    points[4 * quadrant - 1 - i] = {(right_x2 + offset.x) / 2, (bottom_y2 + offset.y) / 2};
  }
  for (std::size_t i = 0; i < quadrant; ++i) {
    const DevicePoint offset = points[quadrant - 1 - i];
    points[3 * quadrant - 1 - i] = {(left_x2 - offset.x) / 2, (bottom_y2 + offset.y) / 2};
  }
  for (std::size_t i = 0; i < quadrant; ++i) {
    const DevicePoint offset = points[i];
    points[2 * quadrant - 1 - i] = {(left_x2 - offset.x) / 2, (top_y2 - offset.y) / 2};
  }
  for (std::size_t i = 0; i < quadrant; ++i) {
    const DevicePoint offset = points[i];
    points[i] = {(right_x2 + offset.x) / 2, (top_y2 - offset.y) / 2};
  }
  // Where two quadrants meet on the middle column or row they share a pixel: keep it once.
  points.erase(std::unique(points.begin(), points.end()), points.end());
  while (points.size() > 1 && points.back() == points.front()) points.pop_back();
}

}  // namespace kanvo::surface::shapes
