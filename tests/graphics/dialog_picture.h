// The text input dialog as a screenshot shows it: where its client area is (below the active,
// blue caption) and where the edit field and the buttons stand in it, found by their colours.
#pragma once

#include <chrono>
#include <functional>
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

  friend bool operator==(const DialogPicture&, const DialogPicture&) = default;
};

// Nothing when no active caption or no edit field is to be seen.
std::optional<DialogPicture> find_dialog(const display::Image& screen);

// The dialog once it is painted through: `accept`ed and the same in two looks in a row, for a
// dialog is seen as soon as its frame and edit field are, before its texts and buttons maybe.
// Nothing when it does not settle within `patience`.
std::optional<DialogPicture> settled_dialog(const std::function<display::Image()>& look,
                                            const std::function<bool(const DialogPicture&)>& accept,
                                            std::chrono::milliseconds patience);

}  // namespace kanvo::testing
