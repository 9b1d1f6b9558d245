#include "host/surface/objects/object_table.h"

#include <array>
#include <cassert>
#include <memory>
#include <type_traits>
#include <utility>
#include <variant>

#include "host/surface/dc/device_context.h"
#include "host/surface/objects/slot_table.h"

namespace kanvo::surface {
namespace {

static_assert(SlotTable::kIndexBits + SlotTable::kGenerationBits == kHandleKindShift);

// The stock objects every context starts with.
class Table {
 public:
  Table() { create_stock_objects(); }

  template <class T>
  std::uint32_t add(T&& object, SlotKind kind, bool stock = false) {
    const std::uint32_t index = object_slots.take_free_slot();
    if (index == kNoSlot) return 0;
    // A free slot holds the empty alternative (release resets it to that), which has nothing to
    // destroy: the object is built over it without the variant's dispatch on what it held.
    Payload& payload = object_slots.slot_at(index).payload;
    assert(std::holds_alternative<std::monostate>(payload));
    std::construct_at(&payload, std::in_place_type<std::decay_t<T>>, std::forward<T>(object));
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
  static Table instance;
  return instance;
}

}  // namespace

ObjectHandle add_object(PenObject&& object) {
  return ObjectHandle{table().add(std::move(object), SlotKind::pen)};
}
ObjectHandle add_object(BrushObject&& object) {
  return ObjectHandle{table().add(std::move(object), SlotKind::brush)};
}
ObjectHandle add_object(FontObject&& object) {
  return ObjectHandle{table().add(std::move(object), SlotKind::font)};
}
ObjectHandle add_object(BitmapObject&& object) {
  return ObjectHandle{table().add(std::move(object), SlotKind::bitmap)};
}
ObjectHandle add_object(RegionObject&& object) {
  return ObjectHandle{table().add(std::move(object), SlotKind::region)};
}
DcHandle add_device_context(std::unique_ptr<DeviceContext> context) {
  return DcHandle{table().add(std::move(context), SlotKind::device_context)};
}

ObjectHandle default_bitmap() {
  return ObjectHandle{table().default_bitmap()};
}

ObjectHandle get_stock_object(StockObject which) {
  if (static_cast<std::size_t>(which) >= 8) return kNoObject;
  return ObjectHandle{table().stock(which)};
}

}  // namespace kanvo::surface
