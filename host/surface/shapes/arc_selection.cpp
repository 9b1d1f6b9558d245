#include "host/surface/shapes/arc_selection.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "host/surface/shapes/ellipse_outline.h"

namespace kanvo::surface::shapes {

namespace {

constexpr double kFullTurn = 2.0 * std::numbers::pi;
// Angles closer than this are told apart by the exact positions instead.
constexpr double kSameAngle = 1e-9;

struct Direction {
  double x = 0.0;  // right
  double y = 0.0;  // up
};

// Angles counter-clockwise from the right, in [0, 2 pi).
double angle_of(Direction d) {
  const double a = std::atan2(d.y, d.x);
  return a < 0.0 ? a + kFullTurn : a;
}

// A radial as the platform has it: its angle, the direction that angle's sine and cosine give
// (which leans a little off the axes), and the exact offset of its point from the centre.
struct Radial {
  double angle = 0.0;
  Direction direction;
  Direction offset;
  bool lost = false;  // a component did not fit and was dropped
};

int sign_of(double value) {
  return (value > 0.0) - (value < 0.0);
}

// The platform scales each component of a radial by the box's other half-extent in 32 bits: a
// component whose product does not fit is lost, which leaves a radial pointing far above or below
// a flat box lying along its middle row (and one far beside a tall box along its middle column).
constexpr double kRadialProductLimit = 2147483648.0;

// The radial from the box's centre to p. Across an odd number of pixels p stands for its pixel's
// centre, as the outline's pixels do.
Radial radial_of(const RoundedBox& box, DevicePoint p) {
  const double centre_x = static_cast<double>(box.left) + static_cast<double>(box.width) / 2.0;
  const double centre_y = static_cast<double>(box.top) + static_cast<double>(box.height) / 2.0;
  const double x = static_cast<double>(p.x) + (box.width % 2 == 0 ? 0.0 : 0.5);
  const double y = static_cast<double>(p.y) + (box.height % 2 == 0 ? 0.0 : 0.5);
  Direction offset{x - centre_x, centre_y - y};
  bool lost = false;
  if (std::abs(offset.x) * static_cast<double>(box.height) / 2.0 >= kRadialProductLimit) {
    offset.x = 0.0;
    lost = true;
  }
  if (std::abs(offset.y) * static_cast<double>(box.width) / 2.0 >= kRadialProductLimit) {
    offset.y = 0.0;
    lost = true;
  }
  const double a = std::atan2(offset.y, offset.x);
  return {a < 0.0 ? a + kFullTurn : a, {std::cos(a), std::sin(a)}, offset, lost};
}

class OutlineAngles {
 public:
  OutlineAngles(std::span<const DevicePoint> outline, const RoundedBox& box)
      : outline_(outline),
        box_(box),
        centre_x_(static_cast<double>(box.left) + static_cast<double>(box.width) / 2.0),
        centre_y_(static_cast<double>(box.top) + static_cast<double>(box.height) / 2.0) {
    // The pixels just below the middle on the right close the turn: their angle is a full turn,
    // not zero.
    trailing_zero_ = outline.size();
    while (trailing_zero_ > 1 && angle_of(point(trailing_zero_ - 1)) == 0.0) --trailing_zero_;
  }

  // The sign of (angle of point i) - (the radial's angle), angle_limit standing in for the
  // radial's angle (a full turn for a radial at zero that ends an arc).
  int compare(std::size_t i, const Radial& radial, double angle_limit) const {
    const Direction d = point(i);
    const double a = i >= trailing_zero_ ? kFullTurn : angle_of(d);
    if (std::abs(a - angle_limit) > kSameAngle) return a < angle_limit ? -1 : 1;
    // Offsets are whole or half pixels: the product is exact for offsets up to 2^25 pixels,
    // far past any surface.
    const Direction r = radial.offset;
    const double cross = r.x * d.y - r.y * d.x;
    if (cross != 0.0) return sign_of(cross);
    // A radial that lost a component lies along the box's middle row or column, where the
    // pixels on both sides stand for the same corners: they go by their centres instead.
    if (radial.lost) {
      const Direction c = centre_of(i);
      const double by_centre = r.x * c.y - r.y * c.x;
      if (by_centre != 0.0) return sign_of(by_centre);
    }
    // Exactly on the radial: the pixel counts as lying a hair to the left of its point, which
    // puts it past a radial that points up or straight left and short of one that points down.
    // Straight right, where the turn starts and ends, it stays on the radial.
    if (r.y != 0.0) return r.y > 0.0 ? 1 : -1;
    return r.x < 0.0 ? 1 : 0;
  }

 private:
  // Where a pixel's centre lies, relative to the box's centre (y up).
  Direction centre_of(std::size_t i) const {
    const DevicePoint p = outline_[i];
    return {static_cast<double>(p.x) + 0.5 - centre_x_, centre_y_ - static_cast<double>(p.y) - 0.5};
  }
  // Where a pixel stands, relative to the box's centre (y up).
  Direction point(std::size_t i) const {
    const DevicePoint p = outline_[i];
    const double x = static_cast<double>(p.x);
    const double y = static_cast<double>(p.y);
    double rx = x + 0.5;
    double ry = y + 0.5;
    if (box_.square()) {
      // The corners nearest the centre of a box two pixels across are the centre itself: there
      // each pixel stands for its top left corner in an even direction, and the pixel whose
      // corner is the centre for its own centre.
      if (box_.width % 2 == 0) rx = x;
      if (box_.height % 2 == 0) ry = y;
      if (rx == centre_x_ && ry == centre_y_) {
        rx = x + 0.5;
        ry = y + 0.5;
      }
    } else {
      if (box_.width % 2 == 0) rx = x >= centre_x_ ? x : x + 1.0;
      if (box_.height % 2 == 0) ry = y < centre_y_ ? y + 1.0 : y;
    }
    return {rx - centre_x_, centre_y_ - ry};
  }

  std::span<const DevicePoint> outline_;
  const RoundedBox& box_;
  double centre_x_;
  double centre_y_;
  std::size_t trailing_zero_;
};

// The first index in [0, count) where `holds` turns true (count when it never does); it must
// stay true from there on.
template <class Predicate>
std::size_t first_index_where(std::size_t count, Predicate holds) {
  std::size_t low = 0;
  std::size_t high = count;
  while (low < high) {
    const std::size_t middle = low + (high - low) / 2;
    if (holds(middle)) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  return low;
}

}  // namespace

ArcRange select_arc(std::span<const DevicePoint> outline, const RoundedBox& box,
                    DevicePoint start_radial, DevicePoint end_radial) {
  const std::size_t count = outline.size();
  if (count == 0) return {};
  const OutlineAngles angles(outline, box);
  const Radial start = radial_of(box, start_radial);
  const Radial end = radial_of(box, end_radial);

  // Angles only grow along the outline, so both ends are found by halving.
  std::size_t first = first_index_where(
      count, [&](std::size_t i) { return angles.compare(i, start, start.angle) >= 0; });
  if (first == count) first = 0;

  const bool whole = start.angle == end.angle && start.direction.x == end.direction.x &&
                     start.direction.y == end.direction.y;
  const double end_limit = end.angle == 0.0 ? kFullTurn : end.angle;
  std::size_t last = first_index_where(
      count, [&](std::size_t i) { return angles.compare(i, end, end_limit) > 0; });
  last = last == 0 ? count - 1 : last - 1;
  // Across an odd height one pixel ends the middle row on the right, the turn's start and end at
  // once: a radial straight right ends the arc there, past the middle row's pixels that come
  // back to it. (Across an even height the upper of the two pixels there starts the turn and the
  // lower ends it.)
  if (end_limit == kFullTurn && box.height % 2 != 0 && last == count - 1 && first != 0 &&
      angles.compare(0, end, 0.0) == 0) {
    last = 0;
  }

  const std::size_t before_first = first == 0 ? count - 1 : first - 1;
  if (whole) return {false, first, before_first};
  if (last == before_first) {
    // Both radials between the same two pixels, in either order: the whole outline from the
    // pixel after them round to the one before.
    return {false, first, before_first};
  }
  return {false, first, last};
}

namespace {

// Where a radial meets a flat outline, in sixteenths of a turn: 0 at the right end, 8 at the left
// end, the middle at 4 over the top and 12 along the bottom. A radial above the middle meets the
// outline there (a hair before the top when it leans right, a hair after when left), one below
// the middle likewise at the bottom.
int flat_position(const Radial& radial) {
  const Direction d = radial.direction;
  if (d.y > 0.0) return d.x > 0.0 ? 3 : 5;
  if (d.y < 0.0) return d.x < 0.0 ? 11 : 13;
  return d.x < 0.0 ? 8 : 0;
}

}  // namespace

void flat_arc_points(const RoundedBox& box, DevicePoint start_radial, DevicePoint end_radial,
                     std::vector<DevicePoint>& points) {
  points.clear();
  const DevicePoint middle{(2 * box.left + box.width) >> 1, box.top};
  const auto point_at = [&](int position) -> DevicePoint {
    if (position == 0) return {box.left + box.width - 1, box.top};
    if (position == 8) return {box.left, box.top};
    return middle;
  };
  const int first = flat_position(radial_of(box, start_radial));
  const int last = flat_position(radial_of(box, end_radial));
  const int sweep = (last - first + 15) % 16 + 1;  // 1 to 16: equal positions take the turn
  // The row is a curve flattened, like any other: each of its pixels is a point of it, where a
  // dash that starts there has the pen's join. A row too long to hold every pixel keeps every
  // n-th one.
  const std::int64_t keep_every =
      std::max<std::int64_t>(1, box.width / static_cast<std::int64_t>(kMaxOutlinePoints / 4) + 1);
  const auto run_to = [&](DevicePoint to) {
    const DevicePoint from = points.back();
    const std::int64_t step = to.x > from.x ? keep_every : -keep_every;
    for (std::int64_t x = from.x + step; to.x > from.x ? x < to.x : x > to.x; x += step) {
      points.push_back({x, from.y});
    }
    points.push_back(to);
  };
  // The arc starts at the first pixel at or past its radial: past the middle for a radial a hair
  // after it (leaning left over the top, right along the bottom), within the row.
  DevicePoint start = point_at(first);
  if (first == 5) start.x = std::max(start.x - 1, box.left);
  if (first == 13) start.x = std::min(start.x + 1, box.left + box.width - 1);
  points.push_back(start);
  for (int step = 1; step < sweep; ++step) {
    const int position = (first + step) % 16;
    if (position % 4 == 0) run_to(point_at(position));
  }
  run_to(point_at(last));
}

}  // namespace kanvo::surface::shapes
