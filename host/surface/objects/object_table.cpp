#include "host/surface/objects/object_table.h"

#include <array>
#include <type_traits>
#include <utility>
#include <variant>

#include "host/surface/dc/device_context.h"
#include "host/surface/objects/slot_table.h"

namespace kanvo::surface {
namespace {

static_assert(SlotTable::kIndexBits + SlotTable::kGenerationBits == kHandleKindShift);

constinit SlotTable object_slots;

// The stock objects every context starts with.
class Table {
 public:
  Table() { create_stock_objects(); }

  template <class T>
  std::uint32_t add(T&& object, SlotKind kind, bool stock = false) {
    const std::uint32_t index = object_slots.take_free_slot();
    if (index == kNoSlot) return 0;
    object_slots.slot_at(index).payload.template emplace<std::decay_t<T>>(std::forward<T>(object));
    return object_slots.publish(index, static_cast<std::uint8_t>(kind), stock);
  }

  std::uint32_t stock(StockObject which) const { return stock_[static_cast<std::size_t>(which)]; }
  std::uint32_t default_bitmap() const { return default_bitmap_; }

 private:
  template <class T>
  std::uint32_t add_stock(T object, SlotKind kind) {
    return add(std::move(object), kind, true);
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

  std::array<std::uint32_t, 8> stock_{};
  std::uint32_t default_bitmap_ = 0;
};

Table& table() {
  // Never destroyed: window and display threads may still draw while the process exits.
  static Table& instance = *new Table;
  return instance;
}

SlotTable& slots() {
  return object_slots;
}

std::uint32_t raw(ObjectHandle handle) {
  return static_cast<std::uint32_t>(handle);
}

// Pins `handle` when it is of kind T, then releases the pin on `replaced`.
template <class T>
T* swap_pin_of_kind(ObjectHandle handle, ObjectHandle replaced, bool exclusive) {
  if (claimed_kind(raw(handle)) != kSlotKindOf<T>) return nullptr;
  Slot* slot = slots().pin(raw(handle), exclusive);
  if (slot == nullptr) return nullptr;
  if (replaced != kNoObject) slots().unpin(raw(replaced), exclusive);
  return std::get_if<T>(&slot->payload);
}

}  // namespace

SlotKind slot_kind_of_handle(std::uint32_t handle) {
  return slots().find(handle) != nullptr ? claimed_kind(handle) : SlotKind::free;
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
  return swap_pin_of_kind<T>(handle, kNoObject, false);
}
template PenObject* pin_object<PenObject>(ObjectHandle);
template BrushObject* pin_object<BrushObject>(ObjectHandle);
template FontObject* pin_object<FontObject>(ObjectHandle);
template BitmapObject* pin_object<BitmapObject>(ObjectHandle);
template RegionObject* pin_object<RegionObject>(ObjectHandle);

template <class T>
T* swap_pin(ObjectHandle handle, ObjectHandle replaced) {
  return swap_pin_of_kind<T>(handle, replaced, false);
}
template PenObject* swap_pin<PenObject>(ObjectHandle, ObjectHandle);
template BrushObject* swap_pin<BrushObject>(ObjectHandle, ObjectHandle);
template FontObject* swap_pin<FontObject>(ObjectHandle, ObjectHandle);

BitmapObject* swap_exclusive_pin(ObjectHandle handle, ObjectHandle replaced) {
  return swap_pin_of_kind<BitmapObject>(handle, replaced, true);
}

void unpin_object(ObjectHandle handle) {
  slots().unpin(raw(handle), false);
}
void unpin_exclusive(ObjectHandle handle) {
  slots().unpin(raw(handle), true);
}

bool delete_object_slot(ObjectHandle handle) {
  const SlotKind kind = claimed_kind(raw(handle));
  if (kind == SlotKind::free || kind == SlotKind::device_context) return false;
  return slots().remove(raw(handle));
}

bool delete_device_context_slot(DcHandle handle) {
  const auto value = static_cast<std::uint32_t>(handle);
  if (claimed_kind(value) != SlotKind::device_context) return false;
  return slots().remove(value);
}

DeviceContext* find_device_context(DcHandle handle) {
  const auto value = static_cast<std::uint32_t>(handle);
  if (claimed_kind(value) != SlotKind::device_context) return nullptr;
  // A deleted context is gone for its callers even while its slot waits to be freed.
  Slot* slot = slots().find_undeleted(value);
  if (slot == nullptr) return nullptr;
  auto* owner = std::get_if<std::unique_ptr<DeviceContext>>(&slot->payload);
  return owner != nullptr ? owner->get() : nullptr;
}

template <class T>
T* find_object(ObjectHandle handle) {
  if (claimed_kind(raw(handle)) != kSlotKindOf<T>) return nullptr;
  Slot* slot = slots().find(raw(handle));
  return slot != nullptr ? std::get_if<T>(&slot->payload) : nullptr;
}
template PenObject* find_object<PenObject>(ObjectHandle);
template BrushObject* find_object<BrushObject>(ObjectHandle);
template FontObject* find_object<FontObject>(ObjectHandle);
template BitmapObject* find_object<BitmapObject>(ObjectHandle);
template RegionObject* find_object<RegionObject>(ObjectHandle);

bool is_stock_object(ObjectHandle handle) {
  return slots().is_stock(raw(handle));
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
