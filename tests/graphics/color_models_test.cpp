#include "graphics/color/color_models.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kanvo {
namespace {

struct Hsx {
  float hue = -1;
  float saturation = -1;
  float third = -1;
};

Hsx hsl_of(Color c) {
  Hsx r;
  rgb_to_hsl(c, &r.hue, &r.saturation, &r.third);
  return r;
}

Hsx hsv_of(Color c) {
  Hsx r;
  rgb_to_hsv(c, &r.hue, &r.saturation, &r.third);
  return r;
}

TEST(ColorModels, BlackWhiteAndGreyHaveNoHueOrSaturation) {
  for (Color c : {0x000000u, 0xFFFFFFu, 0x808080u}) {
    const float level = static_cast<float>(c & 0xFF) / 255.0f;
    const Hsx hsl = hsl_of(c);
    EXPECT_EQ(hsl.hue, 0.0f);
    EXPECT_EQ(hsl.saturation, 0.0f);
    EXPECT_EQ(hsl.third, level);
    const Hsx hsv = hsv_of(c);
    EXPECT_EQ(hsv.hue, 0.0f);
    EXPECT_EQ(hsv.saturation, 0.0f);
    EXPECT_EQ(hsv.third, level);
  }
}

TEST(ColorModels, PrimaryColours) {
  const Hsx red_hsl = hsl_of(0x0000FF);
  EXPECT_EQ(red_hsl.hue, 0.0f);
  EXPECT_EQ(red_hsl.saturation, 1.0f);
  EXPECT_EQ(red_hsl.third, 0.5f);
  const Hsx red_hsv = hsv_of(0x0000FF);
  EXPECT_EQ(red_hsv.hue, 0.0f);
  EXPECT_EQ(red_hsv.saturation, 1.0f);
  EXPECT_EQ(red_hsv.third, 1.0f);
  EXPECT_EQ(hsl_of(0x00FF00).hue, 120.0f);
  EXPECT_EQ(hsv_of(0x00FF00).hue, 120.0f);
  EXPECT_EQ(hsl_of(0xFF0000).hue, 240.0f);
  EXPECT_EQ(hsv_of(0xFF0000).hue, 240.0f);
}

TEST(ColorModels, TiesAreWonByRedThenGreen) {
  EXPECT_EQ(hsl_of(0x00FFFF).hue, 60.0f);  // yellow: red ties green
  EXPECT_EQ(hsv_of(0x00FFFF).hue, 60.0f);
  EXPECT_EQ(hsl_of(0xFF00FF).hue, 300.0f);  // magenta: red ties blue, g < b
  EXPECT_EQ(hsv_of(0xFF00FF).hue, 300.0f);
  EXPECT_EQ(hsl_of(0xFFFF00).hue, 180.0f);  // cyan: green ties blue
  EXPECT_EQ(hsv_of(0xFFFF00).hue, 180.0f);
}

TEST(ColorModels, Grey) {
  EXPECT_EQ(rgb_to_gray(0x808080), 0x808080u);
  EXPECT_EQ(rgb_to_gray(0x0000FF), 0x4C4C4Cu);  // 255 * 0.299 + 0.5 = 76.745
  EXPECT_EQ(rgb_to_gray(0xFFFFFF), 0xFFFFFFu);
  EXPECT_EQ(rgb_to_gray(0xAB000000), 0x000000u);  // the top byte is ignored
}

TEST(ColorModels, HueIsBroughtBackIntoRangeOnce) {
  EXPECT_EQ(hsl_to_rgb(0, 1, 0.5f), 0x0000FFu);
  EXPECT_EQ(hsl_to_rgb(360, 1, 0.5f), 0x0000FFu);
  EXPECT_EQ(hsv_to_rgb(0, 1, 1), 0x0000FFu);
  // Sector 6 takes the table's last row with f = 0.
  EXPECT_EQ(hsv_to_rgb(360, 1, 1), 0xFF00FFu);
}

TEST(ColorModels, ZeroSaturationIgnoresHue) {
  EXPECT_EQ(hsl_to_rgb(123, 0, 0.5f), hsl_to_rgb(0, 0, 0.5f));
  EXPECT_EQ(hsl_to_rgb(0, 0, 0.5f), 0x808080u);
  EXPECT_EQ(hsv_to_rgb(77, 0, 1), 0xFFFFFFu);
}

TEST(ColorModels, HostileInputsGiveSomeColourWithoutFaulting) {
  const float nan = std::nanf("");
  const float inf = INFINITY;
  for (float h : {nan, inf, -inf, -1e30f, 1e30f, -720.0f}) {
    EXPECT_EQ(hsv_to_rgb(h, 1, 1) >> 24, 0u);
    EXPECT_EQ(hsl_to_rgb(h, 1, 0.5f) >> 24, 0u);
  }
  EXPECT_EQ(hsv_to_rgb(0, nan, nan) >> 24, 0u);
  EXPECT_EQ(hsl_to_rgb(0, 2, inf) >> 24, 0u);
  rgb_to_hsl(0x123456, nullptr, nullptr, nullptr);
  rgb_to_hsv(0x123456, nullptr, nullptr, nullptr);
}

// Every one of the 2^24 colours through each model and back.
TEST(ColorModels, RoundTripsOfAllColours) {
  std::uint32_t hsl_unchanged = 0;
  std::uint32_t hsv_unchanged = 0;
  for (Color c = 0; c < (1u << 24); ++c) {
    float h, s, x;
    rgb_to_hsl(c, &h, &s, &x);
    hsl_unchanged += hsl_to_rgb(h, s, x) == c;
    rgb_to_hsv(c, &h, &s, &x);
    hsv_unchanged += hsv_to_rgb(h, s, x) == c;
  }
  RecordProperty("hsl_unchanged", static_cast<int>(hsl_unchanged));
  RecordProperty("hsv_unchanged", static_cast<int>(hsv_unchanged));
  std::printf("round trips unchanged: HSL %u of 16777216, HSV %u of 16777216\n", hsl_unchanged,
              hsv_unchanged);
  EXPECT_EQ(hsl_unchanged, 1u << 24);
  EXPECT_EQ(hsv_unchanged, 1u << 24);
}

}  // namespace
}  // namespace kanvo
