#include "host/windows/system_colors.h"

#include <array>
#include <mutex>

namespace kanvo::win {
namespace {

using surface::rgb;

constexpr int kColorCount = 23;
constexpr surface::Color kNoColor = 0xFFFFFFFF;

constexpr std::array<surface::Color, kColorCount> kColors = [] {
  std::array<surface::Color, kColorCount> colors{};
  colors.fill(kNoColor);
  colors[system_color::kScrollBar] = rgb(200, 200, 200);
  colors[system_color::kWindow] = rgb(255, 255, 255);
  colors[system_color::kWindowText] = rgb(0, 0, 0);
  colors[system_color::kHighlight] = rgb(0, 120, 215);
  colors[system_color::kHighlightText] = rgb(255, 255, 255);
  colors[system_color::kButtonFace] = rgb(240, 240, 240);
  colors[system_color::kButtonShadow] = rgb(160, 160, 160);
  colors[system_color::kGrayText] = rgb(109, 109, 109);
  colors[system_color::kButtonText] = rgb(0, 0, 0);
  colors[system_color::kButtonHighlight] = rgb(255, 255, 255);
  colors[system_color::kDarkShadow] = rgb(105, 105, 105);
  colors[system_color::kLight] = rgb(227, 227, 227);
  return colors;
}();

bool names_a_color(int index) {
  return index >= 0 && index < kColorCount && kColors[static_cast<std::size_t>(index)] != kNoColor;
}

}  // namespace

surface::Color get_system_color(int index) {
  return names_a_color(index) ? kColors[static_cast<std::size_t>(index)] : rgb(0, 0, 0);
}

surface::ObjectHandle get_system_color_brush(int index) {
  if (!names_a_color(index)) return surface::kNoObject;
  static std::mutex mutex;
  static std::array<surface::ObjectHandle, kColorCount> brushes{};
  std::lock_guard lock(mutex);
  surface::ObjectHandle& brush = brushes[static_cast<std::size_t>(index)];
  if (brush == surface::kNoObject) brush = surface::create_solid_brush(get_system_color(index));
  return brush;
}

}  // namespace kanvo::win
