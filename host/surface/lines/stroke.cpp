#include "host/surface/lines/stroke.h"

#include <cmath>

#include "host/surface/lines/line_style.h"
#include "host/surface/lines/thin_stroke.h"
#include "host/surface/lines/wide_stroke.h"
#include "host/surface/raster/painter.h"

namespace kanvo::surface::lines {
namespace {

EndCap end_cap_of(const PenObject& pen) {
  if (pen.plain) return EndCap::round;
  switch (pen.end_cap()) {
    case pen_style::kEndCapSquare:
      return EndCap::square;
    case pen_style::kEndCapFlat:
      return EndCap::flat;
    default:
      return EndCap::round;
  }
}

Join join_of(const PenObject& pen) {
  if (pen.plain) return Join::round;
  switch (pen.join()) {
    case pen_style::kJoinBevel:
      return Join::bevel;
    case pen_style::kJoinMiter:
      return Join::miter;
    default:
      return Join::round;
  }
}

}  // namespace

void cover_wide(DeviceContext& dc, const Rect& box, std::span<const DevicePoint> points,
                bool closed) {
  const PenObject& pen = *dc.pen;
  const std::int64_t width = pen_device_width(dc);
  // A wide pen of the plain call draws solid whatever its kind.
  const DashPattern pattern =
      pen.plain ? DashPattern() : dash_pattern_of(pen, false, static_cast<double>(width));
  std::vector<DevicePointF>& path = dc.scratch_path;
  path.clear();
  for (const DevicePoint& p : points) {
    path.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
  }
  dc.edges.clear();
  dc.spans.clear();
  WideStroke wide({width, end_cap_of(pen), join_of(pen)}, box, dc.edges, dc.spans,
                  dc.scratch_nib_rows, dc.scratch_dash_path, dc.scratch_dash_headings);
  if (pattern.solid()) {
    wide.add_figure(path, closed);
  } else {
    wide.add_dashed_figure(path, closed, pattern, 0.0);
  }
  // The bands and wedges come out of the fill in order; round nibs, added before, need sorting.
  const bool has_nibs = !dc.spans.empty();
  dc.edges.fill(raster::FillRule::winding, box, dc.spans);
  if (has_nibs) dc.spans.normalize();
}

namespace {

ThinPen thin_pen_of(const DeviceContext& dc, const DashPattern& pattern) {
  const PenObject& pen = *dc.pen;
  ThinPen thin;
  thin.ink = pixel_word(pen.color);
  thin.gap_ink = pixel_word(dc.bk_color);
  thin.paint_gaps = !pen.geometric() && dc.bk_mode == static_cast<int>(BackgroundMode::opaque);
  thin.geometric = pen.geometric();
  thin.pattern = &pattern;
  return thin;
}

std::size_t segment_count(std::size_t points, bool closed) {
  return points == 0 ? 0 : closed ? points : points - 1;
}

}  // namespace

bool covers_as_one_shape(const DeviceContext& dc) {
  return dc.pen != nullptr && dc.pen->kind() != pen_style::kNull &&
         (dc.pen->geometric() || draws_wide(dc));
}

void cover_figure(DeviceContext& dc, raster::Painter& painter, std::span<const DevicePoint> points,
                  bool closed) {
  if (draws_wide(dc)) {
    cover_wide(dc, painter.box(), points, closed);
    return;
  }
  dc.spans.clear();
  const DashPattern pattern = dash_pattern_of(*dc.pen, true, 1.0);
  stroke_thin(painter, points, closed, thin_pen_of(dc, pattern), 0.0, &dc.spans);
  dc.spans.normalize();
}

void stroke_figure(DeviceContext& dc, std::span<const DevicePoint> points, bool closed) {
  const PenObject* pen = dc.pen;
  if (pen == nullptr || pen->kind() == pen_style::kNull || points.empty()) return;
  raster::Painter painter(dc);
  if (!painter.active()) return;
  const PixelWord ink = pixel_word(pen->color);
  const DashPattern pattern = dash_pattern_of(*pen, true, 1.0);
  // A geometric or wide pen covers the figure as one shape, which meets each pixel once;
  // segments drawn one by one meet the pixels they share twice, which shows only under raster
  // operations such as XOR.
  if (covers_as_one_shape(dc) && (draws_wide(dc) || (segment_count(points.size(), closed) > 1 &&
                                                     !painter.repaint_is_harmless()))) {
    cover_figure(dc, painter, points, closed);
    painter.fill_spans(dc.spans.spans(), ink);
    return;
  }
  stroke_thin(painter, points, closed, thin_pen_of(dc, pattern), 0.0);
}

}  // namespace kanvo::surface::lines
