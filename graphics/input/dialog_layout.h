// The text input dialog's measures: its client size from the size asked for and the height of
// the prompt, and where its controls stand in that client area.
#pragma once

#include <cstdint>

#include "graphics/platform/text_dialog.h"

namespace kanvo {

struct DialogSize {
  std::int32_t width = 0;   // client pixels
  std::int32_t height = 0;  // client pixels
  std::int32_t prompt_height = 0;
  bool multi_line = false;
};

// width: 0 gives 357, anything else at least 200; height: at least 93, and a height asked for
// above 0 makes the field multi-line; the prompt takes at least 45 pixels, and a taller one makes
// the dialog taller by the difference. Sizes stay far from overflowing.
DialogSize dialog_size(std::int32_t width, std::int32_t height, std::int32_t prompt_height);

// The rectangles (left, top, right, bottom) of the controls in a client area of width x height.
using DialogPlaces = platform::TextDialogPlaces;
DialogPlaces dialog_places(std::int32_t width, std::int32_t height, std::int32_t prompt_height);

// The width the prompt is laid out in: the client width less the buttons' column.
inline constexpr std::int32_t kPromptMargin = 90;

}  // namespace kanvo
