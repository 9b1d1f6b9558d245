#include "graphics/input/standard_input_typing.h"

#include "graphics/platform/process_end.h"
#include "graphics/platform/terminal.h"
#include "graphics/platform/text_encoding.h"
#include "graphics/platform/window_system.h"

namespace kanvo {
namespace {

const process_end::EndStep* start_typing() {
  ui::set_console_input([](char32_t character) {
    platform::type_at_terminal(character,
                               text::encode_program_text(std::u32string_view(&character, 1)));
  });
  // Runs once the console's window has typed its last key.
  return new process_end::EndStep(process_end::EndStage::typed_input,
                                  platform::discard_unread_typing);
}

}  // namespace

void type_window_keys_into_standard_input() {
  // Never destroyed: the step must stay until the end has run.
  static const process_end::EndStep* const step = start_typing();
  (void)step;
}

}  // namespace kanvo
