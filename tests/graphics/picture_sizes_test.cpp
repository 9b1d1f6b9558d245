// What sizes of picture the decoder takes on: no more pixels than the data can describe, and no
// more than can be held, while compact pictures of every format still decode.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "graphics/files/bitmap_file.h"
#include "graphics/files/picture_decoder.h"
#include "tests/graphics/encoded_pictures.h"

namespace kanvo {
namespace {

using testing::blank_jpeg;
using testing::blank_png;
using testing::Bytes;

void put_le16(Bytes& data, std::size_t at, std::uint32_t value) {
  data[at] = static_cast<std::uint8_t>(value);
  data[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void put_be16(Bytes& data, std::size_t at, std::uint32_t value) {
  data[at] = static_cast<std::uint8_t>(value >> 8);
  data[at + 1] = static_cast<std::uint8_t>(value);
}

// A screen of the given size with one pixel drawn on it.
Bytes gif_screen(std::uint32_t width, std::uint32_t height) {
  Bytes data = {'G',  'I', 'F',  '8',  '9', 'a', 0, 0, 0, 0, 0x80, 0, 0,  // screen, 2 colours
                0,    0,   0,    255,  255, 255,                          // palette
                0x2C, 0,   0,    0,    0,   1,   0, 1, 0, 0,              // a 1 x 1 frame
                2,    2,   0x44, 0x01, 0,                                 // its pixel
                0x3B};
  put_le16(data, 6, width);
  put_le16(data, 8, height);
  return data;
}

// An 8 x 8 grey picture whose frame header claims the given size; the decoder makes up the
// blocks the data lacks.
Bytes jpeg_claiming(std::uint32_t width, std::uint32_t height) {
  Bytes data = blank_jpeg(8, 8);
  for (std::size_t at = 2; at + 8 < data.size(); ++at) {
    if (data[at] == 0xFF && data[at + 1] == 0xC0) {
      put_be16(data, at + 5, height);
      put_be16(data, at + 7, width);
      return data;
    }
  }
  ADD_FAILURE() << "no frame header";
  return data;
}

// A bitmap of one pixel whose header claims the given size.
Bytes bitmap_claiming(std::uint32_t width, std::uint32_t height) {
  Bytes data = encode_bitmap_file(std::vector<std::uint32_t>(1).data(), 1, 1);
  std::memcpy(data.data() + 18, &width, 4);
  std::memcpy(data.data() + 22, &height, 4);
  return data;
}

TEST(PictureSizes, HeadersClaimingMorePixelsThanTheDataCanDescribeAreRefused) {
  const std::pair<const char*, std::function<Bytes(std::uint32_t, std::uint32_t)>> formats[] = {
      {"GIF", gif_screen}, {"JPEG", jpeg_claiming}, {"BMP", bitmap_claiming}};
  for (const auto& [name, claiming] : formats) {
    // A small claim decodes, the missing pixels made up...
    const std::optional<DecodedPicture> small = decode_picture(claiming(24, 16));
    ASSERT_TRUE(small) << name;
    EXPECT_EQ(small->width, 24) << name;
    EXPECT_EQ(small->height, 16) << name;
    // ...but not millions of them from a few hundred bytes.
    EXPECT_FALSE(decode_picture(claiming(2000, 2000))) << name;
  }
  // A GIF's screen of 35588 x 2050 pixels from 40 bytes.
  EXPECT_FALSE(decode_picture(gif_screen(35588, 2050)));
}

TEST(PictureSizes, CompactPicturesDecodeWhateverTheirSizeForTheirBytes) {
  // Both pack far more pixels into a byte than stored or run-length formats can.
  const Bytes png = blank_png(1500, 1000);
  ASSERT_GT(1500.0 * 1000 / static_cast<double>(png.size()), 64);
  const std::optional<DecodedPicture> picture = decode_picture(png);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->height, 1000);
  EXPECT_EQ(picture->pixels[picture->pixels.size() / 2] & 0xFFFFFF, 0x808080u);
  // One pixel on a screen of 1200 x 100 in 40 bytes.
  const std::optional<DecodedPicture> gif = decode_picture(gif_screen(1200, 100));
  ASSERT_TRUE(gif);
  EXPECT_EQ(gif->width, 1200);
}

TEST(PictureSizes, PicturesTooLargeToHoldAreRefusedWhateverTheirData) {
  // 20000 x 20000 pixels of 32 bits: enough bytes behind the header to describe them as runs,
  // far too many to hold.
  Bytes data = bitmap_claiming(20000, 20000);
  data.resize(20000u * 20000u / 32, 0);
  EXPECT_FALSE(decode_picture(data));
}

}  // namespace
}  // namespace kanvo
