// Cheap deterministic coordinates for the benchmarks: the same run draws the same figures.
#pragma once

#include <cstdint>

namespace kanvo::surface {

struct Scatter {
  std::uint32_t state;
  // From `low` up to, not including, `high`.
  std::int32_t next(std::int32_t low, std::int32_t high) {
    state = state * 1664525u + 1013904223u;
    return low + static_cast<std::int32_t>((state >> 8) % static_cast<std::uint32_t>(high - low));
  }
  std::int32_t next(std::int32_t range) { return next(0, range); }
};

}  // namespace kanvo::surface
