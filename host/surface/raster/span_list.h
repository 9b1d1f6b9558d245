// Horizontal runs of device pixels: what every shape's geometry produces and what the painter
// consumes. A shape that must touch each pixel once (interiors, wide strokes under XOR) is
// normalised before it is painted.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace kanvo::surface::raster {

// Pixels x0 <= x < x1 of row y.
struct Span {
  std::int32_t y = 0;
  std::int32_t x0 = 0;
  std::int32_t x1 = 0;
  friend bool operator==(const Span&, const Span&) = default;
};

// Keeps its capacity between uses, so a list reused across drawing calls stops allocating once
// it has grown to the largest shape drawn.
class SpanList {
 public:
  void clear() { spans_.clear(); }
  void add(std::int32_t y, std::int32_t x0, std::int32_t x1) {
    if (x0 < x1) spans_.push_back({y, x0, x1});
  }
  // Sorts by row, then by start, and merges runs that overlap or touch: each pixel once.
  void normalize();
  bool empty() const { return spans_.empty(); }
  std::size_t size() const { return spans_.size(); }
  const Span& last() const { return spans_.back(); }
  // Moves the end of the last run (not before its start).
  void extend_last(std::int32_t x1) {
    if (x1 > spans_.back().x1) spans_.back().x1 = x1;
  }
  std::span<const Span> spans() const { return spans_; }

 private:
  std::vector<Span> spans_;
};

}  // namespace kanvo::surface::raster
