// Creating and deleting contexts and selecting objects into them.
#include "host/surface/dc/device_context.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

#include "host/surface/objects/object_table.h"

namespace kanvo::surface {
namespace {

// Selects a pen, brush or font: the context's pin moves from the old object to the new one.
template <class T>
ObjectHandle select_into(HeldObject& pin, const T*& selected, ObjectHandle handle) {
  ObjectHandle replaced = kNoObject;
  T* object = swap_held<T>(pin, handle, replaced);
  if (object == nullptr) return kNoObject;
  selected = object;
  return replaced;
}

ObjectHandle select_bitmap(DeviceContext& dc, ObjectHandle handle) {
  if (handle == dc.bitmap_pin.handle) return handle;
  // A bitmap draws for one context at a time (the shared default bitmap excepted).
  ObjectHandle replaced = kNoObject;
  BitmapObject* bitmap = swap_held<BitmapObject>(dc.bitmap_pin, handle, replaced, true);
  if (bitmap == nullptr) return kNoObject;
  dc.select_bitmap(bitmap);
  return replaced;
}

}  // namespace

void DeviceContext::update_pen_width() {
  if (pen == nullptr || (!pen->geometric() && !pen->plain)) {
    pen_width = 1;
  } else if (mapping.is_identity()) {
    pen_width = std::min<std::int64_t>(pen->width, 1'000'000'000);  // no scale
  } else {
    // The width is measured between the pixels its two ends land on, as the world transform
    // rounds them: 2.5 pixels may come out 2 or 3 wide depending on where the offset puts them.
    const DevicePointF from = mapping.map_exact(0.0, 0.0);
    const DevicePointF to = mapping.map_exact(static_cast<double>(pen->width), 0.0);
    const double width = std::hypot(static_cast<double>(round_device(to.x) - round_device(from.x)),
                                    static_cast<double>(round_device(to.y) - round_device(from.y)));
    pen_width = width < 1e9 ? static_cast<std::int64_t>(std::floor(width)) : 1'000'000'000;
  }
}

void DeviceContext::select_bitmap(const BitmapObject* bitmap) {
  target_ = {};
  if (bitmap != nullptr && bitmap->bits_per_pixel == 32 && bitmap->bits != nullptr) {
    target_ = {reinterpret_cast<PixelWord*>(bitmap->bits), bitmap->width, bitmap->height,
               bitmap->stride_bytes / 4};
  }
  update_drawable_box();
}

void DeviceContext::set_clip(const Rect& clip) {
  has_clip_ = true;
  clip_ = clip;
  update_drawable_box();
}

void DeviceContext::remove_clip() {
  has_clip_ = false;
  clip_ = {};
  update_drawable_box();
}

void DeviceContext::update_drawable_box() {
  drawable_ = {};
  if (target_.empty()) return;
  Rect box{0, 0, target_.width, target_.height};
  if (has_clip_) {
    box.left = std::max(box.left, clip_.left);
    box.top = std::max(box.top, clip_.top);
    box.right = std::min(box.right, clip_.right);
    box.bottom = std::min(box.bottom, clip_.bottom);
  }
  if (box.left < box.right && box.top < box.bottom) drawable_ = box;
}

DcHandle create_compatible_dc(DcHandle reference) {
  if (reference != kNoDc && context_of(reference) == nullptr) return kNoDc;
  const DcHandle handle = add_device_context(std::make_unique<DeviceContext>());
  if (handle == kNoDc) return kNoDc;
  select_object(handle, get_stock_object(StockObject::black_pen));
  select_object(handle, get_stock_object(StockObject::white_brush));
  select_object(handle, get_stock_object(StockObject::system_font));
  select_object(handle, default_bitmap());
  return handle;
}

bool delete_dc(DcHandle handle) {
  DeviceContext* dc = context_of(handle);
  if (dc == nullptr) return false;
  dc->pen_pin.release();
  dc->brush_pin.release();
  dc->font_pin.release();
  dc->bitmap_pin.release(true);
  return delete_device_context_slot(handle);
}

void share_pixels(DcHandle handle, SharedPixels* shared) {
  if (DeviceContext* dc = context_of(handle)) dc->shared_pixels = shared;
}

namespace {

// Whether `mirror` can take every pixel drawn on `target`: as large, and other memory. Rows of
// three words at least, so that a step from pixel to pixel tells how many rows it goes down.
bool can_mirror(const PixelTarget& target, const PixelTarget& mirror) {
  return !target.empty() && target.stride >= 3 && mirror.pixels != target.pixels &&
         mirror.width >= target.width && mirror.height >= target.height;
}

}  // namespace

bool mirror_drawing(DcHandle handle, DcHandle mirror) {
  DeviceContext* dc = context_of(handle);
  if (dc == nullptr) return false;
  if (DeviceContext* old = context_of(dc->mirror); old != nullptr && old != dc) {
    old->take_brush_realisation(*dc);
  }
  dc->mirror = kNoDc;
  if (mirror == kNoDc) return true;
  const DeviceContext* other = context_of(mirror);
  if (other == nullptr || !can_mirror(dc->target(), other->target())) return false;
  dc->mirror = mirror;
  return true;
}

SharedPixels* DeviceContext::begin_mirroring() {
  // Looked up again by every call: the mirror may have gone or changed its bitmap since.
  DeviceContext* other = context_of(mirror);
  if (other == nullptr || !can_mirror(target_, other->target())) return nullptr;
  SharedPixels* shared = other->shared_pixels;
  if (shared != nullptr) shared->lock.lock();
  target_.mirror = other->target().pixels;
  target_.mirror_stride = other->target().stride;
  return shared;
}

ObjectHandle select_object(DcHandle handle, ObjectHandle object) {
  DeviceContext* dc = context_of(handle);
  if (dc == nullptr) return kNoObject;
  // The kind travels in the handle; the table checks that the handle is live. Brushes change
  // most often (one or two for every shape of a plot), so they are tried first.
  const SlotKind kind = claimed_kind(static_cast<std::uint32_t>(object));
  if (kind == SlotKind::brush) {
    dc->note_brush_selected();
    return select_into(dc->brush_pin, dc->brush, object);
  }
  switch (kind) {
    case SlotKind::pen: {
      const ObjectHandle replaced = select_into(dc->pen_pin, dc->pen, object);
      dc->update_pen_width();
      dc->note_pen_selected();
      return replaced;
    }
    case SlotKind::font:
      return select_into(dc->font_pin, dc->font, object);
    case SlotKind::bitmap:
      return select_bitmap(*dc, object);
    default:
      return kNoObject;
  }
}

ObjectHandle get_current_object(DcHandle handle, ObjectKind kind) {
  const DeviceContext* dc = context_of(handle);
  if (dc == nullptr) return kNoObject;
  switch (kind) {
    case ObjectKind::pen:
      return dc->pen_pin.handle;
    case ObjectKind::brush:
      return dc->brush_pin.handle;
    case ObjectKind::font:
      return dc->font_pin.handle;
    case ObjectKind::bitmap:
      return dc->bitmap_pin.handle;
    default:
      return kNoObject;
  }
}

ObjectKind get_object_kind(ObjectHandle object) {
  const SlotKind kind = slot_kind_of_handle(static_cast<std::uint32_t>(object));
  if (kind == SlotKind::free || kind == SlotKind::device_context) return ObjectKind::none;
  return static_cast<ObjectKind>(kind);
}

bool delete_object(ObjectHandle object) {
  return delete_object_slot(object);
}

std::size_t live_object_count() {
  return object_slots.live_count();
}

}  // namespace kanvo::surface
