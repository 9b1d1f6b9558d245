#include "host/surface/objects/object_table.h"

#include <array>
#include <mutex>
#include <type_traits>
#include <utility>
#include <variant>

#include "host/surface/dc/device_context.h"
#include "host/surface/objects/spin_lock.h"

namespace kanvo::surface {
namespace {

// Handle layout: index in bits 0-17, generation in bits 18-27, kind in bits 28-31. The kind is
// never 0, so no live handle is 0.
constexpr std::uint32_t kIndexBits = 18;
constexpr std::uint32_t kGenerationBits = 10;
constexpr std::uint32_t kIndexMask = (1u << kIndexBits) - 1;
constexpr std::uint32_t kGenerationMask = (1u << kGenerationBits) - 1;
constexpr std::uint32_t kKindShift = kIndexBits + kGenerationBits;
static_assert(kKindShift == kHandleKindShift);

constexpr std::uint32_t kChunkSlots = 256;
constexpr std::uint32_t kMaxSlots = 1u << kIndexBits;
constexpr std::uint32_t kMaxChunks = kMaxSlots / kChunkSlots;
constexpr std::uint32_t kNoSlot = 0xFFFFFFFFu;

constexpr std::uint32_t make_handle(std::uint32_t index, std::uint32_t generation, SlotKind kind) {
  return index | (generation << kIndexBits) | (static_cast<std::uint32_t>(kind) << kKindShift);
}
constexpr std::uint32_t index_of(std::uint32_t handle) {
  return handle & kIndexMask;
}

using Payload = std::variant<std::monostate, PenObject, BrushObject, FontObject, BitmapObject,
                             RegionObject, PaletteObject, std::unique_ptr<DeviceContext>>;

struct Slot {
  std::atomic<std::uint32_t> live_handle{0};  // 0 while free
  std::uint32_t generation = 0;
  std::uint32_t pins = 0;
  std::uint32_t next_free = kNoSlot;
  bool delete_pending = false;
  bool stock = false;
  bool held_exclusively = false;
  Payload payload;
};

struct Chunk {
  std::array<Slot, kChunkSlots> slots;
};

class Table {
 public:
  Table() { create_stock_objects(); }
  ~Table() {
    for (auto& chunk : chunks_) delete chunk.load(std::memory_order_relaxed);
  }

  template <class T>
  std::uint32_t add(T&& object, SlotKind kind) {
    std::uint32_t handle = 0;
    {
      std::lock_guard guard(lock_);
      const std::uint32_t index = take_free_slot();
      if (index == kNoSlot) return 0;
      Slot& slot = slot_at(index);
      slot.payload.template emplace<std::decay_t<T>>(std::forward<T>(object));
      slot.pins = 0;
      slot.delete_pending = false;
      slot.stock = false;
      handle = make_handle(index, slot.generation, kind);
      slot.live_handle.store(handle, std::memory_order_release);
    }
    return handle;
  }

  // The live slot of a handle, or null. Lock-free: chunks never move.
  Slot* find(std::uint32_t handle) const {
    if (handle == 0) return nullptr;
    const std::uint32_t index = index_of(handle);
    Chunk* chunk = chunks_[index / kChunkSlots].load(std::memory_order_acquire);
    if (chunk == nullptr) return nullptr;
    Slot& slot = chunk->slots[index % kChunkSlots];
    return slot.live_handle.load(std::memory_order_acquire) == handle ? &slot : nullptr;
  }

  // Pins `handle` and unpins `replaced` (when not 0) under one lock.
  template <class T>
  T* swap_pin(std::uint32_t handle, std::uint32_t replaced, bool exclusive) {
    if (claimed_kind(handle) != kSlotKindOf<T>) return nullptr;
    std::lock_guard guard(lock_);
    Slot* slot = find(handle);
    if (slot == nullptr || slot->delete_pending) return nullptr;
    if (exclusive && !slot->stock) {
      if (slot->held_exclusively) return nullptr;
      slot->held_exclusively = true;
    }
    ++slot->pins;
    if (replaced != 0) unpin_locked(replaced, exclusive);
    return std::get_if<T>(&slot->payload);
  }

  void unpin(std::uint32_t handle, bool exclusive) {
    std::lock_guard guard(lock_);
    unpin_locked(handle, exclusive);
  }

  bool remove(std::uint32_t handle, SlotKind kind) {
    if (claimed_kind(handle) != kind) return false;
    std::lock_guard guard(lock_);
    Slot* slot = find(handle);
    if (slot == nullptr || slot->delete_pending) return false;
    if (slot->stock) return true;
    if (slot->pins > 0) {
      slot->delete_pending = true;
    } else {
      release(*slot, handle);
    }
    return true;
  }

  bool is_stock(std::uint32_t handle) const {
    const Slot* slot = find(handle);
    return slot != nullptr && slot->stock;
  }

  std::uint32_t stock(StockObject which) const { return stock_[static_cast<std::size_t>(which)]; }
  std::uint32_t default_bitmap() const { return default_bitmap_; }

 private:
  Slot& slot_at(std::uint32_t index) {
    return chunks_[index / kChunkSlots].load(std::memory_order_relaxed)->slots[index % kChunkSlots];
  }

  // Oldest freed slot first, so that a stale handle meets its slot's reuse as late as possible.
  std::uint32_t take_free_slot() {
    if (free_head_ == kNoSlot && !grow()) return kNoSlot;
    const std::uint32_t index = free_head_;
    Slot& slot = slot_at(index);
    free_head_ = slot.next_free;
    if (free_head_ == kNoSlot) free_tail_ = kNoSlot;
    slot.next_free = kNoSlot;
    return index;
  }

  void put_free_slot(std::uint32_t index) {
    if (free_tail_ == kNoSlot) {
      free_head_ = index;
    } else {
      slot_at(free_tail_).next_free = index;
    }
    free_tail_ = index;
  }

  bool grow() {
    if (chunk_count_ == kMaxChunks) return false;
    auto* chunk = new Chunk;
    const std::uint32_t first = chunk_count_ * kChunkSlots;
    chunks_[chunk_count_].store(chunk, std::memory_order_release);
    ++chunk_count_;
    for (std::uint32_t i = 0; i < kChunkSlots; ++i) put_free_slot(first + i);
    return true;
  }

  void unpin_locked(std::uint32_t handle, bool exclusive) {
    Slot* slot = find(handle);
    if (slot == nullptr || slot->pins == 0) return;
    if (exclusive) slot->held_exclusively = false;
    if (--slot->pins == 0 && slot->delete_pending) release(*slot, handle);
  }

  // Objects own nothing that reaches back into the table, so they are destroyed in place.
  void release(Slot& slot, std::uint32_t handle) {
    slot.live_handle.store(0, std::memory_order_release);
    slot.generation = (slot.generation + 1) & kGenerationMask;
    slot.delete_pending = false;
    slot.held_exclusively = false;
    slot.payload.emplace<std::monostate>();
    put_free_slot(index_of(handle));
  }

  template <class T>
  std::uint32_t add_stock(T object, SlotKind kind) {
    const std::uint32_t handle = add(std::move(object), kind);
    slot_at(index_of(handle)).stock = true;
    return handle;
  }

  void create_stock_objects() {
    auto pen = [](Color color, std::uint32_t kind) {
      PenObject object;
      object.style = kind;
      object.color = color;
      return object;
    };
    auto brush = [](BrushStyle style, Color color) {
      BrushObject object;
      object.style = style;
      object.color = color;
      return object;
    };
    auto at = [](StockObject which) { return static_cast<std::size_t>(which); };
    stock_[at(StockObject::white_brush)] =
        add_stock(brush(BrushStyle::solid, 0xFFFFFF), SlotKind::brush);
    stock_[at(StockObject::black_brush)] = add_stock(brush(BrushStyle::solid, 0), SlotKind::brush);
    stock_[at(StockObject::null_brush)] = add_stock(brush(BrushStyle::null, 0), SlotKind::brush);
    stock_[at(StockObject::white_pen)] = add_stock(pen(0xFFFFFF, pen_style::kSolid), SlotKind::pen);
    stock_[at(StockObject::black_pen)] = add_stock(pen(0, pen_style::kSolid), SlotKind::pen);
    stock_[at(StockObject::null_pen)] = add_stock(pen(0, pen_style::kNull), SlotKind::pen);
    FontObject system_font;
    system_font.description.height = 16;
    system_font.description.weight = 700;
    system_font.description.char_set = kDefaultCharset;
    // A bitmap-style screen font: drawn without smoothing.
    system_font.description.quality = kNonAntialiasedQuality;
    const char face[] = "System";
    std::copy(std::begin(face), std::end(face), system_font.description.face_name.begin());
    stock_[at(StockObject::system_font)] = add_stock(std::move(system_font), SlotKind::font);
    stock_[at(StockObject::default_palette)] = add_stock(PaletteObject{}, SlotKind::palette);

    BitmapObject mono;
    mono.width = 1;
    mono.height = 1;
    mono.stride_bytes = 2;
    mono.bits_per_pixel = 1;
    mono.storage = std::make_unique<std::uint8_t[]>(2);
    mono.bits = mono.storage.get();
    default_bitmap_ = add_stock(std::move(mono), SlotKind::bitmap);
  }

  SpinLock lock_;
  std::array<std::atomic<Chunk*>, kMaxChunks> chunks_{};
  std::uint32_t chunk_count_ = 0;
  std::uint32_t free_head_ = kNoSlot;
  std::uint32_t free_tail_ = kNoSlot;
  std::array<std::uint32_t, 8> stock_{};
  std::uint32_t default_bitmap_ = 0;
};

Table& table() {
  // Never destroyed: window and display threads may still draw while the process exits.
  static Table& instance = *new Table;
  return instance;
}

std::uint32_t raw(ObjectHandle handle) {
  return static_cast<std::uint32_t>(handle);
}

}  // namespace

SlotKind slot_kind_of_handle(std::uint32_t handle) {
  return table().find(handle) != nullptr ? claimed_kind(handle) : SlotKind::free;
}

ObjectHandle add_object(PenObject object) {
  return ObjectHandle{table().add(std::move(object), SlotKind::pen)};
}
ObjectHandle add_object(BrushObject object) {
  return ObjectHandle{table().add(std::move(object), SlotKind::brush)};
}
ObjectHandle add_object(FontObject object) {
  return ObjectHandle{table().add(std::move(object), SlotKind::font)};
}
ObjectHandle add_object(BitmapObject object) {
  return ObjectHandle{table().add(std::move(object), SlotKind::bitmap)};
}
ObjectHandle add_object(RegionObject object) {
  return ObjectHandle{table().add(std::move(object), SlotKind::region)};
}
DcHandle add_device_context(std::unique_ptr<DeviceContext> context) {
  return DcHandle{table().add(std::move(context), SlotKind::device_context)};
}

template <class T>
T* pin_object(ObjectHandle handle) {
  return table().swap_pin<T>(raw(handle), 0, false);
}
template PenObject* pin_object<PenObject>(ObjectHandle);
template BrushObject* pin_object<BrushObject>(ObjectHandle);
template FontObject* pin_object<FontObject>(ObjectHandle);
template BitmapObject* pin_object<BitmapObject>(ObjectHandle);
template RegionObject* pin_object<RegionObject>(ObjectHandle);

template <class T>
T* swap_pin(ObjectHandle handle, ObjectHandle replaced) {
  return table().swap_pin<T>(raw(handle), raw(replaced), false);
}
template PenObject* swap_pin<PenObject>(ObjectHandle, ObjectHandle);
template BrushObject* swap_pin<BrushObject>(ObjectHandle, ObjectHandle);
template FontObject* swap_pin<FontObject>(ObjectHandle, ObjectHandle);

BitmapObject* swap_exclusive_pin(ObjectHandle handle, ObjectHandle replaced) {
  return table().swap_pin<BitmapObject>(raw(handle), raw(replaced), true);
}

void unpin_object(ObjectHandle handle) {
  table().unpin(raw(handle), false);
}
void unpin_exclusive(ObjectHandle handle) {
  table().unpin(raw(handle), true);
}

bool delete_object_slot(ObjectHandle handle) {
  const SlotKind kind = claimed_kind(raw(handle));
  if (kind == SlotKind::free || kind == SlotKind::device_context) return false;
  return table().remove(raw(handle), kind);
}

bool delete_device_context_slot(DcHandle handle) {
  return table().remove(static_cast<std::uint32_t>(handle), SlotKind::device_context);
}

DeviceContext* find_device_context(DcHandle handle) {
  const std::uint32_t value = static_cast<std::uint32_t>(handle);
  if (claimed_kind(value) != SlotKind::device_context) return nullptr;
  Slot* slot = table().find(value);
  if (slot == nullptr) return nullptr;
  auto* owner = std::get_if<std::unique_ptr<DeviceContext>>(&slot->payload);
  return owner != nullptr ? owner->get() : nullptr;
}

template <class T>
T* find_object(ObjectHandle handle) {
  if (claimed_kind(raw(handle)) != kSlotKindOf<T>) return nullptr;
  Slot* slot = table().find(raw(handle));
  return slot != nullptr ? std::get_if<T>(&slot->payload) : nullptr;
}
template PenObject* find_object<PenObject>(ObjectHandle);
template BrushObject* find_object<BrushObject>(ObjectHandle);
template FontObject* find_object<FontObject>(ObjectHandle);
template BitmapObject* find_object<BitmapObject>(ObjectHandle);
template RegionObject* find_object<RegionObject>(ObjectHandle);

bool is_stock_object(ObjectHandle handle) {
  return table().is_stock(raw(handle));
}

ObjectHandle default_bitmap() {
  return ObjectHandle{table().default_bitmap()};
}

ObjectHandle get_stock_object(StockObject which) {
  if (static_cast<std::size_t>(which) >= 8) return kNoObject;
  return ObjectHandle{table().stock(which)};
}

DeviceContext* context_of(DcHandle handle) {
  return find_device_context(handle);
}

}  // namespace kanvo::surface
