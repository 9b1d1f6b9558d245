#include "graphics/device/drawing_api.h"

#include <utility>

#include "graphics/context/graphics_context.h"
#include "graphics/device/wrapping_math.h"

namespace kanvo {
namespace {

CanvasImage& image_or_canvas(CanvasImage* image) {
  return image != nullptr ? *image : graphics_context().canvas;
}

}  // namespace

// Each calls the operation on the current device; with no device, it returns the zero value.
#define KANVO_OPERATION(result, name, parameters, arguments)       \
  result name parameters {                                         \
    DrawDevice* device = graphics_context().target.current_device; \
    if (device == nullptr) return result();                        \
    return device->name arguments;                                 \
  }
#include "graphics/device/drawing_operations.h"

void set_color(Color color) {
  set_line_color(color);
  set_text_color(color);
}

Color get_color() {
  return get_line_color();
}
void set_write_mode(int mode) {
  set_rop2(mode);
}

void draw_bar(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
  paint_rect(left, top, right, bottom);
}

void draw_bar3d(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                std::int32_t depth, std::uint8_t top_face) {
  if (graphics_context().target.current_device == nullptr) return;
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  draw_rect(left, top, right, bottom);
  const std::int32_t saved_x = get_x();
  const std::int32_t saved_y = get_y();
  // depth * 3 / 4, rounded toward minus infinity.
  const auto rise = static_cast<std::int32_t>((static_cast<std::int64_t>(depth) * 3) >> 2);
  move_pen_to(right, bottom);
  draw_line_by(depth, -rise);
  draw_line_by(0, wrapping_sub(top, bottom));
  if (top_face != 0) {
    move_pen_to(left, top);
    draw_line_by(depth, -rise);
    draw_line_by(wrapping_sub(right, left), 0);
    draw_line_by(-depth, rise);
  }
  move_pen_to(saved_x, saved_y);
}

void draw_poly(std::int32_t count, const Point* points) {
  stroke_polygon(points, count);
}
void fill_poly(std::int32_t count, const Point* points) {
  draw_polygon(points, count);
}
std::int32_t get_max_x() {
  return get_width() - 1;
}
std::int32_t get_max_y() {
  return get_height() - 1;
}

void out_char(char character) {
  const char text[2] = {character, 0};
  out_text(text);
}

void out_char_at(std::int32_t x, std::int32_t y, char character) {
  const char text[2] = {character, 0};
  out_text_at(x, y, text);
}

std::int32_t char_width(char character) {
  const char text[2] = {character, 0};
  return text_width(text);
}

std::int32_t char_height(char character) {
  const char text[2] = {character, 0};
  return text_height(text);
}

std::int32_t draw_char_in_rect(char character, Rect* rect, std::uint32_t format) {
  const char text[2] = {character, 0};
  return draw_text_in_rect(text, rect, format);
}

void set_font(std::int32_t height, std::int32_t width, const char* face) {
  set_text_style(height, width, face);
}

void set_font_ext(std::int32_t height, std::int32_t width, const char* face,
                  std::int32_t escapement, std::int32_t orientation, std::int32_t weight,
                  std::uint8_t italic, std::uint8_t underline, std::uint8_t strike_out) {
  set_text_style_ext(height, width, face, escapement, orientation, weight, italic, underline,
                     strike_out);
}

void set_font_full(std::int32_t height, std::int32_t width, const char* face,
                   std::int32_t escapement, std::int32_t orientation, std::int32_t weight,
                   std::uint8_t italic, std::uint8_t underline, std::uint8_t strike_out,
                   std::uint8_t char_set, std::uint8_t out_precision, std::uint8_t clip_precision,
                   std::uint8_t quality, std::uint8_t pitch_and_family) {
  set_text_style_full(height, width, face, escapement, orientation, weight, italic, underline,
                      strike_out, char_set, out_precision, clip_precision, quality,
                      pitch_and_family);
}

void set_font_logfont(const LogFont& font) {
  set_text_style_logfont(font);
}
void get_font(LogFont* font) {
  get_text_style(font);
}

void set_working_image(CanvasImage* image) {
  GraphicsContext& context = graphics_context();
  std::lock_guard guard(context.lock);
  WorkingTarget& target = context.target;
  if (image != nullptr) {
    target.current_image = image;
    target.current_device = &context.image_device;
    target.window_surface = platform::kNoSurface;
    target.drawing_surface = image->surface();
  } else {
    target.current_image = &context.canvas;
    target.current_device = &context.window_device;
    target.window_surface = context.canvas.window_dc();
    target.drawing_surface = context.canvas.surface();
  }
}

CanvasImage* get_working_image() {
  const WorkingTarget& target = graphics_context().target;
  return target.window_surface == platform::kNoSurface ? target.current_image : nullptr;
}

void resize_image(CanvasImage* image, std::int32_t width, std::int32_t height) {
  image_or_canvas(image).resize(width, height);
}

SurfaceHandle get_image_dc(CanvasImage* image) {
  return image_or_canvas(image).surface();
}

std::uint32_t* get_image_buffer(CanvasImage* image) {
  return image_or_canvas(image).pixels();
}

}  // namespace kanvo
