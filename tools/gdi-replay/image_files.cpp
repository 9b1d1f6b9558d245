#include "tools/gdi-replay/image_files.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <sstream>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_FAILURE_USERMSG
#include <stb_image.h>

namespace kanvo::gdi_replay {
namespace {

std::uint32_t crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> entries{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      entries[n] = c;
    }
    return entries;
  }();
  crc = ~crc;
  for (std::size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back((value >> shift) & 0xFF);
}

void put_chunk(std::vector<std::uint8_t>& out, const char* type,
               const std::vector<std::uint8_t>& data) {
  put32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  put32(out, crc32(out.data() + start, out.size() - start));
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::vector<std::uint8_t> zlib_stored(const std::vector<std::uint8_t>& raw) {
  std::vector<std::uint8_t> out = {0x78, 0x01};
  std::size_t offset = 0;
  do {
    const std::size_t length = std::min<std::size_t>(65535, raw.size() - offset);
    const bool last = offset + length == raw.size();
    out.push_back(last ? 1 : 0);
    out.push_back(length & 0xFF);
    out.push_back(length >> 8);
    out.push_back(~length & 0xFF);
    out.push_back((~length >> 8) & 0xFF);
    out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(offset),
               raw.begin() + static_cast<std::ptrdiff_t>(offset + length));
    offset += length;
  } while (offset < raw.size());
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (std::uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  put32(out, (b << 16) | a);
  return out;
}

}  // namespace

bool read_px(const std::string& path, PixelImage& image, std::string& error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error = "cannot open " + path;
    return false;
  }
  const std::string data((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const auto newline = data.find('\n');
  std::istringstream header(data.substr(0, newline == std::string::npos ? 0 : newline));
  std::string magic;
  std::int64_t width = 0;
  std::int64_t height = 0;
  if (newline == std::string::npos || !(header >> magic >> width >> height) || magic != "KPX1" ||
      width <= 0 || height <= 0 || width > 16384 || height > 16384) {
    error = path + ": not a KPX1 image";
    return false;
  }
  const std::size_t count = static_cast<std::size_t>(width * height);
  if (data.size() != newline + 1 + count * 4) {
    error = path + ": size does not match its header";
    return false;
  }
  image.width = static_cast<std::int32_t>(width);
  image.height = static_cast<std::int32_t>(height);
  image.words.resize(count);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(data.data() + newline + 1);
  for (std::size_t i = 0; i < count; ++i) {
    image.words[i] = std::uint32_t{bytes[4 * i]} | (std::uint32_t{bytes[4 * i + 1]} << 8) |
                     (std::uint32_t{bytes[4 * i + 2]} << 16) |
                     (std::uint32_t{bytes[4 * i + 3]} << 24);
  }
  return true;
}

bool write_png(const std::string& path, const PixelImage& image) {
  std::vector<std::uint8_t> raw;
  raw.reserve(static_cast<std::size_t>(image.height) * (1 + 3 * image.width));
  for (std::int32_t y = 0; y < image.height; ++y) {
    raw.push_back(0);  // no filter
    for (std::int32_t x = 0; x < image.width; ++x) {
      const std::uint32_t word = image.words[static_cast<std::size_t>(y) * image.width + x];
      raw.push_back((word >> 16) & 0xFF);
      raw.push_back((word >> 8) & 0xFF);
      raw.push_back(word & 0xFF);
    }
  }
  std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<std::uint8_t> header;
  put32(header, static_cast<std::uint32_t>(image.width));
  put32(header, static_cast<std::uint32_t>(image.height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB
  put_chunk(png, "IHDR", header);
  put_chunk(png, "IDAT", zlib_stored(raw));
  put_chunk(png, "IEND", {});
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  return static_cast<bool>(file);
}

bool read_png(const std::string& path, PixelImage& image, std::string& error) {
  int width = 0, height = 0, channels = 0;
  stbi_uc* rgb = stbi_load(path.c_str(), &width, &height, &channels, 3);
  if (rgb == nullptr) {
    error = path + ": " + stbi_failure_reason();
    return false;
  }
  image.width = width;
  image.height = height;
  image.words.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (std::size_t i = 0; i < image.words.size(); ++i) {
    const stbi_uc* p = rgb + 3 * i;
    image.words[i] = (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
  }
  stbi_image_free(rgb);
  return true;
}

bool crop_frame(const PixelImage& strip, int frame, std::int32_t width, std::int32_t height,
                PixelImage& image) {
  if (frame < 0 || width <= 0 || strip.height != height ||
      (static_cast<std::int64_t>(frame) + 1) * width > strip.width) {
    return false;
  }
  image.width = width;
  image.height = height;
  image.words.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (std::int32_t y = 0; y < height; ++y) {
    const auto row = strip.words.begin() + static_cast<std::ptrdiff_t>(y) * strip.width +
                     static_cast<std::ptrdiff_t>(frame) * width;
    std::copy(row, row + width, image.words.begin() + static_cast<std::ptrdiff_t>(y) * width);
  }
  return true;
}

bool read_png_frame(const std::string& path, int frame, std::int32_t width, std::int32_t height,
                    PixelImage& image, std::string& error) {
  PixelImage strip;
  if (!read_png(path, strip, error)) return false;
  if (crop_frame(strip, frame, width, height, image)) return true;
  error = path + ": no frame " + std::to_string(frame) + " of " + std::to_string(width) + " x " +
          std::to_string(height);
  return false;
}

}  // namespace kanvo::gdi_replay
