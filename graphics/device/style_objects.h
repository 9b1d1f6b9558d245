// Realising an image's line and fill styles as the pen and brush of its drawing surfaces.
#pragma once

#include <cstdint>
#include <vector>

#include "graphics/image/fill_style.h"
#include "graphics/image/line_style.h"
#include "graphics/platform/drawing_surface.h"

namespace kanvo {

// The geometric pen for the line style in the line colour. A style that is not a user style drops
// its dashes; a user style without dashes gives the null pen, which draws nothing.
ObjectHandle create_line_pen(LineStyle& style, Color line_color);

// The brush for the fill style in the fill colour, or no brush for the styles that select nothing
// (4 and above 5) and for pattern styles without a pattern image to build from.
ObjectHandle create_fill_brush(const FillStyle& style, Color fill_color);

// A packed device-independent copy of the bitmap: the 40-byte header (rows bottom-up), the colour
// table for up to 8 bits per pixel, then the rows. Empty when the bitmap cannot be read or the
// compression is refused (only uncompressed rows are made).
std::vector<std::uint8_t> make_dib_from_bitmap(ObjectHandle bitmap, std::uint32_t compression);

}  // namespace kanvo
