// A memory context over a 32-bit surface large enough for lines of text, with helpers to make
// fonts and to look at what text painted. Texts are GBK, as the window system's are.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "host/surface/surface.h"
#include "tests/host/surface/surface_fixture.h"
#include "tests/support/program_encoding.h"

namespace kanvo::surface::testing {

// "幂函数y=x^(1/2)" in GBK.
inline constexpr std::string_view kPowerFunction =
    "\xC3\xDD\xBA\xAF\xCA\xFD"
    "y=x^(1/2)";

inline LogFont font_description(std::int32_t height, std::string_view face,
                                std::uint8_t quality = kNonAntialiasedQuality) {
  LogFont description;
  description.height = height;
  description.char_set = kDefaultCharset;
  description.quality = quality;
  std::memcpy(description.face_name.data(), face.data(), std::min<std::size_t>(face.size(), 31));
  return description;
}

// The default font of the canvas library.
inline LogFont default_font() {
  return font_description(16, "System");
}

// A box of device pixels, right and bottom excluded; empty when nothing was found.
struct PixelBox {
  std::int32_t left = INT32_MAX;
  std::int32_t top = INT32_MAX;
  std::int32_t right = INT32_MIN;
  std::int32_t bottom = INT32_MIN;
  bool empty() const { return left >= right; }
};

class TextSurfaceTest : public SizedSurfaceTest<320, 160> {
 protected:
  static constexpr PixelWord kPaper = 0x00FFFFFF;  // white
  static constexpr Color kInk = rgb(0, 0, 255);    // blue text
  static constexpr PixelWord kInkWord = 0x000000FF;
  static constexpr Color kCell = rgb(255, 255, 0);  // yellow background
  static constexpr PixelWord kCellWord = 0x00FFFF00;

  kanvo::testing::ScopedProgramEncoding gbk_texts_{kanvo::text::TextEncoding::gbk};

  void SetUp() override {
    SizedSurfaceTest::SetUp();
    set_text_color(dc_, kInk);
    set_bk_color(dc_, kCell);
    clear();
    use_font(default_font());
  }
  void TearDown() override {
    delete_object(select_object(dc_, get_stock_object(StockObject::system_font)));
    SizedSurfaceTest::TearDown();
  }

  void use_font(const LogFont& description) {
    const ObjectHandle font = create_font_indirect(description);
    ASSERT_NE(font, kNoObject);
    delete_object(select_object(dc_, font));
  }
  void clear() { fill(kPaper); }
  std::vector<PixelWord> snapshot() const { return {pixels_, pixels_ + kWidth * kHeight}; }

  Size extent(std::string_view text) const {
    Size size;
    EXPECT_TRUE(get_text_extent(dc_, text, &size));
    return size;
  }
  // Pixels that differ from `word`, and their bounding box.
  int count_not(PixelWord word, PixelBox* box = nullptr) const {
    int n = 0;
    for (std::int32_t y = 0; y < kHeight; ++y) {
      for (std::int32_t x = 0; x < kWidth; ++x) {
        if (at(x, y) == word) continue;
        ++n;
        if (box != nullptr) {
          box->left = std::min(box->left, x);
          box->top = std::min(box->top, y);
          box->right = std::max(box->right, x + 1);
          box->bottom = std::max(box->bottom, y + 1);
        }
      }
    }
    return n;
  }
  int count_in(PixelWord word, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom) const {
    int n = 0;
    for (std::int32_t y = std::max(top, 0); y < std::min(bottom, kHeight); ++y) {
      for (std::int32_t x = std::max(left, 0); x < std::min(right, kWidth); ++x) {
        n += at(x, y) == word;
      }
    }
    return n;
  }
};

}  // namespace kanvo::surface::testing
