#include "graphics/input/mouse_input.h"

#include "graphics/context/graphics_context.h"
#include "graphics/input/message_wait.h"
#include "graphics/input/window_input.h"
#include "graphics/platform/window_system.h"

namespace kanvo {

void queue_mouse_message(WindowHandle window, WindowCanvas& canvas, std::uint32_t message,
                         platform::WParam wparam, platform::LParam lparam) {
  MessageQueue& queue = canvas.messages();
  if (!queue.is_full()) {
    MouseMessage record;
    record.message = message;
    const auto keys = static_cast<std::uint32_t>(wparam & 0xFFFF);
    record.ctrl = (keys & platform::mouse_keys::kControl) != 0;
    record.shift = (keys & platform::mouse_keys::kShift) != 0;
    record.left_button = (keys & platform::mouse_keys::kLeftButton) != 0;
    record.middle_button = (keys & platform::mouse_keys::kMiddleButton) != 0;
    record.right_button = (keys & platform::mouse_keys::kRightButton) != 0;
    record.wheel = platform::high_word(wparam);
    if (message == WM_MOUSEWHEEL) {
      // The wheel's position comes in screen pixels.
      Point point{static_cast<std::uint16_t>(lparam & 0xFFFF),
                  static_cast<std::uint16_t>((lparam >> 16) & 0xFFFF)};
      platform::screen_to_client(window, &point);
      record.x = static_cast<std::int16_t>(point.x & 0xFFFF);
      record.y = static_cast<std::int16_t>(point.y & 0xFFFF);
    } else {
      record.x = platform::low_word(static_cast<std::uintptr_t>(lparam));
      record.y = platform::high_word(static_cast<std::uintptr_t>(lparam));
    }
    queue.push(record);
  }
  wake_reader(canvas.wake_requested(), canvas.ready_event());
}

bool mouse_hit() {
  return !graphics_context().canvas.messages().is_empty();
}

MouseMessage get_mouse_message() {
  WindowCanvas& canvas = graphics_context().canvas;
  return wait_for_message(canvas, canvas.messages(), canvas.ready_event(), WAKE_FOR_MOUSE);
}

void flush_mouse_messages() {
  flush_messages(graphics_context().canvas.messages());
}

}  // namespace kanvo
