// Message queues: one per thread, made when the thread first needs one. Posting appends to the
// owner's queue and returns; sending waits until the owner has handled the message (a thread
// sending to its own window calls the procedure directly, and a thread waiting on a send keeps
// handling messages sent to it meanwhile, so two threads sending to each other do not lock up).
#pragma once

#include <cstdint>

#include "host/windows/types.h"

namespace kanvo::win {

// False for a stale handle. A null window posts to the calling thread itself.
bool post_message(WindowHandle window, std::uint32_t message, WParam wparam, LParam lparam);
// 0 when the window does not exist or its thread ends before handling the message.
LResult send_message(WindowHandle window, std::uint32_t message, WParam wparam, LParam lparam);

// Waits for the next message of the calling thread (for `filter` only, unless null) and returns
// false for the quit message. Messages sent from other threads are handled inside. In order:
// posted messages (input among them), the quit message, then msg::kPaint for a window with an
// invalid area.
bool get_message(Message* message, WindowHandle filter = kNoWindow);
// The same without waiting; false when nothing is there. `remove` false leaves the message.
bool peek_message(Message* message, WindowHandle filter = kNoWindow, bool remove = true);
// Posts msg::kChar for a key press that types a character (US layout, Shift, Caps Lock, Ctrl);
// true when it did.
bool translate_message(const Message& message);
// Calls the window's procedure with the message; 0 when there is none.
LResult dispatch_message(const Message& message);
// What a window does with a message it does not handle itself.
LResult default_window_procedure(WindowHandle window, std::uint32_t message, WParam wparam,
                                 LParam lparam);
// The calling thread's get_message returns false once its posted messages are exhausted.
void post_quit_message(std::int32_t exit_code);
// The exit code of the last quit message the calling thread received.
std::int32_t quit_code();

// State of a virtual key as the calling thread last saw it in its messages: the top bit is set
// while the key is down, the lowest bit toggles with each press.
std::int16_t get_key_state(std::uint32_t virtual_key);

// The character a press of the key types on a US keyboard (what translate_message posts as
// WM_CHAR), given the keys held: Ctrl with a letter types its control character (Ctrl+A: 1);
// 0 for keys that type nothing.
char32_t typed_character(std::uint32_t key, bool shift, bool caps_lock, bool control);

}  // namespace kanvo::win
