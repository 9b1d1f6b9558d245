// Paints device pixels of a context: runs and single pixels in one colour or with a brush,
// combined with the destination under the context's raster operation, cut to the clip region
// and the surface. Shapes produce their pixels as spans and hand them here; nothing outside the
// drawable box is ever touched, whatever the coordinates.
//
//   raster::Painter painter(dc);
//   if (!painter.active()) return true;       // nothing visible to paint
//   painter.fill_spans(dc.spans.spans(), pixel_word(dc.pen->color));
//   painter.fill_spans(dc.spans.spans(), raster::BrushInk(dc));
#pragma once

#include <cstdint>
#include <span>
#include <type_traits>

#include "host/surface/dc/device_context.h"
#include "host/surface/raster/brush_ink.h"
#include "host/surface/raster/rop.h"
#include "host/surface/raster/span_list.h"
#include "host/surface/raster/word_fill.h"

namespace kanvo::surface::raster {

class Painter {
 public:
  // Uses the context's raster operation.
  explicit Painter(DeviceContext& dc) : Painter(dc, dc.rop2) {}
  // With another binary raster operation (R2_COPYPEN for calls that ignore the context's).
  Painter(DeviceContext& dc, int rop2_code);

  // Narrows the pixels that may be painted to those inside the box as well (text drawn into a
  // rectangle is cut to it).
  void restrict_to(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);

  // False when the drawable box is empty: nothing will be painted.
  bool active() const { return active_; }
  // Device pixels that may be painted: the surface cut to the clip region; empty when the
  // painter is not active (a raster operation that changes nothing paints nowhere).
  const Rect& box() const { return box_; }
  const PixelTarget& target() const { return target_; }
  // Whether painting a pixel twice leaves what painting it once does (false under XOR, say).
  bool repaint_is_harmless() const { return rop2_repeats_harmlessly(rop_code_); }
  // Whether a pixel shows only the last ink painted on it (false under XOR or a merge, say).
  bool overwrites() const { return rop2_ignores_destination(rop_code_); }

  // Pixels x0 <= x < x1 of row y in one pixel word. Inline: shapes call it for every short run.
  void fill_span(std::int64_t y, std::int64_t x0, std::int64_t x1, PixelWord ink) {
    if (active_ && clip_span(y, x0, x1)) paint_run(y, x0, x1, ink);
  }
  void fill_spans(std::span<const Span> spans, PixelWord ink);
  void fill_pixel(std::int64_t x, std::int64_t y, PixelWord ink) { fill_span(y, x, x + 1, ink); }

  // The same with a brush.
  void fill_span(std::int64_t y, std::int64_t x0, std::int64_t x1, const BrushInk& ink) {
    if (active_ && clip_span(y, x0, x1)) paint_run(y, x0, x1, ink);
  }
  void fill_spans(std::span<const Span> spans, const BrushInk& ink);

  // Runs the caller knows to lie inside box(), painted without clipping them again: plain
  // copies inline, other operations out of line. A loop over many short runs keeps one of these
  // and paints through it: it holds the pixels and the operation as values, which the loop's
  // own stores into the pixels cannot be taken to change, so they stay in registers. The kind
  // says whether the operation is asked for every run (`any`) or fixed for the loop.
  enum class RunKind { any, copies, combines };
  template <RunKind kKind = RunKind::any>
  class Runs {
   public:
    explicit Runs(const Painter& painter)
        : painter_(painter),
          target_(painter.target_),
          copies_(painter.rop_code_ == rop2::kCopyPen) {}
    // Pixels x0 <= x < x1 of row y.
    void row(std::int64_t y, std::int64_t x0, std::int64_t x1, PixelWord ink) const {
      row_at(at(x0, y), x1 - x0, ink);
    }
    // Pixels y0 <= y < y1 of column x.
    void column(std::int64_t x, std::int64_t y0, std::int64_t y1, PixelWord ink) const {
      line_at(at(x, y0), y1 - y0, target_.stride, ink);
    }

    // The same by the pixels' places in the target (words from its first pixel), for a walk
    // that moves from pixel to pixel by steps of its own: `count` pixels of a row from `first`
    // on to the right, and `count` pixels from `first` on, `step` words apart (returning the
    // place after the last).
    std::ptrdiff_t at(std::int64_t x, std::int64_t y) const {
      return static_cast<std::ptrdiff_t>(static_cast<std::int32_t>(y)) * target_.stride +
             static_cast<std::ptrdiff_t>(x);
    }
    std::ptrdiff_t stride() const { return target_.stride; }
    void row_at(std::ptrdiff_t first, std::int64_t count, PixelWord ink) const {
      PixelWord* pixels = target_.pixels + first;
      if (!copies()) {
        painter_.combine_run(pixels, count, 1, ink);
        return;
      }
      fill_words(pixels, count, ink);
      if (mirrors()) target_.mirror_words(pixels, count);
    }
    std::ptrdiff_t line_at(std::ptrdiff_t first, std::int64_t count, std::ptrdiff_t step,
                           PixelWord ink) const {
      if (!copies()) {
        painter_.combine_run(target_.pixels + first, count, step, ink);
        return first + static_cast<std::ptrdiff_t>(count) * step;
      }
      PixelWord* const written = target_.pixels + first;
      const std::int64_t written_count = count;
      for (; count > 0; --count, first += step) target_.pixels[first] = ink;
      if (mirrors()) target_.mirror_words(written, written_count, step);
      return first;
    }

   private:
    bool copies() const {
      if constexpr (kKind == RunKind::any) return copies_;
      return kKind == RunKind::copies;
    }
    // Only runs of any kind are mirrored: a loop of a fixed kind never is (with_runs).
    bool mirrors() const {
      if constexpr (kKind == RunKind::any) return target_.mirror != nullptr;
      return false;
    }
    const Painter& painter_;
    PixelTarget target_;
    bool copies_;
  };
  // Calls work(runs) with runs of a fixed kind for this painter's operation: a loop over many
  // runs inside `work` is compiled once for plain copies and once for the rest, and once for a
  // surface whose drawing is mirrored, which asks at every run.
  template <class Work>
  void with_runs(Work&& work) const {
    if (target_.mirror != nullptr) {
      work(Runs<RunKind::any>(*this));
    } else if (rop_code_ == rop2::kCopyPen) {
      work(Runs<RunKind::copies>(*this));
    } else {
      work(Runs<RunKind::combines>(*this));
    }
  }
  void paint_run(std::int64_t y, std::int64_t x0, std::int64_t x1, PixelWord ink) {
    Runs<>(*this).row(y, x0, x1, ink);
  }
  // A solid brush inline, as its colour; hatches and patterns out of line.
  void paint_run(std::int64_t y, std::int64_t x0, std::int64_t x1, const BrushInk& ink) {
    if (ink.kind() == BrushInk::Kind::solid) {
      paint_run(y, x0, x1, ink.solid_word());
    } else {
      paint_brush_run(y, x0, x1, ink);
    }
  }

  // Every pixel left <= x < right, top <= y < bottom.
  template <class Ink>
  void fill_box(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                const Ink& ink) {
    if (!active_) return;
    const std::int64_t x0 = left > box_.left ? left : box_.left;
    const std::int64_t x1 = right < box_.right ? right : box_.right;
    const std::int64_t y0 = top > box_.top ? top : box_.top;
    const std::int64_t y1 = bottom < box_.bottom ? bottom : box_.bottom;
    if (x0 >= x1) return;
    if constexpr (std::is_same_v<Ink, BrushInk>) {
      if (ink.kind() != BrushInk::Kind::solid) {
        for (std::int64_t y = y0; y < y1; ++y) paint_brush_run(y, x0, x1, ink);
        return;
      }
      fill_rows(x0, y0, x1, y1, ink.solid_word());
    } else {
      fill_rows(x0, y0, x1, y1, ink);
    }
  }

 private:
  // Cuts a run to the box; false when nothing is left.
  bool clip_span(std::int64_t y, std::int64_t& x0, std::int64_t& x1) const {
    if (y < box_.top || y >= box_.bottom) return false;
    if (x0 < box_.left) x0 = box_.left;
    if (x1 > box_.right) x1 = box_.right;
    return x0 < x1;
  }
  void paint_brush_run(std::int64_t y, std::int64_t x0, std::int64_t x1, const BrushInk& ink);
  // Rows y0 <= y < y1 from x0 to x1, inside the box, in one word: the operation asked once.
  void fill_rows(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                 PixelWord ink) const {
    with_runs([&](const auto& runs) {
      for (std::int64_t y = y0; y < y1; ++y) runs.row(y, x0, x1, ink);
    });
  }
  // `count` pixels from `first`, `stride` words apart.
  void combine_run(PixelWord* first, std::int64_t count, std::ptrdiff_t stride,
                   PixelWord ink) const;

  PixelTarget target_;
  Rect box_;
  Rop2 rop_;
  int rop_code_;
  bool active_ = false;
};

}  // namespace kanvo::surface::raster
