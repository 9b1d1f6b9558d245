// Arcs, pies and chords: a part of an ellipse's outline from the start radial counter-clockwise
// to the end radial; a pie closes it through the box's centre, a chord straight back.
#include <algorithm>

#include "host/surface/dc/device_context.h"
#include "host/surface/dc/device_rect.h"
#include "host/surface/lines/shape_outline.h"
#include "host/surface/lines/stroke.h"
#include "host/surface/raster/painter.h"
#include "host/surface/shapes/arc_selection.h"
#include "host/surface/shapes/closed_figure.h"
#include "host/surface/shapes/ellipse_outline.h"
#include "host/surface/shapes/shape_sink.h"
#include "host/surface/surface.h"

namespace kanvo::surface {

namespace {

enum class Figure { arc, pie, chord };

bool draw_arc_figure(DcHandle handle, std::int32_t left, std::int32_t top, std::int32_t right,
                     std::int32_t bottom, Point start, Point end, Figure figure) {
  DeviceContext* dc = context_of(handle);
  if (dc == nullptr) return false;
  if (figure != Figure::arc) dc->realise_brush();
  const PixelWriting writing(*dc);
  DeviceRect box = map_rect(dc->mapping, left, top, right, bottom);
  if (dc->graphics_mode == GraphicsMode::compatible) {
    --box.right;
    --box.bottom;
  }
  if (box.empty()) return true;
  const shapes::Outline outline = shapes::outline_of(*dc);
  if (outline == shapes::Outline::stroked) {
    const lines::FramedBox framed = lines::inside_frame_box(
        *dc, box, lines::FramedShape::ellipse, box.right - box.left, box.bottom - box.top);
    if (framed.as_rectangle) return true;  // no room for the pen inside: no curve at all
    box = framed.box;
  }
  if (box.empty()) return true;
  shapes::RoundedBox shape;
  shape.left = box.left;
  shape.top = box.top;
  shape.width = shape.corner_width = box.right - box.left;
  shape.height = shape.corner_height = box.bottom - box.top;
  const Rect visible = dc->drawable_box();
  const std::int64_t reach = shapes::outline_reach(*dc, outline);
  if (visible.left >= visible.right || shape.left - reach >= visible.right ||
      shape.right_end() + reach <= visible.left || shape.top - reach >= visible.bottom ||
      shape.bottom_end() + reach <= visible.top) {
    return true;
  }

  std::vector<DevicePoint>& points = dc->scratch_device_points;
  if (shape.width == 1) return true;  // a box one pixel wide has no arc
  if (shape.height == 1) {
    shapes::flat_arc_points(shape, dc->mapping.map(start), dc->mapping.map(end), points);
  } else {
    shapes::outline_points(shape, points);
    const shapes::ArcRange range =
        shapes::select_arc(points, shape, dc->mapping.map(start), dc->mapping.map(end));
    if (range.empty) {
      points.clear();
    } else {
      // The arc's points to the front, in order.
      const std::size_t length = (range.last + points.size() - range.first) % points.size() + 1;
      std::rotate(points.begin(), points.begin() + static_cast<std::ptrdiff_t>(range.first),
                  points.end());
      points.resize(length);
    }
  }
  switch (figure) {
    case Figure::arc:
      lines::stroke_figure(*dc, points, false);
      break;
    case Figure::pie:
      points.push_back({(box.left + box.right) >> 1, (box.top + box.bottom) >> 1});
      shapes::draw_closed_figure(*dc, points, raster::FillRule::alternate);
      break;
    case Figure::chord:
      shapes::draw_closed_figure(*dc, points, raster::FillRule::alternate);
      break;
  }
  dc->note_change();
  return true;
}

}  // namespace

bool arc(DcHandle dc, std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
         std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  return draw_arc_figure(dc, left, top, right, bottom, {x1, y1}, {x2, y2}, Figure::arc);
}

bool pie(DcHandle dc, std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
         std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  return draw_arc_figure(dc, left, top, right, bottom, {x1, y1}, {x2, y2}, Figure::pie);
}

bool chord(DcHandle dc, std::int32_t left, std::int32_t top, std::int32_t right,
           std::int32_t bottom, std::int32_t x1, std::int32_t y1, std::int32_t x2,
           std::int32_t y2) {
  return draw_arc_figure(dc, left, top, right, bottom, {x1, y1}, {x2, y2}, Figure::chord);
}

}  // namespace kanvo::surface
