// The text dialog as the library asks for it: a small modal window with a prompt, an edit field
// filled with a default text, an OK button and, unless OK is the only way out, a Cancel button.
// The library measures and lays it out; the port makes it, runs it and hands back the text.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "graphics/platform/types.h"

namespace kanvo::platform {

// Where the controls stand in the dialog's client area, client pixels.
struct TextDialogPlaces {
  Rect prompt;
  Rect edit;
  Rect ok;
  Rect cancel;
};

struct TextDialog {
  // Disabled while the dialog shows, which is centred on it (on the work area without one) and
  // kept on the screen.
  WindowHandle owner = kNoWindow;
  // Texts as the window system takes them (GBK). Without a caption the owner's is used.
  bool has_caption = false;
  std::string_view caption;
  std::string_view prompt;
  std::string_view default_text;
  std::int32_t client_width = 0;
  std::int32_t client_height = 0;
  // The controls' places in the client area the dialog turns out to have.
  std::function<TextDialogPlaces(std::int32_t width, std::int32_t height)> place;
  ObjectHandle font = kNoObject;  // of every control
  // Several lines, where Enter types a line break and Ctrl+Enter confirms.
  bool multi_line = false;
  // No Cancel button, no close box, and Escape does nothing.
  bool ok_only = false;
  // The most bytes that typing and pasting may make the text; counted in UTF-8 rather than GBK
  // for an owner that hands the text on in UTF-8.
  std::int32_t limit = 0;
  bool limit_in_utf8 = false;
};

// Shows the dialog and runs its loop on the calling thread until it closes. True when it closed
// with OK (the button, or Enter), with the field's text (GBK) in `answer`; false when it could not
// be made or was cancelled (Cancel, Escape, the close box).
bool run_text_dialog(const TextDialog& dialog, std::string* answer);

}  // namespace kanvo::platform
