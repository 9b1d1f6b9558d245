#include "host/surface/text/formatted_text.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "host/surface/text/line_breaker.h"

namespace kanvo::surface::text {
namespace {

constexpr std::int32_t kTabColumns = 8;

std::int32_t saturate(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// The target's clip rectangles cut to the box. Kept per thread, so that it stops allocating.
std::span<const Rect> clip_to(std::span<const Rect> clip, const DeviceBox& box) {
  thread_local std::vector<Rect> cut;
  cut.clear();
  for (const Rect& rect : clip) {
    const Rect inside{saturate(std::max<std::int64_t>(rect.left, box.left)),
                      saturate(std::max<std::int64_t>(rect.top, box.top)),
                      saturate(std::min<std::int64_t>(rect.right, box.right)),
                      saturate(std::min<std::int64_t>(rect.bottom, box.bottom))};
    if (inside.left < inside.right && inside.top < inside.bottom) cut.push_back(inside);
  }
  return cut;
}

}  // namespace

std::int32_t format_text(const PaintTarget* target, const TextColors& colors, const Font& font,
                         const Transform& transform, std::string_view text, Rect* rect,
                         std::uint32_t format) {
  namespace tf = text_format;
  if (rect == nullptr) return 0;
  const bool single_line = (format & tf::kSingleLine) != 0;
  const bool measure_only = (format & tf::kCalcRect) != 0 || target == nullptr;
  const Run run{text, (format & tf::kNoPrefix) == 0,
                (format & tf::kExpandTabs) != 0 ? kTabColumns * font.cell().average_width : 0};
  const std::int64_t line_height = font.cell().height;
  const std::int64_t box_width = std::int64_t{rect->right} - rect->left;

  if (measure_only) {
    LineBreaker lines(font, run, single_line, (format & tf::kWordBreak) != 0, box_width);
    std::int64_t widest = 0;
    std::int64_t height = 0;
    for (Line line; lines.next(&line);) {
      widest = std::max(widest, line.width);
      height += line_height;
    }
    if ((format & tf::kCalcRect) != 0) {
      rect->right = saturate(rect->left + widest);
      rect->bottom = saturate(rect->top + height);
    }
    return saturate(height);
  }

  PaintTarget clipped = *target;
  if ((format & tf::kNoClip) == 0) {
    clipped.clip =
        clip_to(target->clip, map_box(transform, rect->left, rect->top, rect->right, rect->bottom));
  }
  std::int64_t y = rect->top;
  if (single_line && (format & tf::kBottom) != 0) {
    y = std::int64_t{rect->bottom} - line_height;
  } else if (single_line && (format & tf::kVCenter) != 0) {
    y = rect->top + (std::int64_t{rect->bottom} - rect->top - line_height) / 2;
  }
  const std::int64_t first_line = y;
  LineBreaker lines(font, run, single_line, (format & tf::kWordBreak) != 0, box_width);
  for (Line line; lines.next(&line); y += line_height) {
    std::int64_t x = rect->left;
    if ((format & tf::kRight) != 0) {
      x = std::int64_t{rect->right} - line.width;
    } else if ((format & tf::kCenter) != 0) {
      x = rect->left + (box_width - line.width) / 2;
    }
    Run piece = run;
    piece.text = text.substr(line.begin, line.end - line.begin);
    paint_run(clipped, colors, font, transform, saturate(x), saturate(y), piece);
  }
  if (single_line && (format & (tf::kBottom | tf::kVCenter)) != 0) {
    return saturate(y - rect->top);
  }
  return saturate(y - first_line);
}

}  // namespace kanvo::surface::text
