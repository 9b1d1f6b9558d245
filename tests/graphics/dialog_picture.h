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
  // Around what is drawn of the texts, in client pixels: the prompt, the buttons' captions (each
  // found by its dark pixels), the title in the caption bar and the close box's cross (by their
  // light pixels; their rows are negative).
  std::optional<surface::Rect> prompt_text;
  std::optional<surface::Rect> ok_text;
  std::optional<surface::Rect> cancel_text;
  std::optional<surface::Rect> title_text;
  std::optional<surface::Rect> close_cross;
};

// Nothing when no active caption or no edit field is to be seen.
std::optional<DialogPicture> find_dialog(const display::Image& screen);

}  // namespace kanvo::testing
