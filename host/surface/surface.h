// The drawing surface: device contexts over 32-bit pixel memory, the graphics objects selected
// into them, their state, and the drawing calls. Every call keeps the pixel rules of the platform
// this library was first written for (last pixel of a line excluded, right and bottom edges of a
// box excluded, raster operations per pixel, geometric pens, hatch and pattern brushes aligned to
// the brush origin, world transforms, clip regions).
//
// Handles are small numbers checked on every use: a null, stale or wrong-kind handle makes a call
// fail (false, a null handle or the invalid colour) without touching anything. Sizes and
// coordinates anywhere in the 32-bit range are accepted; nothing is drawn outside the pixel
// memory. Calls may come from any thread; one device context is used by one thread at a time.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string_view>

#include "host/surface/types.h"
#include "host/text/program_text.h"

namespace kanvo::surface {

enum class DcHandle : std::uint32_t {};
enum class ObjectHandle : std::uint32_t {};
inline constexpr DcHandle kNoDc{};
inline constexpr ObjectHandle kNoObject{};

inline constexpr int kDotsPerInch = 96;

// ---- Device contexts -------------------------------------------------------------------------

// A memory device context with a 1 by 1 monochrome bitmap selected, the stock black pen and white
// brush, the system font, and the default state. `reference` only has to be a valid context or
// kNoDc (the screen); every surface here is 32 bits per pixel.
DcHandle create_compatible_dc(DcHandle reference);
bool delete_dc(DcHandle dc);

// Pixel memory that another thread reads while contexts draw into it (a window's client area,
// which the display copies to the screen). Every call that may change the pixels (drawing, blits,
// text) holds `lock` while it works and counts `changes` up after it; a reader that holds `lock`
// never sees a call's work half done, and a changed count tells it there is something new.
struct SharedPixels {
  std::mutex lock;
  std::atomic<std::uint64_t> changes{0};
};
// Connects the context's drawing to the shared pixels; null disconnects.
void share_pixels(DcHandle dc, SharedPixels* shared);
// From now on every word a drawing call writes on `dc` is written at the same place on `mirror`
// as well, while the two have pixel memory of the same size: a picture and its copy on the
// screen, whose states the caller keeps the same, are then drawn on by working each call out
// once. The caller keeps the two pictures equal while it lasts; kNoDc ends it. False (and no
// mirror) when either context is not there or their sizes differ.
bool mirror_drawing(DcHandle dc, DcHandle mirror);

// ---- Bitmaps ---------------------------------------------------------------------------------

// 32-bit top-down pixel memory of width x height, zero-filled, owned by the bitmap. `bits`
// receives the first pixel (null when the size is not positive or too large to allocate).
ObjectHandle create_dib_section(std::int32_t width, std::int32_t height, PixelWord** bits);
// The same over memory that the caller owns and keeps alive while the bitmap exists.
ObjectHandle create_dib_section_over(PixelWord* pixels, std::int32_t width, std::int32_t height);
// A device-dependent bitmap: 1 bit per pixel (rows padded to 16 bits, most significant bit
// leftmost, 0 = black) or 32 bits per pixel. `bits` may be null (all zero).
ObjectHandle create_bitmap(std::int32_t width, std::int32_t height, std::uint32_t planes,
                           std::uint32_t bits_per_pixel, const void* bits);

struct BitmapInfo {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t stride_bytes = 0;
  std::uint16_t planes = 1;
  std::uint16_t bits_per_pixel = 0;
  void* bits = nullptr;  // top-down rows
};
bool get_bitmap_info(ObjectHandle bitmap, BitmapInfo* info);

// The 40-byte header of a device-independent bitmap.
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

// Reads `lines` rows from `start` (counted in the header's row order) of the bitmap as a DIB of
// the header's format (1 or 32 bits per pixel, BI_RGB). With `bits` null only fills in
// `info->size_image`. Returns the rows copied, 0 on failure.
std::int32_t get_dib_bits(DcHandle dc, ObjectHandle bitmap, std::int32_t start, std::int32_t lines,
                          void* bits, BitmapInfoHeader* info);

// ---- Objects ---------------------------------------------------------------------------------

// Selects a pen, brush, font or bitmap; returns the object of that kind it replaces, or kNoObject
// on failure. Regions are selected with select_clip_region.
ObjectHandle select_object(DcHandle dc, ObjectHandle object);
// Deleting an object that a context still has selected is deferred until it is replaced there.
// Stock objects are never deleted.
bool delete_object(ObjectHandle object);
ObjectHandle get_stock_object(StockObject which);
ObjectHandle get_current_object(DcHandle dc, ObjectKind kind);
ObjectKind get_object_kind(ObjectHandle object);
// Objects and device contexts not yet freed, stock objects aside: what a program holds.
std::size_t live_object_count();

// ---- Pens and brushes ------------------------------------------------------------------------

// Cosmetic pen of the plain call: width 0 (and 1) draws one pixel wide; wider pens are geometric
// solid pens with round caps and joins; dashed kinds are only honoured up to width 1.
ObjectHandle create_pen(std::uint32_t style, std::int32_t width, Color color);

struct LogBrush {
  BrushStyle style = BrushStyle::solid;
  Color color = 0;
  HatchStyle hatch = HatchStyle::horizontal;
  ObjectHandle pattern_bitmap = kNoObject;  // BrushStyle::pattern
  const void* packed_dib = nullptr;         // BrushStyle::dib_pattern: header, colours, rows
};

// Pen of the extended call. `style` carries the type (cosmetic or geometric), kind, end cap and
// join. `dashes` (alternately dash and gap lengths, starting with a dash) is read only with
// pen_style::kUserStyle; a geometric pen's width is in world units.
ObjectHandle ext_create_pen(std::uint32_t style, std::uint32_t width, const LogBrush& brush,
                            std::uint32_t dash_count, const std::uint32_t* dashes);

ObjectHandle create_solid_brush(Color color);
ObjectHandle create_hatch_brush(HatchStyle hatch, Color color);
// Monochrome bitmap: 0 bits paint in the text colour, 1 bits in the background colour. A 32-bit
// bitmap tiles in its own colours. The brush keeps its own copy of the bits.
ObjectHandle create_pattern_brush(ObjectHandle bitmap);
ObjectHandle create_brush_indirect(const LogBrush& brush);

// ---- Regions and clipping --------------------------------------------------------------------

ObjectHandle create_rect_region(std::int32_t left, std::int32_t top, std::int32_t right,
                                std::int32_t bottom);
// The context clips to a copy of the region, in device pixels; kNoObject removes clipping.
bool select_clip_region(DcHandle dc, ObjectHandle region);
// Copies the clip region into `region`: 1 when there is one, 0 when there is none, -1 on error.
int get_clip_region(DcHandle dc, ObjectHandle region);
// Paints the region (device pixels) with the brush under the raster operation.
bool fill_region(DcHandle dc, ObjectHandle region, ObjectHandle brush);
bool get_region_box(ObjectHandle region, Rect* box);

// ---- State -----------------------------------------------------------------------------------

GraphicsMode set_graphics_mode(DcHandle dc, GraphicsMode mode);  // returns the old mode
GraphicsMode get_graphics_mode(DcHandle dc);
// Only in the advanced mode; the transform must be invertible.
bool set_world_transform(DcHandle dc, const Transform& transform);
bool get_world_transform(DcHandle dc, Transform* transform);
Color set_text_color(DcHandle dc, Color color);  // each setter returns the old value,
Color get_text_color(DcHandle dc);               // kInvalidColor or 0 on failure
Color set_bk_color(DcHandle dc, Color color);
Color get_bk_color(DcHandle dc);
int set_bk_mode(DcHandle dc, int mode);  // BackgroundMode values; 0 on failure
int get_bk_mode(DcHandle dc);
int set_rop2(DcHandle dc, int mode);  // rop2 values 1 to 16; 0 on failure
int get_rop2(DcHandle dc);
int set_poly_fill_mode(DcHandle dc, int mode);  // PolyFillMode values; 0 on failure
int get_poly_fill_mode(DcHandle dc);
bool set_brush_origin(DcHandle dc, std::int32_t x, std::int32_t y, Point* old);  // device pixels
bool move_to(DcHandle dc, std::int32_t x, std::int32_t y, Point* old);
bool get_current_position(DcHandle dc, Point* position);

// ---- Drawing ---------------------------------------------------------------------------------
// Coordinates are logical (world) coordinates, mapped through the world transform.

bool line_to(DcHandle dc, std::int32_t x, std::int32_t y);
bool polyline(DcHandle dc, const Point* points, std::int32_t count);
bool polygon(DcHandle dc, const Point* points, std::int32_t count);
bool rectangle(DcHandle dc, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom);
bool ellipse(DcHandle dc, std::int32_t left, std::int32_t top, std::int32_t right,
             std::int32_t bottom);
bool round_rect(DcHandle dc, std::int32_t left, std::int32_t top, std::int32_t right,
                std::int32_t bottom, std::int32_t corner_width, std::int32_t corner_height);
bool arc(DcHandle dc, std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
         std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
bool pie(DcHandle dc, std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
         std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
bool chord(DcHandle dc, std::int32_t left, std::int32_t top, std::int32_t right,
           std::int32_t bottom, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
bool fill_rect(DcHandle dc, const Rect& rect, ObjectHandle brush);
bool ext_flood_fill(DcHandle dc, std::int32_t x, std::int32_t y, Color color, FloodFillType type);
bool set_pixel(DcHandle dc, std::int32_t x, std::int32_t y, Color color);
// kInvalidColor outside the surface or the clip region.
Color get_pixel(DcHandle dc, std::int32_t x, std::int32_t y);
bool pat_blt(DcHandle dc, std::int32_t left, std::int32_t top, std::int32_t width,
             std::int32_t height, std::uint32_t rop);
bool bit_blt(DcHandle destination, std::int32_t x, std::int32_t y, std::int32_t width,
             std::int32_t height, DcHandle source, std::int32_t source_x, std::int32_t source_y,
             std::uint32_t rop);

// ---- Text ------------------------------------------------------------------------------------
// Texts are byte strings in the encoding given, by default the one the program chose
// (host/text/program_text.h); the window system's own texts are GBK.

ObjectHandle create_font_indirect(const LogFont& description);
bool get_font_description(ObjectHandle font, LogFont* description);
// Draws the text with its cell's top-left corner at (x, y), in the text colour; in the opaque
// background mode the cells are first filled with the background colour.
bool text_out(DcHandle dc, std::int32_t x, std::int32_t y, std::string_view text,
              kanvo::text::TextEncoding encoding = kanvo::text::program_encoding());
bool get_text_extent(DcHandle dc, std::string_view text, Size* extent,
                     kanvo::text::TextEncoding encoding = kanvo::text::program_encoding());
// Lays the text out in the rectangle by the text_format flags; returns the height of the text
// (0 on failure). With kCalcRect nothing is drawn and the rectangle's right and bottom are set.
std::int32_t draw_text(DcHandle dc, std::string_view text, Rect* rect, std::uint32_t format,
                       kanvo::text::TextEncoding encoding = kanvo::text::program_encoding());

}  // namespace kanvo::surface
