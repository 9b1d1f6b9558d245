// Flood fill by spans: each pixel is tested and painted once, with a work list of seeds in the
// context's scratch memory (no recursion; at most one seed per pixel).
#include <algorithm>

#include "host/surface/dc/device_context.h"
#include "host/surface/raster/painter.h"

namespace kanvo::surface {
namespace {

class VisitedPixels {
 public:
  VisitedPixels(std::vector<std::uint64_t>& words, const Rect& box)
      : words_(words), box_(box), width_(box.right - box.left) {
    const std::size_t count =
        (static_cast<std::size_t>(width_) * static_cast<std::size_t>(box.bottom - box.top) + 63) /
        64;
    words_.assign(count, 0);
  }
  bool test_and_set(std::int32_t x, std::int32_t y) {
    const std::size_t bit = static_cast<std::size_t>(y - box_.top) * width_ + (x - box_.left);
    const std::uint64_t mask = std::uint64_t{1} << (bit % 64);
    const bool was = words_[bit / 64] & mask;
    words_[bit / 64] |= mask;
    return was;
  }

 private:
  std::vector<std::uint64_t>& words_;
  Rect box_;
  std::int32_t width_;
};

}  // namespace

bool ext_flood_fill(DcHandle handle, std::int32_t x, std::int32_t y, Color color,
                    FloodFillType type) {
  DeviceContext* dc = context_of(handle);
  if (dc == nullptr) return false;
  if (type != FloodFillType::border && type != FloodFillType::surface) return false;
  dc->realise_brush();  // taken up even when the start point lies outside
  // The start point is taken in device pixels: the reference drawings show the world transform
  // left out of this one call.
  const DevicePoint start{x, y};
  const Rect box = dc->drawable_box();
  if (start.x < box.left || start.x >= box.right || start.y < box.top || start.y >= box.bottom) {
    return false;
  }
  const PixelWriting writing(*dc);
  const PixelTarget target = dc->target();
  // The whole pixel word is compared, top byte included: a pixel that a raster operation left
  // with its top byte set is not the colour asked for, whatever its red, green and blue.
  const PixelWord wanted = pixel_word(color & 0x00FFFFFFu);
  auto fillable = [&](std::int32_t px, std::int32_t py) {
    const bool same = target.row(py)[px] == wanted;
    return type == FloodFillType::border ? !same : same;
  };
  const auto start_x = static_cast<std::int32_t>(start.x);
  const auto start_y = static_cast<std::int32_t>(start.y);
  if (!fillable(start_x, start_y)) return false;

  raster::Painter painter(*dc);
  const raster::BrushInk ink(*dc);
  VisitedPixels visited(dc->scratch_bits, box);
  std::vector<Point>& seeds = dc->scratch_points;
  seeds.clear();
  seeds.push_back({start_x, start_y});
  while (!seeds.empty()) {
    const Point seed = seeds.back();
    seeds.pop_back();
    if (visited.test_and_set(seed.x, seed.y) || !fillable(seed.x, seed.y)) continue;
    std::int32_t left = seed.x;
    while (left > box.left && fillable(left - 1, seed.y) && !visited.test_and_set(left - 1, seed.y))
      --left;
    std::int32_t right = seed.x + 1;
    while (right < box.right && fillable(right, seed.y) && !visited.test_and_set(right, seed.y))
      ++right;
    // Neighbouring rows: one seed per run of candidates.
    for (const std::int32_t row : {seed.y - 1, seed.y + 1}) {
      if (row < box.top || row >= box.bottom) continue;
      bool in_run = false;
      for (std::int32_t px = left; px < right; ++px) {
        const bool candidate = fillable(px, row);
        if (candidate && !in_run) seeds.push_back({px, row});
        in_run = candidate;
      }
    }
    painter.fill_span(seed.y, left, right, ink);
  }
  dc->note_change();
  return true;
}

}  // namespace kanvo::surface
