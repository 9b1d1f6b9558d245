// The drawing operations, each listed once. The device interface, the image device's
// declarations, the global functions and the names <kanvo.h> exports are all made from this list:
// whoever includes it defines the macros below for the shape it wants, and the list undefines
// them again at its end. No include guard, on purpose: it is read once per shape.
//
//   KANVO_OPERATION(result, name, (parameters), (arguments))
//       an operation of the device and the global function that calls it on the current device;
//   KANVO_DEVICE_OPERATION(result, name, (parameters), (arguments))
//       an operation of the device that other operations use, with no global function;
//   KANVO_COMPOSITE(result, name, (parameters))
//       a global function made of operations (written in drawing_api.cpp), not on the device.
//
// The order of the device operations is the order of the device's table: new ones go last.

#ifndef KANVO_DEVICE_OPERATION
#define KANVO_DEVICE_OPERATION(result, name, parameters, arguments)
#endif
#ifndef KANVO_COMPOSITE
#define KANVO_COMPOSITE(result, name, parameters)
#endif

KANVO_OPERATION(void, clear_canvas, (), ())

// Drawing state.
KANVO_OPERATION(Color, get_line_color, (), ())
KANVO_OPERATION(void, set_line_color, (Color color), (color))
KANVO_OPERATION(Color, get_text_color, (), ())
KANVO_OPERATION(void, set_text_color, (Color color), (color))
KANVO_OPERATION(Color, get_bk_color, (), ())
KANVO_OPERATION(void, set_bk_color, (Color color), (color))
KANVO_OPERATION(int, get_bk_mode, (), ())
KANVO_OPERATION(void, set_bk_mode, (int mode), (mode))
KANVO_OPERATION(void, set_origin, (std::int32_t x, std::int32_t y), (x, y))
KANVO_OPERATION(void, set_clip_region, (RegionHandle region), (region))
KANVO_OPERATION(void, clear_clip_region, (), ())
KANVO_OPERATION(void, get_line_style, (LineStyle * style), (style))
KANVO_OPERATION(void, set_line_style,
                (std::int32_t style, std::int32_t thickness, const std::uint32_t* dashes,
                 std::int32_t dash_count),
                (style, thickness, dashes, dash_count))
KANVO_OPERATION(void, set_line_style_record, (const LineStyle& style), (style))
KANVO_OPERATION(void, get_fill_style, (FillStyle * style), (style))
KANVO_OPERATION(void, set_fill_style,
                (std::int32_t style, std::int32_t hatch, const CanvasImage* pattern),
                (style, hatch, pattern))
// 8 bytes, top row first.
KANVO_OPERATION(void, set_fill_pattern, (const std::uint8_t* pattern), (pattern))
KANVO_OPERATION(void, set_fill_style_record, (const FillStyle& style), (style))
KANVO_OPERATION(Color, get_fill_color, (), ())
KANVO_OPERATION(void, set_fill_color, (Color color), (color))
KANVO_OPERATION(void, get_aspect_ratio, (float* x, float* y), (x, y))
KANVO_OPERATION(void, set_aspect_ratio, (float x, float y), (x, y))
KANVO_OPERATION(int, get_rop2, (), ())
KANVO_OPERATION(void, set_rop2, (int mode), (mode))
KANVO_OPERATION(int, get_poly_fill_mode, (), ())
KANVO_OPERATION(void, set_poly_fill_mode, (int mode), (mode))
KANVO_OPERATION(void, reset_drawing_state, (), ())

// Pixels, pen position, lines.
KANVO_OPERATION(Color, read_pixel, (std::int32_t x, std::int32_t y), (x, y))
KANVO_OPERATION(void, write_pixel, (std::int32_t x, std::int32_t y, Color color), (x, y, color))
KANVO_OPERATION(void, move_pen_to, (std::int32_t x, std::int32_t y), (x, y))
KANVO_OPERATION(void, move_pen_by, (std::int32_t dx, std::int32_t dy), (dx, dy))
KANVO_OPERATION(void, draw_line,
                (std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2),
                (x1, y1, x2, y2))
KANVO_OPERATION(void, draw_line_by, (std::int32_t dx, std::int32_t dy), (dx, dy))
KANVO_OPERATION(void, draw_line_to, (std::int32_t x, std::int32_t y), (x, y))

// Closed shapes, each in four variants: stroke_ (outline), draw_ (outline and interior),
// paint_ (interior), erase_ (interior in the background colour).
KANVO_OPERATION(void, stroke_rect,
                (std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom),
                (left, top, right, bottom))
KANVO_OPERATION(void, draw_rect,
                (std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom),
                (left, top, right, bottom))
KANVO_OPERATION(void, paint_rect,
                (std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom),
                (left, top, right, bottom))
KANVO_OPERATION(void, erase_rect,
                (std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom),
                (left, top, right, bottom))
// The end points of an arc or pie's radials on the ellipse's outline.
KANVO_DEVICE_OPERATION(void, arc_end_points,
                       (std::int32_t left, std::int32_t top, std::int32_t right,
                        std::int32_t bottom, double start, double end, std::int32_t* x1,
                        std::int32_t* y1, std::int32_t* x2, std::int32_t* y2),
                       (left, top, right, bottom, start, end, x1, y1, x2, y2))
KANVO_OPERATION(void, stroke_circle, (std::int32_t x, std::int32_t y, std::int32_t radius),
                (x, y, radius))
KANVO_OPERATION(void, draw_circle, (std::int32_t x, std::int32_t y, std::int32_t radius),
                (x, y, radius))
KANVO_OPERATION(void, paint_circle, (std::int32_t x, std::int32_t y, std::int32_t radius),
                (x, y, radius))
KANVO_OPERATION(void, erase_circle, (std::int32_t x, std::int32_t y, std::int32_t radius),
                (x, y, radius))
KANVO_OPERATION(void, stroke_ellipse,
                (std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom),
                (left, top, right, bottom))
KANVO_OPERATION(void, draw_ellipse,
                (std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom),
                (left, top, right, bottom))
KANVO_OPERATION(void, paint_ellipse,
                (std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom),
                (left, top, right, bottom))
KANVO_OPERATION(void, erase_ellipse,
                (std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom),
                (left, top, right, bottom))
KANVO_OPERATION(void, stroke_round_rect,
                (std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                 std::int32_t corner_width, std::int32_t corner_height),
                (left, top, right, bottom, corner_width, corner_height))
KANVO_OPERATION(void, draw_round_rect,
                (std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                 std::int32_t corner_width, std::int32_t corner_height),
                (left, top, right, bottom, corner_width, corner_height))
KANVO_OPERATION(void, paint_round_rect,
                (std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                 std::int32_t corner_width, std::int32_t corner_height),
                (left, top, right, bottom, corner_width, corner_height))
KANVO_OPERATION(void, erase_round_rect,
                (std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                 std::int32_t corner_width, std::int32_t corner_height),
                (left, top, right, bottom, corner_width, corner_height))
KANVO_OPERATION(void, draw_arc,
                (std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                 double start, double end),
                (left, top, right, bottom, start, end))
KANVO_OPERATION(void, stroke_pie,
                (std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                 double start, double end),
                (left, top, right, bottom, start, end))
KANVO_OPERATION(void, draw_pie,
                (std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                 double start, double end),
                (left, top, right, bottom, start, end))
KANVO_OPERATION(void, paint_pie,
                (std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                 double start, double end),
                (left, top, right, bottom, start, end))
KANVO_OPERATION(void, erase_pie,
                (std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                 double start, double end),
                (left, top, right, bottom, start, end))
KANVO_OPERATION(void, draw_polyline, (const Point* points, std::int32_t count), (points, count))
KANVO_OPERATION(void, stroke_polygon, (const Point* points, std::int32_t count), (points, count))
KANVO_OPERATION(void, draw_polygon, (const Point* points, std::int32_t count), (points, count))
KANVO_OPERATION(void, paint_polygon, (const Point* points, std::int32_t count), (points, count))
KANVO_OPERATION(void, erase_polygon, (const Point* points, std::int32_t count), (points, count))
KANVO_OPERATION(void, flood_fill, (std::int32_t x, std::int32_t y, Color border), (x, y, border))

// Text: zero-terminated strings in the program's text encoding.
KANVO_OPERATION(void, out_text, (const char* text), (text))
KANVO_OPERATION(void, out_text_at, (std::int32_t x, std::int32_t y, const char* text), (x, y, text))
KANVO_OPERATION(std::int32_t, draw_text_in_rect,
                (const char* text, Rect* rect, std::uint32_t format), (text, rect, format))
KANVO_OPERATION(std::int32_t, text_width, (const char* text), (text))
KANVO_OPERATION(std::int32_t, text_height, (const char* text), (text))
KANVO_OPERATION(void, set_text_style_logfont, (const LogFont& font), (font))
KANVO_OPERATION(void, set_text_style_full,
                (std::int32_t height, std::int32_t width, const char* face, std::int32_t escapement,
                 std::int32_t orientation, std::int32_t weight, std::uint8_t italic,
                 std::uint8_t underline, std::uint8_t strike_out, std::uint8_t char_set,
                 std::uint8_t out_precision, std::uint8_t clip_precision, std::uint8_t quality,
                 std::uint8_t pitch_and_family),
                (height, width, face, escapement, orientation, weight, italic, underline,
                 strike_out, char_set, out_precision, clip_precision, quality, pitch_and_family))
KANVO_OPERATION(void, set_text_style_ext,
                (std::int32_t height, std::int32_t width, const char* face, std::int32_t escapement,
                 std::int32_t orientation, std::int32_t weight, std::uint8_t italic,
                 std::uint8_t underline, std::uint8_t strike_out),
                (height, width, face, escapement, orientation, weight, italic, underline,
                 strike_out))
KANVO_OPERATION(void, set_text_style, (std::int32_t height, std::int32_t width, const char* face),
                (height, width, face))
KANVO_OPERATION(void, get_text_style, (LogFont * font), (font))

// Size of the working image and pen position.
KANVO_OPERATION(std::int32_t, get_width, (), ())
KANVO_OPERATION(std::int32_t, get_height, (), ())
KANVO_OPERATION(std::int32_t, get_x, (), ())
KANVO_OPERATION(std::int32_t, get_y, (), ())

// Other names of operations, and calls made of several.
KANVO_COMPOSITE(void, set_color, (Color color))
KANVO_COMPOSITE(Color, get_color, ())
KANVO_COMPOSITE(void, set_write_mode, (int mode))
KANVO_COMPOSITE(void, draw_bar,
                (std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom))
// A bar with depth edges (and a top face unless `top_face` is 0), as in a bar chart.
KANVO_COMPOSITE(void, draw_bar3d,
                (std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                 std::int32_t depth, std::uint8_t top_face))
KANVO_COMPOSITE(void, draw_poly, (std::int32_t count, const Point* points))
KANVO_COMPOSITE(void, fill_poly, (std::int32_t count, const Point* points))
KANVO_COMPOSITE(std::int32_t, get_max_x, ())
KANVO_COMPOSITE(std::int32_t, get_max_y, ())
KANVO_COMPOSITE(void, out_char, (char character))
KANVO_COMPOSITE(void, out_char_at, (std::int32_t x, std::int32_t y, char character))
KANVO_COMPOSITE(std::int32_t, char_width, (char character))
KANVO_COMPOSITE(std::int32_t, char_height, (char character))
KANVO_COMPOSITE(std::int32_t, draw_char_in_rect, (char character, Rect* rect, std::uint32_t format))
KANVO_COMPOSITE(void, set_font, (std::int32_t height, std::int32_t width, const char* face))
KANVO_COMPOSITE(void, set_font_ext,
                (std::int32_t height, std::int32_t width, const char* face, std::int32_t escapement,
                 std::int32_t orientation, std::int32_t weight, std::uint8_t italic,
                 std::uint8_t underline, std::uint8_t strike_out))
KANVO_COMPOSITE(void, set_font_full,
                (std::int32_t height, std::int32_t width, const char* face, std::int32_t escapement,
                 std::int32_t orientation, std::int32_t weight, std::uint8_t italic,
                 std::uint8_t underline, std::uint8_t strike_out, std::uint8_t char_set,
                 std::uint8_t out_precision, std::uint8_t clip_precision, std::uint8_t quality,
                 std::uint8_t pitch_and_family))
KANVO_COMPOSITE(void, set_font_logfont, (const LogFont& font))
KANVO_COMPOSITE(void, get_font, (LogFont * font))

// Images and the working target. A null image means the window's canvas.
KANVO_COMPOSITE(void, set_working_image, (CanvasImage * image))
// The working image, or null while the window (or nothing) is the target.
KANVO_COMPOSITE(CanvasImage*, get_working_image, ())
KANVO_COMPOSITE(void, resize_image, (CanvasImage * image, std::int32_t width, std::int32_t height))
KANVO_COMPOSITE(SurfaceHandle, get_image_dc, (CanvasImage * image))
KANVO_COMPOSITE(std::uint32_t*, get_image_buffer, (CanvasImage * image))

#undef KANVO_OPERATION
#undef KANVO_DEVICE_OPERATION
#undef KANVO_COMPOSITE
