#include "host/surface/lines/thin_stroke.h"

#include <algorithm>

#include "host/surface/lines/cosmetic_line.h"

namespace kanvo::surface::lines {
namespace {

// Where the pixels of a figure go: straight to the painter (its runs for copies or for other
// operations), or into a list. Each kind is its own type, so a figure's loop is compiled for one
// of them and asks nothing per run. The pixels handed over lie inside the painter's box already.
class GatherSink {
 public:
  explicit GatherSink(raster::SpanList& spans) : spans_(spans) {}
  void row(std::int64_t y, std::int64_t x0, std::int64_t x1, PixelWord) {
    spans_.add(static_cast<std::int32_t>(y), static_cast<std::int32_t>(x0),
               static_cast<std::int32_t>(x1));
  }
  void column(std::int64_t x, std::int64_t y0, std::int64_t y1, PixelWord ink) {
    for (std::int64_t y = y0; y < y1; ++y) row(y, x, x + 1, ink);
  }

 private:
  raster::SpanList& spans_;
};

// `count` pixels of a line run, from its pixel `done` on.
template <typename Sink>
[[gnu::always_inline]] inline void run_pixels(Sink& sink, const LineRun& run, std::int64_t done,
                                              std::int64_t count, PixelWord ink) {
  const std::int64_t at = run.first + run.step * done;
  const std::int64_t low = run.step > 0 ? at : at - count + 1;
  if (run.along_x) {
    sink.row(run.across, low, low + count, ink);
  } else {
    sink.column(run.across, low, low + count, ink);
  }
}

// Paints a solid line's runs as it walks them, following the line by a pixel's place in the
// target: a run costs its stores and a few additions. Compiled for each direction along the
// major axis (`kForward`: to greater coordinates), which a row's stores depend on.
template <class Runs, bool kForward>
class PaintWalker {
 public:
  PaintWalker(const Runs& runs, PixelWord ink) : runs_(runs), ink_(ink) {}
  template <bool kAlongX>
  void start(const LineStart& start) {
    const std::ptrdiff_t stride = runs_.stride();
    major_ = kAlongX ? start.step : start.step * stride;
    minor_ = kAlongX ? start.minor_step * stride : start.minor_step;
    // A row going back is followed by the place just after its right end.
    at_ = runs_.at(start.x, start.y) + (kAlongX && !kForward ? 1 : 0);
  }
  template <bool kAlongX>
  void run(std::int64_t count) {
    if constexpr (kAlongX) {
      // A row is stored from its left end, so that a long one is written in wide stores.
      const auto length = static_cast<std::ptrdiff_t>(count);
      const std::ptrdiff_t left_end = kForward ? at_ : at_ - length;
      runs_.row_at(left_end, count, ink_);
      at_ = left_end + (kForward ? length : 0) + minor_;
    } else {
      at_ = runs_.line_at(at_, count, major_, ink_) + minor_;
    }
  }

 private:
  const Runs& runs_;
  PixelWord ink_;
  std::ptrdiff_t at_ = 0;
  std::ptrdiff_t major_ = 1;
  std::ptrdiff_t minor_ = 1;
};

// A solid line's pixels: walked straight into the pixels, or gathered run by run.
template <class Runs>
void add_solid_line(const Runs& runs, const CosmeticLine& line, const Rect& box, PixelWord ink) {
  if (line.forward()) {
    line.walk(box, PaintWalker<Runs, true>(runs, ink));
  } else {
    line.walk(box, PaintWalker<Runs, false>(runs, ink));
  }
}
void add_solid_line(GatherSink& sink, const CosmeticLine& line, const Rect& box, PixelWord ink) {
  line.trace(box, [&sink, ink](const LineRun& run) { run_pixels(sink, run, 0, run.count, ink); });
}

// Paints a run piece by piece along the pattern.
template <typename Sink>
void paint_dashed_run(Sink& sink, const LineRun& run, const ThinPen& pen, double position) {
  int index = 0;
  double remaining = 0.0;
  pen.pattern->locate(position + static_cast<double>(run.step_first), index, remaining);
  std::int64_t done = 0;
  while (done < run.count) {
    const auto left = static_cast<double>(run.count - done);
    // Pattern lengths are whole pixels here; a zero length piece paints nothing.
    const auto piece = static_cast<std::int64_t>(std::min(remaining, left));
    if (piece > 0 && (index % 2 == 0 || pen.paint_gaps)) {
      run_pixels(sink, run, done, piece, index % 2 == 0 ? pen.ink : pen.gap_ink);
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

template <typename Sink>
double stroke_thin_into(Sink& sink, const Rect& box, std::span<const DevicePoint> points,
                        bool closed, const ThinPen& pen, double position) {
  const std::size_t count = points.size();
  if (count == 0) return position;
  const std::size_t segments = closed ? count : count - 1;
  const bool dashed = pen.pattern != nullptr && !pen.pattern->solid();
  const PixelWord ink = pen.ink;
  for (std::size_t i = 0; i < segments; ++i) {
    const DevicePoint from = points[i];
    const DevicePoint to = points[(i + 1) % count];
    // A segment straight along a row or a column ends short of its last point, as a cosmetic
    // one does; a slanted one (or a single point) ends on it.
    const bool straight = (from.x == to.x) != (from.y == to.y);
    const bool last = pen.geometric && !dashed && !closed && i + 1 == segments && !straight;
    const CosmeticLine line(from, to, last);
    if (dashed) {
      line.trace(box, [&](const LineRun& run) { paint_dashed_run(sink, run, pen, position); });
    } else {
      add_solid_line(sink, line, box, ink);
    }
    position += static_cast<double>(line.steps() - (last ? 1 : 0));
  }
  // A lone point of an open figure: its end pixel alone.
  if (segments == 0 && pen.geometric && !dashed) {
    const DevicePoint p = points[0];
    if (p.x >= box.left && p.x < box.right && p.y >= box.top && p.y < box.bottom) {
      sink.row(p.y, p.x, p.x + 1, ink);
    }
  }
  return position;
}

}  // namespace

double stroke_thin(raster::Painter& painter, std::span<const DevicePoint> points, bool closed,
                   const ThinPen& pen, double position, raster::SpanList* gather) {
  if (gather != nullptr) {
    GatherSink sink(*gather);
    return stroke_thin_into(sink, painter.box(), points, closed, pen, position);
  }
  painter.with_runs([&](const auto& sink) {
    position = stroke_thin_into(sink, painter.box(), points, closed, pen, position);
  });
  return position;
}

}  // namespace kanvo::surface::lines
