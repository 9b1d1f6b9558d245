// The drawing target behind every global drawing function: one table of operations in a fixed
// order, implemented by the image device (off-screen images) and the window device (the window's
// canvas and the window itself). Operations built from other operations always call them through
// this table, so an override of the window device takes effect inside inherited operations.
#pragma once

#include <cstdint>

#include "graphics/image/canvas_image.h"
#include "graphics/image/fill_style.h"
#include "graphics/image/line_style.h"
#include "graphics/platform/drawing_surface.h"

namespace kanvo {

class DrawDevice {
 public:
  DrawDevice() = default;
  DrawDevice(const DrawDevice&) = delete;
  DrawDevice& operator=(const DrawDevice&) = delete;
  virtual ~DrawDevice() = default;

  virtual void clear_canvas() = 0;

  // Drawing state.
  virtual Color get_line_color() = 0;
  virtual void set_line_color(Color color) = 0;
  virtual Color get_text_color() = 0;
  virtual void set_text_color(Color color) = 0;
  virtual Color get_bk_color() = 0;
  virtual void set_bk_color(Color color) = 0;
  virtual int get_bk_mode() = 0;
  virtual void set_bk_mode(int mode) = 0;
  virtual void set_origin(std::int32_t x, std::int32_t y) = 0;
  virtual void set_clip_region(RegionHandle region) = 0;
  virtual void clear_clip_region() = 0;
  virtual void get_line_style(LineStyle* style) = 0;
  virtual void set_line_style(std::int32_t style, std::int32_t thickness,
                              const std::uint32_t* dashes, std::int32_t dash_count) = 0;
  virtual void set_line_style_record(const LineStyle& style) = 0;
  virtual void get_fill_style(FillStyle* style) = 0;
  virtual void set_fill_style(std::int32_t style, std::int32_t hatch,
                              const CanvasImage* pattern) = 0;
  virtual void set_fill_pattern(const std::uint8_t* pattern) = 0;  // 8 bytes, top row first
  virtual void set_fill_style_record(const FillStyle& style) = 0;
  virtual Color get_fill_color() = 0;
  virtual void set_fill_color(Color color) = 0;
  virtual void get_aspect_ratio(float* x, float* y) = 0;
  virtual void set_aspect_ratio(float x, float y) = 0;
  virtual int get_rop2() = 0;
  virtual void set_rop2(int mode) = 0;
  virtual int get_poly_fill_mode() = 0;
  virtual void set_poly_fill_mode(int mode) = 0;
  virtual void reset_drawing_state() = 0;

  // Pixels, pen position, lines.
  virtual Color read_pixel(std::int32_t x, std::int32_t y) = 0;
  virtual void write_pixel(std::int32_t x, std::int32_t y, Color color) = 0;
  virtual void move_pen_to(std::int32_t x, std::int32_t y) = 0;
  virtual void move_pen_by(std::int32_t dx, std::int32_t dy) = 0;
  virtual void draw_line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) = 0;
  virtual void draw_line_by(std::int32_t dx, std::int32_t dy) = 0;
  virtual void draw_line_to(std::int32_t x, std::int32_t y) = 0;

  // Closed shapes, each in four variants: stroke_ (outline), draw_ (outline and interior),
  // paint_ (interior), erase_ (interior in the background colour).
  virtual void stroke_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                           std::int32_t bottom) = 0;
  virtual void draw_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                         std::int32_t bottom) = 0;
  virtual void paint_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                          std::int32_t bottom) = 0;
  virtual void erase_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                          std::int32_t bottom) = 0;
  virtual void arc_end_points(std::int32_t left, std::int32_t top, std::int32_t right,
                              std::int32_t bottom, double start, double end, std::int32_t* x1,
                              std::int32_t* y1, std::int32_t* x2, std::int32_t* y2) = 0;
  virtual void stroke_circle(std::int32_t x, std::int32_t y, std::int32_t radius) = 0;
  virtual void draw_circle(std::int32_t x, std::int32_t y, std::int32_t radius) = 0;
  virtual void paint_circle(std::int32_t x, std::int32_t y, std::int32_t radius) = 0;
  virtual void erase_circle(std::int32_t x, std::int32_t y, std::int32_t radius) = 0;
  virtual void stroke_ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                              std::int32_t bottom) = 0;
  virtual void draw_ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                            std::int32_t bottom) = 0;
  virtual void paint_ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                             std::int32_t bottom) = 0;
  virtual void erase_ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                             std::int32_t bottom) = 0;
  virtual void stroke_round_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                                 std::int32_t bottom, std::int32_t corner_width,
                                 std::int32_t corner_height) = 0;
  virtual void draw_round_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                               std::int32_t bottom, std::int32_t corner_width,
                               std::int32_t corner_height) = 0;
  virtual void paint_round_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                                std::int32_t bottom, std::int32_t corner_width,
                                std::int32_t corner_height) = 0;
  virtual void erase_round_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                                std::int32_t bottom, std::int32_t corner_width,
                                std::int32_t corner_height) = 0;
  virtual void draw_arc(std::int32_t left, std::int32_t top, std::int32_t right,
                        std::int32_t bottom, double start, double end) = 0;
  virtual void stroke_pie(std::int32_t left, std::int32_t top, std::int32_t right,
                          std::int32_t bottom, double start, double end) = 0;
  virtual void draw_pie(std::int32_t left, std::int32_t top, std::int32_t right,
                        std::int32_t bottom, double start, double end) = 0;
  virtual void paint_pie(std::int32_t left, std::int32_t top, std::int32_t right,
                         std::int32_t bottom, double start, double end) = 0;
  virtual void erase_pie(std::int32_t left, std::int32_t top, std::int32_t right,
                         std::int32_t bottom, double start, double end) = 0;
  virtual void draw_polyline(const Point* points, std::int32_t count) = 0;
  virtual void stroke_polygon(const Point* points, std::int32_t count) = 0;
  virtual void draw_polygon(const Point* points, std::int32_t count) = 0;
  virtual void paint_polygon(const Point* points, std::int32_t count) = 0;
  virtual void erase_polygon(const Point* points, std::int32_t count) = 0;
  virtual void flood_fill(std::int32_t x, std::int32_t y, Color border) = 0;

  // Text: zero-terminated strings in GBK.
  virtual void out_text(const char* text) = 0;
  virtual void out_text_at(std::int32_t x, std::int32_t y, const char* text) = 0;
  virtual std::int32_t draw_text_in_rect(const char* text, Rect* rect, std::uint32_t format) = 0;
  virtual std::int32_t text_width(const char* text) = 0;
  virtual std::int32_t text_height(const char* text) = 0;
  virtual void set_text_style_logfont(const LogFont& font) = 0;
  virtual void set_text_style_full(std::int32_t height, std::int32_t width, const char* face,
                                   std::int32_t escapement, std::int32_t orientation,
                                   std::int32_t weight, std::uint8_t italic, std::uint8_t underline,
                                   std::uint8_t strike_out, std::uint8_t char_set,
                                   std::uint8_t out_precision, std::uint8_t clip_precision,
                                   std::uint8_t quality, std::uint8_t pitch_and_family) = 0;
  virtual void set_text_style_ext(std::int32_t height, std::int32_t width, const char* face,
                                  std::int32_t escapement, std::int32_t orientation,
                                  std::int32_t weight, std::uint8_t italic, std::uint8_t underline,
                                  std::uint8_t strike_out) = 0;
  virtual void set_text_style(std::int32_t height, std::int32_t width, const char* face) = 0;
  virtual void get_text_style(LogFont* font) = 0;

  // Size of the working image and pen position.
  virtual std::int32_t get_width() = 0;
  virtual std::int32_t get_height() = 0;
  virtual std::int32_t get_x() = 0;
  virtual std::int32_t get_y() = 0;
};

}  // namespace kanvo
