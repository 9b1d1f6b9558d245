// Painting: each window keeps the pixels of its client area and an invalid area. The owner is
// sent msg::kPaint when its queue is otherwise empty and an area is invalid; begin_paint erases
// that area with the class background and hands out a device context clipped to it. Client
// device contexts draw straight into the window from any thread until released, and whatever
// they draw is presented at the display's next refresh.
#pragma once

#include "host/surface/surface.h"
#include "host/windows/types.h"

namespace kanvo::win {

struct PaintInfo {
  surface::DcHandle dc = surface::kNoDc;
  Rect paint;          // the invalid area, client pixels
  bool erase = false;  // the background was not erased (no class background)
};

// A null rectangle means the whole client area; `erase` asks for the background to be erased.
bool invalidate_rect(WindowHandle window, const Rect* rect, bool erase);
bool validate_rect(WindowHandle window, const Rect* rect);
bool get_update_rect(WindowHandle window, Rect* rect);
// Sends msg::kPaint at once if an area is invalid.
bool update_window(WindowHandle window);

surface::DcHandle begin_paint(WindowHandle window, PaintInfo* paint);
bool end_paint(WindowHandle window, const PaintInfo& paint);

// A device context over the window's client pixels with the default state. It stays valid from
// any thread until released, even after the window is gone (then it draws where nobody sees).
surface::DcHandle get_dc(WindowHandle window);
bool release_dc(WindowHandle window, surface::DcHandle dc);

}  // namespace kanvo::win
