// Measuring and painting one line of text. A run is laid out in logical units with the font's own
// advances; its cell box (width = the sum of the advances, height = the cell height) goes through
// the world transform like any rectangle, and the glyphs are drawn upright and left to right
// inside the transformed box, scaled by the transform's stretch along each axis. So zooming
// scales text, and a flipped axis (y growing upwards, as in plots) moves the box but keeps the
// text readable; advancing by the measured width places the next run right after the last one
// under every transform. Rotations and shears place the box by its bounding box.
#pragma once

#include <cstdint>
#include <string_view>

#include "host/surface/dc/device_rect.h"
#include "host/surface/dc/world_transform.h"
#include "host/surface/raster/painter.h"
#include "host/surface/text/char_reader.h"
#include "host/surface/text/font.h"
#include "host/surface/types.h"

namespace kanvo::surface::text {

struct TextColors {
  Color text = 0;
  Color background = 0xFFFFFF;
  bool opaque = true;  // the cell box is filled with the background colour first
};

struct Run {
  std::string_view text;
  TextEncoding encoding = TextEncoding::gbk;
  bool prefixes = false;       // '&' underlines the next character
  std::int32_t tab_width = 0;  // > 0: a tab advances to the next multiple of it
};

// A logical rectangle through the mapping: its corners map as points, the box spans them.
DeviceRect map_box(const WorldMapping& mapping, double left, double top, double right,
                   double bottom);

// Paints a glyph image with its top-left pixel at (x, y), only on the rows from <= y < to: coverage
// 255 paints the ink, lower coverage blends it over what is there.
void draw_glyph(const raster::Painter& painter, const Glyph& glyph, std::int64_t x, std::int64_t y,
                std::int64_t rows_from, std::int64_t rows_to, PixelWord ink);

// The pen position after the character: by its advance, or to the next tab stop.
std::int64_t advance_from(std::int64_t x, const TextChar& c, GlyphSet::Lock& glyphs,
                          std::int32_t tab_width);

// The run's width in logical units (the sum of its advances).
std::int64_t measure_run(const Font& font, const Run& run);

// Paints the run with the top-left corner of its cell box at the logical point (x, y). The
// painter decides where pixels may go; text ignores the raster operation, so give it a painter
// that copies.
void paint_run(raster::Painter& painter, const TextColors& colors, const Font& font,
               const WorldMapping& mapping, std::int32_t x, std::int32_t y, const Run& run);

}  // namespace kanvo::surface::text
