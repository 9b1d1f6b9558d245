#include "graphics/input/key_input.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "graphics/context/graphics_context.h"
#include "graphics/input/message_wait.h"
#include "graphics/input/window_input.h"
#include "graphics/platform/text_encoding.h"

namespace kanvo {

void queue_key_message(WindowCanvas& canvas, const platform::KeyEvent& event) {
  KeyQueue& queue = canvas.key_messages();
  if (!queue.is_full()) {
    KeyMessage record;
    record.message = event.pressed ? WM_KEYDOWN : WM_KEYUP;
    record.key = event.key;
    record.ctrl = event.ctrl;
    record.shift = event.shift;
    record.alt = event.alt;
    record.repeat = event.repeat;
    if (event.character != 0) {
      const std::string bytes =
          platform::encode_program_text(std::u32string_view(&event.character, 1));
      std::memcpy(record.text, bytes.data(), std::min(bytes.size(), sizeof record.text - 1));
    }
    queue.push(record);
  }
  wake_reader(canvas.key_wake_requested(), canvas.key_event());
}

bool key_hit() {
  return !graphics_context().canvas.key_messages().is_empty();
}

KeyMessage get_key_message() {
  WindowCanvas& canvas = graphics_context().canvas;
  return wait_for_message(canvas, canvas.key_messages(), canvas.key_event(), WAKE_FOR_KEYS);
}

void flush_key_messages() {
  flush_messages(graphics_context().canvas.key_messages());
}

}  // namespace kanvo
