// The outline of one quadrant of an ellipse inscribed in a box of pixels.
//
// Offsets are doubled, so that boxes of odd and even size share one arithmetic: a box `width`
// pixels wide has its pixel centres at the doubled offsets -(width - 1), ..., -2, 0, 2, ...,
// width - 1 (odd width) or -(width - 1), ..., -1, 1, ..., width - 1 (even width) from its centre.
// With A = width - 1 and B = height - 1 the ellipse is B^2 x^2 + A^2 y^2 = A^2 B^2.
//
// The outline walks from the side (x = A, on the middle row or the row just above it) toward the
// top, one pixel at a time: a step up, a step in, or both, whichever lands nearest the ellipse
// (smallest |B^2 x^2 + A^2 y^2 - A^2 B^2|, kept step by step from a start value the platform holds
// in 32 bits; on a tie the diagonal step). The walk ends as soon as it reaches the middle column,
// so a very narrow ellipse loses the ends of its long axis: the platform draws them that way.
// Across an even width the two middle columns are still either side of the centre there, and the
// outline runs on up them while they stay inside the ellipse (column_top).
#pragma once

#include <cstdint>
#include <type_traits>

namespace kanvo::surface::raster {

// Longer walks are not taken: such boxes (millions of pixels across) are outlined row by row
// from the ellipse equation instead, see approximate_quadrant_row.
inline constexpr std::int64_t kMaxQuadrantWalk = std::int64_t{1} << 22;

// True when the quadrant of a box of width x height pixels (both at least 3) is walked exactly.
constexpr bool quadrant_walkable(std::int64_t width, std::int64_t height) {
  return width <= kMaxQuadrantWalk && height <= kMaxQuadrantWalk;
}

// Wide enough for the quadrant arithmetic of any walkable box.
__extension__ using Int128 = __int128;

namespace detail {

template <class Int, class Visit>
constexpr void walk_quadrant_in(std::int64_t a, std::int64_t b, Visit& visit) {
  const Int a2 = Int{a} * a;
  const Int b2 = Int{b} * b;
  std::int64_t x = a;
  std::int64_t y = b & 1;
  const std::int64_t x_end = a & 1;
  // B^2 x^2 + A^2 y^2 - A^2 B^2 at the start, except that the platform keeps the start's A^2 y^2
  // in 32 bits: from A^2 = 2^31 on it wraps, and a very wide box of even height leaves its two
  // middle rows sooner than the curve says.
  Int f = static_cast<std::int32_t>(a * a * y * y);
  visit(x, y);
  while (x > x_end) {
    const Int left = b2 * (4 * x - 4);
    const Int fx = f - left;
    if (y + 2 > b) {
      f = fx;
      x -= 2;
    } else {
      const Int up = a2 * (4 * y + 4);
      const Int fy = f + up;
      const Int fd = fy - left;
      const Int ad = fd < 0 ? -fd : fd;
      const Int ax = fx < 0 ? -fx : fx;
      const Int ay = fy < 0 ? -fy : fy;
      if (ad <= ax && ad <= ay) {
        f = fd;
        x -= 2;
        y += 2;
      } else if (ay <= ax) {
        f = fy;
        y += 2;
      } else {
        f = fx;
        x -= 2;
      }
    }
    visit(x, y);
  }
}

}  // namespace detail

// Calls visit(x, y) for every outline point of the quadrant, in doubled offsets, from the side
// to the top: y never decreases, x never increases. `width` and `height` are at least 2 and
// quadrant_walkable.
template <class Visit>
constexpr void walk_quadrant(std::int64_t width, std::int64_t height, Visit&& visit) {
  const std::int64_t a = width - 1;
  const std::int64_t b = height - 1;
  // |f| stays below 8 A^2 B^2; 64 bits hold that up to A B < 2^29.
  if (a < (std::int64_t{1} << 29) / b) {
    detail::walk_quadrant_in<std::int64_t>(a, b, visit);
  } else {
    detail::walk_quadrant_in<Int128>(a, b, visit);
  }
}

// The highest doubled offset y, of the parity of b, at which the column at doubled offset x
// (0 <= x <= a) is still inside the ellipse of doubled radii a and b: how far a column near the
// middle runs up once a narrow ellipse's walk has stopped. The box is quadrant_walkable.
constexpr std::int64_t column_top(std::int64_t a, std::int64_t b, std::int64_t x) {
  const Int128 a2 = Int128{a} * a;
  const Int128 limit = Int128{b} * b * (a2 - Int128{x} * x);
  std::int64_t low = 0;
  std::int64_t high = b;
  while (low < high) {  // a^2 y^2 grows with y
    const std::int64_t mid = low + (high - low + 1) / 2;
    if (a2 * mid * mid <= limit) {
      low = mid;
    } else {
      high = mid - 1;
    }
  }
  return (low - b) % 2 == 0 ? low : low - 1;
}

// One row of a quadrant's outline: the doubled offsets x_inner <= x <= x_outer on row y.
struct QuadrantRow {
  std::int64_t y = 0;
  std::int64_t x_outer = 0;
  std::int64_t x_inner = 0;
};

// Calls visit(QuadrantRow) for each row of the walk, from the side to the top. The last row is
// the one that reaches the middle column (x_inner == (width - 1) % 2).
template <class Visit>
constexpr void walk_quadrant_rows(std::int64_t width, std::int64_t height, Visit&& visit) {
  QuadrantRow row{-1, 0, 0};
  walk_quadrant(width, height, [&](std::int64_t x, std::int64_t y) {
    if (y != row.y) {
      if (row.y >= 0) visit(static_cast<const QuadrantRow&>(row));
      row = {y, x, x};
    } else {
      row.x_inner = x;
    }
  });
  visit(static_cast<const QuadrantRow&>(row));
}

// The row at doubled offset y (same parity as height - 1, 0 <= y < height) of a box too large to
// walk, from the ellipse equation: the outer end nearest the curve, the inner end reaching the
// row above. Close to the walk but not always the same pixel.
QuadrantRow approximate_quadrant_row(std::int64_t width, std::int64_t height, std::int64_t y);

}  // namespace kanvo::surface::raster
