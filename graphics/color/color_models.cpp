#include "graphics/color/color_models.h"

#include <algorithm>
#include <cmath>

namespace kanvo {
namespace {

struct Fractions {
  float red;
  float green;
  float blue;
  float max;
  float min;
};

Fractions fractions_of(Color color) {
  Fractions f{};
  f.red = static_cast<float>(color & 0xFF) / 255.0f;
  f.green = static_cast<float>((color >> 8) & 0xFF) / 255.0f;
  f.blue = static_cast<float>((color >> 16) & 0xFF) / 255.0f;
  f.max = std::max({f.red, f.green, f.blue});
  f.min = std::min({f.red, f.green, f.blue});
  return f;
}

// x * 255 + 0.5 truncated toward zero, low 8 bits. Out-of-range inputs wrap rather than being
// undefined: the float is first brought into the range of a 64-bit integer.
std::uint32_t channel_of(float fraction) {
  const float scaled = fraction * 255.0f + 0.5f;
  if (!(scaled > -9.0e18f && scaled < 9.0e18f)) return 0;  // NaN and infinities
  return static_cast<std::uint32_t>(static_cast<std::int64_t>(scaled)) & 0xFF;
}

Color compose(float red, float green, float blue) {
  return channel_of(red) | (channel_of(green) << 8) | (channel_of(blue) << 16);
}

std::uint32_t hue_to_channel(float p, float q, float hue) {
  if (hue < 0.0f) {
    hue += 360.0f;
  } else if (hue >= 360.0f) {
    hue -= 360.0f;
  }
  float x = p;
  if (hue < 60.0f) {
    x = p + (q - p) * hue / 60.0f;
  } else if (hue < 180.0f) {
    x = q;
  } else if (hue < 240.0f) {
    x = p + (q - p) * (240.0f - hue) / 60.0f;
  }
  return channel_of(x);
}

void store(float* out, float value) {
  if (out != nullptr) *out = value;
}

}  // namespace

Color rgb_to_gray(Color color) {
  const float red = static_cast<float>(color & 0xFF);
  const float green = static_cast<float>((color >> 8) & 0xFF);
  const float blue = static_cast<float>((color >> 16) & 0xFF);
  const float luminance = red * 0.299f + green * 0.587f + blue * 0.114f + 0.5f;
  const Color grey = static_cast<Color>(luminance) & 0xFF;
  return grey * 0x010101u;
}

void rgb_to_hsv(Color color, float* hue, float* saturation, float* value) {
  const Fractions f = fractions_of(color);
  const float d = f.max - f.min;
  float h = 0.0f;
  float s = 0.0f;
  if (d != 0.0f) {
    float sector = 0.0f;
    if (f.max == f.red) {
      sector = (f.green - f.blue) / d;
      if (f.green < f.blue) sector += 6.0f;
    } else if (f.max == f.green) {
      sector = (f.blue - f.red) / d + 2.0f;
    } else {
      sector = (f.red - f.green) / d + 4.0f;
    }
    h = sector * 60.0f;
    s = d / f.max;
  }
  store(hue, h);
  store(saturation, s);
  store(value, f.max);
}

void rgb_to_hsl(Color color, float* hue, float* saturation, float* lightness) {
  const Fractions f = fractions_of(color);
  const float l = (f.max + f.min) / 2.0f;
  float h = 0.0f;
  float s = 0.0f;
  if (f.max != f.min) {
    const float d = f.max - f.min;
    s = l <= 0.5f ? d / (f.max + f.min) : d / (2.0f - f.max - f.min);
    if (f.max == f.red) {
      h = (f.green - f.blue) / d / 6.0f * 360.0f;
      if (f.green < f.blue) h += 360.0f;
    } else if (f.max == f.green) {
      h = (f.blue - f.red) / d / 6.0f * 360.0f + 120.0f;
    } else {
      h = (f.red - f.green) / d / 6.0f * 360.0f + 240.0f;
    }
  }
  store(hue, h);
  store(saturation, s);
  store(lightness, l);
}

Color hsl_to_rgb(float hue, float saturation, float lightness) {
  if (saturation == 0.0f) return compose(lightness, lightness, lightness);
  const float q = lightness <= 0.5f ? lightness + lightness * saturation
                                    : lightness + saturation - lightness * saturation;
  const float p = 2.0f * lightness - q;
  return hue_to_channel(p, q, hue + 120.0f) | (hue_to_channel(p, q, hue) << 8) |
         (hue_to_channel(p, q, hue - 120.0f) << 16);
}

Color hsv_to_rgb(float hue, float saturation, float value) {
  if (saturation == 0.0f) return compose(value, value, value);
  const float h = hue / 60.0f;
  const float whole = std::trunc(h);
  const float f = h - whole;
  // Hues outside 0..360 (and NaN) take the table's last row.
  const int sector = (whole >= 0.0f && whole <= 5.0f) ? static_cast<int>(whole) : 6;
  const float p = (1.0f - saturation) * value;
  const float q = (1.0f - saturation * f) * value;
  const float t = (1.0f - (1.0f - f) * saturation) * value;
  switch (sector) {
    case 0:
      return compose(value, t, p);
    case 1:
      return compose(q, value, p);
    case 2:
      return compose(p, value, t);
    case 3:
      return compose(p, q, value);
    case 4:
      return compose(t, p, value);
    default:
      return compose(value, p, q);
  }
}

}  // namespace kanvo
