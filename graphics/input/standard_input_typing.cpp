#include "graphics/input/standard_input_typing.h"

#include "graphics/platform/process_end.h"
#include "graphics/platform/terminal.h"
#include "graphics/platform/text_encoding.h"
#include "graphics/platform/window.h"

namespace kanvo {
namespace {

bool start_typing() {
  platform::set_console_input([](char32_t character) {
    platform::type_at_terminal(character,
                               platform::encode_program_text(std::u32string_view(&character, 1)));
  });
  // Runs once the console's window has typed its last key.
  platform::at_process_end(platform::EndStage::typed_input, platform::discard_unread_typing);
  return true;
}

}  // namespace

void type_window_keys_into_standard_input() {
  static const bool started = start_typing();
  (void)started;
}

}  // namespace kanvo
