// Filling a whole pixel buffer with one colour, the way clearing and rotation do it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kanvo {

// Writes the colour (0x00BBGGRR) in pixel form (red and blue exchanged, top byte kept). A grey is
// written as a byte fill, which also sets the top byte of every pixel to the grey value.
void fill_with_color(std::uint32_t* pixels, std::size_t count, std::uint32_t color);

}  // namespace kanvo
