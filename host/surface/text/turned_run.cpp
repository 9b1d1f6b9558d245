#include "host/surface/text/turned_run.h"

#include <array>
#include <cmath>
#include <numbers>
#include <optional>

namespace kanvo::surface::text {
namespace {

double radians(std::int32_t tenths) {
  return tenths * std::numbers::pi / 1800.0;
}

double glyph_turn(const Font& font, GraphicsMode mode) {
  return radians(mode == GraphicsMode::advanced ? font.orientation() : font.escapement());
}

// Screen directions of a turned line: along it, and across it towards the bottom of the cell.
struct LineFrame {
  DevicePointF origin;
  DevicePointF along;
  DevicePointF down;

  DevicePointF at(double forward, double below) const {
    return {origin.x + forward * along.x + below * down.x,
            origin.y + forward * along.y + below * down.y};
  }
};

LineFrame frame_of(DevicePointF origin, double angle) {
  // The screen's y grows downwards, so a counter-clockwise turn moves the line up.
  const double cosine = std::cos(angle);
  const double sine = std::sin(angle);
  return {origin, {cosine, -sine}, {sine, cosine}};
}

// Paints the band of the line between the two distances along it and the two below its top.
void fill_band(raster::Painter& painter, DeviceContext& dc, const LineFrame& frame,
               double forward_from, double forward_to, double below_from, double below_to,
               PixelWord ink) {
  const auto corner = [&](double forward, double below) {
    const DevicePointF point = frame.at(forward, below);
    return DevicePoint{round_device(point.x), round_device(point.y)};
  };
  const std::array<DevicePoint, 4> corners = {
      corner(forward_from, below_from), corner(forward_to, below_from),
      corner(forward_to, below_to), corner(forward_from, below_to)};
  dc.edges.clear();
  dc.edges.add_polygon(corners);
  dc.fill_spans.clear();
  dc.edges.fill(raster::FillRule::winding, painter.box(), dc.fill_spans);
  painter.fill_spans(dc.fill_spans.spans(), ink);
}

}  // namespace

bool is_turned(const Font& font, GraphicsMode mode) {
  return font.escapement() != 0 || glyph_turn(font, mode) != 0.0;
}

void paint_turned_run(raster::Painter& painter, DeviceContext& dc, const TextColors& colors,
                      const Font& font, std::int32_t x, std::int32_t y, const Run& run) {
  if (!painter.active() || run.text.empty()) return;
  const WorldMapping& mapping = dc.mapping;
  const double stretch_x = mapping.scale_x();
  const double stretch_y = mapping.scale_y();
  const CellMetrics& cell = font.cell();
  const double width = static_cast<double>(measure_run(font, run)) * stretch_x;
  const LineFrame line = frame_of(mapping.map_exact(x, y), radians(font.escapement()));
  const PixelWord ink = pixel_word(colors.text);
  if (colors.opaque) {
    fill_band(painter, dc, line, 0.0, width, 0.0, cell.height * stretch_y,
              pixel_word(colors.background));
  }

  const double turn = glyph_turn(font, dc.graphics_mode);
  // From a character's top-left corner on the line down to its baseline origin, turned with it.
  const DevicePointF to_baseline = frame_of({}, turn).at(0.0, cell.ascent * stretch_y);
  const std::shared_ptr<GlyphSet> drawn = font.glyphs_drawn(stretch_x, stretch_y, turn);
  GlyphSet::Lock advances(font.glyphs());
  std::optional<GlyphSet::Lock> separate;
  if (drawn.get() != &font.glyphs()) separate.emplace(*drawn);
  GlyphSet::Lock& images = separate ? *separate : advances;
  CharReader reader(run.text, run.encoding, run.prefixes);
  std::int64_t pen = 0;
  for (TextChar c; reader.next(&c);) {
    const DevicePointF corner = line.at(static_cast<double>(pen) * stretch_x, 0.0);
    const Glyph& glyph = images.image(c.code);
    draw_glyph(painter, glyph, round_device(corner.x + to_baseline.x) + glyph.left,
               round_device(corner.y + to_baseline.y) - glyph.top, INT64_MIN, INT64_MAX, ink);
    pen = advance_from(pen, c, advances, run.tab_width);
  }
  const auto decorate = [&](std::int32_t top, std::int32_t thickness) {
    fill_band(painter, dc, line, 0.0, width, top * stretch_y,
              (top + std::max(1, thickness)) * stretch_y, ink);
  };
  if (font.underline()) decorate(cell.underline_top, cell.underline_thickness);
  if (font.strike_out()) decorate(cell.strike_top, cell.strike_thickness);
}

}  // namespace kanvo::surface::text
