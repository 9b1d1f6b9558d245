// Decoding of encoded pictures (PNG, JPEG, BMP, GIF) held in memory; other formats are refused.
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

// Whether every Huffman table of a JPEG stream holds at most 256 symbols, and every scan decodes
// with tables defined before it. The decoder trusts both (it writes past its tables otherwise, or
// reads tables never filled in), so other streams are refused before it sees them. The walk
// follows the segments as a decoder does, skipping entropy-coded data up to the next marker.
bool jpeg_huffman_tables_usable(std::span<const std::uint8_t> data);

// Whether every chunk of a PNG stream before its end chunk lies within the data. The decoder grows
// its buffer to the length a data chunk claims before it reads the chunk, so a file of a few bytes
// could otherwise make it ask for gigabytes; it would refuse such a file after that anyway.
bool png_chunks_within_data(std::span<const std::uint8_t> data);

// The most pixels a picture of these bytes can hold: what its format can pack into so many bytes,
// and what can be held in memory.
std::uint64_t most_pixels_held_by(std::span<const std::uint8_t> encoded);

// Nothing for data that is not a picture, and for pictures too large to hold or larger than their
// data can describe.
std::optional<DecodedPicture> decode_picture(std::span<const std::uint8_t> encoded);

}  // namespace kanvo
