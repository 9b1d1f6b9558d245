// The colours that windows and controls are drawn in, by the numbers programs know them by, and
// one brush of each for class backgrounds.
#pragma once

#include "host/surface/surface.h"

namespace kanvo::win {

namespace system_color {
inline constexpr int kScrollBar = 0;
inline constexpr int kWindow = 5;  // the inside of edit fields
inline constexpr int kWindowText = 8;
inline constexpr int kHighlight = 13;  // selected text
inline constexpr int kHighlightText = 14;
inline constexpr int kButtonFace = 15;  // buttons and dialog backgrounds
inline constexpr int kButtonShadow = 16;
inline constexpr int kGrayText = 17;
inline constexpr int kButtonText = 18;
inline constexpr int kButtonHighlight = 20;
inline constexpr int kDarkShadow = 21;
inline constexpr int kLight = 22;
}  // namespace system_color

// Black for a number that names no colour.
surface::Color get_system_color(int index);
// Made once and kept for the whole run: never delete it. kNoObject for a number that names no
// colour.
surface::ObjectHandle get_system_color_brush(int index);

}  // namespace kanvo::win
