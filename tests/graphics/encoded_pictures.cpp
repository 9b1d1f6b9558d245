#include "tests/graphics/encoded_pictures.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

namespace kanvo::testing {
namespace {

void append(void* context, void* data, int size) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  static_cast<Bytes*>(context)->insert(static_cast<Bytes*>(context)->end(), bytes, bytes + size);
}

Bytes blank_picture(std::int32_t width, std::int32_t height,
                    const std::function<int(Bytes*, const std::uint8_t*)>& write) {
  const std::vector<std::uint8_t> grey(static_cast<std::size_t>(width) * height, 0x80);
  Bytes encoded;
  EXPECT_NE(write(&encoded, grey.data()), 0);
  return encoded;
}

}  // namespace

Bytes blank_png(std::int32_t width, std::int32_t height) {
  return blank_picture(width, height, [&](Bytes* out, const std::uint8_t* grey) {
    return stbi_write_png_to_func(append, out, width, height, 1, grey, width);
  });
}

Bytes blank_jpeg(std::int32_t width, std::int32_t height) {
  return blank_picture(width, height, [&](Bytes* out, const std::uint8_t* grey) {
    return stbi_write_jpg_to_func(append, out, width, height, 1, grey, 50);
  });
}

Bytes contents_of(const char* file_name) {
  std::ifstream file(file_name, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace kanvo::testing
