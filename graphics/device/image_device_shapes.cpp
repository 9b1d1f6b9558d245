// The shape operations of the image device: pixels, the pen position, lines, the closed shapes in
// their four variants, arcs, polygons and flood fill.
#include <algorithm>
#include <cmath>
#include <utility>

#include "graphics/context/graphics_context.h"
#include "graphics/device/image_device.h"
#include "graphics/device/shape_variants.h"
#include "graphics/device/wrapping_math.h"
#include "graphics/image/pixel_fill.h"
#include "graphics/platform/drawing_surface.h"

namespace kanvo {
namespace {

// The nearest integer, halves away from zero; values beyond the 32-bit range saturate.
std::int32_t round_half_away(double value) {
  const double rounded = value < 0 ? std::trunc(value - 0.5) : std::trunc(value + 0.5);
  if (!(rounded >= -2147483648.0)) return INT32_MIN;  // also NaN
  if (rounded > 2147483647.0) return INT32_MAX;
  return static_cast<std::int32_t>(rounded);
}

}  // namespace

void ImageDevice::clear_canvas() {
  CanvasImage& target = image();
  fill_with_color(target, target.state().bk_color);
  move_pen_to(0, 0);
}

Color ImageDevice::read_pixel(std::int32_t x, std::int32_t y) {
  return platform::get_pixel(surface(), x, y);
}

void ImageDevice::write_pixel(std::int32_t x, std::int32_t y, Color color) {
  for_each_drawing_surface([&](SurfaceHandle dc) { platform::set_pixel(dc, x, y, color); });
}

void ImageDevice::move_pen_to(std::int32_t x, std::int32_t y) {
  for_each_surface([&](SurfaceHandle dc) { platform::move_to(dc, x, y, nullptr); });
  image().state().pen_x = x;
  image().state().pen_y = y;
}

void ImageDevice::move_pen_by(std::int32_t dx, std::int32_t dy) {
  const DrawingState& state = image().state();
  move_pen_to(wrapping_add(state.pen_x, dx), wrapping_add(state.pen_y, dy));
}

void ImageDevice::draw_line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  platform::move_to(surface(), x1, y1, nullptr);
  platform::line_to(surface(), x2, y2);
}

void ImageDevice::draw_line_by(std::int32_t dx, std::int32_t dy) {
  const DrawingState& state = image().state();
  draw_line_to(wrapping_add(state.pen_x, dx), wrapping_add(state.pen_y, dy));
}

void ImageDevice::draw_line_to(std::int32_t x, std::int32_t y) {
  DrawingState& state = image().state();
  draw_line(state.pen_x, state.pen_y, x, y);
  state.pen_x = x;
  state.pen_y = y;
}

void ImageDevice::stroke_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                              std::int32_t bottom) {
  with_hollow_brush([&] { draw_rect(left, top, right, bottom); });
}

void ImageDevice::draw_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                            std::int32_t bottom) {
  for_each_drawing_surface(
      [&](SurfaceHandle dc) { platform::rectangle(dc, left, top, right, bottom); });
}

void ImageDevice::paint_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                             std::int32_t bottom) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  // Without a pen the rectangle's interior is one pixel narrower and shorter; widen to make up.
  with_null_pen([&] { draw_rect(left, top, wrapping_add(right, 1), wrapping_add(bottom, 1)); });
}

void ImageDevice::erase_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                             std::int32_t bottom) {
  with_background_fill(*this, [&] { paint_rect(left, top, right, bottom); });
}

void ImageDevice::arc_end_points(std::int32_t left, std::int32_t top, std::int32_t right,
                                 std::int32_t bottom, double start, double end, std::int32_t* x1,
                                 std::int32_t* y1, std::int32_t* x2, std::int32_t* y2) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  // Integer halves: for an odd size the centre lies half a pixel up and to the left.
  const double a = static_cast<double>((static_cast<std::int64_t>(right) - left) / 2);
  const double b = static_cast<double>((static_cast<std::int64_t>(bottom) - top) / 2);
  const double cx = left + a;
  const double cy = top + b;
  auto radial = [&](double angle, std::int32_t* x, std::int32_t* y) {
    if (angle == 0.0) {
      if (x != nullptr) *x = round_half_away(cx + a);
      if (y != nullptr) *y = round_half_away(cy);
      return;
    }
    if (x != nullptr) *x = round_half_away(cx + std::cos(angle) * a);
    if (y != nullptr) *y = round_half_away(cy - std::sin(angle) * b);
  };
  radial(start, x1, y1);
  radial(end, x2, y2);
}

void ImageDevice::stroke_circle(std::int32_t x, std::int32_t y, std::int32_t radius) {
  with_hollow_brush([&] { draw_circle(x, y, radius); });
}

void ImageDevice::draw_circle(std::int32_t x, std::int32_t y, std::int32_t radius) {
  const std::int32_t left = wrapping_sub(x, radius);
  const std::int32_t top = wrapping_sub(y, radius);
  const std::int32_t right = wrapping_add(x, radius);
  const std::int32_t bottom = wrapping_add(y, radius);
  for_each_drawing_surface(
      [&](SurfaceHandle dc) { platform::ellipse(dc, left, top, right, bottom); });
}

void ImageDevice::paint_circle(std::int32_t x, std::int32_t y, std::int32_t radius) {
  with_null_pen([&] { draw_circle(x, y, radius); });
}

void ImageDevice::erase_circle(std::int32_t x, std::int32_t y, std::int32_t radius) {
  with_background_fill(*this, [&] { paint_circle(x, y, radius); });
}

void ImageDevice::stroke_ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                                 std::int32_t bottom) {
  with_hollow_brush([&] { draw_ellipse(left, top, right, bottom); });
}

void ImageDevice::draw_ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                               std::int32_t bottom) {
  for_each_drawing_surface(
      [&](SurfaceHandle dc) { platform::ellipse(dc, left, top, right, bottom); });
}

void ImageDevice::paint_ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                                std::int32_t bottom) {
  with_null_pen([&] { draw_ellipse(left, top, right, bottom); });
}

void ImageDevice::erase_ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                                std::int32_t bottom) {
  with_background_fill(*this, [&] { paint_ellipse(left, top, right, bottom); });
}

void ImageDevice::stroke_round_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                                    std::int32_t bottom, std::int32_t corner_width,
                                    std::int32_t corner_height) {
  with_hollow_brush(
      [&] { draw_round_rect(left, top, right, bottom, corner_width, corner_height); });
}

void ImageDevice::draw_round_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                                  std::int32_t bottom, std::int32_t corner_width,
                                  std::int32_t corner_height) {
  for_each_drawing_surface([&](SurfaceHandle dc) {
    platform::round_rect(dc, left, top, right, bottom, corner_width, corner_height);
  });
}

void ImageDevice::paint_round_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                                   std::int32_t bottom, std::int32_t corner_width,
                                   std::int32_t corner_height) {
  with_null_pen([&] { draw_round_rect(left, top, right, bottom, corner_width, corner_height); });
}

void ImageDevice::erase_round_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                                   std::int32_t bottom, std::int32_t corner_width,
                                   std::int32_t corner_height) {
  with_background_fill(
      *this, [&] { paint_round_rect(left, top, right, bottom, corner_width, corner_height); });
}

void ImageDevice::draw_between_radials(RadialCall call, std::int32_t left, std::int32_t top,
                                       std::int32_t right, std::int32_t bottom, double start,
                                       double end) {
  std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  arc_end_points(left, top, right, bottom, start, end, &x1, &y1, &x2, &y2);
  for_each_drawing_surface(
      [&](SurfaceHandle dc) { call(dc, left, top, right, bottom, x1, y1, x2, y2); });
}

void ImageDevice::draw_arc(std::int32_t left, std::int32_t top, std::int32_t right,
                           std::int32_t bottom, double start, double end) {
  draw_between_radials(platform::arc, left, top, right, bottom, start, end);
}

void ImageDevice::stroke_pie(std::int32_t left, std::int32_t top, std::int32_t right,
                             std::int32_t bottom, double start, double end) {
  with_hollow_brush([&] { draw_pie(left, top, right, bottom, start, end); });
}

void ImageDevice::draw_pie(std::int32_t left, std::int32_t top, std::int32_t right,
                           std::int32_t bottom, double start, double end) {
  draw_between_radials(platform::pie, left, top, right, bottom, start, end);
}

void ImageDevice::paint_pie(std::int32_t left, std::int32_t top, std::int32_t right,
                            std::int32_t bottom, double start, double end) {
  with_null_pen([&] { draw_pie(left, top, right, bottom, start, end); });
}

void ImageDevice::erase_pie(std::int32_t left, std::int32_t top, std::int32_t right,
                            std::int32_t bottom, double start, double end) {
  with_background_fill(*this, [&] { paint_pie(left, top, right, bottom, start, end); });
}

void ImageDevice::draw_polyline(const Point* points, std::int32_t count) {
  for_each_drawing_surface([&](SurfaceHandle dc) { platform::polyline(dc, points, count); });
}

void ImageDevice::stroke_polygon(const Point* points, std::int32_t count) {
  with_hollow_brush([&] { draw_polygon(points, count); });
}

void ImageDevice::draw_polygon(const Point* points, std::int32_t count) {
  for_each_drawing_surface([&](SurfaceHandle dc) { platform::polygon(dc, points, count); });
}

void ImageDevice::paint_polygon(const Point* points, std::int32_t count) {
  with_null_pen([&] { draw_polygon(points, count); });
}

void ImageDevice::erase_polygon(const Point* points, std::int32_t count) {
  with_background_fill(*this, [&] { paint_polygon(points, count); });
}

void ImageDevice::flood_fill(std::int32_t x, std::int32_t y, Color border) {
  for_each_drawing_surface([&](SurfaceHandle dc) {
    platform::ext_flood_fill(dc, x, y, border, platform::FloodFillType::border);
  });
}

std::int32_t ImageDevice::get_width() {
  return image().width();
}
std::int32_t ImageDevice::get_height() {
  return image().height();
}
std::int32_t ImageDevice::get_x() {
  return image().state().pen_x;
}
std::int32_t ImageDevice::get_y() {
  return image().state().pen_y;
}

}  // namespace kanvo
