// Coordinate arithmetic as 32-bit machine integers do it: sums wrap around instead of being
// undefined, so hostile arguments give some shape rather than a fault.
#pragma once

#include <cstdint>

namespace kanvo {

constexpr std::int32_t wrapping_add(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

constexpr std::int32_t wrapping_sub(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

}  // namespace kanvo
