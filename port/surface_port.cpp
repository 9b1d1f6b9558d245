// The drawing surface over the host's: handles and records change type, nothing else.
#include <vector>

#include "graphics/platform/drawing_surface.h"
#include "port/host_values.h"

namespace kanvo::platform {
namespace {

surface::LogBrush to_host(const LogBrush& brush) {
  surface::LogBrush host;
  host.style = static_cast<surface::BrushStyle>(brush.style);
  host.color = brush.color;
  host.hatch = static_cast<surface::HatchStyle>(brush.hatch);
  host.pattern_bitmap = platform::to_host(brush.pattern_bitmap);
  host.packed_dib = brush.packed_dib;
  return host;
}

// The points of one call in the host's type; the buffer keeps its size, so only a figure larger
// than any before allocates.
const surface::Point* host_points(const Point* points, std::int32_t count) {
  if (points == nullptr || count <= 0) return nullptr;
  thread_local std::vector<surface::Point> buffer;
  buffer.resize(static_cast<std::size_t>(count));
  for (std::int32_t i = 0; i < count; ++i)
    buffer[static_cast<std::size_t>(i)] = platform::to_host(points[i]);
  return buffer.data();
}

}  // namespace

SurfaceHandle create_compatible_dc(SurfaceHandle reference) {
  return from_host(surface::create_compatible_dc(to_host(reference)));
}
bool delete_dc(SurfaceHandle dc) {
  return surface::delete_dc(to_host(dc));
}
bool mirror_drawing(SurfaceHandle dc, SurfaceHandle mirror) {
  return surface::mirror_drawing(to_host(dc), to_host(mirror));
}
ObjectHandle create_dib_section(std::int32_t width, std::int32_t height, std::uint32_t** bits) {
  return from_host(surface::create_dib_section(width, height, bits));
}
ObjectHandle create_bitmap(std::int32_t width, std::int32_t height, std::uint32_t planes,
                           std::uint32_t bits_per_pixel, const void* bits) {
  return from_host(surface::create_bitmap(width, height, planes, bits_per_pixel, bits));
}
bool get_bitmap_info(ObjectHandle bitmap, BitmapInfo* info) {
  surface::BitmapInfo host;
  const bool found = surface::get_bitmap_info(to_host(bitmap), &host);
  if (found && info != nullptr) {
    *info = {host.width,  host.height,         host.stride_bytes,
             host.planes, host.bits_per_pixel, host.bits};
  }
  return found;
}
std::int32_t get_dib_bits(SurfaceHandle dc, ObjectHandle bitmap, std::int32_t start,
                          std::int32_t lines, void* bits, BitmapInfoHeader* info) {
  OutValue<BitmapInfoHeader, surface::BitmapInfoHeader> header(info);
  return surface::get_dib_bits(to_host(dc), to_host(bitmap), start, lines, bits, header.get());
}

ObjectHandle select_object(SurfaceHandle dc, ObjectHandle object) {
  return from_host(surface::select_object(to_host(dc), to_host(object)));
}
ObjectKind get_object_kind(ObjectHandle object) {
  return static_cast<ObjectKind>(surface::get_object_kind(to_host(object)));
}
std::size_t live_object_count() {
  return surface::live_object_count();
}
bool delete_object(ObjectHandle object) {
  return surface::delete_object(to_host(object));
}
ObjectHandle get_stock_object(StockObject which) {
  return from_host(surface::get_stock_object(static_cast<surface::StockObject>(which)));
}
ObjectHandle get_current_object(SurfaceHandle dc, ObjectKind kind) {
  return from_host(
      surface::get_current_object(to_host(dc), static_cast<surface::ObjectKind>(kind)));
}
ObjectHandle create_pen(std::uint32_t style, std::int32_t width, Color color) {
  return from_host(surface::create_pen(style, width, color));
}
ObjectHandle ext_create_pen(std::uint32_t style, std::uint32_t width, const LogBrush& brush,
                            std::uint32_t dash_count, const std::uint32_t* dashes) {
  return from_host(surface::ext_create_pen(style, width, to_host(brush), dash_count, dashes));
}
ObjectHandle create_solid_brush(Color color) {
  return from_host(surface::create_solid_brush(color));
}
ObjectHandle create_brush_indirect(const LogBrush& brush) {
  return from_host(surface::create_brush_indirect(to_host(brush)));
}
ObjectHandle create_rect_region(std::int32_t left, std::int32_t top, std::int32_t right,
                                std::int32_t bottom) {
  return from_host(surface::create_rect_region(left, top, right, bottom));
}
ObjectHandle create_font_indirect(const LogFont& description) {
  return from_host(surface::create_font_indirect(to_host(description)));
}
bool get_font_description(ObjectHandle font, LogFont* description) {
  OutValue<LogFont, surface::LogFont> host(description);
  return surface::get_font_description(to_host(font), host.get());
}

bool select_clip_region(SurfaceHandle dc, ObjectHandle region) {
  return surface::select_clip_region(to_host(dc), to_host(region));
}
int get_clip_region(SurfaceHandle dc, ObjectHandle region) {
  return surface::get_clip_region(to_host(dc), to_host(region));
}
bool fill_region(SurfaceHandle dc, ObjectHandle region, ObjectHandle brush) {
  return surface::fill_region(to_host(dc), to_host(region), to_host(brush));
}
GraphicsMode set_graphics_mode(SurfaceHandle dc, GraphicsMode mode) {
  return static_cast<GraphicsMode>(
      surface::set_graphics_mode(to_host(dc), static_cast<surface::GraphicsMode>(mode)));
}
bool set_world_transform(SurfaceHandle dc, const Transform& transform) {
  return surface::set_world_transform(to_host(dc), to_host(transform));
}
Color set_text_color(SurfaceHandle dc, Color color) {
  return surface::set_text_color(to_host(dc), color);
}
Color set_bk_color(SurfaceHandle dc, Color color) {
  return surface::set_bk_color(to_host(dc), color);
}
int set_bk_mode(SurfaceHandle dc, int mode) {
  return surface::set_bk_mode(to_host(dc), mode);
}
int get_bk_mode(SurfaceHandle dc) {
  return surface::get_bk_mode(to_host(dc));
}
int set_rop2(SurfaceHandle dc, int mode) {
  return surface::set_rop2(to_host(dc), mode);
}
int get_rop2(SurfaceHandle dc) {
  return surface::get_rop2(to_host(dc));
}
int set_poly_fill_mode(SurfaceHandle dc, int mode) {
  return surface::set_poly_fill_mode(to_host(dc), mode);
}
int get_poly_fill_mode(SurfaceHandle dc) {
  return surface::get_poly_fill_mode(to_host(dc));
}

bool move_to(SurfaceHandle dc, std::int32_t x, std::int32_t y, Point* old) {
  OutValue<Point, surface::Point> host(old);
  return surface::move_to(to_host(dc), x, y, host.get());
}
bool line_to(SurfaceHandle dc, std::int32_t x, std::int32_t y) {
  return surface::line_to(to_host(dc), x, y);
}
bool polyline(SurfaceHandle dc, const Point* points, std::int32_t count) {
  return surface::polyline(to_host(dc), host_points(points, count), count);
}
bool polygon(SurfaceHandle dc, const Point* points, std::int32_t count) {
  return surface::polygon(to_host(dc), host_points(points, count), count);
}
bool rectangle(SurfaceHandle dc, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom) {
  return surface::rectangle(to_host(dc), left, top, right, bottom);
}
bool ellipse(SurfaceHandle dc, std::int32_t left, std::int32_t top, std::int32_t right,
             std::int32_t bottom) {
  return surface::ellipse(to_host(dc), left, top, right, bottom);
}
bool round_rect(SurfaceHandle dc, std::int32_t left, std::int32_t top, std::int32_t right,
                std::int32_t bottom, std::int32_t corner_width, std::int32_t corner_height) {
  return surface::round_rect(to_host(dc), left, top, right, bottom, corner_width, corner_height);
}
bool arc(SurfaceHandle dc, std::int32_t left, std::int32_t top, std::int32_t right,
         std::int32_t bottom, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  return surface::arc(to_host(dc), left, top, right, bottom, x1, y1, x2, y2);
}
bool pie(SurfaceHandle dc, std::int32_t left, std::int32_t top, std::int32_t right,
         std::int32_t bottom, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  return surface::pie(to_host(dc), left, top, right, bottom, x1, y1, x2, y2);
}
bool ext_flood_fill(SurfaceHandle dc, std::int32_t x, std::int32_t y, Color color,
                    FloodFillType type) {
  return surface::ext_flood_fill(to_host(dc), x, y, color,
                                 static_cast<surface::FloodFillType>(type));
}
bool set_pixel(SurfaceHandle dc, std::int32_t x, std::int32_t y, Color color) {
  return surface::set_pixel(to_host(dc), x, y, color);
}
Color get_pixel(SurfaceHandle dc, std::int32_t x, std::int32_t y) {
  return surface::get_pixel(to_host(dc), x, y);
}
bool bit_blt(SurfaceHandle destination, std::int32_t x, std::int32_t y, std::int32_t width,
             std::int32_t height, SurfaceHandle source, std::int32_t source_x,
             std::int32_t source_y, std::uint32_t rop) {
  return surface::bit_blt(to_host(destination), x, y, width, height, to_host(source), source_x,
                          source_y, rop);
}

bool text_out(SurfaceHandle dc, std::int32_t x, std::int32_t y, std::string_view text) {
  return surface::text_out(to_host(dc), x, y, text);
}
bool get_text_extent(SurfaceHandle dc, std::string_view text, Size* extent) {
  OutValue<Size, surface::Size> host(extent);
  return surface::get_text_extent(to_host(dc), text, host.get());
}
std::int32_t draw_text(SurfaceHandle dc, std::string_view text, Rect* rect, std::uint32_t format) {
  OutValue<Rect, surface::Rect> host(rect);
  return surface::draw_text(to_host(dc), text, host.get(), format);
}
std::int32_t draw_text(SurfaceHandle dc, std::string_view text, Rect* rect, std::uint32_t format,
                       TextEncoding encoding) {
  OutValue<Rect, surface::Rect> host(rect);
  return surface::draw_text(to_host(dc), text, host.get(), format, to_host(encoding));
}

}  // namespace kanvo::platform
