#include "host/surface/raster/painter.h"

#include <algorithm>

namespace kanvo::surface::raster {

Painter::Painter(DeviceContext& dc, int rop2_code)
    : target_(dc.target()),
      box_(dc.drawable_box()),
      rop_(valid_rop2(rop2_code) ? rop2_code : rop2::kCopyPen),
      rop_code_(valid_rop2(rop2_code) ? rop2_code : rop2::kCopyPen),
      active_(!target_.empty() && box_.left < box_.right && box_.top < box_.bottom &&
              rop_code_ != rop2::kNop) {
  if (!active_) box_ = Rect{};
}

void Painter::restrict_to(std::int64_t left, std::int64_t top, std::int64_t right,
                          std::int64_t bottom) {
  box_.left = static_cast<std::int32_t>(std::clamp<std::int64_t>(left, box_.left, box_.right));
  box_.top = static_cast<std::int32_t>(std::clamp<std::int64_t>(top, box_.top, box_.bottom));
  box_.right = static_cast<std::int32_t>(std::clamp<std::int64_t>(right, box_.left, box_.right));
  box_.bottom = static_cast<std::int32_t>(std::clamp<std::int64_t>(bottom, box_.top, box_.bottom));
  active_ = active_ && box_.left < box_.right && box_.top < box_.bottom;
  if (!active_) box_ = Rect{};
}

void Painter::combine_run(PixelWord* first, std::int64_t count, std::ptrdiff_t stride,
                          PixelWord ink) const {
  PixelWord* pixel = first;
  if (rop_code_ == rop2::kXorPen) {
    for (std::int64_t n = count; n > 0; --n, pixel += stride) *pixel ^= ink;
  } else {
    for (std::int64_t n = count; n > 0; --n, pixel += stride) *pixel = rop_.apply(ink, *pixel);
  }
  target_.mirror_words(first, count, stride);
}

void Painter::fill_spans(std::span<const Span> spans, PixelWord ink) {
  for (const Span& span : spans) fill_span(span.y, span.x0, span.x1, ink);
}

void Painter::paint_brush_run(std::int64_t y, std::int64_t x0, std::int64_t x1,
                              const BrushInk& ink) {
  if (ink.kind() == BrushInk::Kind::none) return;
  PixelWord* row = target_.row(static_cast<std::int32_t>(y));
  BrushInk::Row walker = ink.row(static_cast<std::int32_t>(x0), static_cast<std::int32_t>(y));
  for (std::int64_t x = x0; x < x1; ++x) {
    PixelWord word;
    if (walker.next(word)) row[x] = rop_.apply(word, row[x]);
  }
  target_.mirror_words(row + x0, x1 - x0);
}

void Painter::fill_spans(std::span<const Span> spans, const BrushInk& ink) {
  for (const Span& span : spans) fill_span(span.y, span.x0, span.x1, ink);
}

}  // namespace kanvo::surface::raster
