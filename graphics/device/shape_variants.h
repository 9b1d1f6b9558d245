// The erase_ variant of the closed shapes: the shape's interior in the background colour. It
// switches a setting only when it differs from the wanted value and restores only what it
// switched, since every switch realises a new brush. All reads and writes go through the
// device's table.
#pragma once

#include "graphics/device/draw_device.h"

namespace kanvo {

// Interior in the background colour: solid fill of that colour, copied (R2_COPYPEN).
template <typename Paint>
void with_background_fill(DrawDevice& device, Paint&& paint) {
  constexpr int kCopyPen = 13;
  const int saved_rop = device.get_rop2();
  const Color saved_color = device.get_fill_color();
  FillStyle saved_style;
  device.get_fill_style(&saved_style);
  if (saved_rop != kCopyPen) device.set_rop2(kCopyPen);
  const Color background = device.get_bk_color();
  const bool color_switched = saved_color != background;
  if (color_switched) device.set_fill_color(background);
  const bool style_switched = saved_style.style != kFillSolid;
  if (style_switched) device.set_fill_style(kFillSolid, 0, nullptr);
  paint();
  if (color_switched) device.set_fill_color(saved_color);
  if (style_switched) device.set_fill_style_record(saved_style);
  if (saved_rop != kCopyPen) device.set_rop2(saved_rop);
}

}  // namespace kanvo
