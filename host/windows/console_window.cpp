#include "host/windows/console_window.h"

#include <cstdlib>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "host/process/orderly_end.h"
#include "host/windows/classes.h"
#include "host/windows/messages.h"
#include "host/windows/window_manager.h"
#include "host/windows/windows.h"

namespace kanvo::win {
namespace {

constexpr std::string_view kClassName = "KanvoConsole";
constexpr std::int32_t kWidth = 660;
constexpr std::int32_t kHeight = 420;

std::mutex g_sink_mutex;
std::shared_ptr<const TypedInputSink> g_sink;

void hand_over(char32_t character) {
  std::shared_ptr<const TypedInputSink> sink;
  {
    std::lock_guard lock(g_sink_mutex);
    sink = g_sink;
  }
  // Called without the lock, so that the sink may take locks of its own.
  if (sink && *sink) (*sink)(character);
}

LResult console_procedure(WindowHandle window, std::uint32_t message, WParam wparam,
                          LParam lparam) {
  switch (message) {
    case msg::kChar:
      hand_over(static_cast<char32_t>(wparam));
      return 0;
    case msg::kClose:
      std::exit(0);
    case msg::kDestroy:
      post_quit_message(0);
      return 0;
    default:
      return default_window_procedure(window, message, wparam, lparam);
  }
}

void run_console_window(std::promise<WindowHandle>* created) {
  register_class(
      {std::string(kClassName), 0, console_procedure, Cursor::arrow, surface::kNoObject});
  CreateParams params;
  params.class_name = kClassName;
  params.title = "Console";
  params.style = style::kCaption | style::kSystemMenu | style::kMinimizeBox;
  params.x = 0;
  params.y = 0;
  params.width = kWidth;
  params.height = kHeight;
  const WindowHandle window = create_window(params);
  if (window != kNoWindow) {
    detail::WindowManager& manager = detail::WindowManager::instance();
    std::lock_guard lock(manager.mutex);
    if (detail::Window* record = manager.find(window)) record->off_screen = true;
  }
  created->set_value(window);
  if (window == kNoWindow) return;
  Message message;
  while (get_message(&message)) {
    translate_message(message);
    dispatch_message(message);
  }
}

// The console window's thread, stopped at the process's end (unless the end runs on it: a
// close of the console ends the process from there).
struct ConsoleThread {
  std::thread thread;
  WindowHandle window = kNoWindow;
  process::EndStep stops_at_end{process::EndStage::windows, [this] { stop(); }};

  void stop() {
    if (!thread.joinable() || thread.get_id() == std::this_thread::get_id()) return;
    request_destroy(window);
    thread.join();
  }
};

}  // namespace

WindowHandle console_window() {
  // Never destroyed: its thread may be stopped only at the end.
  static ConsoleThread* const console = [] {
    auto* made = new ConsoleThread;
    std::promise<WindowHandle> created;
    std::future<WindowHandle> handle = created.get_future();
    // The thread owns the promise: this one may be gone from here while the answer is still
    // being handed over.
    made->thread =
        std::thread([created = std::move(created)]() mutable { run_console_window(&created); });
    made->window = handle.get();
    return made;
  }();
  return console->window;
}

void set_console_input(TypedInputSink sink) {
  auto replacement = std::make_shared<const TypedInputSink>(std::move(sink));
  std::lock_guard lock(g_sink_mutex);
  g_sink = std::move(replacement);
}

}  // namespace kanvo::win
