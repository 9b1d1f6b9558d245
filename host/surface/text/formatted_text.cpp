#include "host/surface/text/formatted_text.h"

#include <algorithm>
#include <limits>

#include "host/surface/text/line_breaker.h"

namespace kanvo::surface::text {
namespace {

constexpr std::int32_t kTabColumns = 8;

std::int32_t saturate(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::int32_t format_text(raster::Painter* painter, const TextColors& colors, const Font& font,
                         const WorldMapping& mapping, std::string_view text, TextEncoding encoding,
                         Rect* rect, std::uint32_t format) {
  namespace tf = text_format;
  if (rect == nullptr) return 0;
  const bool single_line = (format & tf::kSingleLine) != 0;
  const bool measure_only = (format & tf::kCalcRect) != 0 || painter == nullptr;
  const Run run{text, encoding, (format & tf::kNoPrefix) == 0,
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

  if ((format & tf::kNoClip) == 0) {
    const DeviceRect box = map_box(mapping, rect->left, rect->top, rect->right, rect->bottom);
    painter->restrict_to(box.left, box.top, box.right, box.bottom);
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
    paint_run(*painter, colors, font, mapping, saturate(x), saturate(y), piece);
  }
  if (single_line && (format & (tf::kBottom | tf::kVCenter)) != 0) {
    return saturate(y - rect->top);
  }
  return saturate(y - first_line);
}

}  // namespace kanvo::surface::text
