#include "graphics/input/mouse_input.h"

#include "graphics/context/graphics_context.h"
#include "graphics/input/message_wait.h"
#include "graphics/input/window_input.h"

namespace kanvo {
namespace {

std::uint32_t message_of(const platform::MouseEvent& event) {
  // Press, release and double click of the left, right and middle buttons.
  constexpr std::uint32_t kButtonMessages[3][3] = {
      {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK},
      {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK},
      {WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK},
  };
  std::size_t column = 0;
  switch (event.action) {
    case platform::MouseAction::move:
      return WM_MOUSEMOVE;
    case platform::MouseAction::wheel:
      return WM_MOUSEWHEEL;
    case platform::MouseAction::press:
      break;
    case platform::MouseAction::release:
      column = 1;
      break;
    case platform::MouseAction::double_click:
      column = 2;
      break;
  }
  switch (event.button) {
    case platform::MouseButton::left:
      return kButtonMessages[0][column];
    case platform::MouseButton::right:
      return kButtonMessages[1][column];
    case platform::MouseButton::middle:
      return kButtonMessages[2][column];
    case platform::MouseButton::none:
      break;
  }
  return WM_MOUSEMOVE;
}

}  // namespace

void queue_mouse_message(WindowCanvas& canvas, const platform::MouseEvent& event) {
  MessageQueue& queue = canvas.messages();
  if (!queue.is_full()) {
    MouseMessage record;
    record.message = message_of(event);
    record.ctrl = event.ctrl;
    record.shift = event.shift;
    record.left_button = event.left_held;
    record.middle_button = event.middle_held;
    record.right_button = event.right_held;
    record.x = event.x;
    record.y = event.y;
    record.wheel = event.wheel;
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
