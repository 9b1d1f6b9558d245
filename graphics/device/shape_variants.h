// The three ways a closed shape's raw operation is wrapped into its variants. Each switches a
// setting only when it differs from the wanted value and restores only what it switched, since
// every switch realises a new pen or brush. All reads and writes go through the device's table.
#pragma once

#include "graphics/device/draw_device.h"

namespace kanvo {

// Outline only: the fill style is hollow for the call.
template <typename Draw>
void with_hollow_brush(DrawDevice& device, Draw&& draw) {
  FillStyle saved;
  device.get_fill_style(&saved);
  const bool switched = saved.style != kFillNull;
  if (switched) device.set_fill_style(kFillNull, 0, nullptr);
  draw();
  if (switched) device.set_fill_style_record(saved);
}

// Interior only: the pen is the null pen for the call.
template <typename Draw>
void with_null_pen(DrawDevice& device, Draw&& draw) {
  constexpr std::int32_t kNullPen = 5;
  LineStyle saved;
  device.get_line_style(&saved);
  const bool switched = saved.style != kNullPen;
  if (switched) device.set_line_style(kNullPen, 1, nullptr, 0);
  draw();
  if (switched) device.set_line_style_record(saved);
}

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
