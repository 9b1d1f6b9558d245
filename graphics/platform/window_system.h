// The window system as the library uses it: window classes with their procedures, windows, each
// owned by the thread that creates it and fed from that thread's message queue, painting, the
// standard controls (driven by messages), the keyboard's state and the console's window.
// A call with a handle that is not (or no longer) a window does nothing and fails.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "graphics/platform/types.h"
#include "graphics/platform/window_types.h"

namespace kanvo::platform {

// Window classes: what windows of one kind share. Classes are process-wide, found by name.
struct WindowClass {
  std::string name;
  std::uint32_t style = 0;  // class_style bits
  WindowProcedure procedure = nullptr;
  Cursor cursor = Cursor::arrow;
  // Brush that erases invalid parts of the client area before they are painted; none leaves them.
  ObjectHandle background = kNoObject;
};
// False when the name is empty, the procedure missing, the class registered already (the
// earlier registration stays in force) or too many procedures are registered.
bool register_class(const WindowClass& window_class);
bool unregister_class(std::string_view name);
// True when the class exists; its description goes into `window_class` unless that is null.
bool get_class_info(std::string_view name, WindowClass* window_class);

struct CreateParams {
  std::string_view class_name;
  std::string_view title;  // GBK
  std::uint32_t style = 0;
  std::uint32_t ex_style = 0;
  std::int32_t x = kUseDefault;
  std::int32_t y = kUseDefault;
  std::int32_t width = 0;
  std::int32_t height = 0;
  WindowHandle owner = kNoWindow;
  std::uint32_t id = 0;         // child windows: the identifier they report to their parent
  void* create_data = nullptr;  // lparam of msg::kCreate
};

// Windows.
WindowHandle create_window(const CreateParams& params);
bool destroy_window(WindowHandle window);   // on the owning thread
bool request_destroy(WindowHandle window);  // from any thread
bool is_window(WindowHandle window);
// The first window of the class with the title (any title when null).
WindowHandle find_window(std::string_view class_name, const char* title);
WindowHandle get_parent(WindowHandle window);
std::uint32_t get_window_style(WindowHandle window);
WindowHandle get_dialog_item(WindowHandle parent, std::uint32_t id);
// The outer rectangle a window needs for a client rectangle of `rect` with the style.
bool adjust_window_rect(Rect* rect, std::uint32_t style, bool has_menu, std::uint32_t ex_style);
bool show_window(WindowHandle window, int command);
bool is_window_visible(WindowHandle window);
bool is_minimized(WindowHandle window);
bool get_window_rect(WindowHandle window, Rect* rect);
bool get_client_rect(WindowHandle window, Rect* rect);
bool set_window_pos(WindowHandle window, WindowHandle insert_after, std::int32_t x, std::int32_t y,
                    std::int32_t width, std::int32_t height, std::uint32_t flags);
bool screen_to_client(WindowHandle window, Point* point);
bool client_to_screen(WindowHandle window, Point* point);
bool enable_window(WindowHandle window, bool enable);
bool is_window_enabled(WindowHandle window);
WindowHandle get_foreground_window();
// The top-level windows from the top down, at most `capacity` of them; answers how many exist.
std::size_t z_order(WindowHandle* windows, std::size_t capacity);
bool set_foreground_window(WindowHandle window);
WindowHandle set_focus(WindowHandle window);
WindowHandle get_focus();
std::int32_t get_window_text(WindowHandle window, char* buffer, std::int32_t size);
std::int32_t get_window_text_length(WindowHandle window);
Rect work_area();  // the screen less the task bar, screen pixels

// Messages.
bool post_message(WindowHandle window, std::uint32_t message, WParam wparam, LParam lparam);
LResult send_message(WindowHandle window, std::uint32_t message, WParam wparam, LParam lparam);
// Waits for the next message of the calling thread; false once it is msg::kQuit.
bool get_message(Message* message);
bool translate_message(const Message& message);
LResult dispatch_message(const Message& message);
LResult default_window_procedure(WindowHandle window, std::uint32_t message, WParam wparam,
                                 LParam lparam);
void post_quit_message(std::int32_t exit_code);
// Below 0 while the key is held; bit 0 toggles with each press.
std::int16_t get_key_state(std::uint32_t virtual_key);
// The character a key press types, given the keys held; 0 for keys that type nothing.
char32_t typed_character(std::uint32_t key, bool shift, bool caps_lock, bool control);

// Painting.
struct PaintInfo {
  SurfaceHandle dc = kNoSurface;
  Rect paint;          // the invalid area, client pixels
  bool erase = false;  // the background was not erased (no class background)
};
bool invalidate_rect(WindowHandle window, const Rect* rect, bool erase);  // null: all of it
bool get_update_rect(WindowHandle window, Rect* rect);
bool update_window(WindowHandle window);
SurfaceHandle begin_paint(WindowHandle window, PaintInfo* paint);
bool end_paint(WindowHandle window, const PaintInfo& paint);
SurfaceHandle get_dc(WindowHandle window);
bool release_dc(WindowHandle window, SurfaceHandle dc);
ObjectHandle get_system_color_brush(int index);

}  // namespace kanvo::platform
