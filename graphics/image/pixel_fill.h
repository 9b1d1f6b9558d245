// Filling a whole pixel buffer with one colour, the way clearing and rotation do it.
#pragma once

#include <cstdint>

#include "graphics/image/canvas_image.h"

namespace kanvo {

// Writes the colour (0x00BBGGRR) in pixel form (red and blue exchanged, top byte kept) into every
// pixel word of the image; an image without pixels is left alone.
void fill_with_color(CanvasImage& image, std::uint32_t color);

}  // namespace kanvo
