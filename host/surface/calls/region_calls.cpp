// Rectangle regions and the clip region of a context.
#include <algorithm>
#include <utility>

#include "host/surface/dc/device_context.h"
#include "host/surface/objects/object_table.h"
#include "host/surface/raster/painter.h"

namespace kanvo::surface {

ObjectHandle create_rect_region(std::int32_t left, std::int32_t top, std::int32_t right,
                                std::int32_t bottom) {
  RegionObject region;
  region.box = {std::min(left, right), std::min(top, bottom), std::max(left, right),
                std::max(top, bottom)};
  if (region.box.left == region.box.right || region.box.top == region.box.bottom) region.box = {};
  return add_object(std::move(region));
}

bool get_region_box(ObjectHandle handle, Rect* box) {
  if (box == nullptr) return false;
  PinnedObject<RegionObject> region(handle);
  if (!region) return false;
  *box = region->box;
  return true;
}

bool select_clip_region(DcHandle handle, ObjectHandle region_handle) {
  DeviceContext* dc = context_of(handle);
  if (dc == nullptr) return false;
  if (region_handle == kNoObject) {
    dc->remove_clip();
    return true;
  }
  PinnedObject<RegionObject> region(region_handle);
  if (!region) return false;
  dc->set_clip(region->box);
  return true;
}

int get_clip_region(DcHandle handle, ObjectHandle region_handle) {
  const DeviceContext* dc = context_of(handle);
  PinnedObject<RegionObject> region(region_handle);
  if (dc == nullptr || !region) return -1;
  if (!dc->has_clip()) return 0;
  region->box = dc->clip();
  return 1;
}

bool fill_region(DcHandle handle, ObjectHandle region_handle, ObjectHandle brush_handle) {
  DeviceContext* dc = context_of(handle);
  if (dc == nullptr) return false;
  PinnedObject<RegionObject> region(region_handle);
  PinnedObject<BrushObject> brush(brush_handle);
  if (!region || !brush) return false;
  const PixelWriting writing(*dc);
  raster::Painter painter(*dc);
  const raster::BrushInk ink(*dc, brush.get());
  const Rect& box = region->box;
  painter.fill_box(box.left, box.top, box.right, box.bottom, ink);
  dc->note_change();
  return true;
}

}  // namespace kanvo::surface
