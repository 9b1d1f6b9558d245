// The brush description an image carries: brush style, hatch index and, for pattern brushes, the
// pattern image (owned). Also used by callers as a save-and-restore buffer.
#pragma once

#include <cstdint>
#include <memory>

namespace kanvo {

class CanvasImage;

// Brush styles as the fill-style record stores them.
inline constexpr std::int32_t kFillSolid = 0;
inline constexpr std::int32_t kFillNull = 1;
inline constexpr std::int32_t kFillHatched = 2;
inline constexpr std::int32_t kFillPattern = 3;
inline constexpr std::int32_t kFillDibPattern = 5;

inline bool uses_pattern_image(std::int32_t style) {
  return style == kFillPattern || style == kFillDibPattern;
}

class FillStyle {
 public:
  FillStyle();
  FillStyle(const FillStyle& other);
  FillStyle& operator=(const FillStyle& other);
  virtual ~FillStyle();

  // Replaces the owned pattern image with a copy of `pattern` (size and pixels).
  void copy_pattern(const CanvasImage& pattern);

  std::int32_t style = kFillSolid;
  std::int32_t hatch = 0;
  std::unique_ptr<CanvasImage> pattern_image;
};

}  // namespace kanvo
