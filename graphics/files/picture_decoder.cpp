#include "graphics/files/picture_decoder.h"

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <new>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_STDIO
#define STBI_FAILURE_USERMSG
// The formats a user of the library expects; the decoder's others (PNM, PSD, HDR, PIC, TGA) are
// left out, and refused by their bytes before the decoder sees any.
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_BMP
#define STBI_ONLY_GIF
#include <stb_image.h>

namespace kanvo {

bool jpeg_huffman_tables_usable(std::span<const std::uint8_t> data) {
  // Bytes past the data's end read as 0, as the decoder reads them.
  const auto byte_at = [&](std::size_t i) { return i < data.size() ? data[i] : 0; };
  bool defined[2][4] = {};  // [DC, AC][table]
  bool progressive = false;
  std::size_t at = 0;
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
    if (marker == 0xC0 || marker == 0xC1 || marker == 0xC2) progressive = marker == 0xC2;
    if (marker == 0xC4) {
      // Tables are read while the segment's count says bytes are left, even past its end, just
      // as the decoder reads them.
      std::int64_t left = static_cast<std::int64_t>(length) - 2;
      std::size_t table = at + 4;
      while (left > 0) {
        const std::uint8_t kind = byte_at(table);
        if ((kind >> 4) > 1 || (kind & 15) > 3) break;  // the decoder refuses the table
        std::size_t symbols = 0;
        for (std::size_t i = 1; i <= 16; ++i) symbols += byte_at(table + i);
        if (symbols > 256) return false;
        defined[kind >> 4][kind & 15] = true;
        left -= static_cast<std::int64_t>(17 + symbols);
        table += 17 + symbols;
      }
      if (left != 0) return true;  // the decoder stops at this segment
    }
    if (marker == 0xDA) {
      // A scan decodes with the tables its components name: both in sequential streams; in
      // progressive ones the DC table for a first DC scan, the AC table for any other scan but a
      // DC refinement.
      const std::size_t components = byte_at(at + 4);
      const std::size_t after = at + 5 + 2 * components;
      const bool dc_scan = byte_at(after) == 0;
      const bool refining = (byte_at(after + 2) >> 4) != 0;
      const bool uses_dc = !progressive || (dc_scan && !refining);
      const bool uses_ac = !progressive || !dc_scan;
      for (std::size_t i = 0; i < components; ++i) {
        const std::uint8_t tables = byte_at(at + 6 + 2 * i);
        const std::size_t dc = tables >> 4;
        const std::size_t ac = tables & 15;
        // Numbers beyond 3 make the decoder refuse the scan.
        if (uses_dc && dc <= 3 && !defined[0][dc]) return false;
        if (uses_ac && ac <= 3 && !defined[1][ac]) return false;
      }
    }
    at = end;
  }
  return true;
}

bool png_chunks_within_data(std::span<const std::uint8_t> data) {
  constexpr std::size_t kSignature = 8;
  constexpr std::size_t kHeader = 8;  // length and type
  constexpr std::size_t kChecksum = 4;
  std::size_t at = kSignature;
  while (at + kHeader <= data.size()) {
    const std::size_t length = (std::size_t{data[at]} << 24) | (std::size_t{data[at + 1]} << 16) |
                               (std::size_t{data[at + 2]} << 8) | data[at + 3];
    const bool end_chunk =
        data[at + 4] == 'I' && data[at + 5] == 'E' && data[at + 6] == 'N' && data[at + 7] == 'D';
    if (end_chunk) return true;
    if (length > data.size() - at - kHeader) return false;
    at += kHeader + length + kChecksum;
  }
  return false;  // cut before its end chunk: the decoder would read zeros for the rest
}

namespace {

// A picture's pixels are held twice for a moment (decoded and converted): refuse what could not
// be held, before the decoder tries to allocate it.
constexpr std::uint64_t kMaxPixels = std::uint64_t{1} << 28;

// The start-of-image marker, after any number of fill bytes, as the decoder reads it.
bool starts_as_jpeg(std::span<const std::uint8_t> data) {
  const auto marker =
      std::find_if(data.begin(), data.end(), [](std::uint8_t b) { return b != 0xFF; });
  return marker != data.begin() && marker != data.end() && *marker == 0xD8;
}

bool starts_with(std::span<const std::uint8_t> data, std::initializer_list<std::uint8_t> magic) {
  return data.size() >= magic.size() && std::equal(magic.begin(), magic.end(), data.begin());
}

// The most pixels each byte of a picture can stand for in the format's most compact encoding.
// The decoder fills whatever data is missing with zeros, so a header of a few bytes could
// otherwise make it build a picture of hundreds of millions of pixels.
std::uint64_t pixels_per_byte(std::span<const std::uint8_t> encoded) {
  // Deflate repeats 258 bytes for two bits; a byte of a one-bit row holds 8 pixels.
  if (starts_with(encoded, {0x89, 'P', 'N', 'G'})) return 1032 * 8;
  // A 12-bit code stands for at most 4096 pixels; the screen may be larger than the frame.
  if (starts_with(encoded, {'G', 'I', 'F', '8'})) return 4096;
  // At least one bit of code for every block of 8 x 8 pixels.
  if (starts_as_jpeg(encoded)) return 64 * 8;
  // Bitmaps store pixels as they are or in runs of at most 128 in two bytes or more.
  return 64;
}

// PNG, GIF, JPEG or BMP by their first bytes.
bool is_decoded_format(std::span<const std::uint8_t> data) {
  return starts_with(data, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}) ||
         starts_with(data, {'G', 'I', 'F', '8', '7', 'a'}) ||
         starts_with(data, {'G', 'I', 'F', '8', '9', 'a'}) || starts_as_jpeg(data) ||
         starts_with(data, {'B', 'M'});
}

}  // namespace

std::uint64_t most_pixels_held_by(std::span<const std::uint8_t> encoded) {
  if (encoded.size() >= kMaxPixels) return kMaxPixels;
  return std::min(kMaxPixels, encoded.size() * pixels_per_byte(encoded));
}

std::optional<DecodedPicture> decode_picture(std::span<const std::uint8_t> encoded) {
  if (encoded.empty() ||
      encoded.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
    return std::nullopt;
  }
  if (!is_decoded_format(encoded)) return std::nullopt;
  if (starts_as_jpeg(encoded) && !jpeg_huffman_tables_usable(encoded)) {
    return std::nullopt;
  }
  if (starts_with(encoded, {0x89, 'P', 'N', 'G'}) && !png_chunks_within_data(encoded)) {
    return std::nullopt;
  }
  const auto* bytes = encoded.data();
  const int length = static_cast<int>(encoded.size());
  int width = 0;
  int height = 0;
  int channels = 0;
  if (stbi_info_from_memory(bytes, length, &width, &height, &channels) == 0) return std::nullopt;
  if (width <= 0 || height <= 0 ||
      static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) >
          most_pixels_held_by(encoded)) {
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
