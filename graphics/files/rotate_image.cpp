#include <algorithm>
#include <cmath>
#include <optional>

#include "graphics/context/graphics_context.h"
#include "graphics/files/image_files.h"
#include "graphics/image/pixel_fill.h"

namespace kanvo {
namespace {

// The integer part of a value that may be far outside the 32-bit range (or NaN): such values
// become a size of 0, which changes nothing.
std::int32_t size_from(double value) {
  if (!(value >= 0.0 && value < 2147483647.0)) return 0;
  return static_cast<std::int32_t>(value);
}

struct SourceView {
  const std::uint32_t* pixels;
  std::int32_t width;
  std::int32_t height;
  std::uint32_t background;  // pixel form

  // Inside the source, or the background in the one-pixel frame around it.
  std::uint32_t sample(std::int64_t x, std::int64_t y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return background;
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};

std::uint32_t blend(const SourceView& source, double sx, double sy) {
  const double fx_floor = std::floor(sx);
  const double fy_floor = std::floor(sy);
  const auto ix = static_cast<std::int64_t>(fx_floor);
  const auto iy = static_cast<std::int64_t>(fy_floor);
  const double fx = sx - fx_floor;
  const double fy = sy - fy_floor;
  const std::uint32_t p00 = source.sample(ix, iy);
  const std::uint32_t p10 = source.sample(ix + 1, iy);
  const std::uint32_t p01 = source.sample(ix, iy + 1);
  const std::uint32_t p11 = source.sample(ix + 1, iy + 1);
  std::uint32_t result = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double value =
        ((p00 >> shift) & 0xFF) * (1 - fx) * (1 - fy) + ((p10 >> shift) & 0xFF) * fx * (1 - fy) +
        ((p01 >> shift) & 0xFF) * (1 - fx) * fy + ((p11 >> shift) & 0xFF) * fx * fy;
    result |= (static_cast<std::uint32_t>(value) & 0xFF) << shift;
  }
  return result;
}

}  // namespace

void rotate_image(CanvasImage* destination, CanvasImage* source, double angle, Color background,
                  bool auto_size, bool high_quality) {
  if (source == nullptr || source->pixels() == nullptr) return;
  CanvasImage& target = destination != nullptr ? *destination : graphics_context().canvas;
  // Turning an image into itself works from a copy.
  std::optional<CanvasImage> copy;
  if (&target == source) copy.emplace(*source);
  const CanvasImage& from = copy ? *copy : *source;

  const double cs = std::cos(-angle);
  const double sn = std::sin(-angle);
  const double w = from.width();
  const double h = from.height();
  std::int32_t new_width = from.width();
  std::int32_t new_height = from.height();
  if (auto_size) {
    new_width = size_from(std::max(std::abs(cs * w + sn * h), std::abs(cs * w - sn * h)) + 0.5);
    new_height = size_from(std::max(std::abs(-sn * w + cs * h), std::abs(-sn * w - cs * h)) + 0.5);
  }
  target.resize(new_width, new_height);
  if (target.width() != new_width || target.height() != new_height) return;

  const double big_w = new_width;
  const double big_h = new_height;
  const double ox = 0.5 * w - 0.5 * big_w * cs - 0.5 * big_h * sn;
  const double oy = 0.5 * h + 0.5 * big_w * sn - 0.5 * big_h * cs;
  fill_with_color(target, background);
  std::uint32_t* out = target.pixels();
  const SourceView view{from.pixels(), from.width(), from.height(),
                        platform::swap_red_blue(background)};
  for (std::int32_t y = 0; y < new_height; ++y) {
    for (std::int32_t x = 0; x < new_width; ++x, ++out) {
      const double sx = x * cs + y * sn + ox;
      const double sy = -x * sn + y * cs + oy;
      if (!high_quality) {
        const double rx = std::trunc(sx + 0.5);
        const double ry = std::trunc(sy + 0.5);
        if (rx >= 0 && ry >= 0 && rx < w && ry < h) {
          *out = view.sample(static_cast<std::int64_t>(rx), static_cast<std::int64_t>(ry));
        }
      } else {
        const double fx = std::floor(sx);
        const double fy = std::floor(sy);
        if (fx >= -1 && fy >= -1 && fx <= w - 1 && fy <= h - 1) *out = blend(view, sx, sy);
      }
    }
  }
}

}  // namespace kanvo
