// A fresh off-screen image as the working target for each test; destroying it at the end leaves
// no target behind.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "graphics/kanvo.h"

namespace kanvo::testing {

class WorkingImageTest : public ::testing::Test {
 protected:
  static constexpr std::int32_t kWidth = 64;
  static constexpr std::int32_t kHeight = 48;

  void SetUp() override {
    image_ = std::make_unique<CanvasImage>(kWidth, kHeight);
    set_working_image(image_.get());
  }
  void TearDown() override { image_.reset(); }

  CanvasImage& image() { return *image_; }
  std::uint32_t pixel(std::int32_t x, std::int32_t y) {
    return image_->pixels()[y * image_->width() + x];
  }
  // Pixels equal to `word` in the whole image.
  int count_pixels(std::uint32_t word) {
    int count = 0;
    for (std::int32_t i = 0; i < image_->width() * image_->height(); ++i) {
      count += (image_->pixels()[i] & 0xFFFFFF) == word;
    }
    return count;
  }

 private:
  std::unique_ptr<CanvasImage> image_;
};

}  // namespace kanvo::testing
