#include "graphics/image/fill_style.h"

#include "graphics/image/canvas_image.h"

namespace kanvo {

FillStyle::FillStyle() = default;
FillStyle::~FillStyle() = default;

FillStyle::FillStyle(const FillStyle& other) {
  *this = other;
}

FillStyle& FillStyle::operator=(const FillStyle& other) {
  if (&other == this) return *this;
  style = other.style;
  hatch = other.hatch;
  if (other.pattern_image && uses_pattern_image(other.style)) {
    copy_pattern(*other.pattern_image);
  } else {
    pattern_image.reset();
  }
  return *this;
}

void FillStyle::copy_pattern(const CanvasImage& pattern) {
  if (!pattern_image) pattern_image = std::make_unique<CanvasImage>();
  *pattern_image = pattern;
}

}  // namespace kanvo
