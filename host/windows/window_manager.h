// The window system's shared state: classes, windows, stacking, activation and focus, and the
// display that shows them. One mutex guards it all; window procedures are never called with it
// held, and it is taken before any queue's mutex, never after.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/display/display.h"
#include "host/surface/surface.h"
#include "host/windows/classes.h"
#include "host/windows/thread_queue.h"
#include "host/windows/types.h"

namespace kanvo::win::detail {

// The client area's pixel memory. It is as large as the screen from the start, so that device
// contexts over it never have to be moved when the window changes size; only its top-left
// client-size part is shown. Device contexts share it, so it outlives a window they still hold.
struct ClientPixels {
  ClientPixels(std::int32_t width, std::int32_t height);
  ~ClientPixels();
  ClientPixels(const ClientPixels&) = delete;
  ClientPixels& operator=(const ClientPixels&) = delete;

  surface::PixelWord* memory = nullptr;
  std::int32_t stride = 0;  // pixel words per row
  std::int32_t rows = 0;
  surface::SharedPixels shared;  // drawing calls hold its lock and count its changes
};

struct ClassRecord {
  WindowClass info;
  int windows = 0;
};

struct Window {
  WindowHandle handle = kNoWindow;
  std::shared_ptr<ClassRecord> window_class;
  std::shared_ptr<ThreadQueue> owner;
  WindowHandle owner_window = kNoWindow;
  WindowHandle parent = kNoWindow;     // child windows: the window they sit in
  std::vector<WindowHandle> children;  // bottom to top
  std::uint32_t id = 0;                // child windows: the identifier given at creation
  // Top-level windows: the child that had the focus when the window was last active.
  WindowHandle last_focus = kNoWindow;
  std::shared_ptr<void> data;  // whatever the window's procedure keeps with the window
  std::string title;           // GBK
  std::string title_utf8;      // for the display
  std::uint32_t style = 0;
  std::uint32_t ex_style = 0;
  Rect outer;  // screen pixels; a child's relative to its parent's client area
  bool visible = false;
  bool enabled = true;
  bool minimized = false;
  bool destroying = false;
  bool off_screen = false;  // stands for something that is not on the screen (the console)
  std::shared_ptr<ClientPixels> pixels;
  Rect update;  // invalid client area (bounding box)
  bool update_pending = false;
  bool erase_pending = false;
  std::uint64_t frame_version = 1;  // counted up when the frame's look or the size changes

  bool is_child() const { return parent != kNoWindow; }
};

struct DcRecord {
  WindowHandle window = kNoWindow;
  std::shared_ptr<ClientPixels> pixels;
  surface::ObjectHandle bitmap = surface::kNoObject;
};

// How the user is handling a window with the mouse at the moment.
struct PointerState {
  std::uint32_t buttons = 0;  // mouse_keys button bits held
  WindowHandle dragging = kNoWindow;
  Point drag_offset;                 // pointer minus the window's top-left while dragging
  WindowHandle capture = kNoWindow;  // receives all mouse input while it is set
  WindowHandle pressed_window = kNoWindow;
  int pressed_part = 0;  // caption button pressed, released over it to take effect
  WindowHandle last_click_window = kNoWindow;
  std::uint32_t last_click_message = 0;
  std::uint32_t last_click_time = 0;
  Point last_click_position;
};

class WindowManager final : public display::Scene {
 public:
  static WindowManager& instance();

  // ---- Under `mutex` ----
  Window* find(WindowHandle handle);
  display::Display& screen();
  // The display for a call that must not hold `mutex` while it runs.
  std::shared_ptr<display::Display> shared_screen();
  // Outer and client rectangles in screen pixels.
  Rect outer_on_screen(const Window& window);
  Rect client_on_screen(const Window& window);
  Size client_size(const Window& window) const;
  Window& top_level(Window& window);
  // Whether `handle` is the window or one of its descendants.
  bool is_within(const Window& window, WindowHandle handle);
  // Shown with all its ancestors.
  bool is_showing(const Window& window);
  // Enabled with all its ancestors.
  bool takes_input(const Window& window);
  // The deepest shown child of the window under the point (or the window itself).
  Window* child_at(Window& window, Point screen_point);
  // The first window of the thread that waits to be painted (for `filter` only, unless null).
  Window* next_to_paint(const ThreadQueue* queue, WindowHandle filter);
  // A child's change of place or visibility shows in the picture of its top-level window.
  void touch(Window& window);
  void invalidate(Window& window, const Rect* rect, bool erase);
  void validate(Window& window);
  // Moves and sizes the outer rectangle (sizes clamped), invalidates what a larger client area
  // uncovers and tells the owner.
  void place(Window& window, Point position, Size size, bool move, bool resize);
  // Restacks among the top-level windows, or a child among its siblings.
  void raise(Window& window, WindowHandle insert_after);
  // Makes the top-level window active (null: none); the focus goes to it, or back to the child
  // of it that had the focus when it was last active.
  void activate(Window* window);
  // Moves the keyboard focus (null: none) and tells both windows.
  void move_focus(WindowHandle handle);
  // Makes the topmost shown window other than `leaving` active when `leaving` is.
  void pass_activation_on(const Window& leaving);
  void set_minimized(Window& window, bool minimized);
  // Shows (to be painted whole) or hides the window and tells the owner.
  void set_visible(Window& window, bool visible);
  // Frees the window with its descendants; their procedures are not told.
  void remove(Window& window);
  Window* window_at(Point screen_point);
  void changed() { screen().scene_changed(); }
  std::shared_ptr<display::Display> take_display() { return std::move(display_); }

  WindowHandle allocate_handle(std::unique_ptr<Window> window);

  std::mutex mutex;
  std::unordered_map<std::string, std::shared_ptr<ClassRecord>> classes;
  std::vector<std::unique_ptr<Window>> slots;  // index + 1 is the handle's low half
  std::vector<std::uint16_t> generations;
  std::vector<std::size_t> free_slots;
  std::vector<WindowHandle> stacking;  // bottom to top
  std::unordered_map<std::uint32_t, DcRecord> dcs;
  WindowHandle active = kNoWindow;
  WindowHandle focus = kNoWindow;
  PointerState pointer;
  Point next_default_position{20, 20};

  // ---- display::Scene (take `mutex` themselves) ----
  std::vector<display::SceneWindow> windows() override;
  bool render(std::uint32_t id, surface::PixelWord* pixels, std::int32_t width,
              std::int32_t height) override;
  void deliver(const display::InputEvent& event) override;
  bool drags(std::uint32_t id, Point point) override;

 private:
  WindowManager() = default;
  void route_mouse(const display::InputEvent& event);
  void route_key(const display::InputEvent& event);
  void route_window_event(const display::InputEvent& event);
  void post_client_mouse(Window& window, std::uint32_t message, Point screen_point,
                         std::uint32_t modifiers);
  void route_captured_mouse(Window& window, const display::InputEvent& event);
  void route_client_button(Window& window, const display::InputEvent& event);

  std::shared_ptr<display::Display> display_;
};

// Posts to a window's owner; the caller holds the manager's mutex.
void post_to_owner(Window& window, std::uint32_t message, WParam wparam, LParam lparam);

}  // namespace kanvo::win::detail
