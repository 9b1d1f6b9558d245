// A vertical scroll bar drawn by the control that has it: an arrow box at each end and a thumb
// on the track between them whose size and place show which part of the content is in view.
#pragma once

#include <cstdint>

#include "host/surface/surface.h"
#include "host/windows/types.h"

namespace kanvo::win::controls {

inline constexpr std::int32_t kScrollBarWidth = 17;

struct ScrollRange {
  std::int32_t total = 0;     // units of content (lines)
  std::int32_t page = 0;      // units in view
  std::int32_t position = 0;  // first unit in view, 0 to total - page
  std::int32_t max_position() const { return total > page ? total - page : 0; }
};

enum class ScrollPart : std::uint8_t { none, up_arrow, page_up, thumb, page_down, down_arrow };

class ScrollBar {
 public:
  // `area` is the bar's rectangle in the control's client pixels.
  ScrollBar(const Rect& area, const ScrollRange& range) : area_(area), range_(range) {}

  void paint(surface::DcHandle dc) const;
  ScrollPart hit(Point point) const;
  // The position that puts the thumb's top at y, for dragging it.
  std::int32_t position_for_thumb_top(std::int32_t y) const;
  Rect thumb() const;

 private:
  std::int32_t arrow_height() const;
  Rect track() const;

  Rect area_;
  ScrollRange range_;
};

}  // namespace kanvo::win::controls
