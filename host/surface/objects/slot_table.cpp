#include "host/surface/objects/slot_table.h"

#include <mutex>
#include <utility>

#include "host/surface/dc/device_context.h"

namespace kanvo::surface {

constinit thread_local ThreadSlots t_thread_slots;

constinit SlotTable object_slots;

namespace {

using slot_state::decode;
using slot_state::encode;
using slot_state::kDeleted;
using slot_state::kExclusive;
using slot_state::kFree;
using slot_state::kOrphan;
using slot_state::kOwned;
using slot_state::kStock;
using slot_state::SlotState;

constexpr std::uint32_t kGenerationMask = (1u << SlotTable::kGenerationBits) - 1;

constexpr std::uint32_t index_of(std::uint32_t handle) {
  return handle & SlotTable::kIndexMask;
}

struct ThreadExitHook {
  bool armed = false;
  ~ThreadExitHook() {
    if (armed) object_slots.release_thread();
  }
};
thread_local ThreadExitHook t_exit_hook;

bool owned_by(const Slot& slot, const SlotState& state, const ThreadRecord* record) {
  return state.has(kOwned) && record != nullptr &&
         slot.owner.load(std::memory_order_relaxed) == record;
}

// What a change of a deleted object's state leaves to do.
enum class After : std::uint8_t {
  keep,        // pins remain (or it is not deleted)
  free,        // nothing holds it any more
  adopt,       // its owner (this thread) has queued slots to take over, this one among them
  tell_owner,  // another thread owns it and must settle it
};

After after_change(const Slot& slot, const SlotState& next, const ThreadRecord* me) {
  if (!next.has(kDeleted)) return After::keep;
  if (!next.has(kOwned)) return next.pins == 0 ? After::free : After::keep;
  if (owned_by(slot, next, me)) {
    if (next.has(kOrphan)) return After::adopt;
    return static_cast<std::int64_t>(slot.owner_pins) + next.pins == 0 ? After::free : After::keep;
  }
  return next.has(kOrphan) ? After::keep : After::tell_owner;
}

}  // namespace

// ---- Creation ----

std::uint32_t SlotTable::take_free_slot_slowly() {
  ThreadSlots& local = t_thread_slots;
  if (local.record == nullptr && !local.ended) {
    local.record = new_record();
    t_exit_hook.armed = true;
  }
  if (local.record == nullptr) {
    std::lock_guard guard(lock_);
    return pop_shared_free();
  }
  if (local.record->has_queued.load(std::memory_order_acquire)) adopt_queued(local.record);
  if (local.ring.size() <= FreeRing::kLowWater) refill(local.ring);
  return local.ring.empty() ? kNoSlot : local.ring.pop();
}

// ---- Pins and deletion ----

// Applies `change` (which may refuse by returning false) to the state word with one
// compare-and-swap, then frees the slot or hands it to its owner as the new state requires.
template <class Change>
bool SlotTable::change_state(Slot& slot, std::uint32_t handle, Change&& change) {
  ThreadRecord* me = t_thread_slots.record;
  std::uint64_t word = slot.state.load(std::memory_order_acquire);
  for (;;) {
    SlotState next = decode(word);
    if (next.handle != handle || !change(next)) return false;
    const After after = after_change(slot, next, me);
    if (after == After::tell_owner) return change_and_tell_owner(slot, handle, change);
    if (slot.state.compare_exchange_weak(word, after == After::free ? kFree : encode(next),
                                         std::memory_order_acq_rel, std::memory_order_acquire)) {
      if (after == After::free) release(slot, handle);
      if (after == After::adopt) adopt_queued(me);
      return true;
    }
  }
}

// The same for a change the owner must settle: under the lock, so that the slot joins the
// owner's queue exactly when its state says so.
template <class Change>
bool SlotTable::change_and_tell_owner(Slot& slot, std::uint32_t handle, Change&& change) {
  bool freed = false;
  {
    std::lock_guard guard(lock_);
    std::uint64_t word = slot.state.load(std::memory_order_acquire);
    for (;;) {
      SlotState next = decode(word);
      if (next.handle != handle || !change(next)) return false;
      // Only the owner takes an owned slot over, and its records outlive that.
      const After after = after_change(slot, next, nullptr);
      if (after == After::tell_owner) next.flags |= kOrphan;
      if (!slot.state.compare_exchange_weak(word, after == After::free ? kFree : encode(next),
                                            std::memory_order_acq_rel, std::memory_order_acquire)) {
        continue;
      }
      if (after == After::tell_owner) {
        ThreadRecord* owner = slot.owner.load(std::memory_order_relaxed);
        slot.next = owner->queued;
        owner->queued = index_of(handle);
        owner->has_queued.store(true, std::memory_order_release);
      }
      freed = after == After::free;
      break;
    }
  }
  if (freed) release(slot, handle);
  return true;
}

bool SlotTable::pin_shared(Slot& slot, std::uint32_t handle, bool exclusive) {
  return change_state(slot, handle, [exclusive](SlotState& next) {
    if (next.has(kDeleted)) return false;
    if (exclusive) {
      if (next.has(kExclusive)) return false;
      next.flags |= kExclusive;
    }
    ++next.pins;
    return true;
  });
}

void SlotTable::unpin_shared(Slot& slot, std::uint32_t handle, bool exclusive) {
  change_state(slot, handle, [exclusive](SlotState& next) {
    --next.pins;
    if (exclusive) next.flags &= ~kExclusive;
    return true;
  });
}

bool SlotTable::remove_shared(Slot& slot, std::uint32_t handle) {
  ThreadRecord* me = t_thread_slots.record;
  if (me != nullptr && me->has_queued.load(std::memory_order_acquire)) adopt_queued(me);
  return change_state(slot, handle, [](SlotState& next) {
    if (next.has(kDeleted)) return false;
    next.flags |= kDeleted;
    return true;
  });
}

// The owner released its last pin of a deleted object: free it unless others still hold it.
// When no pin is left anywhere nobody else may change the word (a deleted object takes no new
// pins, and only a holder of a pin releases one), so a plain store frees it.
void SlotTable::settle_owned(Slot& slot, std::uint32_t handle) {
  ThreadRecord* me = t_thread_slots.record;
  const SlotState state = decode(slot.state.load(std::memory_order_acquire));
  const After after = after_change(slot, state, me);
  if (after == After::adopt) {
    adopt_queued(me);
  } else if (after == After::free) {
    slot.state.store(kFree, std::memory_order_release);
    release(slot, handle);
  }
}

// ---- Ownership handed over ----

void SlotTable::adopt_queued(ThreadRecord* record) {
  std::uint32_t index = kNoSlot;
  {
    std::lock_guard guard(lock_);
    index = std::exchange(record->queued, kNoSlot);
    record->has_queued.store(false, std::memory_order_relaxed);
  }
  while (index != kNoSlot) {
    Slot& slot = slot_at(index);
    index = slot.next;  // read first: giving the slot up may free it
    give_up_ownership(slot, record, true);
  }
}

// Folds the owner's pins into the state word; from then on the slot is everyone's, and its last
// unpin frees it. A queued slot is taken only from the owner's queue, never twice.
void SlotTable::give_up_ownership(Slot& slot, ThreadRecord* record, bool queued) {
  std::uint64_t word = slot.state.load(std::memory_order_acquire);
  for (;;) {
    const SlotState state = decode(word);
    if (!owned_by(slot, state, record) || state.has(kOrphan) != queued) return;
    SlotState next = state;
    next.flags &= ~(kOwned | kOrphan);
    next.pins += static_cast<std::int32_t>(slot.owner_pins);
    const bool frees = next.has(kDeleted) && next.pins == 0;
    if (slot.state.compare_exchange_weak(word, frees ? kFree : encode(next),
                                         std::memory_order_acq_rel, std::memory_order_acquire)) {
      slot.owner_pins = 0;
      if (frees) release(slot, state.handle);
      return;
    }
  }
}

void SlotTable::release_thread() {
  ThreadSlots& local = t_thread_slots;
  ThreadRecord* record = t_thread_slots.record;
  if (record == nullptr) return;
  t_thread_slots.record = nullptr;
  local.ended = true;
  adopt_queued(record);
  const std::uint32_t chunks = chunk_count_.load(std::memory_order_acquire);
  for (std::uint32_t c = 0; c < chunks; ++c) {
    Chunk* chunk = chunks_[c].load(std::memory_order_acquire);
    for (Slot& slot : chunk->slots) give_up_ownership(slot, record, false);
  }
  // Slots queued while the others were given up.
  adopt_queued(record);
  std::lock_guard guard(lock_);
  while (!local.ring.empty()) push_shared_free(local.ring.pop());
  record->next_spare = spare_records_;
  spare_records_ = record;
}

std::size_t SlotTable::live_count() const {
  std::size_t live = 0;
  const std::uint32_t chunks = chunk_count_.load(std::memory_order_acquire);
  for (std::uint32_t c = 0; c < chunks; ++c) {
    const Chunk* chunk = chunks_[c].load(std::memory_order_acquire);
    for (const Slot& slot : chunk->slots) {
      const std::uint64_t word = slot.state.load(std::memory_order_acquire);
      live += word != slot_state::kFree && !slot_state::decode(word).has(slot_state::kStock);
    }
  }
  return live;
}

ThreadRecord* SlotTable::new_record() {
  std::lock_guard guard(lock_);
  if (spare_records_ == nullptr) return new ThreadRecord;
  ThreadRecord* record = std::exchange(spare_records_, spare_records_->next_spare);
  record->next_spare = nullptr;
  return record;
}

// ---- Free slots ----

void SlotTable::release(Slot& slot, std::uint32_t handle) {
  slot.payload.emplace<std::monostate>();
  slot.generation = (slot.generation + 1) & kGenerationMask;
  ThreadSlots& local = t_thread_slots;
  if (local.record != nullptr && !local.ring.full()) {
    local.ring.push(index_of(handle));
  } else {
    put_free_slot_slowly(index_of(handle));
  }
}

void SlotTable::put_free_slot_slowly(std::uint32_t index) {
  ThreadSlots& local = t_thread_slots;
  std::lock_guard guard(lock_);
  if (local.record == nullptr) {
    push_shared_free(index);
    return;
  }
  for (std::uint32_t i = 0; i < FreeRing::kBatch; ++i) push_shared_free(local.ring.pop());
  local.ring.push(index);
}

void SlotTable::refill(FreeRing& ring) {
  std::lock_guard guard(lock_);
  for (std::uint32_t i = 0; i < FreeRing::kBatch; ++i) {
    const std::uint32_t index = pop_shared_free();
    if (index == kNoSlot) return;
    ring.push(index);
  }
}

std::uint32_t SlotTable::pop_shared_free() {
  if (free_head_ == kNoSlot && !grow()) return kNoSlot;
  const std::uint32_t index = free_head_;
  free_head_ = slot_at(index).next;
  if (free_head_ == kNoSlot) free_tail_ = kNoSlot;
  return index;
}

void SlotTable::push_shared_free(std::uint32_t index) {
  slot_at(index).next = kNoSlot;
  if (free_tail_ == kNoSlot) {
    free_head_ = index;
  } else {
    slot_at(free_tail_).next = index;
  }
  free_tail_ = index;
}

bool SlotTable::grow() {
  const std::uint32_t count = chunk_count_.load(std::memory_order_relaxed);
  if (count == kMaxChunks) return false;
  chunks_[count].store(new Chunk, std::memory_order_release);
  chunk_count_.store(count + 1, std::memory_order_release);
  for (std::uint32_t i = 0; i < kChunkSlots; ++i) push_shared_free(count * kChunkSlots + i);
  return true;
}

}  // namespace kanvo::surface
