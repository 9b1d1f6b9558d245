// Getters and setters of a context's state.
#include <cmath>
#include <utility>

#include "host/surface/dc/device_context.h"

namespace kanvo::surface {
namespace {

template <class Value, class Setter>
Value exchange_state(DcHandle handle, Value failure, Setter&& setter) {
  DeviceContext* dc = context_of(handle);
  return dc != nullptr ? setter(*dc) : failure;
}

bool finite_and_invertible(const Transform& t) {
  for (float value : {t.m11, t.m12, t.m21, t.m22, t.dx, t.dy}) {
    if (!std::isfinite(value)) return false;
  }
  const double determinant = double{t.m11} * t.m22 - double{t.m12} * t.m21;
  return determinant != 0.0 && std::isfinite(determinant);
}

}  // namespace

GraphicsMode set_graphics_mode(DcHandle handle, GraphicsMode mode) {
  return exchange_state(handle, GraphicsMode{0}, [mode](DeviceContext& dc) {
    if (mode != GraphicsMode::compatible && mode != GraphicsMode::advanced) return GraphicsMode{0};
    // Leaving the advanced mode needs the identity transform first.
    if (mode == GraphicsMode::compatible && !dc.mapping.is_identity()) return GraphicsMode{0};
    return std::exchange(dc.graphics_mode, mode);
  });
}

GraphicsMode get_graphics_mode(DcHandle handle) {
  const DeviceContext* dc = context_of(handle);
  return dc != nullptr ? dc->graphics_mode : GraphicsMode{0};
}

bool set_world_transform(DcHandle handle, const Transform& transform) {
  DeviceContext* dc = context_of(handle);
  if (dc == nullptr || dc->graphics_mode != GraphicsMode::advanced ||
      !finite_and_invertible(transform)) {
    return false;
  }
  dc->mapping = WorldMapping(transform);
  dc->update_pen_width();
  return true;
}

bool get_world_transform(DcHandle handle, Transform* transform) {
  const DeviceContext* dc = context_of(handle);
  if (dc == nullptr || transform == nullptr) return false;
  *transform = dc->mapping.transform();
  return true;
}

Color set_text_color(DcHandle handle, Color color) {
  return exchange_state(handle, kInvalidColor, [color](DeviceContext& dc) {
    return std::exchange(dc.text_color, color & 0x00FFFFFFu);
  });
}

Color get_text_color(DcHandle handle) {
  const DeviceContext* dc = context_of(handle);
  return dc != nullptr ? dc->text_color : kInvalidColor;
}

Color set_bk_color(DcHandle handle, Color color) {
  return exchange_state(handle, kInvalidColor, [color](DeviceContext& dc) {
    dc.note_bk_color_changed();
    return std::exchange(dc.bk_color, color & 0x00FFFFFFu);
  });
}

Color get_bk_color(DcHandle handle) {
  const DeviceContext* dc = context_of(handle);
  return dc != nullptr ? dc->bk_color : kInvalidColor;
}

int set_bk_mode(DcHandle handle, int mode) {
  return exchange_state(handle, 0, [mode](DeviceContext& dc) {
    if (mode != static_cast<int>(BackgroundMode::transparent) &&
        mode != static_cast<int>(BackgroundMode::opaque)) {
      return 0;
    }
    return std::exchange(dc.bk_mode, mode);
  });
}

int get_bk_mode(DcHandle handle) {
  const DeviceContext* dc = context_of(handle);
  return dc != nullptr ? dc->bk_mode : 0;
}

int set_rop2(DcHandle handle, int mode) {
  return exchange_state(handle, 0, [mode](DeviceContext& dc) {
    if (mode < rop2::kBlack || mode > rop2::kWhite) return 0;
    return std::exchange(dc.rop2, mode);
  });
}

int get_rop2(DcHandle handle) {
  const DeviceContext* dc = context_of(handle);
  return dc != nullptr ? dc->rop2 : 0;
}

int set_poly_fill_mode(DcHandle handle, int mode) {
  return exchange_state(handle, 0, [mode](DeviceContext& dc) {
    if (mode != static_cast<int>(PolyFillMode::alternate) &&
        mode != static_cast<int>(PolyFillMode::winding)) {
      return 0;
    }
    return std::exchange(dc.poly_fill_mode, mode);
  });
}

int get_poly_fill_mode(DcHandle handle) {
  const DeviceContext* dc = context_of(handle);
  return dc != nullptr ? dc->poly_fill_mode : 0;
}

bool set_brush_origin(DcHandle handle, std::int32_t x, std::int32_t y, Point* old) {
  DeviceContext* dc = context_of(handle);
  if (dc == nullptr) return false;
  if (old != nullptr) *old = dc->brush_origin;
  dc->brush_origin = {x, y};
  return true;
}

bool move_to(DcHandle handle, std::int32_t x, std::int32_t y, Point* old) {
  DeviceContext* dc = context_of(handle);
  if (dc == nullptr) return false;
  if (old != nullptr) *old = dc->current_position;
  dc->current_position = {x, y};
  return true;
}

bool get_current_position(DcHandle handle, Point* position) {
  const DeviceContext* dc = context_of(handle);
  if (dc == nullptr || position == nullptr) return false;
  *position = dc->current_position;
  return true;
}

}  // namespace kanvo::surface
