#include "host/surface/lines/thin_stroke.h"

#include <algorithm>

#include "host/surface/lines/cosmetic_line.h"

namespace kanvo::surface::lines {
namespace {

// Paints a run piece by piece along the pattern.
void paint_dashed_run(raster::Painter& painter, const LineRun& run, const ThinPen& pen,
                      double position) {
  int index = 0;
  double remaining = 0.0;
  pen.pattern->locate(position + static_cast<double>(run.step_first), index, remaining);
  std::int64_t done = 0;
  while (done < run.count) {
    const auto left = static_cast<double>(run.count - done);
    // Pattern lengths are whole pixels here; a zero length piece paints nothing.
    const auto piece = static_cast<std::int64_t>(std::min(remaining, left));
    if (piece > 0 && (index % 2 == 0 || pen.paint_gaps)) {
      const PixelWord ink = index % 2 == 0 ? pen.ink : pen.gap_ink;
      const std::int64_t x = run.x_first + run.x_step * done;
      if (run.x_step > 0) {
        painter.fill_span(run.y, x, x + piece, ink);
      } else {
        painter.fill_span(run.y, x - piece + 1, x + 1, ink);
      }
    }
    done += piece;
    if (static_cast<double>(piece) >= remaining) {
      index = (index + 1) % pen.pattern->count();
      remaining = pen.pattern->length(index);
    } else {
      remaining -= static_cast<double>(piece);
    }
  }
}

}  // namespace

double stroke_thin(raster::Painter& painter, std::span<const DevicePoint> points, bool closed,
                   const ThinPen& pen, double position) {
  const std::size_t count = points.size();
  if (count == 0) return position;
  const std::size_t segments = closed ? count : count - 1;
  const bool dashed = pen.pattern != nullptr && !pen.pattern->solid();
  for (std::size_t i = 0; i < segments; ++i) {
    const DevicePoint from = points[i];
    const DevicePoint to = points[(i + 1) % count];
    const bool last = !closed && pen.last_pixel && i + 1 == segments;
    const CosmeticLine line(from, to, last);
    if (dashed) {
      line.trace(painter.box(),
                 [&](const LineRun& run) { paint_dashed_run(painter, run, pen, position); });
    } else {
      line.trace(painter.box(), [&](const LineRun& run) {
        if (run.x_step > 0) {
          painter.fill_span(run.y, run.x_first, run.x_first + run.count, pen.ink);
        } else {
          painter.fill_span(run.y, run.x_first - run.count + 1, run.x_first + 1, pen.ink);
        }
      });
    }
    position += static_cast<double>(line.steps() - (last ? 1 : 0));
  }
  // A lone point of an open figure: the end pixel alone.
  if (segments == 0 && pen.last_pixel) painter.fill_pixel(points[0].x, points[0].y, pen.ink);
  return position;
}

}  // namespace kanvo::surface::lines
