#include "host/surface/text/text_run.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace kanvo::surface::text {
namespace {

PixelWord blend(PixelWord under, PixelWord over, std::uint32_t alpha) {
  const auto mix = [&](int shift) {
    const std::uint32_t a = (over >> shift) & 0xFF;
    const std::uint32_t b = (under >> shift) & 0xFF;
    return ((a * alpha + b * (255 - alpha) + 127) / 255) << shift;
  };
  return mix(16) | mix(8) | mix(0);
}

}  // namespace

void draw_glyph(const raster::Painter& painter, const Glyph& glyph, std::int64_t x, std::int64_t y,
                std::int64_t rows_from, std::int64_t rows_to, PixelWord ink) {
  if (glyph.coverage == nullptr) return;
  const Rect& box = painter.box();
  const std::int64_t left = std::max<std::int64_t>(x, box.left);
  const std::int64_t right = std::min<std::int64_t>(x + glyph.width, box.right);
  const std::int64_t top = std::max({y, rows_from, std::int64_t{box.top}});
  const std::int64_t bottom = std::min({y + glyph.height, rows_to, std::int64_t{box.bottom}});
  for (std::int64_t row = top; row < bottom; ++row) {
    const std::uint8_t* coverage = glyph.coverage + (row - y) * glyph.width + (left - x);
    PixelWord* pixels = painter.target().row(static_cast<std::int32_t>(row)) + left;
    for (std::int64_t i = 0; i < right - left; ++i) {
      const std::uint32_t alpha = coverage[i];
      if (alpha == 255) {
        pixels[i] = ink;
      } else if (alpha != 0) {
        pixels[i] = blend(pixels[i], ink, alpha);
      }
    }
    painter.target().mirror_words(pixels, right - left);
  }
}

DeviceRect map_box(const WorldMapping& mapping, double left, double top, double right,
                   double bottom) {
  DeviceRect box{INT64_MAX, INT64_MAX, INT64_MIN, INT64_MIN};
  for (const double x : {left, right}) {
    for (const double y : {top, bottom}) {
      const DevicePointF point = mapping.map_exact(x, y);
      const std::int64_t dx = round_device(point.x);
      const std::int64_t dy = round_device(point.y);
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

std::int64_t measure_run(const Font& font, const Run& run) {
  GlyphSet::Lock glyphs(font.glyphs());
  CharReader reader(run.text, run.encoding, run.prefixes);
  std::int64_t width = 0;
  for (TextChar c; reader.next(&c);) width = advance_from(width, c, glyphs, run.tab_width);
  return width;
}

void paint_run(raster::Painter& painter, const TextColors& colors, const Font& font,
               const WorldMapping& mapping, std::int32_t x, std::int32_t y, const Run& run) {
  if (!painter.active() || run.text.empty()) return;
  const CellMetrics& cell = font.cell();
  const std::int64_t width = measure_run(font, run);
  const DeviceRect box = map_box(mapping, x, y, static_cast<double>(x) + static_cast<double>(width),
                                 static_cast<double>(y) + cell.height);
  const PixelWord ink = pixel_word(colors.text);
  if (colors.opaque) {
    painter.fill_box(box.left, box.top, box.right, box.bottom, pixel_word(colors.background));
  }

  const double stretch_x = mapping.scale_x();
  const double stretch_y = mapping.scale_y();
  const auto along_x = [&](double value) { return round_device(value * stretch_x); };
  const auto along_y = [&](double value) { return round_device(value * stretch_y); };
  const auto decorate = [&](std::int64_t left, std::int64_t right, std::int32_t top,
                            std::int32_t thickness) {
    const std::int64_t row = box.top + along_y(top);
    painter.fill_box(left, row, right, row + std::max<std::int64_t>(1, along_y(thickness)), ink);
  };

  // Glyphs that cannot reach the drawable box are neither made nor drawn; nothing paints
  // outside the cell's rows.
  const Rect& visible = painter.box();
  if (box.bottom <= visible.top || box.top >= visible.bottom) return;
  const std::shared_ptr<GlyphSet> drawn = font.glyphs_drawn(stretch_x, stretch_y);
  GlyphSet::Lock advances(font.glyphs());
  std::optional<GlyphSet::Lock> separate;
  if (drawn.get() != &font.glyphs()) separate.emplace(*drawn);
  GlyphSet::Lock& images = separate ? *separate : advances;
  const GlyphSet::Reach& reach = drawn->reach();
  const std::int64_t baseline = box.top + along_y(cell.ascent);
  CharReader reader(run.text, run.encoding, run.prefixes);
  std::int64_t pen = 0;
  for (TextChar c; reader.next(&c);) {
    const std::int64_t left = box.left + along_x(static_cast<double>(pen));
    if (left + reach.left >= visible.right) break;
    const std::int64_t next = advance_from(pen, c, advances, run.tab_width);
    const std::int64_t right = box.left + along_x(static_cast<double>(next));
    const bool expanded_tab = run.tab_width > 0 && c.code == U'\t';
    if (!expanded_tab && left + reach.right > visible.left) {
      const Glyph& glyph = images.image(c.code);
      draw_glyph(painter, glyph, left + glyph.left, baseline - glyph.top, box.top, box.bottom, ink);
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
