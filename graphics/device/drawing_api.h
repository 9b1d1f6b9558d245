// The flat set of global drawing functions. Each calls the operation of the same name on the
// current device, so the same call draws into an off-screen image or into the window, whichever is
// the working target. Before any target is chosen the calls do nothing and return zero values.
#pragma once

#include <cstdint>

#include "graphics/image/canvas_image.h"
#include "graphics/image/fill_style.h"
#include "graphics/image/line_style.h"
#include "graphics/platform/drawing_surface.h"

namespace kanvo {

// Operations of the current device.
void clear_canvas();
Color get_line_color();
void set_line_color(Color color);
Color get_text_color();
void set_text_color(Color color);
Color get_bk_color();
void set_bk_color(Color color);
int get_bk_mode();
void set_bk_mode(int mode);
void set_origin(std::int32_t x, std::int32_t y);
void set_clip_region(RegionHandle region);
void clear_clip_region();
void get_line_style(LineStyle* style);
void set_line_style(std::int32_t style, std::int32_t thickness, const std::uint32_t* dashes,
                    std::int32_t dash_count);
void set_line_style_record(const LineStyle& style);
void get_fill_style(FillStyle* style);
void set_fill_style(std::int32_t style, std::int32_t hatch, const CanvasImage* pattern);
void set_fill_pattern(const std::uint8_t* pattern);
void set_fill_style_record(const FillStyle& style);
Color get_fill_color();
void set_fill_color(Color color);
void get_aspect_ratio(float* x, float* y);
void set_aspect_ratio(float x, float y);
int get_rop2();
void set_rop2(int mode);
int get_poly_fill_mode();
void set_poly_fill_mode(int mode);
void reset_drawing_state();
Color read_pixel(std::int32_t x, std::int32_t y);
void write_pixel(std::int32_t x, std::int32_t y, Color color);
void move_pen_to(std::int32_t x, std::int32_t y);
void move_pen_by(std::int32_t dx, std::int32_t dy);
void draw_line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
void draw_line_by(std::int32_t dx, std::int32_t dy);
void draw_line_to(std::int32_t x, std::int32_t y);
void stroke_rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
void draw_rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
void paint_rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
void erase_rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
void stroke_circle(std::int32_t x, std::int32_t y, std::int32_t radius);
void draw_circle(std::int32_t x, std::int32_t y, std::int32_t radius);
void paint_circle(std::int32_t x, std::int32_t y, std::int32_t radius);
void erase_circle(std::int32_t x, std::int32_t y, std::int32_t radius);
void stroke_ellipse(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
void draw_ellipse(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
void paint_ellipse(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
void erase_ellipse(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
void stroke_round_rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                       std::int32_t corner_width, std::int32_t corner_height);
void draw_round_rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                     std::int32_t corner_width, std::int32_t corner_height);
void paint_round_rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                      std::int32_t corner_width, std::int32_t corner_height);
void erase_round_rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                      std::int32_t corner_width, std::int32_t corner_height);
void draw_arc(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
              double start, double end);
void stroke_pie(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                double start, double end);
void draw_pie(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
              double start, double end);
void paint_pie(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
               double start, double end);
void erase_pie(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
               double start, double end);
void draw_polyline(const Point* points, std::int32_t count);
void stroke_polygon(const Point* points, std::int32_t count);
void draw_polygon(const Point* points, std::int32_t count);
void paint_polygon(const Point* points, std::int32_t count);
void erase_polygon(const Point* points, std::int32_t count);
void flood_fill(std::int32_t x, std::int32_t y, Color border);
void out_text(const char* text);
void out_text_at(std::int32_t x, std::int32_t y, const char* text);
std::int32_t draw_text_in_rect(const char* text, Rect* rect, std::uint32_t format);
std::int32_t text_width(const char* text);
std::int32_t text_height(const char* text);
void set_text_style_logfont(const LogFont& font);
void set_text_style_full(std::int32_t height, std::int32_t width, const char* face,
                         std::int32_t escapement, std::int32_t orientation, std::int32_t weight,
                         std::uint8_t italic, std::uint8_t underline, std::uint8_t strike_out,
                         std::uint8_t char_set, std::uint8_t out_precision,
                         std::uint8_t clip_precision, std::uint8_t quality,
                         std::uint8_t pitch_and_family);
void set_text_style_ext(std::int32_t height, std::int32_t width, const char* face,
                        std::int32_t escapement, std::int32_t orientation, std::int32_t weight,
                        std::uint8_t italic, std::uint8_t underline, std::uint8_t strike_out);
void set_text_style(std::int32_t height, std::int32_t width, const char* face);
void get_text_style(LogFont* font);
std::int32_t get_width();
std::int32_t get_height();
std::int32_t get_x();
std::int32_t get_y();

// Aliases and composites.
void set_color(Color color);
Color get_color();
void set_write_mode(int mode);
void draw_bar(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
// A bar with depth edges (and a top face unless `top` is 0), as in a bar chart.
void draw_bar3d(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                std::int32_t depth, std::uint8_t top_face);
void draw_poly(std::int32_t count, const Point* points);
void fill_poly(std::int32_t count, const Point* points);
std::int32_t get_max_x();
std::int32_t get_max_y();
void out_char(char character);
void out_char_at(std::int32_t x, std::int32_t y, char character);
std::int32_t char_width(char character);
std::int32_t char_height(char character);
std::int32_t draw_char_in_rect(char character, Rect* rect, std::uint32_t format);
void set_font(std::int32_t height, std::int32_t width, const char* face);
void set_font_ext(std::int32_t height, std::int32_t width, const char* face,
                  std::int32_t escapement, std::int32_t orientation, std::int32_t weight,
                  std::uint8_t italic, std::uint8_t underline, std::uint8_t strike_out);
void set_font_full(std::int32_t height, std::int32_t width, const char* face,
                   std::int32_t escapement, std::int32_t orientation, std::int32_t weight,
                   std::uint8_t italic, std::uint8_t underline, std::uint8_t strike_out,
                   std::uint8_t char_set, std::uint8_t out_precision, std::uint8_t clip_precision,
                   std::uint8_t quality, std::uint8_t pitch_and_family);
void set_font_logfont(const LogFont& font);
void get_font(LogFont* font);

// Images and the working target. A null image means the window's canvas.
void set_working_image(CanvasImage* image);
// The working image, or null while the window (or nothing) is the target.
CanvasImage* get_working_image();
void resize_image(CanvasImage* image, std::int32_t width, std::int32_t height);
SurfaceHandle get_image_dc(CanvasImage* image);
std::uint32_t* get_image_buffer(CanvasImage* image);

}  // namespace kanvo
