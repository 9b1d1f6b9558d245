// The pixels of an ellipse or a rounded rectangle: a box whose corners are the quadrants of an
// ellipse of corner_width x corner_height pixels, joined by straight edges. An ellipse is the
// box with corners as large as the box itself.
//
// Each row is handed to a sink as runs, left to right, every pixel at most once:
//   sink.outline(y, x0, x1)   pixels x0 <= x < x1 of the one-pixel outline
//   sink.interior(y, x0, x1)  pixels inside it
// Only rows first_row <= y < end_row are handed over; the outline is still followed from its
// start, so that the rows given are those of the whole shape.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>

#include "host/surface/raster/ellipse_quadrant.h"
#include "host/surface/raster/span_list.h"
#include "host/surface/types.h"

namespace kanvo::surface::shapes {

struct RoundedBox {
  std::int64_t left = 0;
  std::int64_t top = 0;
  std::int64_t width = 0;  // pixels, at least 1
  std::int64_t height = 0;
  std::int64_t corner_width = 0;  // 0 .. width
  std::int64_t corner_height = 0;

  // Corners of two pixels or less are square: the box is then drawn like a rectangle, its right
  // and bottom edges included.
  constexpr bool square() const { return corner_width <= 2 || corner_height <= 2; }
  // The rows and columns it may touch: left <= x < right_end, top <= y < bottom_end.
  constexpr std::int64_t right_end() const { return left + width + (square() ? 1 : 0); }
  constexpr std::int64_t bottom_end() const { return top + height + (square() ? 1 : 0); }

  // Doubled centres of the corner ellipses: left and right, top and bottom.
  constexpr std::int64_t left_x2() const { return 2 * left + corner_width - 1; }
  constexpr std::int64_t right_x2() const { return 2 * (left + width) - corner_width - 1; }
  constexpr std::int64_t top_y2() const { return 2 * top + corner_height - 1; }
  constexpr std::int64_t bottom_y2() const { return 2 * (top + height) - corner_height - 1; }
};

namespace detail {

template <class Sink>
class RoundedBoxRows {
 public:
  constexpr RoundedBoxRows(const RoundedBox& box, std::int64_t first_row, std::int64_t end_row,
                           Sink& sink, std::span<const raster::QuadrantRow> walked)
      : box_(box), first_row_(first_row), end_row_(end_row), sink_(sink), walked_(walked) {}

  constexpr void run() {
    if (box_.square()) {
      square_rows();
    } else if (raster::quadrant_walkable(box_.corner_width, box_.corner_height)) {
      walked_rows();
    } else {
      approximated_rows();
    }
  }

 private:
  constexpr std::int64_t left_x2() const { return box_.left_x2(); }
  constexpr std::int64_t right_x2() const { return box_.right_x2(); }
  constexpr std::int64_t top_y2() const { return box_.top_y2(); }
  constexpr std::int64_t bottom_y2() const { return box_.bottom_y2(); }
  constexpr std::int64_t middle_x2() const { return (box_.corner_width - 1) & 1; }

  constexpr bool visible(std::int64_t y) const { return y >= first_row_ && y < end_row_; }

  // Whether the corners' rows at doubled offset y, reaching the middle column, are the top and
  // bottom of the outline: on the box's own rows, or anywhere for an ellipse, which has no
  // straight edges there (see edge_rows_past_the_walk).
  constexpr bool closes_at(std::int64_t y) const {
    return box_.corner_width == box_.width || y >= box_.corner_height - 1;
  }

  // Whether the corners go on up their middle column where the walk stops short of the top: in
  // a rectangle, which has straight edges to meet there, and in an ellipse of even width, whose
  // walk has not yet reached its centre there.
  constexpr bool runs_on_past_the_walk() const {
    return box_.corner_width < box_.width || box_.corner_width % 2 == 0;
  }

  // One row of a corner ellipse, on the pixel row y.
  constexpr void corner_row(std::int64_t y, const raster::QuadrantRow& row) {
    if (!visible(y)) return;
    const std::int64_t outer_left = (left_x2() - row.x_outer) / 2;
    const std::int64_t outer_right = (right_x2() + row.x_outer) / 2 + 1;
    if (row.x_inner == middle_x2() && closes_at(row.y)) {
      sink_.outline(y, outer_left, outer_right);
      return;
    }
    const std::int64_t inner_left = (left_x2() - row.x_inner) / 2 + 1;
    const std::int64_t inner_right = (right_x2() + row.x_inner) / 2;
    sink_.outline(y, outer_left, inner_left);
    sink_.interior(y, inner_left, inner_right);
    sink_.outline(y, inner_right, outer_right);
  }

  // A row of the straight left and right edges.
  constexpr void edge_row(std::int64_t y, std::int64_t right) {
    sink_.outline(y, box_.left, box_.left + 1);
    sink_.interior(y, box_.left + 1, right);
    sink_.outline(y, right, right + 1);
  }
  constexpr void edge_rows(std::int64_t from, std::int64_t to, std::int64_t right) {
    for (std::int64_t y = std::max(from, first_row_); y < std::min(to, end_row_); ++y) {
      edge_row(y, right);
    }
  }

  constexpr void square_rows() {
    const std::int64_t right = box_.left + box_.width;
    const std::int64_t bottom = box_.top + box_.height;
    if (visible(box_.top)) sink_.outline(box_.top, box_.left, right + 1);
    edge_rows(box_.top + 1, bottom, right);
    if (visible(bottom)) sink_.outline(bottom, box_.left, right + 1);
  }

  constexpr void both_corner_rows(const raster::QuadrantRow& row) {
    const std::int64_t upper = (top_y2() - row.y) / 2;
    const std::int64_t lower = (bottom_y2() + row.y) / 2;
    corner_row(upper, row);
    if (lower != upper) corner_row(lower, row);
  }

  // Rows strictly between the top corners' lowest row and the bottom corners' highest.
  constexpr void straight_rows() {
    const std::int64_t first_y = (box_.corner_height - 1) & 1;
    edge_rows((top_y2() - first_y) / 2 + 1, (bottom_y2() + first_y) / 2,
              box_.left + box_.width - 1);
  }

  constexpr void walked_rows() {
    std::int64_t last_y = 0;
    if (walked_.empty()) {
      raster::walk_quadrant_rows(box_.corner_width, box_.corner_height,
                                 [&](const raster::QuadrantRow& row) {
                                   both_corner_rows(row);
                                   last_y = row.y;
                                 });
    } else {
      walked_rows_in_view();
      last_y = walked_.back().y;
    }
    straight_rows();
    edge_rows_past_the_walk(last_y);
  }

  // A tall, narrow corner's walk stops at its middle column short of the box's top and bottom
  // rows. The corner runs on up that column while it stays inside the corner ellipse (an
  // ellipse of odd width, whose middle column is its centre, loses its tips instead), and a
  // rectangle's straight top and bottom edges stay on the box's rows, between the corners'
  // centres.
  constexpr void edge_rows_past_the_walk(std::int64_t last_y) {
    const std::int64_t b = box_.corner_height - 1;
    if (!runs_on_past_the_walk() || last_y >= b) return;
    const std::int64_t middle = middle_x2();
    const std::int64_t run_end =
        std::min(b, raster::column_top(box_.corner_width - 1, b, middle) + 2);
    // Only the offsets whose upper or lower row can be visible, so that a corner millions of
    // rows tall costs no more than the rows shown.
    const std::int64_t from =
        std::max(last_y + 2, std::min(top_y2() - 2 * end_row_, 2 * first_row_ - bottom_y2()) - 2);
    const std::int64_t to =
        std::min(run_end, std::max(top_y2() - 2 * first_row_, 2 * end_row_ - bottom_y2()) + 2);
    for (std::int64_t y = from + ((from - last_y) & 1); y < to; y += 2) {
      both_corner_rows({y, middle, middle});
    }
    for (const std::int64_t row : {box_.top, box_.top + box_.height - 1}) {
      if (visible(row)) sink_.outline(row, (left_x2() + middle) / 2, (right_x2() - middle) / 2 + 1);
    }
  }

  // The rows of the walk done before whose upper or lower pixel row is visible, each once:
  // doubled offsets y with first <= (top_y2 - y) / 2 < end or first <= (bottom_y2 + y) / 2 < end.
  constexpr void walked_rows_in_view() {
    const std::int64_t upper_from = top_y2() - 2 * end_row_ + 1;
    const std::int64_t upper_to = top_y2() - 2 * first_row_ + 1;
    const std::int64_t lower_from = 2 * first_row_ - bottom_y2();
    const std::int64_t lower_to = 2 * end_row_ - bottom_y2();
    if (upper_to < lower_from || lower_to < upper_from) {
      rows_between(upper_from, upper_to);
      rows_between(lower_from, lower_to);
    } else {
      rows_between(std::min(upper_from, lower_from), std::max(upper_to, lower_to));
    }
  }
  // The walked rows with from <= y < to.
  constexpr void rows_between(std::int64_t from, std::int64_t to) {
    const auto by_y = [](const raster::QuadrantRow& row, std::int64_t y) { return row.y < y; };
    for (auto row = std::lower_bound(walked_.begin(), walked_.end(), from, by_y);
         row != walked_.end() && row->y < to; ++row) {
      both_corner_rows(*row);
    }
  }

  // Too large to walk: only the visible rows, each from the ellipse equation.
  constexpr void approximated_rows() {
    const std::int64_t from = std::max(first_row_, box_.top);
    const std::int64_t to = std::min(end_row_, box_.top + box_.height);
    const std::int64_t b = box_.corner_height - 1;
    for (std::int64_t y = from; y < to; ++y) {
      const std::int64_t above = top_y2() - 2 * y;
      const std::int64_t below = 2 * y - bottom_y2();
      const std::int64_t quadrant_y = std::max(above, below);
      if (quadrant_y >= 0 && quadrant_y <= b) {
        corner_row(
            y, raster::approximate_quadrant_row(box_.corner_width, box_.corner_height, quadrant_y));
      } else if (quadrant_y < 0) {
        edge_row(y, box_.left + box_.width - 1);
      }
    }
  }

  const RoundedBox& box_;
  std::int64_t first_row_;
  std::int64_t end_row_;
  Sink& sink_;
  std::span<const raster::QuadrantRow> walked_;
};

}  // namespace detail

// A sink that collects a shape's pixels, outline and inside alike, cut to a box.
struct RegionSpans {
  const Rect& box;
  raster::SpanList& spans;
  void outline(std::int64_t y, std::int64_t x0, std::int64_t x1) { interior(y, x0, x1); }
  void interior(std::int64_t y, std::int64_t x0, std::int64_t x1) {
    x0 = std::max<std::int64_t>(x0, box.left);
    x1 = std::min<std::int64_t>(x1, box.right);
    if (x0 < x1) {
      spans.add(static_cast<std::int32_t>(y), static_cast<std::int32_t>(x0),
                static_cast<std::int32_t>(x1));
    }
  }
};

// `walked`, when given, holds the rows of walk_quadrant_rows for the box's corners, walked once
// for a box drawn again and again at other places (a wide pen's nib at every point of a
// stroke): each drawing then visits only the rows it shows instead of walking the whole corner.
template <class Sink>
constexpr void rasterize_rounded_box(const RoundedBox& box, std::int64_t first_row,
                                     std::int64_t end_row, Sink& sink,
                                     std::span<const raster::QuadrantRow> walked = {}) {
  detail::RoundedBoxRows<Sink>(box, first_row, end_row, sink, walked).run();
}

}  // namespace kanvo::surface::shapes
