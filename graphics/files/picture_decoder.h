// Decoding of encoded pictures (PNG, JPEG, BMP, GIF, TGA, PSD, HDR, PIC, PNM) held in memory.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kanvo {

struct DecodedPicture {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, rows top to bottom
};

// Nothing for data that is not a picture, and for pictures too large to hold.
std::optional<DecodedPicture> decode_picture(std::span<const std::uint8_t> encoded);

}  // namespace kanvo
