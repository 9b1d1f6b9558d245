// Windows: created by a thread that then owns them (their messages go to its queue and their
// procedure runs on it), placed on the screen with a frame and caption of fixed metrics, shown,
// stacked, activated and given the keyboard focus. A child window (style::kChild) sits in the
// client area of its parent: it is placed relative to it, shown and clipped with it, takes the
// input that falls on it, may hold the focus while its top-level window is active, and goes when
// its parent goes.
//
// Every call accepts any handle: a null, stale or destroyed one makes it fail harmlessly. Sizes
// are clamped: a client area is never larger than the screen nor smaller than nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "host/windows/types.h"

namespace kanvo::win {

struct CreateParams {
  std::string_view class_name;
  std::string_view title;  // GBK
  std::uint32_t style = 0;
  std::uint32_t ex_style = 0;
  // Outer rectangle in screen pixels; a child's in its parent's client pixels (the default
  // position puts it at the top-left corner).
  std::int32_t x = kUseDefault;
  std::int32_t y = kUseDefault;
  std::int32_t width = 0;
  std::int32_t height = 0;
  // A top-level window's owner (kept for dialogs; no effect on stacking here), or the parent
  // of a child window, which must exist.
  WindowHandle owner = kNoWindow;
  std::uint32_t id = 0;         // child windows: the identifier they report to their parent
  void* create_data = nullptr;  // lparam of msg::kCreate
};

// Creates the window on the calling thread, sends it msg::kCreate before returning (a procedure
// that answers -1 cancels the creation) and invalidates its client area. Null on failure.
WindowHandle create_window(const CreateParams& params);
// The same for a window whose outer rectangle is `place` (a child's in its parent's client
// pixels), owned by `owner` or, with style::kChild, in it.
WindowHandle create_window(std::string_view class_name, std::string_view title, std::uint32_t style,
                           std::uint32_t ex_style, const Rect& place, WindowHandle owner,
                           std::uint32_t id = 0);
// Sends msg::kDestroy to the window and then to its descendants of the same thread, and frees
// them all. Only the owning thread may do this: any other thread gets false and the window stays
// (post msg::kDestroyRequest, or call request_destroy, to have the owner do it).
bool destroy_window(WindowHandle window);
// Posts msg::kDestroyRequest to the window; its owner destroys it when it dispatches the message.
bool request_destroy(WindowHandle window);
bool is_window(WindowHandle window);
// The thread that owns the window, as an opaque number; 0 for none.
std::uintptr_t window_thread(WindowHandle window);
// The first shown or hidden top-level window of the class with the title (any title when
// `title` is null); for tests and tools.
WindowHandle find_window(std::string_view class_name, const char* title);

// The style bits the window was created with (style::kVisible and style::kDisabled as they are
// now); 0 for no window.
std::uint32_t get_window_style(WindowHandle window);

// A child's parent; null for a top-level window.
WindowHandle get_parent(WindowHandle window);
// The child of `parent` with the identifier, and a child's identifier (0 for none).
WindowHandle get_dialog_item(WindowHandle parent, std::uint32_t id);
std::uint32_t get_dialog_item_id(WindowHandle window);

// What the window's procedure keeps with the window; freed with the window at the latest.
bool set_window_data(WindowHandle window, std::shared_ptr<void> data);
std::shared_ptr<void> window_data(WindowHandle window);

// Outer rectangle for the client rectangle of a window of this style, in place.
bool adjust_window_rect(Rect* rect, std::uint32_t style, bool has_menu, std::uint32_t ex_style);

// show commands; returns whether the window was visible before. Children are never activated
// by being shown.
bool show_window(WindowHandle window, int command);
// Shown, and so are all its ancestors.
bool is_window_visible(WindowHandle window);
bool is_minimized(WindowHandle window);
// Outer rectangle in screen pixels (children too).
bool get_window_rect(WindowHandle window, Rect* rect);
// Client rectangle: (0, 0) to the client size.
bool get_client_rect(WindowHandle window, Rect* rect);
// Outer position and size, stacking (after `insert_after`, or kInsertTop / kInsertBottom) and
// visibility by the placement flags; activates a top-level window unless placement::kNoActivate.
// A child is placed in its parent's client pixels and stacked among its siblings.
bool set_window_pos(WindowHandle window, WindowHandle insert_after, std::int32_t x, std::int32_t y,
                    std::int32_t width, std::int32_t height, std::uint32_t flags);
bool screen_to_client(WindowHandle window, Point* point);
bool client_to_screen(WindowHandle window, Point* point);

// Returns whether the window was disabled before. A disabled window receives no mouse or key
// input, and neither do its children.
bool enable_window(WindowHandle window, bool enable);
bool is_window_enabled(WindowHandle window);
// Brings the window (a child's top-level window) to the top and makes it the active window, with
// the keyboard focus.
bool set_foreground_window(WindowHandle window);
WindowHandle get_foreground_window();
// Gives the keyboard focus to the window (null takes it away); returns the window that had it.
// A child of a window that is not active gets the focus when that window is next activated.
WindowHandle set_focus(WindowHandle window);
// The focus window if the calling thread owns it, otherwise null.
WindowHandle get_focus();

// While a window holds the capture, all mouse input goes to it wherever the pointer is (a
// control follows a drag that leaves it). The window losing it is sent msg::kCaptureChanged.
WindowHandle set_capture(WindowHandle window);
bool release_capture();
// The capture window if the calling thread owns it, otherwise null.
WindowHandle get_capture();
// Top-level windows from top to bottom, shown or not; for tests and diagnostics.
std::size_t z_order(WindowHandle* windows, std::size_t capacity);

// The window's text through its procedure (msg::kGetText, msg::kGetTextLength, msg::kSetText,
// sent to its thread); the default procedure keeps it as the title. Copies at most size - 1
// bytes of whole characters and a terminating zero; returns the bytes copied.
std::int32_t get_window_text(WindowHandle window, char* buffer, std::int32_t size);
std::int32_t get_window_text_length(WindowHandle window);
bool set_window_text(WindowHandle window, std::string_view text);

// The screen and the part of it that desktop bars leave free.
Rect screen_rect();
Rect work_area();

}  // namespace kanvo::win
