// A device context: the drawing state of one surface and the pixel memory it draws into.
//
// Drawing code works on this view: it reads the state, maps its coordinates through `mapping`,
// and paints through raster::Painter, which applies the raster operation and the clip. A context
// is used by one thread at a time; nothing in it is locked.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "host/surface/dc/world_transform.h"
#include "host/surface/objects/object_table.h"
#include "host/surface/objects/objects.h"
#include "host/surface/raster/ellipse_quadrant.h"
#include "host/surface/raster/polygon_fill.h"
#include "host/surface/raster/span_list.h"
#include "host/surface/surface.h"

namespace kanvo::surface {

// The 32-bit pixels a context draws into; empty (null pixels) when the selected bitmap is not a
// 32-bit one.
struct PixelTarget {
  PixelWord* pixels = nullptr;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t stride = 0;  // in pixel words
  // While a call draws on a context that mirrors its drawing: the other picture, at least as
  // large, which every word written here goes to as well, at the same place. Null otherwise.
  PixelWord* mirror = nullptr;
  std::int32_t mirror_stride = 0;

  bool empty() const { return pixels == nullptr || width <= 0 || height <= 0; }
  PixelWord* row(std::int32_t y) const { return pixels + static_cast<std::ptrdiff_t>(y) * stride; }
  // The mirror's word at the place of `pixel` (a pointer into these pixels).
  PixelWord* mirrored(const PixelWord* pixel) const {
    const std::ptrdiff_t offset = pixel - pixels;
    const std::ptrdiff_t y = offset / stride;
    return mirror + y * mirror_stride + (offset - y * stride);
  }
  // The mirror's step for a step between pixels here (rows down and at most a pixel aside).
  std::ptrdiff_t mirrored_step(std::ptrdiff_t step) const {
    std::ptrdiff_t rows = step / stride;
    std::ptrdiff_t aside = step - rows * stride;
    if (2 * aside > stride) {
      ++rows;
      aside -= stride;
    } else if (2 * aside < -stride) {
      --rows;
      aside += stride;
    }
    return rows * mirror_stride + aside;
  }
  // Gives the mirror the `count` words from `first` on, `step` words apart, just written here.
  void mirror_words(const PixelWord* first, std::int64_t count, std::ptrdiff_t step = 1) const {
    if (mirror == nullptr || count <= 0) return;
    PixelWord* to = mirrored(first);
    if (step == 1) {
      std::memcpy(to, first, static_cast<std::size_t>(count) * sizeof(PixelWord));
      return;
    }
    const std::ptrdiff_t to_step = mirrored_step(step);
    for (; count > 0; --count, first += step, to += to_step) *to = *first;
  }
};

class DeviceContext {
 public:
  // ---- State (defaults of a new memory context) ----
  GraphicsMode graphics_mode = GraphicsMode::compatible;
  WorldMapping mapping;
  Color text_color = 0x000000;
  Color bk_color = 0xFFFFFF;
  int bk_mode = static_cast<int>(BackgroundMode::opaque);
  int rop2 = rop2::kCopyPen;
  int poly_fill_mode = static_cast<int>(PolyFillMode::alternate);
  Point brush_origin;      // device pixels
  Point current_position;  // logical coordinates

  // ---- Selected objects: the pins on them and the objects behind them ----
  HeldObject pen_pin;
  HeldObject brush_pin;
  HeldObject font_pin;
  HeldObject bitmap_pin;  // exclusive
  const PenObject* pen = nullptr;
  const BrushObject* brush = nullptr;
  const FontObject* font = nullptr;

  // The selected pen's width in device pixels: its world width scaled as the transform scales a
  // step along x (a mirror keeps the width, and a scale along y alone leaves it), rounded down;
  // one for a cosmetic pen. Worked out when the pen or the transform changes, not by every
  // shape that asks.
  std::int64_t pen_width = 1;

  // The background colour the selected brush paints its gaps with (hatch gaps, the clear cells
  // of a one-bit pattern). The brush takes up the context's colour when a call that paints with
  // it is made (whether it then paints or not) for the first time after the brush was selected,
  // or after the colour changed; but a pen selected after the change takes the change for
  // itself, and the brush keeps the colour it had. Every call that paints with the selected
  // brush realises it first.
  void realise_brush() {
    if (brush_pending_ != BrushPending::none) {
      brush_background_ = bk_color;
      brush_pending_ = BrushPending::none;
    }
  }
  Color brush_background() const { return brush_background_; }
  void note_brush_selected() { brush_pending_ = BrushPending::new_brush; }
  void note_pen_selected() {
    if (brush_pending_ == BrushPending::new_colour) brush_pending_ = BrushPending::none;
  }
  void note_bk_color_changed() {
    if (brush_pending_ == BrushPending::none) brush_pending_ = BrushPending::new_colour;
  }
  // A mirror draws nothing itself, so where its brush stands is this context's when it ends.
  void take_brush_realisation(const DeviceContext& from) {
    brush_background_ = from.brush_background_;
    brush_pending_ = from.brush_pending_;
  }

  SharedPixels* shared_pixels = nullptr;
  // The context that this one's drawing is mirrored on (mirror_drawing), or none.
  DcHandle mirror = kNoDc;

  // Scratch geometry kept between calls, so that drawing stops allocating once it has grown.
  raster::SpanList spans;
  // The inside of a shape while `spans` holds what its wide outline covers.
  raster::SpanList fill_spans;
  std::vector<PixelWord> scratch_words;
  std::vector<std::uint64_t> scratch_bits;
  std::vector<Point> scratch_points;
  std::vector<DevicePoint> scratch_device_points;
  std::vector<DevicePointF> scratch_path;
  std::vector<raster::QuadrantRow> scratch_nib_rows;
  std::vector<DevicePointF> scratch_dash_path;
  std::vector<DevicePointF> scratch_dash_headings;
  raster::EdgeList edges;

  // The logical points mapped to device pixels, in scratch_device_points.
  std::span<const DevicePoint> map_points(const Point* points, std::int32_t count) {
    scratch_device_points.clear();
    for (std::int32_t i = 0; i < count; ++i) {
      scratch_device_points.push_back(mapping.map(points[i]));
    }
    return scratch_device_points;
  }

  // The selected bitmap's pixels.
  const PixelTarget& target() const { return target_; }
  // The pixels drawing may touch: the surface, cut to the clip region. Empty when none.
  const Rect& drawable_box() const { return drawable_; }
  void select_bitmap(const BitmapObject* bitmap);

  // The clip region, in device pixels; it may be empty or reach outside the surface.
  bool has_clip() const { return has_clip_; }
  const Rect& clip() const { return clip_; }
  void set_clip(const Rect& clip);
  void remove_clip();

  // Called whenever the pen or the transform changes.
  void update_pen_width();
  // Called once by every call that may have changed the pixels.
  void note_change() const {
    if (shared_pixels != nullptr) shared_pixels->changes.fetch_add(1, std::memory_order_release);
  }

  // Around a call's writes (PixelWriting): the mirror, when there is one as large, takes
  // its writes as well, under its own shared pixels' hold. Returns the mirror's shared pixels
  // to release afterwards, or null.
  SharedPixels* begin_mirroring();
  void end_mirroring() { target_.mirror = nullptr; }

 private:
  // Worked out when the bitmap or the clip changes, not by every drawing call.
  void update_drawable_box();

  PixelTarget target_;
  Rect drawable_;
  // What the selected brush has not taken up yet: itself, or a new background colour.
  enum class BrushPending : std::uint8_t { none, new_colour, new_brush };
  Color brush_background_ = 0xFFFFFF;
  BrushPending brush_pending_ = BrushPending::new_brush;
  bool has_clip_ = false;
  Rect clip_;
};

// Held by a call that may change a context's pixels, from before its first write to after its
// last: a reader of shared pixels then sees each call's work whole or not at all. Taken once per
// call, never inside another call's hold.
class PixelWriting {
 public:
  explicit PixelWriting(DeviceContext& dc) : shared_(dc.shared_pixels) {
    if (shared_ != nullptr) shared_->lock.lock();
    if (dc.mirror != kNoDc) {
      mirroring_ = &dc;
      mirror_shared_ = dc.begin_mirroring();
    }
  }
  ~PixelWriting() {
    if (mirroring_ != nullptr) {
      mirroring_->end_mirroring();
      // Counted whether the call changed anything or not: at worst the mirror is looked at again.
      if (mirror_shared_ != nullptr) {
        mirror_shared_->changes.fetch_add(1, std::memory_order_release);
        mirror_shared_->lock.unlock();
      }
    }
    if (shared_ != nullptr) shared_->lock.unlock();
  }
  PixelWriting(const PixelWriting&) = delete;
  PixelWriting& operator=(const PixelWriting&) = delete;

 private:
  SharedPixels* shared_;
  DeviceContext* mirroring_ = nullptr;  // the context whose drawing is mirrored, if it is
  SharedPixels* mirror_shared_ = nullptr;
};

// The context behind a handle, or null. The caller is the context's one user at this moment.
inline DeviceContext* context_of(DcHandle handle) {
  return find_device_context(handle);
}

// The pixel word a colour reference is painted as (red and blue exchanged, top byte clear).
constexpr PixelWord pixel_word(Color color) {
  return swap_red_blue(color) & 0x00FFFFFFu;
}
// The colour reference of a pixel word (its top byte ignored).
constexpr Color color_of_pixel(PixelWord word) {
  return swap_red_blue(word) & 0x00FFFFFFu;
}

}  // namespace kanvo::surface
