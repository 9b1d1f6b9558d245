#include "graphics/device/drawing_api.h"

#include <type_traits>
#include <utility>

#include "graphics/context/graphics_context.h"
#include "graphics/device/wrapping_math.h"

namespace kanvo {
namespace {

// Calls the operation on the current device; with no device, returns the zero value.
template <typename Result, typename... Parameters, typename... Arguments>
Result call_current(Result (DrawDevice::*operation)(Parameters...), Arguments&&... arguments) {
  DrawDevice* device = graphics_context().target.current_device;
  if (device == nullptr) {
    if constexpr (std::is_void_v<Result>) {
      return;
    } else {
      return Result{};
    }
  }
  return (device->*operation)(std::forward<Arguments>(arguments)...);
}

CanvasImage& image_or_canvas(CanvasImage* image) {
  return image != nullptr ? *image : graphics_context().canvas;
}

}  // namespace

void clear_canvas() {
  call_current(&DrawDevice::clear_canvas);
}

Color get_line_color() {
  return call_current(&DrawDevice::get_line_color);
}

void set_line_color(Color color) {
  call_current(&DrawDevice::set_line_color, color);
}

Color get_text_color() {
  return call_current(&DrawDevice::get_text_color);
}

void set_text_color(Color color) {
  call_current(&DrawDevice::set_text_color, color);
}

Color get_bk_color() {
  return call_current(&DrawDevice::get_bk_color);
}

void set_bk_color(Color color) {
  call_current(&DrawDevice::set_bk_color, color);
}

int get_bk_mode() {
  return call_current(&DrawDevice::get_bk_mode);
}

void set_bk_mode(int mode) {
  call_current(&DrawDevice::set_bk_mode, mode);
}

void set_origin(std::int32_t x, std::int32_t y) {
  call_current(&DrawDevice::set_origin, x, y);
}

void set_clip_region(RegionHandle region) {
  call_current(&DrawDevice::set_clip_region, region);
}

void clear_clip_region() {
  call_current(&DrawDevice::clear_clip_region);
}

void get_line_style(LineStyle* style) {
  call_current(&DrawDevice::get_line_style, style);
}

void set_line_style(std::int32_t style, std::int32_t thickness, const std::uint32_t* dashes,
                    std::int32_t dash_count) {
  call_current(&DrawDevice::set_line_style, style, thickness, dashes, dash_count);
}

void set_line_style_record(const LineStyle& style) {
  call_current(&DrawDevice::set_line_style_record, style);
}

void get_fill_style(FillStyle* style) {
  call_current(&DrawDevice::get_fill_style, style);
}

void set_fill_style(std::int32_t style, std::int32_t hatch, const CanvasImage* pattern) {
  call_current(&DrawDevice::set_fill_style, style, hatch, pattern);
}

void set_fill_pattern(const std::uint8_t* pattern) {
  call_current(&DrawDevice::set_fill_pattern, pattern);
}

void set_fill_style_record(const FillStyle& style) {
  call_current(&DrawDevice::set_fill_style_record, style);
}

Color get_fill_color() {
  return call_current(&DrawDevice::get_fill_color);
}

void set_fill_color(Color color) {
  call_current(&DrawDevice::set_fill_color, color);
}

void get_aspect_ratio(float* x, float* y) {
  call_current(&DrawDevice::get_aspect_ratio, x, y);
}

void set_aspect_ratio(float x, float y) {
  call_current(&DrawDevice::set_aspect_ratio, x, y);
}

int get_rop2() {
  return call_current(&DrawDevice::get_rop2);
}

void set_rop2(int mode) {
  call_current(&DrawDevice::set_rop2, mode);
}

int get_poly_fill_mode() {
  return call_current(&DrawDevice::get_poly_fill_mode);
}

void set_poly_fill_mode(int mode) {
  call_current(&DrawDevice::set_poly_fill_mode, mode);
}

void reset_drawing_state() {
  call_current(&DrawDevice::reset_drawing_state);
}

Color read_pixel(std::int32_t x, std::int32_t y) {
  return call_current(&DrawDevice::read_pixel, x, y);
}

void write_pixel(std::int32_t x, std::int32_t y, Color color) {
  call_current(&DrawDevice::write_pixel, x, y, color);
}

void move_pen_to(std::int32_t x, std::int32_t y) {
  call_current(&DrawDevice::move_pen_to, x, y);
}

void move_pen_by(std::int32_t dx, std::int32_t dy) {
  call_current(&DrawDevice::move_pen_by, dx, dy);
}

void draw_line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  call_current(&DrawDevice::draw_line, x1, y1, x2, y2);
}

void draw_line_by(std::int32_t dx, std::int32_t dy) {
  call_current(&DrawDevice::draw_line_by, dx, dy);
}

void draw_line_to(std::int32_t x, std::int32_t y) {
  call_current(&DrawDevice::draw_line_to, x, y);
}

void stroke_rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
  call_current(&DrawDevice::stroke_rect, left, top, right, bottom);
}

void draw_rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
  call_current(&DrawDevice::draw_rect, left, top, right, bottom);
}

void paint_rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
  call_current(&DrawDevice::paint_rect, left, top, right, bottom);
}

void erase_rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
  call_current(&DrawDevice::erase_rect, left, top, right, bottom);
}

void stroke_circle(std::int32_t x, std::int32_t y, std::int32_t radius) {
  call_current(&DrawDevice::stroke_circle, x, y, radius);
}

void draw_circle(std::int32_t x, std::int32_t y, std::int32_t radius) {
  call_current(&DrawDevice::draw_circle, x, y, radius);
}

void paint_circle(std::int32_t x, std::int32_t y, std::int32_t radius) {
  call_current(&DrawDevice::paint_circle, x, y, radius);
}

void erase_circle(std::int32_t x, std::int32_t y, std::int32_t radius) {
  call_current(&DrawDevice::erase_circle, x, y, radius);
}

void stroke_ellipse(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
  call_current(&DrawDevice::stroke_ellipse, left, top, right, bottom);
}

void draw_ellipse(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
  call_current(&DrawDevice::draw_ellipse, left, top, right, bottom);
}

void paint_ellipse(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
  call_current(&DrawDevice::paint_ellipse, left, top, right, bottom);
}

void erase_ellipse(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
  call_current(&DrawDevice::erase_ellipse, left, top, right, bottom);
}

void stroke_round_rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                       std::int32_t corner_width, std::int32_t corner_height) {
  call_current(&DrawDevice::stroke_round_rect, left, top, right, bottom, corner_width,
               corner_height);
}

void draw_round_rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                     std::int32_t corner_width, std::int32_t corner_height) {
  call_current(&DrawDevice::draw_round_rect, left, top, right, bottom, corner_width, corner_height);
}

void paint_round_rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                      std::int32_t corner_width, std::int32_t corner_height) {
  call_current(&DrawDevice::paint_round_rect, left, top, right, bottom, corner_width,
               corner_height);
}

void erase_round_rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                      std::int32_t corner_width, std::int32_t corner_height) {
  call_current(&DrawDevice::erase_round_rect, left, top, right, bottom, corner_width,
               corner_height);
}

void draw_arc(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
              double start, double end) {
  call_current(&DrawDevice::draw_arc, left, top, right, bottom, start, end);
}

void stroke_pie(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                double start, double end) {
  call_current(&DrawDevice::stroke_pie, left, top, right, bottom, start, end);
}

void draw_pie(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
              double start, double end) {
  call_current(&DrawDevice::draw_pie, left, top, right, bottom, start, end);
}

void paint_pie(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
               double start, double end) {
  call_current(&DrawDevice::paint_pie, left, top, right, bottom, start, end);
}

void erase_pie(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
               double start, double end) {
  call_current(&DrawDevice::erase_pie, left, top, right, bottom, start, end);
}

void draw_polyline(const Point* points, std::int32_t count) {
  call_current(&DrawDevice::draw_polyline, points, count);
}

void stroke_polygon(const Point* points, std::int32_t count) {
  call_current(&DrawDevice::stroke_polygon, points, count);
}

void draw_polygon(const Point* points, std::int32_t count) {
  call_current(&DrawDevice::draw_polygon, points, count);
}

void paint_polygon(const Point* points, std::int32_t count) {
  call_current(&DrawDevice::paint_polygon, points, count);
}

void erase_polygon(const Point* points, std::int32_t count) {
  call_current(&DrawDevice::erase_polygon, points, count);
}

void flood_fill(std::int32_t x, std::int32_t y, Color border) {
  call_current(&DrawDevice::flood_fill, x, y, border);
}

void out_text(const char* text) {
  call_current(&DrawDevice::out_text, text);
}

void out_text_at(std::int32_t x, std::int32_t y, const char* text) {
  call_current(&DrawDevice::out_text_at, x, y, text);
}

std::int32_t draw_text_in_rect(const char* text, Rect* rect, std::uint32_t format) {
  return call_current(&DrawDevice::draw_text_in_rect, text, rect, format);
}

std::int32_t text_width(const char* text) {
  return call_current(&DrawDevice::text_width, text);
}

std::int32_t text_height(const char* text) {
  return call_current(&DrawDevice::text_height, text);
}

void set_text_style_logfont(const LogFont& font) {
  call_current(&DrawDevice::set_text_style_logfont, font);
}

void set_text_style_full(std::int32_t height, std::int32_t width, const char* face,
                         std::int32_t escapement, std::int32_t orientation, std::int32_t weight,
                         std::uint8_t italic, std::uint8_t underline, std::uint8_t strike_out,
                         std::uint8_t char_set, std::uint8_t out_precision,
                         std::uint8_t clip_precision, std::uint8_t quality,
                         std::uint8_t pitch_and_family) {
  call_current(&DrawDevice::set_text_style_full, height, width, face, escapement, orientation,
               weight, italic, underline, strike_out, char_set, out_precision, clip_precision,
               quality, pitch_and_family);
}

void set_text_style_ext(std::int32_t height, std::int32_t width, const char* face,
                        std::int32_t escapement, std::int32_t orientation, std::int32_t weight,
                        std::uint8_t italic, std::uint8_t underline, std::uint8_t strike_out) {
  call_current(&DrawDevice::set_text_style_ext, height, width, face, escapement, orientation,
               weight, italic, underline, strike_out);
}

void set_text_style(std::int32_t height, std::int32_t width, const char* face) {
  call_current(&DrawDevice::set_text_style, height, width, face);
}

void get_text_style(LogFont* font) {
  call_current(&DrawDevice::get_text_style, font);
}

std::int32_t get_width() {
  return call_current(&DrawDevice::get_width);
}

std::int32_t get_height() {
  return call_current(&DrawDevice::get_height);
}

std::int32_t get_x() {
  return call_current(&DrawDevice::get_x);
}

std::int32_t get_y() {
  return call_current(&DrawDevice::get_y);
}

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
    target.window_surface = gdi::kNoDc;
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
  return target.window_surface == gdi::kNoDc ? target.current_image : nullptr;
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
