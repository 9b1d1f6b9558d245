#include "host/windows/controls/scroll_bar.h"

#include <algorithm>

#include "host/windows/edges.h"
#include "host/windows/system_colors.h"

namespace kanvo::win::controls {
namespace {

constexpr std::int32_t kMinimumThumb = 8;

bool contains(const Rect& rect, Point point) {
  return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
         point.y < rect.bottom;
}

// A small filled triangle pointing up or down, centred in the box.
void paint_arrow(surface::DcHandle dc, const Rect& box, bool up, bool enabled) {
  const surface::ObjectHandle ink =
      get_system_color_brush(enabled ? system_color::kButtonText : system_color::kButtonShadow);
  const std::int32_t cx = (box.left + box.right) / 2;
  const std::int32_t cy = (box.top + box.bottom) / 2;
  for (std::int32_t row = 0; row < 4; ++row) {
    const std::int32_t half = up ? row : 3 - row;
    const std::int32_t y = cy - 2 + row;
    surface::fill_rect(dc, {cx - half, y, cx + half + 1, y + 1}, ink);
  }
}

}  // namespace

std::int32_t ScrollBar::arrow_height() const {
  const std::int32_t height = area_.bottom - area_.top;
  return std::min(area_.right - area_.left, height / 2);
}

Rect ScrollBar::track() const {
  return {area_.left, area_.top + arrow_height(), area_.right, area_.bottom - arrow_height()};
}

Rect ScrollBar::thumb() const {
  const Rect bar = track();
  const std::int32_t length = bar.bottom - bar.top;
  if (range_.max_position() == 0 || length < kMinimumThumb) return {};
  const std::int32_t size =
      std::max(kMinimumThumb, static_cast<std::int32_t>(static_cast<std::int64_t>(length) *
                                                        range_.page / std::max(range_.total, 1)));
  const std::int32_t top =
      bar.top + static_cast<std::int32_t>(static_cast<std::int64_t>(length - size) *
                                          range_.position / range_.max_position());
  return {bar.left, top, bar.right, top + size};
}

std::int32_t ScrollBar::position_for_thumb_top(std::int32_t y) const {
  const Rect bar = track();
  const Rect knob = thumb();
  const std::int32_t travel = (bar.bottom - bar.top) - (knob.bottom - knob.top);
  if (travel <= 0) return range_.position;
  const std::int32_t offset = std::clamp(y - bar.top, 0, travel);
  // Rounded to the nearest position.
  return static_cast<std::int32_t>(
      (static_cast<std::int64_t>(offset) * range_.max_position() + travel / 2) / travel);
}

ScrollPart ScrollBar::hit(Point point) const {
  if (!contains(area_, point)) return ScrollPart::none;
  if (point.y < area_.top + arrow_height()) return ScrollPart::up_arrow;
  if (point.y >= area_.bottom - arrow_height()) return ScrollPart::down_arrow;
  const Rect knob = thumb();
  if (knob.bottom <= knob.top) return ScrollPart::none;
  if (point.y < knob.top) return ScrollPart::page_up;
  if (point.y >= knob.bottom) return ScrollPart::page_down;
  return ScrollPart::thumb;
}

void ScrollBar::paint(surface::DcHandle dc) const {
  surface::fill_rect(dc, area_, get_system_color_brush(system_color::kScrollBar));
  const bool scrolls = range_.max_position() > 0;
  const std::int32_t arrow = arrow_height();
  const Rect up{area_.left, area_.top, area_.right, area_.top + arrow};
  const Rect down{area_.left, area_.bottom - arrow, area_.right, area_.bottom};
  for (const Rect& box : {up, down}) {
    surface::fill_rect(dc, box, get_system_color_brush(system_color::kButtonFace));
    draw_edge(dc, box, Edge::raised);
  }
  paint_arrow(dc, up, true, scrolls && range_.position > 0);
  paint_arrow(dc, down, false, scrolls && range_.position < range_.max_position());
  const Rect knob = thumb();
  if (knob.bottom > knob.top) {
    surface::fill_rect(dc, knob, get_system_color_brush(system_color::kButtonFace));
    draw_edge(dc, knob, Edge::raised);
  }
}

}  // namespace kanvo::win::controls
