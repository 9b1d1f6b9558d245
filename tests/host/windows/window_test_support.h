// Test support: threads that own windows and run a message loop, a log of what the windows'
// procedure saw, and input given to the headless screen.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string_view>
#include <thread>
#include <vector>

#include "host/display/headless_display.h"
#include "host/windows/classes.h"
#include "host/windows/messages.h"
#include "host/windows/painting.h"
#include "host/windows/screen.h"
#include "host/windows/windows.h"

namespace kanvo::win::testing {

// Classes every test may use: "Logged" (double clicks, black background), "LoggedNoClose"
// (close forbidden, no double clicks), "Red" (red background).
inline constexpr const char* kLogged = "Logged";
inline constexpr const char* kLoggedNoClose = "LoggedNoClose";
inline constexpr const char* kRed = "Red";
// Message a test sends to have its procedure answer with wparam + 1.
inline constexpr std::uint32_t kEcho = msg::kUser + 7;

// The quiz window's style: caption, system menu and minimise box.
inline constexpr std::uint32_t kCaptionStyle =
    style::kCaption | style::kSystemMenu | style::kMinimizeBox;

struct Seen {
  WindowHandle window = kNoWindow;
  std::uint32_t message = 0;
  WParam wparam = 0;
  LParam lparam = 0;
  std::thread::id thread;
  Rect paint;  // msg::kPaint: the area begin_paint handed out
};

class MessageLog {
 public:
  static MessageLog& instance();
  void add(const Seen& seen);
  void clear();
  // Waits until `count` messages of this number were seen; false after two seconds.
  bool wait_for(std::uint32_t message, std::size_t count = 1);
  std::vector<Seen> of(std::uint32_t message);

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<Seen> seen_;
};

void ensure_classes();

// Creates a window of the class on the calling thread.
WindowHandle make_window(const char* class_name, std::int32_t x, std::int32_t y, std::int32_t width,
                         std::int32_t height, std::uint32_t window_style = kCaptionStyle);

// Creates a child window of the class in `parent`'s client area on the calling thread (or a
// top-level window owned by `parent`, without style::kChild).
WindowHandle make_child(const char* class_name, WindowHandle parent, const Rect& place,
                        std::uint32_t window_style = style::kChild | style::kVisible,
                        std::uint32_t id = 0, std::string_view text = {},
                        std::uint32_t ex_style = 0);

// A thread that owns windows: it runs each job handed to it, then serves its message loop
// (translate and dispatch) until it is destroyed.
class WindowThread {
 public:
  WindowThread();
  ~WindowThread();
  WindowThread(const WindowThread&) = delete;
  WindowThread& operator=(const WindowThread&) = delete;

  // Runs the job on the window thread and returns when it is done.
  void call(const std::function<void()>& job);
  WindowHandle create(const char* class_name, std::int32_t x, std::int32_t y, std::int32_t width,
                      std::int32_t height, std::uint32_t window_style = kCaptionStyle);
  std::thread::id id() const { return thread_.get_id(); }
  // Waits until the thread's queue has nothing left to do (posted messages and paints).
  void settle();

 private:
  std::thread thread_;
  WindowHandle control_ = kNoWindow;
};

// Input on the headless screen.
display::HeadlessDisplay& screen();
void click(Point at, std::uint32_t time_ms,
           display::MouseButton button = display::MouseButton::left);
void press(display::InputEvent::Kind kind, Point at, std::uint32_t time_ms,
           display::MouseButton button = display::MouseButton::left);
void key(std::uint32_t virtual_key, bool down);
// A key pressed and released, with Shift and Control held around it when asked.
void stroke(std::uint32_t virtual_key, bool shift = false, bool control = false);
// Letters, digits and spaces typed on the keyboard (capitals with Shift).
void type(std::string_view text);
// The middle of a window's outer rectangle on the screen.
Point middle_of(WindowHandle window);

// Client pixel of a window as the screen shows it.
surface::PixelWord client_pixel(const display::Image& image, WindowHandle window, Point at);

}  // namespace kanvo::win::testing
