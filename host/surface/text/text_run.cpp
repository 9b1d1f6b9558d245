#include "host/surface/text/text_run.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace kanvo::surface::text {
namespace {

// Device coordinates are kept well inside 32 bits, so that no sum below can overflow.
constexpr double kFarAway = 1e9;

std::int64_t to_device(double value) {
  if (!std::isfinite(value)) return 0;
  return static_cast<std::int64_t>(std::floor(std::clamp(value, -kFarAway, kFarAway) + 0.5));
}

}  // namespace

DeviceBox map_box(const Transform& t, double left, double top, double right, double bottom) {
  DeviceBox box{INT64_MAX, INT64_MAX, INT64_MIN, INT64_MIN};
  for (const double x : {left, right}) {
    for (const double y : {top, bottom}) {
      const std::int64_t dx = to_device(x * t.m11 + y * t.m21 + t.dx);
      const std::int64_t dy = to_device(x * t.m12 + y * t.m22 + t.dy);
      box = {std::min(box.left, dx), std::min(box.top, dy), std::max(box.right, dx),
             std::max(box.bottom, dy)};
    }
  }
  return box;
}

std::int64_t advance_from(std::int64_t x, const TextChar& c, GlyphSet::Lock& glyphs,
                          std::int32_t tab_width) {
  if (tab_width > 0 && c.code == U'\t') return (x / tab_width + 1) * tab_width;
  return x + glyphs.advance(c.code);
}

namespace {

void fill(const PaintTarget& target, const DeviceBox& box, PixelWord pixel) {
  for (const Rect& clip : target.clip) {
    const std::int64_t left = std::max<std::int64_t>(box.left, clip.left);
    const std::int64_t right = std::min<std::int64_t>(box.right, clip.right);
    const std::int64_t top = std::max<std::int64_t>(box.top, clip.top);
    const std::int64_t bottom = std::min<std::int64_t>(box.bottom, clip.bottom);
    for (std::int64_t y = top; y < bottom; ++y) {
      PixelWord* row = target.pixels + y * target.width;
      std::fill(row + left, row + std::max(left, right), pixel);
    }
  }
}

PixelWord blend(PixelWord under, PixelWord over, std::uint32_t alpha) {
  const auto mix = [&](int shift) {
    const std::uint32_t a = (over >> shift) & 0xFF;
    const std::uint32_t b = (under >> shift) & 0xFF;
    return ((a * alpha + b * (255 - alpha) + 127) / 255) << shift;
  };
  return mix(16) | mix(8) | mix(0);
}

void draw_glyph(const PaintTarget& target, const Glyph& glyph, std::int64_t x, std::int64_t y,
                PixelWord pixel) {
  if (glyph.coverage == nullptr) return;
  for (const Rect& clip : target.clip) {
    const std::int64_t left = std::max<std::int64_t>(x, clip.left);
    const std::int64_t right = std::min<std::int64_t>(x + glyph.width, clip.right);
    const std::int64_t top = std::max<std::int64_t>(y, clip.top);
    const std::int64_t bottom = std::min<std::int64_t>(y + glyph.height, clip.bottom);
    for (std::int64_t row = top; row < bottom; ++row) {
      const std::uint8_t* coverage = glyph.coverage + (row - y) * glyph.width + (left - x);
      PixelWord* pixels = target.pixels + row * target.width + left;
      for (std::int64_t i = 0; i < right - left; ++i) {
        const std::uint32_t alpha = coverage[i];
        if (alpha == 255) {
          pixels[i] = pixel;
        } else if (alpha != 0) {
          pixels[i] = blend(pixels[i], pixel, alpha);
        }
      }
    }
  }
}

}  // namespace

std::int64_t measure_run(const Font& font, const Run& run) {
  GlyphSet::Lock glyphs(font.glyphs());
  CharReader reader(run.text, run.prefixes);
  std::int64_t width = 0;
  for (TextChar c; reader.next(&c);) width = advance_from(width, c, glyphs, run.tab_width);
  return width;
}

void paint_run(const PaintTarget& target, const TextColors& colors, const Font& font,
               const Transform& transform, std::int32_t x, std::int32_t y, const Run& run) {
  if (target.pixels == nullptr || target.clip.empty() || run.text.empty()) return;
  const CellMetrics& cell = font.cell();
  const std::int64_t width = measure_run(font, run);
  const DeviceBox box =
      map_box(transform, x, y, static_cast<double>(x) + static_cast<double>(width),
              static_cast<double>(y) + cell.height);
  const PixelWord text_pixel = swap_red_blue(colors.text) & 0xFFFFFF;
  if (colors.opaque) fill(target, box, swap_red_blue(colors.background) & 0xFFFFFF);

  const double stretch_x = std::hypot(transform.m11, transform.m12);
  const double stretch_y = std::hypot(transform.m21, transform.m22);
  const auto scale_x = [&](double value) { return to_device(value * stretch_x); };
  const auto scale_y = [&](double value) { return to_device(value * stretch_y); };
  const auto decorate = [&](std::int64_t left, std::int64_t right, std::int32_t top,
                            std::int32_t thickness) {
    const std::int64_t row = box.top + scale_y(top);
    fill(target, {left, row, right, row + std::max<std::int64_t>(1, scale_y(thickness))},
         text_pixel);
  };

  // Glyphs far outside the clip are neither made nor drawn; a glyph reaches at most about two
  // cells beyond its advance (oblique and wide glyphs).
  std::int64_t clip_left = INT64_MAX;
  std::int64_t clip_right = INT64_MIN;
  for (const Rect& clip : target.clip) {
    clip_left = std::min<std::int64_t>(clip_left, clip.left);
    clip_right = std::max<std::int64_t>(clip_right, clip.right);
  }
  const std::int64_t reach = 2 * std::max<std::int64_t>(1, scale_y(cell.height));

  const std::shared_ptr<GlyphSet> drawn = font.glyphs_scaled(stretch_x, stretch_y);
  GlyphSet::Lock advances(font.glyphs());
  std::optional<GlyphSet::Lock> separate;
  if (drawn.get() != &font.glyphs()) separate.emplace(*drawn);
  GlyphSet::Lock& images = separate ? *separate : advances;

  const std::int64_t baseline = box.top + scale_y(cell.ascent);
  CharReader reader(run.text, run.prefixes);
  std::int64_t pen = 0;
  for (TextChar c; reader.next(&c);) {
    const std::int64_t left = box.left + scale_x(static_cast<double>(pen));
    if (left > clip_right + reach) break;
    const std::int64_t next = advance_from(pen, c, advances, run.tab_width);
    const std::int64_t right = box.left + scale_x(static_cast<double>(next));
    const bool expanded_tab = run.tab_width > 0 && c.code == U'\t';
    if (!expanded_tab && right + reach >= clip_left) {
      const Glyph& glyph = images.image(c.code);
      draw_glyph(target, glyph, left + glyph.left, baseline - glyph.top, text_pixel);
    }
    if (c.underlined) decorate(left, right, cell.underline_top, cell.underline_thickness);
    pen = next;
  }
  if (font.underline()) {
    decorate(box.left, box.right, cell.underline_top, cell.underline_thickness);
  }
  if (font.strike_out()) decorate(box.left, box.right, cell.strike_top, cell.strike_thickness);
}

}  // namespace kanvo::surface::text
