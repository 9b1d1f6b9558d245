// Conversions of a colour between red-green-blue and the hue-saturation-lightness (HSL) and
// hue-saturation-value (HSV) models, and to a grey. Pure functions in single precision: every
// intermediate value is held as a float, so results are reproducible to the bit.
#pragma once

#include <cstdint>

namespace kanvo {

// 0x00BBGGRR: red in the lowest byte.
using Color = std::uint32_t;

// The grey of the colour's luminance in all three channels.
Color rgb_to_gray(Color color);
// Hue in degrees (0 <= H < 360), saturation and lightness or value in 0 to 1. Null outputs are
// skipped.
void rgb_to_hsl(Color color, float* hue, float* saturation, float* lightness);
void rgb_to_hsv(Color color, float* hue, float* saturation, float* value);
Color hsl_to_rgb(float hue, float saturation, float lightness);
Color hsv_to_rgb(float hue, float saturation, float value);

}  // namespace kanvo
