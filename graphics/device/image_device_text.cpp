// The text operations of the image device: text out at the pen position or a point, text in a
// rectangle, measuring, and the font as part of the drawing state.
#include <algorithm>
#include <cstring>
#include <string_view>

#include "graphics/context/graphics_context.h"
#include "graphics/device/image_device.h"
#include "graphics/device/wrapping_math.h"
#include "graphics/platform/drawing_surface.h"

namespace kanvo {
namespace {

// A null text is the empty text.
std::string_view text_of(const char* text) {
  return text != nullptr ? text : std::string_view{};
}

void copy_face(LogFont& font, const char* face) {
  if (face == nullptr) return;
  const std::size_t length = strnlen(face, font.face_name.size() - 1);
  std::fill(font.face_name.begin(), font.face_name.end(), '\0');
  std::memcpy(font.face_name.data(), face, length);
}

// The fields that give the letters their size and shape; a null face keeps the face.
void set_shape_fields(LogFont& font, std::int32_t height, std::int32_t width, const char* face,
                      std::int32_t escapement, std::int32_t orientation, std::int32_t weight,
                      std::uint8_t italic, std::uint8_t underline, std::uint8_t strike_out) {
  font.height = height;
  font.width = width;
  font.escapement = escapement;
  font.orientation = orientation;
  font.weight = weight;
  font.italic = italic;
  font.underline = underline;
  font.strike_out = strike_out;
  copy_face(font, face);
}

platform::Size extent_of(SurfaceHandle surface, const char* text) {
  platform::Size extent;
  platform::get_text_extent(surface, text_of(text), &extent);
  return extent;
}

}  // namespace

void ImageDevice::out_text(const char* text) {
  const DrawingState& state = image().state();
  out_text_at(state.pen_x, state.pen_y, text);
  const std::int32_t width = text_width(text);
  image().state().pen_x = wrapping_add(image().state().pen_x, width);
}

void ImageDevice::out_text_at(std::int32_t x, std::int32_t y, const char* text) {
  for_each_drawing_surface([&](SurfaceHandle dc) { platform::text_out(dc, x, y, text_of(text)); });
}

std::int32_t ImageDevice::draw_text_in_rect(const char* text, Rect* rect, std::uint32_t format) {
  if (rect == nullptr) return 0;
  // The first surface's result counts; the others get their own copy of the rectangle, which a
  // measuring call changes.
  const Rect given = *rect;
  std::int32_t height = 0;
  bool first = true;
  for_each_drawing_surface([&](SurfaceHandle dc) {
    if (first) {
      height = platform::draw_text(dc, text_of(text), rect, format);
      first = false;
    } else {
      Rect copy = given;
      platform::draw_text(dc, text_of(text), &copy, format);
    }
  });
  return height;
}

std::int32_t ImageDevice::text_width(const char* text) {
  return extent_of(surface(), text).cx;
}

std::int32_t ImageDevice::text_height(const char* text) {
  return extent_of(surface(), text).cy;
}

void ImageDevice::set_text_style_logfont(const LogFont& font) {
  select_everywhere(platform::create_font_indirect(font));
}

void ImageDevice::set_text_style_full(std::int32_t height, std::int32_t width, const char* face,
                                      std::int32_t escapement, std::int32_t orientation,
                                      std::int32_t weight, std::uint8_t italic,
                                      std::uint8_t underline, std::uint8_t strike_out,
                                      std::uint8_t char_set, std::uint8_t out_precision,
                                      std::uint8_t clip_precision, std::uint8_t quality,
                                      std::uint8_t pitch_and_family) {
  // Without a face the platform picks its default face.
  LogFont font;
  font.char_set = char_set;
  font.out_precision = out_precision;
  font.clip_precision = clip_precision;
  font.quality = quality;
  font.pitch_and_family = pitch_and_family;
  set_shape_fields(font, height, width, face, escapement, orientation, weight, italic, underline,
                   strike_out);
  set_text_style_logfont(font);
}

void ImageDevice::set_text_style_ext(std::int32_t height, std::int32_t width, const char* face,
                                     std::int32_t escapement, std::int32_t orientation,
                                     std::int32_t weight, std::uint8_t italic,
                                     std::uint8_t underline, std::uint8_t strike_out) {
  LogFont font;
  get_text_style(&font);
  set_shape_fields(font, height, width, face, escapement, orientation, weight, italic, underline,
                   strike_out);
  set_text_style_logfont(font);
}

void ImageDevice::set_text_style(std::int32_t height, std::int32_t width, const char* face) {
  LogFont font;
  get_text_style(&font);
  font.height = height;
  font.width = width;
  copy_face(font, face);
  set_text_style_logfont(font);
}

void ImageDevice::get_text_style(LogFont* font) {
  if (font == nullptr) return;
  platform::get_font_description(
      platform::get_current_object(surface(), platform::ObjectKind::font), font);
}

}  // namespace kanvo
