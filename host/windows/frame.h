// The non-client area that this window system draws itself, so that a window measures and looks
// the same on every display: a fixed frame, a caption with the title, a minimise box and a close
// box (greyed when the class forbids closing).
#pragma once

#include <cstdint>
#include <string>

#include "host/surface/types.h"
#include "host/windows/types.h"

namespace kanvo::win::detail {

inline constexpr std::int32_t kCaptionHeight = 22;
inline constexpr std::int32_t kFixedFrame = 3;   // caption or dialog frame
inline constexpr std::int32_t kSizingFrame = 4;  // sizing frame
inline constexpr std::int32_t kThinBorder = 1;   // border only
inline constexpr std::int32_t kClientEdge = 2;
inline constexpr std::int32_t kCaptionButtonWidth = 18;

struct FrameInsets {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};
FrameInsets frame_insets(std::uint32_t style, std::uint32_t ex_style);

enum class FramePart : std::uint8_t { outside, client, border, caption, minimize_box, close_box };

struct FrameLook {
  std::string title;  // GBK
  std::uint32_t style = 0;
  std::uint32_t ex_style = 0;
  std::uint32_t class_style = 0;
  bool active = false;
  std::int32_t width = 0;  // outer size
  std::int32_t height = 0;
};

// `point` is relative to the outer top-left corner.
FramePart hit_test(const FrameLook& look, Point point);
// Paints the frame and caption into outer-size pixel memory; the client part is left alone.
void paint_frame(const FrameLook& look, surface::PixelWord* pixels);

}  // namespace kanvo::win::detail
