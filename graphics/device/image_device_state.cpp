// The drawing-state operations of the image device: colours, styles, origin and scale, clipping,
// raster operation and fill mode. Changing a colour or a style realises a new pen or brush at once.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "graphics/context/graphics_context.h"
#include "graphics/device/image_device.h"
#include "graphics/device/pattern_brush.h"

namespace kanvo {

CanvasImage& ImageDevice::image() const {
  return *target_.current_image;
}
SurfaceHandle ImageDevice::surface() const {
  return target_.drawing_surface;
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
  gdi::set_text_color(surface(), color);
}

Color ImageDevice::get_bk_color() {
  return image().state().bk_color;
}

void ImageDevice::set_bk_color(Color color) {
  image().state().bk_color = color;
  gdi::set_bk_color(surface(), color);
}

int ImageDevice::get_bk_mode() {
  return gdi::get_bk_mode(surface());
}

void ImageDevice::set_bk_mode(int mode) {
  gdi::set_bk_mode(surface(), mode);
}

void ImageDevice::set_origin(std::int32_t x, std::int32_t y) {
  gdi::Transform& transform = image().state().transform;
  transform.dx = static_cast<float>(x);
  transform.dy = static_cast<float>(y);
  gdi::set_world_transform(surface(), transform);
}

void ImageDevice::set_clip_region(RegionHandle region) {
  gdi::select_clip_region(surface(), region);
}

void ImageDevice::clear_clip_region() {
  const RegionHandle clip = gdi::create_rect_region(0, 0, 0, 0);
  if (gdi::get_clip_region(surface(), clip) == 1) {
    const gdi::ObjectHandle brush = gdi::create_solid_brush(image().state().bk_color);
    // The clip region is held in device pixels.
    gdi::set_world_transform(surface(), gdi::Transform{});
    gdi::fill_region(surface(), clip, brush);
    gdi::set_world_transform(surface(), image().state().transform);
    gdi::delete_object(brush);
  } else {
    clear_canvas();
  }
  gdi::delete_object(clip);
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
  LineStyle& own = state.line_style;
  auto pen_style = static_cast<std::uint32_t>(own.style) | gdi::pen_style::kGeometric;
  if (!is_user_style(own.style)) {
    own.free_dashes();
    own.dash_count = 0;
  } else if (own.dash_count == 0 || !own.dash_array) {
    // A user style without dashes draws nothing.
    pen_style = (pen_style & ~0x7u) | gdi::pen_style::kNull;
  }
  gdi::LogBrush brush;
  brush.style = gdi::BrushStyle::solid;
  brush.color = state.line_color;
  const gdi::ObjectHandle pen = gdi::ext_create_pen(
      pen_style, static_cast<std::uint32_t>(own.thickness), brush,
      own.dash_array ? static_cast<std::uint32_t>(own.dash_count) : 0, own.dash_array.get());
  gdi::delete_object(gdi::select_object(surface(), pen));
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
  const FillStyle& own = state.fill_style;
  const gdi::ObjectHandle brush = create_fill_brush(own, state.fill_color);
  if (brush != gdi::kNoObject) gdi::delete_object(gdi::select_object(surface(), brush));
}

Color ImageDevice::get_fill_color() {
  return image().state().fill_color;
}

void ImageDevice::set_fill_color(Color color) {
  DrawingState& state = image().state();
  state.fill_color = color;
  if (state.fill_style.style == kFillSolid) {
    gdi::delete_object(gdi::select_object(surface(), gdi::create_solid_brush(color)));
  } else if (state.fill_style.style == kFillHatched) {
    set_fill_style_record(state.fill_style);
  }
}

void ImageDevice::get_aspect_ratio(float* x, float* y) {
  const gdi::Transform& transform = image().state().transform;
  if (x != nullptr) *x = transform.m11;
  if (y != nullptr) *y = transform.m22;
}

void ImageDevice::set_aspect_ratio(float x, float y) {
  gdi::Transform& transform = image().state().transform;
  transform.m11 = x;
  transform.m22 = y;
  gdi::set_world_transform(surface(), transform);
}

int ImageDevice::get_rop2() {
  return gdi::get_rop2(surface());
}
void ImageDevice::set_rop2(int mode) {
  gdi::set_rop2(surface(), mode);
}
int ImageDevice::get_poly_fill_mode() {
  return gdi::get_poly_fill_mode(surface());
}
void ImageDevice::set_poly_fill_mode(int mode) {
  gdi::set_poly_fill_mode(surface(), mode);
}

void ImageDevice::reset_drawing_state() {
  image().reset();
}

}  // namespace kanvo
