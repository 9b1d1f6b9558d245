#include "graphics/files/picture_decoder.h"

#include <limits>
#include <new>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_STDIO
#define STBI_FAILURE_USERMSG
#include <stb_image.h>

namespace kanvo {
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
