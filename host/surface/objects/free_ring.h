// A thread's own stock of free slot indices, oldest first, so that creating and deleting objects
// on one thread takes no lock. It trades with the table's shared free list in batches, and keeps
// a few slots in hand so that a freed slot comes back only after several others (a stale handle
// meets its slot's reuse late: with the generation in the handle, after thousands of objects).
// Few enough that the slots in use stay in the nearest cache: objects made and deleted at a
// high rate (a brush per drawn mark) then cost no cache misses.
#pragma once

#include <array>
#include <cstdint>

namespace kanvo::surface {

class FreeRing {
 public:
  static constexpr std::uint32_t kCapacity = 256;
  // Below this the ring is refilled before a slot is taken; a full ring hands back a batch.
  static constexpr std::uint32_t kLowWater = 8;
  static constexpr std::uint32_t kBatch = 16;

  std::uint32_t size() const { return size_; }
  bool full() const { return size_ == kCapacity; }
  bool empty() const { return size_ == 0; }

  void push(std::uint32_t index) {
    indices_[(head_ + size_) % kCapacity] = index;
    ++size_;
  }
  std::uint32_t pop() {
    const std::uint32_t index = indices_[head_];
    head_ = (head_ + 1) % kCapacity;
    --size_;
    return index;
  }

 private:
  std::array<std::uint32_t, kCapacity> indices_{};
  std::uint32_t head_ = 0;
  std::uint32_t size_ = 0;
};

}  // namespace kanvo::surface
