#include "host/windows/messages.h"

#include <algorithm>
#include <cstdint>

#include "host/display/keys.h"
#include "host/text/code_page.h"
#include "host/windows/painting.h"
#include "host/windows/text_buffer.h"
#include "host/windows/window_manager.h"
#include "host/windows/windows.h"

namespace kanvo::win {

using detail::PendingSend;
using detail::ThreadQueue;
using detail::Window;
using detail::WindowManager;

namespace {

constexpr std::uint8_t kKeyDown = 0x80;
constexpr std::uint8_t kKeyToggled = 0x01;

// Keeps the thread's key state in step with the key messages it takes out of its queue.
void note_key(ThreadQueue& queue, const Message& message) {
  if (message.message != msg::kKeyDown && message.message != msg::kKeyUp) return;
  std::uint8_t& state = queue.key_state[message.wparam & 0xFF];
  if (message.message == msg::kKeyUp) {
    state = static_cast<std::uint8_t>(state & ~kKeyDown);
  } else {
    if ((state & kKeyDown) == 0) state ^= kKeyToggled;
    state |= kKeyDown;
  }
}

// The next message for the calling thread, handling sent messages on the way.
bool next_message(Message* out, WindowHandle filter, bool wait, bool remove) {
  const std::shared_ptr<ThreadQueue> queue = ThreadQueue::current();
  std::unique_lock lock(queue->mutex);
  for (;;) {
    if (queue->handle_one_sent(lock)) continue;
    const auto posted = std::find_if(
        queue->posted.begin(), queue->posted.end(),
        [filter](const Message& m) { return filter == kNoWindow || m.window == filter; });
    if (posted != queue->posted.end()) {
      *out = *posted;
      if (remove) {
        queue->posted.erase(posted);
        note_key(*queue, *out);
      }
      return true;
    }
    if (queue->quit_posted) {
      *out = {kNoWindow, msg::kQuit, static_cast<WParam>(queue->quit_code), 0};
      if (remove) {
        queue->quit_posted = false;
        queue->last_quit_code = queue->quit_code;
      }
      return true;
    }
    if (queue->windows_to_paint > 0) {
      lock.unlock();
      WindowHandle to_paint = kNoWindow;
      {
        WindowManager& manager = WindowManager::instance();
        std::lock_guard manager_lock(manager.mutex);
        if (const Window* window = manager.next_to_paint(queue.get(), filter)) {
          to_paint = window->handle;
        }
      }
      if (to_paint != kNoWindow) {
        *out = {to_paint, msg::kPaint, 0, 0};
        return true;
      }
      lock.lock();
      if (!queue->posted.empty() || !queue->sent.empty() || queue->quit_posted) continue;
    }
    if (!wait) return false;
    queue->wake.wait(lock);
  }
}

}  // namespace

bool post_message(WindowHandle handle, std::uint32_t message, WParam wparam, LParam lparam) {
  if (handle == kNoWindow)
    return ThreadQueue::current()->post({kNoWindow, message, wparam, lparam});
  WindowManager& manager = WindowManager::instance();
  std::lock_guard lock(manager.mutex);
  Window* window = manager.find(handle);
  return window != nullptr && window->owner->post({handle, message, wparam, lparam});
}

LResult send_message(WindowHandle handle, std::uint32_t message, WParam wparam, LParam lparam) {
  std::shared_ptr<ThreadQueue> owner;
  WindowProcedure procedure = nullptr;
  {
    WindowManager& manager = WindowManager::instance();
    std::lock_guard lock(manager.mutex);
    Window* window = manager.find(handle);
    if (window == nullptr) return 0;
    owner = window->owner;
    procedure = window->window_class->info.procedure;
  }
  const std::shared_ptr<ThreadQueue> self = ThreadQueue::current();
  if (owner == self) return procedure(handle, message, wparam, lparam);

  auto send = std::make_shared<PendingSend>();
  send->message = {handle, message, wparam, lparam};
  send->sender = self;
  if (!owner->queue_send(send)) return 0;
  std::unique_lock lock(self->mutex);
  while (!send->done) {
    if (!self->handle_one_sent(lock)) self->wake.wait(lock);
  }
  return send->result;
}

bool get_message(Message* message, WindowHandle filter) {
  Message received;
  next_message(&received, filter, true, true);
  if (message != nullptr) *message = received;
  return received.message != msg::kQuit;
}

bool peek_message(Message* message, WindowHandle filter, bool remove) {
  Message received;
  if (!next_message(&received, filter, false, remove)) return false;
  if (message != nullptr) *message = received;
  return true;
}

bool translate_message(const Message& message) {
  if (message.message != msg::kKeyDown) return false;
  const std::shared_ptr<ThreadQueue> queue = ThreadQueue::current();
  const auto& state = queue->key_state;
  const char32_t character = typed_character(
      static_cast<std::uint32_t>(message.wparam), (state[keys::kShift] & kKeyDown) != 0,
      (state[keys::kCapsLock] & kKeyToggled) != 0, (state[keys::kControl] & kKeyDown) != 0);
  if (character == 0) return false;
  // The character comes before anything posted after the key press.
  std::lock_guard lock(queue->mutex);
  queue->posted.push_front({message.window, msg::kChar, character, message.lparam});
  return true;
}

LResult dispatch_message(const Message& message) {
  if (message.window == kNoWindow) return 0;
  WindowProcedure procedure = nullptr;
  {
    WindowManager& manager = WindowManager::instance();
    std::lock_guard lock(manager.mutex);
    if (Window* window = manager.find(message.window)) {
      procedure = window->window_class->info.procedure;
    }
  }
  if (procedure == nullptr) return 0;
  return procedure(message.window, message.message, message.wparam, message.lparam);
}

namespace {

// The title kept by the window system serves as the text of windows that keep none of their own.
LResult title_message(WindowHandle window, std::uint32_t message, WParam wparam, LParam lparam) {
  WindowManager& manager = WindowManager::instance();
  std::lock_guard lock(manager.mutex);
  Window* record = manager.find(window);
  if (record == nullptr) return 0;
  switch (message) {
    case msg::kSetText: {
      const char* text = reinterpret_cast<const char*>(lparam);
      record->title = text != nullptr ? text : "";
      record->title_utf8 = text::gbk_to_utf8(record->title);
      ++record->frame_version;
      manager.changed();
      return 1;
    }
    case msg::kGetText:
      return copy_to_buffer(record->title, reinterpret_cast<char*>(lparam),
                            static_cast<std::int64_t>(std::min<WParam>(wparam, INT32_MAX)));
    default:
      return static_cast<LResult>(record->title.size());
  }
}

}  // namespace

LResult default_window_procedure(WindowHandle window, std::uint32_t message, WParam wparam,
                                 LParam lparam) {
  switch (message) {
    case msg::kSetText:
    case msg::kGetText:
    case msg::kGetTextLength:
      return title_message(window, message, wparam, lparam);
    case msg::kMouseWheel: {
      // Scrolling that a child leaves alone is its parent's.
      const WindowHandle parent = get_parent(window);
      return parent != kNoWindow ? send_message(parent, message, wparam, lparam) : 0;
    }
    case msg::kClose:
    case msg::kDestroyRequest:
      destroy_window(window);
      return 0;
    case msg::kPaint: {
      PaintInfo paint;
      begin_paint(window, &paint);
      end_paint(window, paint);
      return 0;
    }
    case msg::kSysCommand:
      if (wparam == system_command::kClose) {
        WindowManager& manager = WindowManager::instance();
        bool close_allowed = false;
        {
          std::lock_guard lock(manager.mutex);
          if (Window* record = manager.find(window)) {
            close_allowed = (record->window_class->info.style & class_style::kNoClose) == 0;
          }
        }
        if (close_allowed) send_message(window, msg::kClose, 0, 0);
      } else if (wparam == system_command::kMinimize) {
        show_window(window, show::kMinimize);
      } else if (wparam == system_command::kRestore) {
        show_window(window, show::kRestore);
      }
      return 0;
    default:
      return 0;
  }
}

void post_quit_message(std::int32_t exit_code) {
  const std::shared_ptr<ThreadQueue> queue = ThreadQueue::current();
  std::lock_guard lock(queue->mutex);
  queue->quit_posted = true;
  queue->quit_code = exit_code;
  queue->wake.notify_all();
}

std::int32_t quit_code() {
  return ThreadQueue::current()->last_quit_code;
}

std::int16_t get_key_state(std::uint32_t virtual_key) {
  const std::uint8_t state = ThreadQueue::current()->key_state[virtual_key & 0xFF];
  return static_cast<std::int16_t>(((state & kKeyDown) != 0 ? 0x8000 : 0) | (state & kKeyToggled));
}

char32_t typed_character(std::uint32_t key, bool shift, bool caps_lock, bool control) {
  if (key >= keys::kLetterA && key < keys::kLetterA + 26) {
    if (control) return key - keys::kLetterA + 1;
    const bool upper = shift != caps_lock;
    return upper ? key : key - keys::kLetterA + U'a';
  }
  if (control) return 0;
  if (key >= keys::kDigit0 && key <= keys::kDigit0 + 9) {
    static constexpr char32_t kShifted[] = U")!@#$%^&*(";
    return shift ? kShifted[key - keys::kDigit0] : key;
  }
  if (key >= keys::kNumpad0 && key <= keys::kNumpad0 + 9) return U'0' + (key - keys::kNumpad0);
  struct Pair {
    std::uint32_t key;
    char32_t plain;
    char32_t shifted;
  };
  static constexpr Pair kKeys[] = {
      {keys::kSpace, U' ', U' '},        {keys::kReturn, U'\r', U'\r'},
      {keys::kBackspace, 8, 8},          {keys::kTab, U'\t', U'\t'},
      {keys::kEscape, 0x1B, 0x1B},       {keys::kSemicolon, U';', U':'},
      {keys::kEquals, U'=', U'+'},       {keys::kComma, U',', U'<'},
      {keys::kMinus, U'-', U'_'},        {keys::kPeriod, U'.', U'>'},
      {keys::kSlash, U'/', U'?'},        {keys::kBackquote, U'`', U'~'},
      {keys::kLeftBracket, U'[', U'{'},  {keys::kBackslash, U'\\', U'|'},
      {keys::kRightBracket, U']', U'}'}, {keys::kQuote, U'\'', U'"'},
      {keys::kMultiply, U'*', U'*'},     {keys::kAdd, U'+', U'+'},
      {keys::kSubtract, U'-', U'-'},     {keys::kDecimal, U'.', U'.'},
      {keys::kDivide, U'/', U'/'},
  };
  for (const Pair& pair : kKeys) {
    if (pair.key == key) return shift ? pair.shifted : pair.plain;
  }
  return 0;
}

}  // namespace kanvo::win
