#include "graphics/files/bitmap_file.h"

#include <limits>

namespace kanvo {
namespace {

constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::int32_t kPixelsPerMetre = 3780;  // 96 dots per inch

void put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
  out[at] = static_cast<std::uint8_t>(value);
  out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
  put16(out, at, value & 0xFFFF);
  put16(out, at + 2, value >> 16);
}

}  // namespace

std::vector<std::uint8_t> encode_bitmap_file(const std::uint32_t* pixels, std::int32_t width,
                                             std::int32_t height) {
  if (pixels == nullptr || width <= 0 || height <= 0) return {};
  const std::uint64_t row_bytes = (static_cast<std::uint64_t>(width) * 3 + 3) / 4 * 4;
  const std::uint64_t image_bytes = row_bytes * static_cast<std::uint64_t>(height);
  const std::uint64_t file_bytes = kFileHeaderBytes + kInfoHeaderBytes + image_bytes;
  if (file_bytes > std::numeric_limits<std::uint32_t>::max()) return {};

  std::vector<std::uint8_t> file(static_cast<std::size_t>(file_bytes), 0);
  file[0] = 'B';
  file[1] = 'M';
  put32(file, 2, static_cast<std::uint32_t>(file_bytes));
  put32(file, 10, kFileHeaderBytes + kInfoHeaderBytes);
  put32(file, 14, kInfoHeaderBytes);
  put32(file, 18, static_cast<std::uint32_t>(width));
  put32(file, 22, static_cast<std::uint32_t>(height));  // positive: rows bottom to top
  put16(file, 26, 1);                                   // planes
  put16(file, 28, 24);                                  // bits per pixel
  put32(file, 34, static_cast<std::uint32_t>(image_bytes));
  put32(file, 38, kPixelsPerMetre);
  put32(file, 42, kPixelsPerMetre);

  std::uint8_t* row = file.data() + kFileHeaderBytes + kInfoHeaderBytes;
  for (std::int32_t y = height - 1; y >= 0; --y, row += row_bytes) {
    const std::uint32_t* source = pixels + static_cast<std::size_t>(y) * width;
    for (std::int32_t x = 0; x < width; ++x) {
      row[x * 3] = static_cast<std::uint8_t>(source[x]);            // blue
      row[x * 3 + 1] = static_cast<std::uint8_t>(source[x] >> 8);   // green
      row[x * 3 + 2] = static_cast<std::uint8_t>(source[x] >> 16);  // red
    }
  }
  return file;
}

}  // namespace kanvo
