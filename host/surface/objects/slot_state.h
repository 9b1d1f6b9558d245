// The state of an object slot in one atomic word: the handle it holds (0 while free), its flags
// and the pins that are counted in the word. Every change is one compare-and-swap of the whole
// word, so a pin can never land on a slot that was freed or reused meanwhile.
//
// Pins taken by the thread that created the object (its owner) are not counted here but in the
// slot's own owner count, which only that thread touches: the common case of one thread creating,
// selecting and deleting an object needs no atomic read-modify-write for its pins. The pins of
// the word may go below zero when another thread releases a pin the owner took; what counts is
// the sum of both.
#pragma once

#include <cstdint>

namespace kanvo::surface::slot_state {

// The pins are the word's low 27 bits (two's complement), then the flags, then the handle.
inline constexpr std::uint32_t kPinBits = 27;
inline constexpr std::uint32_t kPinMask = (1u << kPinBits) - 1;

inline constexpr std::uint32_t kOrphan = 1u << 27;     // queued for its owner to take over
inline constexpr std::uint32_t kStock = 1u << 28;      // never freed, pins not counted
inline constexpr std::uint32_t kExclusive = 1u << 29;  // held by one context (bitmaps)
inline constexpr std::uint32_t kOwned = 1u << 30;      // the owner's pins count too
inline constexpr std::uint32_t kDeleted = 1u << 31;    // freed when the last pin goes

struct SlotState {
  std::uint32_t handle = 0;
  std::uint32_t flags = 0;
  std::int32_t pins = 0;

  bool has(std::uint32_t flag) const { return (flags & flag) != 0; }
};

constexpr SlotState decode(std::uint64_t word) {
  const auto low = static_cast<std::uint32_t>(word);
  // Sign-extends the pin field.
  const std::int32_t pins = static_cast<std::int32_t>(low << (32 - kPinBits)) >> (32 - kPinBits);
  return {static_cast<std::uint32_t>(word >> 32), low & ~kPinMask, pins};
}

constexpr std::uint64_t encode(const SlotState& state) {
  const std::uint32_t low =
      (state.flags & ~kPinMask) | (static_cast<std::uint32_t>(state.pins) & kPinMask);
  return (std::uint64_t{state.handle} << 32) | low;
}

// Whether `word` holds `handle` with, of the flags in `mask`, exactly `flags`: the usual checks of
// a slot's state in one comparison.
constexpr bool holds(std::uint64_t word, std::uint32_t handle, std::uint32_t mask,
                     std::uint32_t flags) {
  constexpr std::uint64_t kHandleField = ~std::uint64_t{0} << 32;
  return (word & (kHandleField | mask)) == ((std::uint64_t{handle} << 32) | flags);
}

// The word of a free slot.
inline constexpr std::uint64_t kFree = 0;

}  // namespace kanvo::surface::slot_state
