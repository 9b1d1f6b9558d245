#include "graphics/files/picture_decoder.h"

#include <algorithm>
#include <limits>
#include <new>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_STDIO
#define STBI_FAILURE_USERMSG
#include <stb_image.h>

namespace kanvo {
namespace {}  // namespace

bool jpeg_huffman_tables_fit(std::span<const std::uint8_t> data) {
  std::size_t at = 2;  // after the start-of-image marker
  while (at + 4 <= data.size()) {
    if (data[at] != 0xFF) {
      ++at;  // entropy-coded data: look for the next marker
      continue;
    }
    const std::uint8_t marker = data[at + 1];
    if (marker == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) {
      at += 2;  // stuffed byte, restart markers and stand-alone markers carry no length
      continue;
    }
    if (marker == 0xD9) return true;  // end of image
    const std::size_t length = (std::size_t{data[at + 2]} << 8) | data[at + 3];
    if (length < 2) return false;
    const std::size_t end = std::min(data.size(), at + 2 + length);
    if (marker == 0xC4) {
      // Tables are read while the segment's count says bytes are left, even past its end (and
      // past the data's end, where bytes read as 0), just as the decoder reads them.
      const auto byte_at = [&](std::size_t i) { return i < data.size() ? data[i] : 0; };
      std::int64_t left = static_cast<std::int64_t>(length) - 2;
      std::size_t table = at + 4;
      while (left > 0) {
        const std::uint8_t kind = byte_at(table);
        if ((kind >> 4) > 1 || (kind & 15) > 3) break;  // the decoder refuses the table
        std::size_t symbols = 0;
        for (std::size_t i = 1; i <= 16; ++i) symbols += byte_at(table + i);
        if (symbols > 256) return false;
        left -= static_cast<std::int64_t>(17 + symbols);
        table += 17 + symbols;
      }
      if (left != 0) return true;  // the decoder stops at this segment
    }
    at = end;
  }
  return true;
}

namespace {

// A picture's pixels are held twice for a moment (decoded and converted): refuse what could not
// be held, before the decoder tries to allocate it.
constexpr std::uint64_t kMaxPixels = std::uint64_t{1} << 28;

}  // namespace

std::optional<DecodedPicture> decode_picture(std::span<const std::uint8_t> encoded) {
  if (encoded.empty() ||
      encoded.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
    return std::nullopt;
  }
  if (encoded.size() >= 2 && encoded[0] == 0xFF && encoded[1] == 0xD8 &&
      !jpeg_huffman_tables_fit(encoded)) {
    return std::nullopt;
  }
  const auto* bytes = encoded.data();
  const int length = static_cast<int>(encoded.size());
  int width = 0;
  int height = 0;
  int channels = 0;
  if (stbi_info_from_memory(bytes, length, &width, &height, &channels) == 0) return std::nullopt;
  if (width <= 0 || height <= 0 ||
      static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > kMaxPixels) {
    return std::nullopt;
  }
  stbi_uc* rgba = stbi_load_from_memory(bytes, length, &width, &height, &channels, 4);
  if (rgba == nullptr) return std::nullopt;
  DecodedPicture picture;
  try {
    picture.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  } catch (const std::bad_alloc&) {
    stbi_image_free(rgba);
    return std::nullopt;
  }
  picture.width = width;
  picture.height = height;
  for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
    const stbi_uc* p = rgba + i * 4;
    picture.pixels[i] = (std::uint32_t{p[3]} << 24) | (std::uint32_t{p[0]} << 16) |
                        (std::uint32_t{p[1]} << 8) | p[2];
  }
  stbi_image_free(rgba);
  return picture;
}

}  // namespace kanvo
