// The table behind every object and device-context handle.
//
// A handle packs the slot index, the slot's generation and the object's kind, so a stale handle
// (its slot freed and reused), a null handle and a handle of the wrong kind are all refused by one
// comparison. Slots never move (slot_table.h): creating and deleting objects reuses slots without
// touching the heap, and a pointer to an object stays valid while the object is pinned.
//
// Pins are how selection works: a context that has an object selected holds a pin on it.
// Deleting a pinned object only marks it; the last unpin frees it. Stock objects are never freed.
#pragma once

#include <cstdint>
#include <memory>
#include <variant>

#include "host/surface/objects/objects.h"
#include "host/surface/objects/slot_table.h"
#include "host/surface/surface.h"

namespace kanvo::surface {

class DeviceContext;

// Kind tags inside handles; pen to palette keep the values of ObjectKind.
enum class SlotKind : std::uint8_t {
  free = 0,
  pen = 1,
  brush = 2,
  font = 3,
  bitmap = 4,
  region = 5,
  palette = 6,
  device_context = 7,
};

template <class T>
inline constexpr SlotKind kSlotKindOf = SlotKind::free;
template <>
inline constexpr SlotKind kSlotKindOf<PenObject> = SlotKind::pen;
template <>
inline constexpr SlotKind kSlotKindOf<BrushObject> = SlotKind::brush;
template <>
inline constexpr SlotKind kSlotKindOf<FontObject> = SlotKind::font;
template <>
inline constexpr SlotKind kSlotKindOf<BitmapObject> = SlotKind::bitmap;
template <>
inline constexpr SlotKind kSlotKindOf<RegionObject> = SlotKind::region;
template <>
inline constexpr SlotKind kSlotKindOf<PaletteObject> = SlotKind::palette;
template <>
inline constexpr SlotKind kSlotKindOf<DeviceContext> = SlotKind::device_context;

// The kind a handle claims (its top four bits), whether or not it is live.
inline constexpr std::uint32_t kHandleKindShift = 28;
constexpr SlotKind claimed_kind(std::uint32_t handle) {
  return static_cast<SlotKind>(handle >> kHandleKindShift);
}
// The kind of a live handle; SlotKind::free for anything else.
inline SlotKind slot_kind_of_handle(std::uint32_t handle) {
  return object_slots.find(handle) != nullptr ? claimed_kind(handle) : SlotKind::free;
}

// Creation: kNoObject (or kNoDc) when the table is full.
ObjectHandle add_object(PenObject&& object);
ObjectHandle add_object(BrushObject&& object);
ObjectHandle add_object(FontObject&& object);
ObjectHandle add_object(BitmapObject&& object);
ObjectHandle add_object(RegionObject&& object);
DcHandle add_device_context(std::unique_ptr<DeviceContext> context);

namespace detail {
inline std::uint32_t raw(ObjectHandle handle) {
  return static_cast<std::uint32_t>(handle);
}
}  // namespace detail

// An object a context holds pinned: its handle and its slot, which stays the object's while the
// pin is held, so that releasing the pin needs no look-up.
struct HeldObject {
  ObjectHandle handle = kNoObject;
  Slot* slot = nullptr;

  // Releases the pin (exclusive: the one of a bitmap drawn into by one context at a time).
  void release(bool exclusive = false) {
    if (slot != nullptr) object_slots.unpin_slot(*slot, detail::raw(handle), exclusive);
    *this = {};
  }
};

// Pins `handle` when it is of kind T and releases the pin `held` had; `held` then holds the new
// object, and the replaced handle is stored in `replaced`. When `handle` cannot be pinned nothing
// changes and null comes back. An exclusive pin is refused while another holds the object
// (stock objects are shared all the same).
template <class T>
T* swap_held(HeldObject& held, ObjectHandle handle, ObjectHandle& replaced,
             bool exclusive = false) {
  if (claimed_kind(detail::raw(handle)) != kSlotKindOf<T>) return nullptr;
  Slot* slot = object_slots.pin(detail::raw(handle), exclusive);
  if (slot == nullptr) return nullptr;
  replaced = held.handle;
  held.release(exclusive);
  held = {handle, slot};
  return std::get_if<T>(&slot->payload);
}

// Pins the object when the handle is live and of kind T; null otherwise.
template <class T>
T* pin_object(ObjectHandle handle) {
  if (claimed_kind(detail::raw(handle)) != kSlotKindOf<T>) return nullptr;
  Slot* slot = object_slots.pin(detail::raw(handle), false);
  return slot != nullptr ? std::get_if<T>(&slot->payload) : nullptr;
}
// Releases a pin taken by pin_object; frees the object when it was deleted meanwhile.
inline void unpin_object(ObjectHandle handle) {
  object_slots.unpin(detail::raw(handle), false);
}

// Deletes the object, or defers that while it is pinned. Stock objects stay (true).
inline bool delete_object_slot(ObjectHandle handle) {
  const SlotKind kind = claimed_kind(detail::raw(handle));
  if (kind == SlotKind::free || kind == SlotKind::device_context) return false;
  return object_slots.remove(detail::raw(handle));
}
// Frees the context's slot; the caller has released everything the context selected.
inline bool delete_device_context_slot(DcHandle handle) {
  const auto value = static_cast<std::uint32_t>(handle);
  if (claimed_kind(value) != SlotKind::device_context) return false;
  return object_slots.remove(value);
}

// Unpinned look-ups, for objects the caller knows to be alive: the context of a drawing call
// (used by one thread at a time) and objects the table itself keeps (regions handed in by the
// caller for the duration of a call). A deleted context is gone for its callers even while its
// slot waits to be freed.
inline DeviceContext* find_device_context(DcHandle handle) {
  const auto value = static_cast<std::uint32_t>(handle);
  if (claimed_kind(value) != SlotKind::device_context) return nullptr;
  Slot* slot = object_slots.find_undeleted(value);
  if (slot == nullptr) return nullptr;
  auto* owner = std::get_if<std::unique_ptr<DeviceContext>>(&slot->payload);
  return owner != nullptr ? owner->get() : nullptr;
}
template <class T>
T* find_object(ObjectHandle handle) {
  if (claimed_kind(detail::raw(handle)) != kSlotKindOf<T>) return nullptr;
  Slot* slot = object_slots.find(detail::raw(handle));
  return slot != nullptr ? std::get_if<T>(&slot->payload) : nullptr;
}

inline bool is_stock_object(ObjectHandle handle) {
  return object_slots.is_stock(detail::raw(handle));
}

// A 1 by 1 monochrome bitmap that every new context starts with.
ObjectHandle default_bitmap();

// A pin held for the duration of a call.
template <class T>
class PinnedObject {
 public:
  explicit PinnedObject(ObjectHandle handle) : handle_(handle), object_(pin_object<T>(handle)) {}
  ~PinnedObject() {
    if (object_ != nullptr) unpin_object(handle_);
  }
  PinnedObject(const PinnedObject&) = delete;
  PinnedObject& operator=(const PinnedObject&) = delete;

  T* get() const { return object_; }
  T* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

 private:
  ObjectHandle handle_;
  T* object_;
};

}  // namespace kanvo::surface
