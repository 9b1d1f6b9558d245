#include "host/surface/lines/shape_outline.h"

#include <algorithm>

#include "host/surface/lines/stroke.h"

namespace kanvo::surface::lines {

ShapeOutline::ShapeOutline(DeviceContext& dc, raster::Painter& painter,
                           std::span<const DevicePoint> closed_figure)
    : dc_(dc),
      painter_(painter),
      figure_(closed_figure),
      wide_(draws_wide(dc)),
      // Where the last ink alone shows, the brush may go under a one-pixel outline.
      covers_(wide_ || (covers_as_one_shape(dc) && !painter.overwrites())) {
  if (covers_) cover_figure(dc_, painter_, figure_, true);
}

void ShapeOutline::fill_inside(std::int64_t y, std::int64_t x0, std::int64_t x1,
                               const raster::BrushInk& brush) {
  if (x0 >= x1) return;
  if (!covers_) {
    painter_.fill_span(y, x0, x1, brush);
    return;
  }
  // Rows come in increasing order; the covered spans are sorted by row, then by start.
  const auto covered = dc_.spans.spans();
  while (row_cursor_ < covered.size() && covered[row_cursor_].y < y) ++row_cursor_;
  std::int64_t x = x0;
  for (std::size_t i = row_cursor_; i < covered.size() && covered[i].y == y && x < x1; ++i) {
    if (covered[i].x1 <= x) continue;
    if (covered[i].x0 > x)
      painter_.fill_span(y, x, std::min<std::int64_t>(covered[i].x0, x1), brush);
    x = std::max<std::int64_t>(x, covered[i].x1);
  }
  if (x < x1) painter_.fill_span(y, x, x1, brush);
}

void ShapeOutline::fill_inside(const DeviceRect& box, const raster::BrushInk& brush) {
  if (!covers_) {
    painter_.fill_box(box.left, box.top, box.right, box.bottom, brush);
    return;
  }
  for (std::int64_t y = std::max<std::int64_t>(box.top, painter_.box().top);
       y < std::min<std::int64_t>(box.bottom, painter_.box().bottom); ++y) {
    fill_inside(y, box.left, box.right, brush);
  }
}

void ShapeOutline::draw() {
  if (covers_) {
    painter_.fill_spans(dc_.spans.spans(), pixel_word(dc_.pen->color));
  } else {
    stroke_figure(dc_, figure_, true);
  }
}

void draw_outlined_box(DeviceContext& dc, raster::Painter& painter, const DeviceRect& box,
                       std::span<const DevicePoint> corners, const raster::BrushInk& brush) {
  ShapeOutline outline(dc, painter, corners);
  if (brush.kind() != raster::BrushInk::Kind::none) outline.fill_inside(box, brush);
  outline.draw();
}

FramedBox inside_frame_box(const DeviceContext& dc, const DeviceRect& box, FramedShape shape,
                           std::int64_t corner_width, std::int64_t corner_height) {
  if (dc.pen == nullptr || dc.pen->kind() != pen_style::kInsideFrame) return {box};
  const std::int64_t width = pen_device_width(dc);
  if (width <= 1) return {box};
  const std::int64_t corner =
      std::min({corner_width, corner_height, box.right - box.left, box.bottom - box.top});
  if (corner < 2 * width) {
    if (shape == FramedShape::rounded_rectangle) return {box};
    return {{box.left, box.top, box.right + 1, box.bottom + 1}, true};
  }
  return {{box.left + width / 2, box.top + width / 2, box.right - (width - 1) / 2,
           box.bottom - (width - 1) / 2}};
}

}  // namespace kanvo::surface::lines
