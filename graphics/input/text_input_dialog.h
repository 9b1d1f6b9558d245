// The text input dialog: a small modal window that asks for a line (or several lines) of text,
// with a prompt, an edit field filled with a default text, an OK button and, unless the caller
// asks for OK only, a Cancel button. It runs its own message loop on the calling thread until it
// closes, with its owner (the graphics window while one is open, otherwise the console's window)
// disabled meanwhile.
//
// Texts, the answer included, are in the program's text encoding (set_text_encoding); in UTF-8
// the field's limit counts UTF-8 bytes.
#pragma once

#include <cstdint>
#include <string>

#include "graphics/platform/types.h"

namespace kanvo {

// Shows the dialog and waits for the user. On OK (the button, or Enter) the text goes into
// `buffer`: at most buffer_size - 1 bytes of whole characters and a terminating zero; nothing is
// written with no buffer or a buffer_size below 1, nor on Cancel, Escape or the close box.
// width, height: the client size asked for (width 0: the usual 357; any other at least 200;
// height at least 93, and above 0 a multi-line field, where Enter starts a new line and
// Ctrl+Enter confirms). ok_only: no Cancel button, no close box, Escape ignored. Any of the
// texts may be null. One dialog shows at a time: a call from another thread waits its turn, and a
// call from the thread that shows one (from a window procedure meanwhile) returns false at once.
bool ask_text(char* buffer, std::int32_t buffer_size, const char* prompt, const char* title,
              const char* default_text, std::int32_t width, std::int32_t height, bool ok_only);

// One dialog, alive for one call of ask_text: what it asks, how it is laid out, its font, and
// where the answer goes. The port shows it.
class TextInputDialog {
 public:
  TextInputDialog(char* buffer, std::int32_t buffer_size, const char* prompt, const char* title,
                  const char* default_text, std::int32_t width, std::int32_t height, bool ok_only);
  virtual ~TextInputDialog();
  TextInputDialog(const TextInputDialog&) = delete;
  TextInputDialog& operator=(const TextInputDialog&) = delete;

  // Shows the dialog (centred on the owner, or on the work area without one) and waits for the
  // user; true when it closed with OK, the answer then stored.
  bool run(WindowHandle owner);

 private:
  void store_text(const std::string& gbk);

  ObjectHandle font_{};
  std::int32_t buffer_size_ = 0;
  const char* prompt_text_ = nullptr;
  std::int32_t prompt_height_ = 0;
  const char* title_ = nullptr;
  const char* default_text_ = nullptr;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  bool ok_only_ = false;
  bool multi_line_ = false;
  char* buffer_ = nullptr;

  // The texts as the window system takes them (GBK), and how the answer is written.
  std::string prompt_gbk_;
  std::string title_gbk_;
  std::string default_gbk_;
  bool answer_in_utf8_ = false;
};

}  // namespace kanvo
