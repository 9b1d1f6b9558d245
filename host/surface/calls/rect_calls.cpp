// Rectangles: the outlined and filled shape, and plain fills.
#include <algorithm>

#include "host/surface/dc/device_context.h"
#include "host/surface/dc/device_rect.h"
#include "host/surface/lines/shape_outline.h"
#include "host/surface/lines/stroke.h"
#include "host/surface/objects/object_table.h"
#include "host/surface/raster/painter.h"

namespace kanvo::surface {

bool rectangle(DcHandle handle, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom) {
  DeviceContext* dc = context_of(handle);
  if (dc == nullptr) return false;
  dc->realise_brush();
  const PixelWriting writing(*dc);
  DeviceRect box = map_rect(dc->mapping, left, top, right, bottom);
  raster::Painter painter(*dc);
  const raster::BrushInk brush(*dc);
  const bool has_outline = dc->pen != nullptr && dc->pen->kind() != pen_style::kNull;
  // The advanced mode takes the far corner into the outline; the compatible mode leaves it out.
  if (dc->graphics_mode == GraphicsMode::compatible) {
    --box.right;
    --box.bottom;
  }
  if (!has_outline) {
    painter.fill_box(box.left, box.top, box.right, box.bottom, brush);
    dc->note_change();
    return true;
  }
  // The outline runs from the corner the call names first, (left, top), towards (right, top)
  // and on around, wherever the world transform puts those corners: the dash pattern starts
  // there, and a box given right to left or bottom to top runs the other way round.
  const DevicePoint corners[4] = {dc->mapping.map(left, top), dc->mapping.map(right, top),
                                  dc->mapping.map(right, bottom), dc->mapping.map(left, bottom)};
  lines::draw_outlined_box(*dc, painter, box, corners, brush);
  dc->note_change();
  return true;
}

bool fill_rect(DcHandle handle, const Rect& rect, ObjectHandle brush_handle) {
  DeviceContext* dc = context_of(handle);
  if (dc == nullptr) return false;
  PinnedObject<BrushObject> brush(brush_handle);
  if (!brush) return false;
  const DeviceRect box =
      map_directed_rect(dc->mapping, rect.left, rect.top, rect.right, rect.bottom);
  const PixelWriting writing(*dc);
  raster::Painter painter(*dc, rop2::kCopyPen);
  painter.fill_box(box.left, box.top, box.right, box.bottom, raster::BrushInk(*dc, brush.get()));
  dc->note_change();
  return true;
}

}  // namespace kanvo::surface
