// The drawing surface as the library uses it: surfaces over bitmaps, the pens, brushes, fonts,
// bitmaps and regions selected into them, their modes, and the drawing, text and copying calls.
// A call with a handle that is not (or no longer) what it should be does nothing and fails.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "graphics/platform/types.h"

namespace kanvo::platform {

// Stock objects, asked for by name; never deleted.
enum class StockObject {
  white_brush,
  black_brush,
  null_brush,
  white_pen,
  black_pen,
  null_pen,
  system_font,
  default_palette,
};

// What get_current_object asks for.
enum class ObjectKind : std::uint8_t { none, pen, brush, font, bitmap, region, palette };

struct LogBrush {
  BrushStyle style = BrushStyle::solid;
  Color color = 0;
  HatchStyle hatch = HatchStyle::horizontal;
  ObjectHandle pattern_bitmap = kNoObject;  // BrushStyle::pattern
  const void* packed_dib = nullptr;         // BrushStyle::dib_pattern: header, colours, rows
};

struct BitmapInfo {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t stride_bytes = 0;
  std::uint16_t planes = 1;
  std::uint16_t bits_per_pixel = 0;
  void* bits = nullptr;  // top-down rows
};

// The header of a device-independent bitmap, field for field as bitmap files store it.
struct BitmapInfoHeader {
  std::uint32_t size = 40;
  std::int32_t width = 0;
  std::int32_t height = 0;  // positive: rows bottom-up; negative: top-down
  std::uint16_t planes = 1;
  std::uint16_t bit_count = 0;
  std::uint32_t compression = 0;
  std::uint32_t size_image = 0;
  std::int32_t x_pels_per_meter = 0;
  std::int32_t y_pels_per_meter = 0;
  std::uint32_t colors_used = 0;
  std::uint32_t colors_important = 0;
};
static_assert(sizeof(BitmapInfoHeader) == 40);

// Surfaces and bitmaps.
SurfaceHandle create_compatible_dc(SurfaceHandle reference);
bool delete_dc(SurfaceHandle dc);
// Every pixel a drawing call writes on `dc` is written on `mirror` as well, while the two have
// pixels of the same size; the caller keeps their pictures and drawing states the same.
// kNoSurface ends it. False, and no mirror, when the sizes differ.
bool mirror_drawing(SurfaceHandle dc, SurfaceHandle mirror);
// A 32-bit top-down bitmap of zeros; *bits receives its pixel words (0x00RRGGBB).
ObjectHandle create_dib_section(std::int32_t width, std::int32_t height, std::uint32_t** bits);
ObjectHandle create_bitmap(std::int32_t width, std::int32_t height, std::uint32_t planes,
                           std::uint32_t bits_per_pixel, const void* bits);
bool get_bitmap_info(ObjectHandle bitmap, BitmapInfo* info);
std::int32_t get_dib_bits(SurfaceHandle dc, ObjectHandle bitmap, std::int32_t start,
                          std::int32_t lines, void* bits, BitmapInfoHeader* info);

// Drawing objects.
ObjectHandle select_object(SurfaceHandle dc, ObjectHandle object);
bool delete_object(ObjectHandle object);
ObjectHandle get_stock_object(StockObject which);
ObjectHandle get_current_object(SurfaceHandle dc, ObjectKind kind);
ObjectKind get_object_kind(ObjectHandle object);
// How many drawing objects exist, stock objects left out: a program that deletes what it makes
// keeps it steady.
std::size_t live_object_count();
ObjectHandle create_pen(std::uint32_t style, std::int32_t width, Color color);
ObjectHandle ext_create_pen(std::uint32_t style, std::uint32_t width, const LogBrush& brush,
                            std::uint32_t dash_count, const std::uint32_t* dashes);
ObjectHandle create_solid_brush(Color color);
ObjectHandle create_brush_indirect(const LogBrush& brush);
ObjectHandle create_rect_region(std::int32_t left, std::int32_t top, std::int32_t right,
                                std::int32_t bottom);
ObjectHandle create_font_indirect(const LogFont& description);
bool get_font_description(ObjectHandle font, LogFont* description);

// Modes and state.
bool select_clip_region(SurfaceHandle dc, ObjectHandle region);
// 1 and a copy of the clip in `region` when there is one, 0 without, -1 on failure.
int get_clip_region(SurfaceHandle dc, ObjectHandle region);
bool fill_region(SurfaceHandle dc, ObjectHandle region, ObjectHandle brush);
GraphicsMode set_graphics_mode(SurfaceHandle dc, GraphicsMode mode);
bool set_world_transform(SurfaceHandle dc, const Transform& transform);
Color set_text_color(SurfaceHandle dc, Color color);  // the setters return the old value
Color set_bk_color(SurfaceHandle dc, Color color);
int set_bk_mode(SurfaceHandle dc, int mode);
int get_bk_mode(SurfaceHandle dc);
int set_rop2(SurfaceHandle dc, int mode);
int get_rop2(SurfaceHandle dc);
int set_poly_fill_mode(SurfaceHandle dc, int mode);
int get_poly_fill_mode(SurfaceHandle dc);

// Drawing.
bool move_to(SurfaceHandle dc, std::int32_t x, std::int32_t y, Point* old);
bool line_to(SurfaceHandle dc, std::int32_t x, std::int32_t y);
bool polyline(SurfaceHandle dc, const Point* points, std::int32_t count);
bool polygon(SurfaceHandle dc, const Point* points, std::int32_t count);
bool rectangle(SurfaceHandle dc, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom);
bool ellipse(SurfaceHandle dc, std::int32_t left, std::int32_t top, std::int32_t right,
             std::int32_t bottom);
bool round_rect(SurfaceHandle dc, std::int32_t left, std::int32_t top, std::int32_t right,
                std::int32_t bottom, std::int32_t corner_width, std::int32_t corner_height);
bool arc(SurfaceHandle dc, std::int32_t left, std::int32_t top, std::int32_t right,
         std::int32_t bottom, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
bool pie(SurfaceHandle dc, std::int32_t left, std::int32_t top, std::int32_t right,
         std::int32_t bottom, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
bool ext_flood_fill(SurfaceHandle dc, std::int32_t x, std::int32_t y, Color color,
                    FloodFillType type);
bool set_pixel(SurfaceHandle dc, std::int32_t x, std::int32_t y, Color color);
Color get_pixel(SurfaceHandle dc, std::int32_t x, std::int32_t y);
bool bit_blt(SurfaceHandle destination, std::int32_t x, std::int32_t y, std::int32_t width,
             std::int32_t height, SurfaceHandle source, std::int32_t source_x,
             std::int32_t source_y, std::uint32_t rop);

// Text, in the program's text encoding unless one is given.
bool text_out(SurfaceHandle dc, std::int32_t x, std::int32_t y, std::string_view text);
bool get_text_extent(SurfaceHandle dc, std::string_view text, Size* extent);
std::int32_t draw_text(SurfaceHandle dc, std::string_view text, Rect* rect, std::uint32_t format);
std::int32_t draw_text(SurfaceHandle dc, std::string_view text, Rect* rect, std::uint32_t format,
                       TextEncoding encoding);

}  // namespace kanvo::platform
