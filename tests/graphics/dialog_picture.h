// The text input dialog as a screenshot shows it: where its client area is (below the active,
// blue caption) and where the edit field and the buttons stand in it, found by their colours.
#pragma once

#include <optional>

#include "host/display/headless_display.h"

namespace kanvo::testing {

struct DialogPicture {
  surface::Rect client;  // screen pixels
  // In client pixels, outer edges included.
  surface::Rect edit;
  surface::Rect ok;
  std::optional<surface::Rect> cancel;
};

// Nothing when no active caption or no edit field is to be seen.
std::optional<DialogPicture> find_dialog(const display::Image& screen);

}  // namespace kanvo::testing
