#include "host/surface/shapes/ellipse_outline.h"

#include <algorithm>

namespace kanvo::surface::shapes {

namespace {

// A rectangle's border, for boxes whose corners are square (far edges included).
void square_outline(const RoundedBox& box, std::vector<DevicePoint>& points) {
  const std::int64_t left = box.left;
  const std::int64_t top = box.top;
  const std::int64_t right = box.left + box.width;
  const std::int64_t bottom = box.top + box.height;
  const std::int64_t middle = top + box.height / 2;
  const auto add = [&](std::int64_t x, std::int64_t y) { points.push_back({x, y}); };
  for (std::int64_t y = middle; y > top; --y) add(right, y);
  for (std::int64_t x = right; x > left; --x) add(x, top);
  for (std::int64_t y = top; y < bottom; ++y) add(left, y);
  for (std::int64_t x = left; x < right; ++x) add(x, bottom);
  for (std::int64_t y = bottom; y > middle; --y) add(right, y);
}

}  // namespace

void outline_points(const RoundedBox& box, std::vector<DevicePoint>& points) {
  points.clear();
  if (box.width <= 0 || box.height <= 0) return;
  if (box.square()) {
    // Four sides of up to kMaxOutlinePoints / 4 pixels each; longer sides keep their corners.
    if (box.width + box.height < static_cast<std::int64_t>(kMaxOutlinePoints / 2)) {
      square_outline(box, points);
    } else {
      const std::int64_t right = box.left + box.width;
      const std::int64_t bottom = box.top + box.height;
      points = {{right, box.top}, {box.left, box.top}, {box.left, bottom}, {right, bottom}};
    }
    return;
  }
  // The top right quadrant walked once, in doubled offsets; the other three are its mirrors.
  const std::int64_t steps = (box.corner_width + box.corner_height) / 2 + 1;
  const std::int64_t keep_every =
      std::max<std::int64_t>(1, steps / static_cast<std::int64_t>(kMaxOutlinePoints / 4) + 1);
  std::int64_t index = 0;
  std::int64_t last_x = 0;
  std::int64_t last_y = 0;
  bool last_kept = true;
  raster::walk_quadrant(box.corner_width, box.corner_height, [&](std::int64_t x, std::int64_t y) {
    last_kept = index++ % keep_every == 0;
    if (last_kept) points.push_back({x, y});
    last_x = x;
    last_y = y;
  });
  if (!last_kept) points.push_back({last_x, last_y});  // the top is always kept

  const std::int64_t left_x2 = 2 * box.left + box.corner_width - 1;
  const std::int64_t right_x2 = 2 * (box.left + box.width) - box.corner_width - 1;
  const std::int64_t top_y2 = 2 * box.top + box.corner_height - 1;
  const std::int64_t bottom_y2 = 2 * (box.top + box.height) - box.corner_height - 1;
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
