// The pixels of the ellipses of small boxes, worked out while compiling from the rounded-box rows:
// the quiz draws thousands of 4 x 4 ellipses, and reading a table is cheaper than following the
// outline each time.
#pragma once

#include <cstdint>

#include "host/surface/shapes/rounded_box.h"

namespace kanvo::surface::shapes {

inline constexpr int kSmallEllipseLimit = 16;  // boxes up to this many pixels each way

// Pixels x0 <= x < x1 of row dy, relative to the box's top left corner.
struct ShapeRun {
  std::int8_t dy = 0;
  std::int8_t x0 = 0;
  std::int8_t x1 = 0;
};

// One pixel, relative to the box's top left corner.
struct ShapePixel {
  std::int8_t dy = 0;
  std::int8_t dx = 0;
};

struct SmallEllipse {
  static constexpr int kMaxRows = kSmallEllipseLimit + 1;
  // The outline is written in batches of this many pixels, the last batch filled up with its
  // last pixel again: a loop whose trip count varies from pixel to pixel mispredicts its end
  // on every shape, which cost more than the few repeated stores.
  static constexpr int kPixelBatch = 8;
  static constexpr int kMaxOutline = (4 * kMaxRows + kPixelBatch - 1) / kPixelBatch * kPixelBatch;
  int outline_count = 0;  // a whole number of batches, repeats included
  int inside_count = 0;
  // The outline pixel by pixel (its runs are one or two pixels long), the inside by rows.
  ShapePixel outline[kMaxOutline] = {};
  ShapeRun inside[kMaxRows] = {};

  constexpr void outline_run(std::int64_t y, std::int64_t x0, std::int64_t x1) {
    for (std::int64_t x = x0; x < x1; ++x) {
      outline[outline_count++] = {static_cast<std::int8_t>(y), static_cast<std::int8_t>(x)};
    }
  }
  constexpr void fill_last_batch() {
    while (outline_count % kPixelBatch != 0) {
      outline[outline_count] = outline[outline_count - 1];
      ++outline_count;
    }
  }
  constexpr void inside_run(std::int64_t y, std::int64_t x0, std::int64_t x1) {
    if (x0 < x1) {
      inside[inside_count++] = {static_cast<std::int8_t>(y), static_cast<std::int8_t>(x0),
                                static_cast<std::int8_t>(x1)};
    }
  }
};

struct SmallEllipseTable {
  SmallEllipse shapes[kSmallEllipseLimit * kSmallEllipseLimit] = {};
};

namespace detail {

struct SmallEllipseRecorder {
  SmallEllipse& shape;
  constexpr void outline(std::int64_t y, std::int64_t x0, std::int64_t x1) {
    shape.outline_run(y, x0, x1);
  }
  constexpr void interior(std::int64_t y, std::int64_t x0, std::int64_t x1) {
    shape.inside_run(y, x0, x1);
  }
};

constexpr SmallEllipseTable make_small_ellipses() {
  SmallEllipseTable table;
  for (int w = 1; w <= kSmallEllipseLimit; ++w) {
    for (int h = 1; h <= kSmallEllipseLimit; ++h) {
      RoundedBox box;
      box.width = box.corner_width = w;
      box.height = box.corner_height = h;
      SmallEllipseRecorder recorder{table.shapes[(w - 1) * kSmallEllipseLimit + (h - 1)]};
      rasterize_rounded_box(box, 0, kSmallEllipseLimit + 1, recorder);
      recorder.shape.fill_last_batch();
    }
  }
  return table;
}

}  // namespace detail

inline constexpr SmallEllipseTable kSmallEllipses = detail::make_small_ellipses();

namespace detail {
constexpr bool every_outline_fills_a_batch() {
  for (const SmallEllipse& shape : kSmallEllipses.shapes) {
    if (shape.outline_count < SmallEllipse::kPixelBatch) return false;
  }
  return true;
}
}  // namespace detail
// Drawing writes the outline batch by batch, the first without a check.
static_assert(detail::every_outline_fills_a_batch());

// The ellipse of a box of width x height pixels, 1 <= width, height <= kSmallEllipseLimit.
inline const SmallEllipse& small_ellipse(int width, int height) {
  return kSmallEllipses.shapes[(width - 1) * kSmallEllipseLimit + (height - 1)];
}

}  // namespace kanvo::surface::shapes
