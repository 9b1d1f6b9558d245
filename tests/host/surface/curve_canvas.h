// A context over a canvas of any size, with helpers to read back shapes: the set of pixels of
// one colour, and ASCII pictures for failure messages.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "host/surface/surface.h"

namespace kanvo::surface::testing {

using PixelSet = std::set<std::pair<int, int>>;  // (x, y)

class CurveCanvas {
 public:
  CurveCanvas(std::int32_t width, std::int32_t height) : width_(width), height_(height) {
    dc_ = create_compatible_dc(kNoDc);
    bitmap_ = create_dib_section(width, height, &pixels_);
    old_bitmap_ = select_object(dc_, bitmap_);
    set_graphics_mode(dc_, GraphicsMode::advanced);
  }
  ~CurveCanvas() {
    select_object(dc_, old_bitmap_);
    delete_object(select_object(dc_, get_stock_object(StockObject::black_pen)));
    delete_object(select_object(dc_, get_stock_object(StockObject::white_brush)));
    delete_dc(dc_);
    delete_object(bitmap_);
  }
  CurveCanvas(const CurveCanvas&) = delete;
  CurveCanvas& operator=(const CurveCanvas&) = delete;

  DcHandle dc() const { return dc_; }
  std::int32_t width() const { return width_; }
  std::int32_t height() const { return height_; }
  PixelWord at(int x, int y) const { return pixels_[y * width_ + x]; }
  void clear(PixelWord word = 0) { std::fill(pixels_, pixels_ + width_ * height_, word); }

  void pen(Color color) { delete_object(select_object(dc_, create_pen(0, 1, color))); }
  void null_pen() { delete_object(select_object(dc_, create_pen(pen_style::kNull, 1, 0))); }
  void brush(Color color) { delete_object(select_object(dc_, create_solid_brush(color))); }
  void hollow_brush() {
    LogBrush hollow;
    hollow.style = BrushStyle::null;
    delete_object(select_object(dc_, create_brush_indirect(hollow)));
  }

  // Pixels of exactly this word.
  PixelSet pixels_of(PixelWord word) const {
    PixelSet set;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x)
        if (at(x, y) == word) set.insert({x, y});
    return set;
  }
  // Pixels that differ from `background`.
  PixelSet painted(PixelWord background = 0) const {
    PixelSet set;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x)
        if (at(x, y) != background) set.insert({x, y});
    return set;
  }
  // Rows of the canvas as text: '.' background, '#' the word given, 'o' anything else.
  std::string picture(PixelWord word, PixelWord background = 0) const {
    std::string text;
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        const PixelWord p = at(x, y);
        text += p == background ? '.' : p == word ? '#' : 'o';
      }
      text += '\n';
    }
    return text;
  }

 private:
  std::int32_t width_;
  std::int32_t height_;
  DcHandle dc_ = kNoDc;
  ObjectHandle bitmap_ = kNoObject;
  ObjectHandle old_bitmap_ = kNoObject;
  PixelWord* pixels_ = nullptr;
};

// The set of pixels drawn as rows of text ('#' in the set), offset by (left, top).
inline PixelSet pixels_from_rows(int left, int top, const std::vector<std::string>& rows) {
  PixelSet set;
  for (int y = 0; y < static_cast<int>(rows.size()); ++y)
    for (int x = 0; x < static_cast<int>(rows[y].size()); ++x)
      if (rows[y][x] == '#') set.insert({left + x, top + y});
  return set;
}

}  // namespace kanvo::surface::testing
