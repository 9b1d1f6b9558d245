// The clipboard for text: the screen's own where the display has one (shared with other
// programs), otherwise one kept in this process. Text is UTF-8. Call it without holding locks
// that the display's thread may wait for.
#pragma once

#include <string>
#include <string_view>

namespace kanvo::win {

bool set_clipboard_text(std::string_view utf8);
// Empty when the clipboard holds no text.
std::string clipboard_text();

}  // namespace kanvo::win
