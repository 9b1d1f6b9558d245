// Text laid out in a rectangle by the text_format flags: lines broken by line breaks and, with
// word breaking, at the box's width; aligned left, centred or right; in single-line mode also
// aligned top, centred or bottom (vertical alignment applies to single lines only, as on the
// platform the callers were written for). Tabs expand to every eight average character widths.
// Drawing is clipped to the rectangle unless kNoClip is given.
#pragma once

#include <cstdint>
#include <string_view>

#include "host/surface/text/font.h"
#include "host/surface/text/text_run.h"
#include "host/surface/types.h"

namespace kanvo::surface::text {

// Returns the height of the text in logical units; for a single line aligned to the centre or
// bottom, the distance from the rectangle's top to the bottom of the text. With kCalcRect
// nothing is painted (`painter` may be null) and the rectangle's right and bottom are set to
// bound the text: right = left + the widest line, bottom = top + the height.
std::int32_t format_text(raster::Painter* painter, const TextColors& colors, const Font& font,
                         const WorldMapping& mapping, std::string_view text, TextEncoding encoding,
                         Rect* rect, std::uint32_t format);

}  // namespace kanvo::surface::text
