// Measuring and painting one line of text. A run is laid out in logical units with the font's own
// advances; its cell box (width = the sum of the advances, height = the cell height) goes through
// the world transform like any rectangle, and the glyphs are drawn upright and left to right
// inside the transformed box, scaled by the transform's stretch along each axis. So zooming
// scales text, and a flipped axis (y growing upwards, as in plots) moves the box but keeps the
// text readable; advancing by the measured width places the next run right after the last one
// under every transform. Rotations and shears place the box by its bounding box.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "host/surface/text/char_reader.h"
#include "host/surface/text/font.h"
#include "host/surface/types.h"

namespace kanvo::surface::text {

// Where text is painted: top-down rows of `width` pixel words and the rectangles (device pixels,
// inside the rows) that painting may touch.
struct PaintTarget {
  PixelWord* pixels = nullptr;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::span<const Rect> clip;
};

struct TextColors {
  Color text = 0;
  Color background = 0xFFFFFF;
  bool opaque = true;  // the cell box is filled with the background colour first
};

struct Run {
  std::string_view text;       // GBK bytes
  bool prefixes = false;       // '&' underlines the next character
  std::int32_t tab_width = 0;  // > 0: a tab advances to the next multiple of it
};

// A rectangle in device pixels, right and bottom excluded, with room for any sum of two.
struct DeviceBox {
  std::int64_t left = 0;
  std::int64_t top = 0;
  std::int64_t right = 0;
  std::int64_t bottom = 0;
};

// A logical rectangle through the transform: its corners map as points, the box spans them.
DeviceBox map_box(const Transform& transform, double left, double top, double right, double bottom);

// The pen position after the character: by its advance, or to the next tab stop.
std::int64_t advance_from(std::int64_t x, const TextChar& c, GlyphSet::Lock& glyphs,
                          std::int32_t tab_width);

// The run's width in logical units (the sum of its advances).
std::int64_t measure_run(const Font& font, const Run& run);

// Paints the run with the top-left corner of its cell box at the logical point (x, y); text
// ignores the raster operation.
void paint_run(const PaintTarget& target, const TextColors& colors, const Font& font,
               const Transform& transform, std::int32_t x, std::int32_t y, const Run& run);

}  // namespace kanvo::surface::text
