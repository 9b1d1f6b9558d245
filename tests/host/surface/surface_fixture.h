// A memory context with a zeroed 32-bit surface selected, for the surface tests; SurfaceTest is
// the small one most tests use.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "host/surface/surface.h"

namespace kanvo::surface::testing {

template <std::int32_t Width, std::int32_t Height>
class SizedSurfaceTest : public ::testing::Test {
 protected:
  static constexpr std::int32_t kWidth = Width;
  static constexpr std::int32_t kHeight = Height;

  void SetUp() override {
    dc_ = create_compatible_dc(kNoDc);
    bitmap_ = create_dib_section(kWidth, kHeight, &pixels_);
    ASSERT_NE(dc_, kNoDc);
    ASSERT_NE(bitmap_, kNoObject);
    initial_bitmap_ = select_object(dc_, bitmap_);
    set_graphics_mode(dc_, GraphicsMode::advanced);
  }
  void TearDown() override {
    select_object(dc_, initial_bitmap_);
    delete_object(select_object(dc_, get_stock_object(StockObject::black_pen)));
    delete_object(select_object(dc_, get_stock_object(StockObject::white_brush)));
    delete_dc(dc_);
    delete_object(bitmap_);
  }

  PixelWord at(std::int32_t x, std::int32_t y) const { return pixels_[y * kWidth + x]; }
  void fill(PixelWord word) {
    for (std::int32_t i = 0; i < kWidth * kHeight; ++i) pixels_[i] = word;
  }
  // Number of pixels equal to `word`.
  int count(PixelWord word) const {
    int n = 0;
    for (std::int32_t i = 0; i < kWidth * kHeight; ++i) n += pixels_[i] == word;
    return n;
  }
  void use_brush(ObjectHandle brush) { delete_object(select_object(dc_, brush)); }
  void use_pen(ObjectHandle pen) { delete_object(select_object(dc_, pen)); }

  DcHandle dc_ = kNoDc;
  ObjectHandle bitmap_ = kNoObject;
  ObjectHandle initial_bitmap_ = kNoObject;
  PixelWord* pixels_ = nullptr;
};

using SurfaceTest = SizedSurfaceTest<16, 12>;

}  // namespace kanvo::surface::testing
