#include "graphics/input/key_input.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "graphics/context/graphics_context.h"
#include "graphics/input/message_wait.h"
#include "graphics/input/window_input.h"
#include "graphics/platform/text_encoding.h"
#include "graphics/platform/window_system.h"

namespace kanvo {
namespace {

bool held(std::uint32_t key) {
  return platform::get_key_state(key) < 0;
}

void set_text(KeyMessage& record, char32_t character) {
  if (character == 0) return;
  const std::string bytes = platform::encode_program_text(std::u32string_view(&character, 1));
  std::memcpy(record.text, bytes.data(), std::min(bytes.size(), sizeof record.text - 1));
}

}  // namespace

void queue_key_message(WindowCanvas& canvas, std::uint32_t message, platform::WParam wparam,
                       platform::LParam lparam) {
  KeyQueue& queue = canvas.key_messages();
  if (!queue.is_full()) {
    KeyMessage record;
    record.ctrl = held(platform::keys::kControl);
    record.shift = held(platform::keys::kShift);
    record.alt = held(platform::keys::kAlt);
    if (message == platform::msg::kChar) {
      record.message = WM_KEYDOWN;
      set_text(record, static_cast<char32_t>(wparam));
    } else {
      record.message = message;
      record.key = static_cast<std::uint32_t>(wparam);
      // Bit 30: the key was already down.
      record.repeat = message == WM_KEYDOWN && ((lparam >> 30) & 1) != 0;
      if (message == WM_KEYDOWN) {
        const bool caps_lock = (platform::get_key_state(platform::keys::kCapsLock) & 1) != 0;
        set_text(record,
                 platform::typed_character(record.key, record.shift, caps_lock, record.ctrl));
      }
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
