// Encoding an image as a Windows bitmap file: file header, information header and pixel rows.
#pragma once

#include <cstdint>
#include <vector>

namespace kanvo {

// 24 bits per pixel, rows bottom to top, each padded to four bytes, 96 dots per inch. Empty for a
// size without pixels or one whose file would exceed the format's 32-bit sizes.
std::vector<std::uint8_t> encode_bitmap_file(const std::uint32_t* pixels, std::int32_t width,
                                             std::int32_t height);

}  // namespace kanvo
