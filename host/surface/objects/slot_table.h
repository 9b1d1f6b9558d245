// The slots behind the handles, their pins and their reuse.
//
// Slots live in chunks that are allocated once and never move or shrink. Each slot's state is one
// atomic word (slot_state.h); a thread creates objects from its own ring of free slots and counts
// its pins on the objects it created without atomic read-modify-writes, so the usual life of an
// object (created, selected, replaced and deleted on one thread) costs one compare-and-swap, at
// its deletion. A thread that changes an object another thread owns in a way the owner must
// settle (deleting it, or releasing a pin of a deleted one) queues the slot for the owner, who
// takes it over the next time it creates or deletes an object, or when it ends.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <variant>

#include "host/surface/objects/free_ring.h"
#include "host/surface/objects/objects.h"
#include "host/surface/objects/slot_state.h"
#include "host/surface/objects/spin_lock.h"

namespace kanvo::surface {

class DeviceContext;

using Payload = std::variant<std::monostate, PenObject, BrushObject, FontObject, BitmapObject,
                             RegionObject, PaletteObject, std::unique_ptr<DeviceContext>>;

inline constexpr std::uint32_t kNoSlot = 0xFFFFFFFFu;

// What a thread that creates objects is known by in the slots it owns. Records of ended threads
// are kept for new threads: no slot is owned through them any more.
struct ThreadRecord {
  std::atomic<bool> has_queued{false};
  std::uint32_t queued = kNoSlot;  // slots queued for this owner (under the table's lock)
  ThreadRecord* next_spare = nullptr;
};

// A thread's part of the table. Trivially destructible, so that it stays usable after the
// thread's end has handed its objects over (later exit work goes through the shared list).
struct ThreadSlots {
  ThreadRecord* record = nullptr;  // null until the thread creates an object, and after its end
  bool ended = false;
  FreeRing ring;
};
// The library is linked into programs, never loaded at run time, so its thread-local data sits at
// a fixed offset and is reached without a call. Defined once, in slot_table.cpp: as an inline
// variable (vague linkage, offset 0 in the thread's block) optimised builds with the
// undefined-behaviour checks reported every access to it as one through a null pointer.
[[gnu::tls_model("initial-exec")]] extern constinit thread_local ThreadSlots t_thread_slots;

struct Slot {
  std::atomic<std::uint64_t> state{slot_state::kFree};
  std::atomic<ThreadRecord*> owner{nullptr};  // meaningful while kOwned is set
  std::uint32_t owner_pins = 0;               // touched only by the owner while owned
  std::uint32_t generation = 0;               // touched only by the one thread holding it free
  std::uint32_t next = kNoSlot;               // link in the free list or an owner's queue
  Payload payload;
};

class SlotTable {
 public:
  // Handle layout: index in bits 0-17, generation in bits 18-27, kind in bits 28-31.
  static constexpr std::uint32_t kIndexBits = 18;
  static constexpr std::uint32_t kGenerationBits = 10;
  static constexpr std::uint32_t kIndexMask = (1u << kIndexBits) - 1;

  // Constant-initialised and never destroyed: threads may still draw while the process exits.
  constexpr SlotTable() = default;
  SlotTable(const SlotTable&) = delete;
  SlotTable& operator=(const SlotTable&) = delete;

  // A free slot for a new object (kNoSlot when the table is full), filled by the caller and then
  // published, which gives its handle. Stock objects are shared by all and never freed.
  std::uint32_t take_free_slot() {
    ThreadSlots& local = t_thread_slots;
    if (local.record != nullptr && local.ring.size() > FreeRing::kLowWater &&
        !local.record->has_queued.load(std::memory_order_acquire)) {
      return local.ring.pop();
    }
    return take_free_slot_slowly();
  }
  Slot& slot_at(std::uint32_t index) {
    return chunks_[index / kChunkSlots].load(std::memory_order_relaxed)->slots[index % kChunkSlots];
  }
  std::uint32_t publish(std::uint32_t index, std::uint8_t kind, bool stock) {
    Slot& slot = slot_at(index);
    ThreadRecord* owner = stock ? nullptr : t_thread_slots.record;
    slot.owner.store(owner, std::memory_order_relaxed);
    slot.owner_pins = 0;
    const std::uint32_t handle = index | (slot.generation << kIndexBits) |
                                 (std::uint32_t{kind} << (kIndexBits + kGenerationBits));
    const std::uint32_t flags = stock              ? slot_state::kStock
                                : owner != nullptr ? slot_state::kOwned
                                                   : 0;
    slot.state.store(slot_state::encode({handle, flags, 0}), std::memory_order_release);
    return handle;
  }

  // The slot of a live handle (deleted but still pinned included), or null. Lock-free.
  Slot* find(std::uint32_t handle) const {
    Slot* slot = slot_if_allocated(handle & kIndexMask);
    if (slot == nullptr || handle == 0) return nullptr;
    return slot_state::holds(load_state(*slot), handle, 0, 0) ? slot : nullptr;
  }
  // The same, refusing an object that was deleted.
  Slot* find_undeleted(std::uint32_t handle) const {
    Slot* slot = slot_if_allocated(handle & kIndexMask);
    if (slot == nullptr || handle == 0) return nullptr;
    return slot_state::holds(load_state(*slot), handle, slot_state::kDeleted, 0) ? slot : nullptr;
  }
  bool is_stock(std::uint32_t handle) const {
    const Slot* slot = find(handle);
    return slot != nullptr && state_of(*slot).has(slot_state::kStock);
  }

  // Pins the live, not deleted object of `handle`; null when it cannot be pinned. An exclusive
  // pin is refused while another exclusive pin holds the object (stock objects excepted).
  Slot* pin(std::uint32_t handle, bool exclusive) {
    Slot* slot = slot_if_allocated(handle & kIndexMask);
    if (slot == nullptr || handle == 0) return nullptr;
    const std::uint64_t word = load_state(*slot);
    if (!exclusive && owned_by_caller(*slot, word, handle)) {
      ++slot->owner_pins;
      return slot;
    }
    if (slot_state::holds(word, handle, slot_state::kStock, slot_state::kStock)) return slot;
    if (!slot_state::holds(word, handle, slot_state::kDeleted, 0)) return nullptr;
    return pin_shared(*slot, handle, exclusive) ? slot : nullptr;
  }
  // Releases a pin; frees the object when it was deleted and this was its last pin.
  void unpin(std::uint32_t handle, bool exclusive) {
    Slot* slot = slot_if_allocated(handle & kIndexMask);
    if (slot != nullptr) unpin_slot(*slot, handle, exclusive);
  }
  // The same for the slot of `handle`, known to the caller (a pin keeps an object in its slot).
  void unpin_slot(Slot& slot, std::uint32_t handle, bool exclusive) {
    const std::uint64_t word = load_state(slot);
    // Any pin may be released against the owner's count: what counts is the sum of both.
    if (!exclusive && owned_by_caller(slot, word, handle, true) && slot.owner_pins > 0) {
      --slot.owner_pins;
      if ((word & slot_state::kDeleted) != 0) settle_owned(slot, handle);
      return;
    }
    if (!slot_state::holds(word, handle, slot_state::kStock, 0)) return;
    unpin_shared(slot, handle, exclusive);
  }
  // Deletes the object, or marks it to be freed by its last unpin. False for a handle that is not
  // live or already deleted; stock objects stay (true).
  bool remove(std::uint32_t handle) {
    Slot* slot = slot_if_allocated(handle & kIndexMask);
    if (slot == nullptr || handle == 0) return false;
    std::uint64_t word = load_state(*slot);
    // The usual case: the creator deletes an object that nothing holds.
    if (owned_by_caller(*slot, word, handle) &&
        static_cast<std::int64_t>(slot->owner_pins) + slot_state::decode(word).pins == 0 &&
        slot->state.compare_exchange_strong(word, slot_state::kFree, std::memory_order_acq_rel,
                                            std::memory_order_acquire)) {
      release(*slot, handle);
      return true;
    }
    if (slot_state::holds(word, handle, slot_state::kStock, slot_state::kStock)) return true;
    if (!slot_state::holds(word, handle, 0, 0)) return false;
    return remove_shared(*slot, handle);
  }

  // Called when a thread ends: the objects it created are handed to all, its free slots too.
  void release_thread();

  // Objects not yet freed, stock objects not counted: a snapshot for finding leaks.
  std::size_t live_count() const;

 private:
  static constexpr std::uint32_t kChunkSlots = 256;
  static constexpr std::uint32_t kMaxChunks = (1u << kIndexBits) / kChunkSlots;

  struct Chunk {
    std::array<Slot, kChunkSlots> slots;
  };

  Slot* slot_if_allocated(std::uint32_t index) const {
    Chunk* chunk = chunks_[index / kChunkSlots].load(std::memory_order_acquire);
    return chunk != nullptr ? &chunk->slots[index % kChunkSlots] : nullptr;
  }
  static std::uint64_t load_state(const Slot& slot) {
    return slot.state.load(std::memory_order_acquire);
  }
  static slot_state::SlotState state_of(const Slot& slot) {
    return slot_state::decode(load_state(slot));
  }
  // Whether the slot holds `handle`, created by the calling thread and still its own (deleted
  // only when `deleted_too`). Owned slots always name their owner, so a thread without a record
  // owns none.
  static bool owned_by_caller(const Slot& slot, std::uint64_t word, std::uint32_t handle,
                              bool deleted_too = false) {
    const std::uint32_t mask = slot_state::kOwned | (deleted_too ? 0 : slot_state::kDeleted);
    return slot_state::holds(word, handle, mask, slot_state::kOwned) &&
           slot.owner.load(std::memory_order_relaxed) == t_thread_slots.record;
  }

  std::uint32_t take_free_slot_slowly();
  bool pin_shared(Slot& slot, std::uint32_t handle, bool exclusive);
  bool remove_shared(Slot& slot, std::uint32_t handle);
  void unpin_shared(Slot& slot, std::uint32_t handle, bool exclusive);

  template <class Change>
  bool change_state(Slot& slot, std::uint32_t handle, Change&& change);
  template <class Change>
  bool change_and_tell_owner(Slot& slot, std::uint32_t handle, Change&& change);
  void settle_owned(Slot& slot, std::uint32_t handle);
  void adopt_queued(ThreadRecord* record);
  void give_up_ownership(Slot& slot, ThreadRecord* record, bool queued);
  void release(Slot& slot, std::uint32_t handle);

  // The shared free list, oldest first (under lock_).
  std::uint32_t pop_shared_free();
  void push_shared_free(std::uint32_t index);
  bool grow();
  void refill(FreeRing& ring);
  // A freed slot the ring cannot take: the ring hands its oldest batch to the shared list first.
  void put_free_slot_slowly(std::uint32_t index);

  ThreadRecord* new_record();

  SpinLock lock_;
  std::array<std::atomic<Chunk*>, kMaxChunks> chunks_{};
  std::atomic<std::uint32_t> chunk_count_{0};
  std::uint32_t free_head_ = kNoSlot;
  std::uint32_t free_tail_ = kNoSlot;
  ThreadRecord* spare_records_ = nullptr;
};

// The process's one table of slots.
extern constinit SlotTable object_slots;

}  // namespace kanvo::surface
