// The drawing-state operations of the image device: colours, styles, origin and scale, clipping,
// raster operation and fill mode. Changing a colour or a style realises a new pen or brush at once.
#include "graphics/context/graphics_context.h"
#include "graphics/device/image_device.h"
#include "graphics/device/style_objects.h"
#include "graphics/platform/drawing_surface.h"

namespace kanvo {

CanvasImage& ImageDevice::image() const {
  return *target_.current_image;
}
SurfaceHandle ImageDevice::surface() const {
  return target_.drawing_surface;
}

void ImageDevice::select_everywhere(ObjectHandle object) {
  if (object == platform::kNoObject) return;
  // The object the surfaces shared is deleted once it is out of all of them, when it can go at
  // once, rather than marked on the first surface and freed by the last.
  ObjectHandle first_replaced = platform::kNoObject;
  bool first = true;
  for_each_surface([&](SurfaceHandle dc) {
    const ObjectHandle replaced = platform::select_object(dc, object);
    if (first) {
      first_replaced = replaced;
      first = false;
    } else if (replaced != first_replaced) {
      platform::delete_object(replaced);
    }
  });
  platform::delete_object(first_replaced);
}

Color ImageDevice::get_line_color() {
  return image().state().line_color;
}

void ImageDevice::set_line_color(Color color) {
  image().state().line_color = color;
  set_line_style_record(image().state().line_style);
}

Color ImageDevice::get_text_color() {
  return image().state().text_color;
}

void ImageDevice::set_text_color(Color color) {
  image().state().text_color = color;
  for_each_surface([&](SurfaceHandle dc) { platform::set_text_color(dc, color); });
}

Color ImageDevice::get_bk_color() {
  return image().state().bk_color;
}

void ImageDevice::set_bk_color(Color color) {
  image().state().bk_color = color;
  for_each_surface([&](SurfaceHandle dc) { platform::set_bk_color(dc, color); });
}

int ImageDevice::get_bk_mode() {
  return platform::get_bk_mode(surface());
}

void ImageDevice::set_bk_mode(int mode) {
  for_each_surface([&](SurfaceHandle dc) { platform::set_bk_mode(dc, mode); });
}

void ImageDevice::set_origin(std::int32_t x, std::int32_t y) {
  // Under the lock: a repaint puts the window canvas's transform back on its surfaces.
  with_window_lock([&] {
    platform::Transform& transform = image().state().transform;
    transform.dx = static_cast<float>(x);
    transform.dy = static_cast<float>(y);
    for_each_surface([&](SurfaceHandle dc) { platform::set_world_transform(dc, transform); });
  });
}

void ImageDevice::set_clip_region(RegionHandle region) {
  for_each_surface([&](SurfaceHandle dc) { platform::select_clip_region(dc, region); });
}

void ImageDevice::clear_clip_region() {
  const RegionHandle clip = platform::create_rect_region(0, 0, 0, 0);
  if (platform::get_clip_region(surface(), clip) == 1) {
    const ObjectHandle brush = platform::create_solid_brush(image().state().bk_color);
    const platform::Transform& transform = image().state().transform;
    // The clip region is held in device pixels; it is filled on every surface, batching or not.
    for_each_surface([&](SurfaceHandle dc) {
      platform::set_world_transform(dc, platform::Transform{});
      platform::fill_region(dc, clip, brush);
      platform::set_world_transform(dc, transform);
    });
    platform::delete_object(brush);
  } else {
    clear_canvas();
  }
  platform::delete_object(clip);
}

void ImageDevice::get_line_style(LineStyle* style) {
  if (style != nullptr) *style = image().state().line_style;
}

void ImageDevice::set_line_style(std::int32_t style, std::int32_t thickness,
                                 const std::uint32_t* dashes, std::int32_t dash_count) {
  LineStyle& own = image().state().line_style;
  own.style = style;
  own.thickness = thickness;
  own.free_dashes();
  if (is_user_style(style)) own.set_dashes(dashes, dash_count);
  set_line_style_record(own);
}

void ImageDevice::set_line_style_record(const LineStyle& style) {
  DrawingState& state = image().state();
  if (&style != &state.line_style) state.line_style = style;
  select_everywhere(create_line_pen(state.line_style, state.line_color));
}

void ImageDevice::get_fill_style(FillStyle* style) {
  if (style != nullptr) *style = image().state().fill_style;
}

void ImageDevice::set_fill_style(std::int32_t style, std::int32_t hatch,
                                 const CanvasImage* pattern) {
  FillStyle& own = image().state().fill_style;
  own.style = style;
  if (style == kFillHatched) own.hatch = hatch;
  if (uses_pattern_image(style) && pattern != nullptr) own.copy_pattern(*pattern);
  set_fill_style_record(own);
}

void ImageDevice::set_fill_pattern(const std::uint8_t* pattern) {
  if (pattern == nullptr) return;
  CanvasImage tile(8, 8);
  for (int row = 0; row < 8; ++row) {
    for (int column = 0; column < 8; ++column) {
      const bool set = (pattern[row] >> (7 - column)) & 1;
      tile.pixels()[row * 8 + column] = set ? 0xFFFFFFu : 0u;
    }
  }
  set_fill_style(kFillPattern, 0, &tile);
}

void ImageDevice::set_fill_style_record(const FillStyle& style) {
  DrawingState& state = image().state();
  if (&style != &state.fill_style) state.fill_style = style;
  select_everywhere(create_fill_brush(state.fill_style, state.fill_color));
}

Color ImageDevice::get_fill_color() {
  return image().state().fill_color;
}

void ImageDevice::set_fill_color(Color color) {
  DrawingState& state = image().state();
  state.fill_color = color;
  if (state.fill_style.style == kFillSolid) {
    select_everywhere(platform::create_solid_brush(color));
  } else if (state.fill_style.style == kFillHatched) {
    set_fill_style_record(state.fill_style);
  }
}

void ImageDevice::get_aspect_ratio(float* x, float* y) {
  const platform::Transform& transform = image().state().transform;
  if (x != nullptr) *x = transform.m11;
  if (y != nullptr) *y = transform.m22;
}

void ImageDevice::set_aspect_ratio(float x, float y) {
  with_window_lock([&] {
    platform::Transform& transform = image().state().transform;
    transform.m11 = x;
    transform.m22 = y;
    for_each_surface([&](SurfaceHandle dc) { platform::set_world_transform(dc, transform); });
  });
}

int ImageDevice::get_rop2() {
  return platform::get_rop2(surface());
}

void ImageDevice::set_rop2(int mode) {
  for_each_surface([&](SurfaceHandle dc) { platform::set_rop2(dc, mode); });
}

int ImageDevice::get_poly_fill_mode() {
  return platform::get_poly_fill_mode(surface());
}

void ImageDevice::set_poly_fill_mode(int mode) {
  for_each_surface([&](SurfaceHandle dc) { platform::set_poly_fill_mode(dc, mode); });
}

void ImageDevice::reset_drawing_state() {
  image().reset();
}

}  // namespace kanvo
