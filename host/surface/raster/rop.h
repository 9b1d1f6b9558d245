// Raster operations: how a pen, brush or source word combines with the destination word.
// All 32 bits take part, so operations that invert the destination also set its top byte (the
// inks themselves have a clear top byte).
#pragma once

#include <cstdint>

#include "host/surface/types.h"

namespace kanvo::surface::raster {

// A binary raster operation (1 to 16) as four all-ones-or-zero masks, one per combination of
// pen bit P and destination bit D. The code minus one is the truth table: bit 3 for P=1 D=1,
// bit 2 for P=1 D=0, bit 1 for P=0 D=1, bit 0 for P=0 D=0.
class Rop2 {
 public:
  explicit constexpr Rop2(int code)
      : pen_and_dest_(mask(code, 3)),
        pen_only_(mask(code, 2)),
        dest_only_(mask(code, 1)),
        neither_(mask(code, 0)) {}

  constexpr std::uint32_t apply(std::uint32_t pen, std::uint32_t dest) const {
    return (pen_and_dest_ & pen & dest) | (pen_only_ & pen & ~dest) | (dest_only_ & ~pen & dest) |
           (neither_ & ~pen & ~dest);
  }

 private:
  static constexpr std::uint32_t mask(int code, int bit) {
    return ((code - 1) >> bit) & 1 ? 0xFFFFFFFFu : 0u;
  }
  std::uint32_t pen_and_dest_;
  std::uint32_t pen_only_;
  std::uint32_t dest_only_;
  std::uint32_t neither_;
};

constexpr bool valid_rop2(int code) {
  return code >= rop2::kBlack && code <= rop2::kWhite;
}

// Whether the result is the pen's alone, whatever the destination held (a pixel painted over
// shows only its last coat).
constexpr bool rop2_ignores_destination(int code) {
  const int table = code - 1;
  return ((table >> 3) & 1) == ((table >> 2) & 1) && ((table >> 1) & 1) == (table & 1);
}

// Whether applying the operation twice with the same pen gives what applying it once does: true
// unless, for a pen bit of 0 or of 1, it inverts the destination.
constexpr bool rop2_repeats_harmlessly(int code) {
  const int table = code - 1;
  const bool inverts_under_one = ((table >> 2) & 3) == 1;
  const bool inverts_under_zero = (table & 3) == 1;
  return !inverts_under_one && !inverts_under_zero;
}

// The truth table of a ternary raster operation: bits 16 to 23 of its code. Bit i holds the
// result for pattern (i >> 2) & 1, source (i >> 1) & 1 and destination i & 1.
constexpr std::uint8_t rop3_table(std::uint32_t code) {
  return (code >> 16) & 0xFFu;
}

// A ternary raster operation split by pattern and source bit into four functions of the
// destination, each (keep & D) | (invert & ~D): no branches per pixel.
class Rop3 {
 public:
  explicit constexpr Rop3(std::uint8_t table)
      : keep_{mask(table, 1), mask(table, 3), mask(table, 5), mask(table, 7)},
        invert_{mask(table, 0), mask(table, 2), mask(table, 4), mask(table, 6)} {}

  constexpr std::uint32_t apply(std::uint32_t pattern, std::uint32_t source,
                                std::uint32_t dest) const {
    const std::uint32_t keep = (~pattern & ~source & keep_[0]) | (~pattern & source & keep_[1]) |
                               (pattern & ~source & keep_[2]) | (pattern & source & keep_[3]);
    const std::uint32_t invert = (~pattern & ~source & invert_[0]) |
                                 (~pattern & source & invert_[1]) |
                                 (pattern & ~source & invert_[2]) | (pattern & source & invert_[3]);
    return (keep & dest) | (invert & ~dest);
  }

 private:
  static constexpr std::uint32_t mask(std::uint8_t table, int bit) {
    return (table >> bit) & 1 ? 0xFFFFFFFFu : 0u;
  }
  std::uint32_t keep_[4];
  std::uint32_t invert_[4];
};

constexpr std::uint32_t apply_rop3(std::uint8_t table, std::uint32_t pattern, std::uint32_t source,
                                   std::uint32_t dest) {
  return Rop3(table).apply(pattern, source, dest);
}

// Whether a ternary operation reads the pattern, the source or the destination at all.
constexpr bool rop3_uses_pattern(std::uint8_t table) {
  return ((table >> 4) ^ table) & 0x0F;
}
constexpr bool rop3_uses_source(std::uint8_t table) {
  return ((table >> 2) ^ table) & 0x33;
}
constexpr bool rop3_uses_dest(std::uint8_t table) {
  return ((table >> 1) ^ table) & 0x55;
}

}  // namespace kanvo::surface::raster
