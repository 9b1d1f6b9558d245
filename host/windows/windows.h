// Windows: created by a thread that then owns them (their messages go to its queue and their
// procedure runs on it), placed on the screen with a frame and caption of fixed metrics, shown,
// stacked, activated and given the keyboard focus.
//
// Every call accepts any handle: a null, stale or destroyed one makes it fail harmlessly. Sizes
// are clamped: a client area is never larger than the screen nor smaller than nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "host/windows/types.h"

namespace kanvo::win {

struct CreateParams {
  std::string_view class_name;
  std::string_view title;  // GBK
  std::uint32_t style = 0;
  std::uint32_t ex_style = 0;
  std::int32_t x = kUseDefault;  // outer rectangle in screen pixels
  std::int32_t y = kUseDefault;
  std::int32_t width = 0;
  std::int32_t height = 0;
  WindowHandle owner = kNoWindow;  // kept for dialogs; has no effect on stacking here
  void* create_data = nullptr;     // lparam of msg::kCreate
};

// Creates the window on the calling thread, sends it msg::kCreate before returning (a procedure
// that answers -1 cancels the creation) and invalidates its client area. Null on failure.
WindowHandle create_window(const CreateParams& params);
// Sends msg::kDestroy and frees the window. Only the owning thread may do this: any other
// thread gets false and the window stays (post msg::kDestroyRequest, or call request_destroy,
// to have the owner do it).
bool destroy_window(WindowHandle window);
// Posts msg::kDestroyRequest to the window; its owner destroys it when it dispatches the message.
bool request_destroy(WindowHandle window);
bool is_window(WindowHandle window);
// The thread that owns the window, as an opaque number; 0 for none.
std::uintptr_t window_thread(WindowHandle window);

// Outer rectangle for the client rectangle of a window of this style, in place.
bool adjust_window_rect(Rect* rect, std::uint32_t style, bool has_menu, std::uint32_t ex_style);

// show commands; returns whether the window was visible before.
bool show_window(WindowHandle window, int command);
bool is_window_visible(WindowHandle window);
bool is_minimized(WindowHandle window);
// Outer rectangle in screen pixels.
bool get_window_rect(WindowHandle window, Rect* rect);
// Client rectangle: (0, 0) to the client size.
bool get_client_rect(WindowHandle window, Rect* rect);
// Outer position and size, stacking (after `insert_after`, or kInsertTop / kInsertBottom) and
// visibility by the placement flags; activates the window unless placement::kNoActivate.
bool set_window_pos(WindowHandle window, WindowHandle insert_after, std::int32_t x, std::int32_t y,
                    std::int32_t width, std::int32_t height, std::uint32_t flags);
bool screen_to_client(WindowHandle window, Point* point);
bool client_to_screen(WindowHandle window, Point* point);

// Returns whether the window was disabled before. A disabled window receives no mouse or key input.
bool enable_window(WindowHandle window, bool enable);
bool is_window_enabled(WindowHandle window);
// Brings the window to the top and makes it the active window, with the keyboard focus.
bool set_foreground_window(WindowHandle window);
WindowHandle get_foreground_window();
// Gives the keyboard focus to the window (null takes it away); returns the window that had it.
WindowHandle set_focus(WindowHandle window);
// The focus window if the calling thread owns it, otherwise null.
WindowHandle get_focus();
// Top-level windows from top to bottom, shown or not; for tests and diagnostics.
std::size_t z_order(WindowHandle* windows, std::size_t capacity);

// Copies at most size - 1 bytes and a terminating zero; returns the bytes copied.
std::int32_t get_window_text(WindowHandle window, char* buffer, std::int32_t size);
std::int32_t get_window_text_length(WindowHandle window);
bool set_window_text(WindowHandle window, std::string_view text);

// The screen and the part of it that desktop bars leave free.
Rect screen_rect();
Rect work_area();

}  // namespace kanvo::win
