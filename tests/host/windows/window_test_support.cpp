#include "tests/host/windows/window_test_support.h"

#include <cstdlib>
#include <future>

#include "host/display/keys.h"

namespace kanvo::win::testing {
namespace {

constexpr std::uint32_t kRun = msg::kUser + 1;
constexpr auto kPatience = std::chrono::seconds(2);

LResult logging_procedure(WindowHandle window, std::uint32_t message, WParam wparam,
                          LParam lparam) {
  Seen seen{window, message, wparam, lparam, std::this_thread::get_id(), {}};
  if (message == kEcho) {
    MessageLog::instance().add(seen);
    return static_cast<LResult>(wparam + 1);
  }
  if (message == msg::kPaint) {
    PaintInfo paint;
    begin_paint(window, &paint);
    seen.paint = paint.paint;
    end_paint(window, paint);
    MessageLog::instance().add(seen);
    return 0;
  }
  MessageLog::instance().add(seen);
  return default_window_procedure(window, message, wparam, lparam);
}

LResult control_procedure(WindowHandle window, std::uint32_t message, WParam wparam,
                          LParam lparam) {
  if (message == kRun) {
    (*reinterpret_cast<const std::function<void()>*>(lparam))();
    return 1;
  }
  return default_window_procedure(window, message, wparam, lparam);
}

}  // namespace

MessageLog& MessageLog::instance() {
  static MessageLog log;
  return log;
}

void MessageLog::add(const Seen& seen) {
  std::lock_guard lock(mutex_);
  seen_.push_back(seen);
  changed_.notify_all();
}

void MessageLog::clear() {
  std::lock_guard lock(mutex_);
  seen_.clear();
}

bool MessageLog::wait_for(std::uint32_t message, std::size_t count) {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, kPatience, [&] {
    std::size_t found = 0;
    for (const Seen& seen : seen_) found += seen.message == message ? 1 : 0;
    return found >= count;
  });
}

std::vector<Seen> MessageLog::of(std::uint32_t message) {
  std::lock_guard lock(mutex_);
  std::vector<Seen> found;
  for (const Seen& seen : seen_) {
    if (seen.message == message) found.push_back(seen);
  }
  return found;
}

void ensure_classes() {
  static const bool registered = [] {
    setenv("KANVO_DISPLAY", "headless", 0);
    const auto black = surface::get_stock_object(surface::StockObject::black_brush);
    register_class({kLogged, class_style::kDoubleClicks, logging_procedure, Cursor::arrow, black});
    register_class(
        {kLoggedNoClose, class_style::kNoClose, logging_procedure, Cursor::arrow, black});
    register_class({kRed, 0, logging_procedure, Cursor::arrow,
                    surface::create_solid_brush(surface::rgb(255, 0, 0))});
    register_class({"Control", 0, control_procedure, Cursor::arrow, surface::kNoObject});
    return true;
  }();
  (void)registered;
}

WindowHandle make_window(const char* class_name, std::int32_t x, std::int32_t y, std::int32_t width,
                         std::int32_t height, std::uint32_t window_style) {
  return make_child(class_name, kNoWindow, {x, y, x + width, y + height}, window_style, 0,
                    class_name);
}

WindowHandle make_child(const char* class_name, WindowHandle parent, const Rect& place,
                        std::uint32_t window_style, std::uint32_t id, std::string_view text,
                        std::uint32_t ex_style) {
  ensure_classes();
  return create_window(class_name, text, window_style, ex_style, place, parent, id);
}

WindowThread::WindowThread() {
  ensure_classes();
  std::promise<WindowHandle> ready;
  std::future<WindowHandle> control = ready.get_future();
  thread_ = std::thread([&ready] {
    ready.set_value(make_window("Control", 0, 0, 0, 0, 0));
    Message message;
    while (get_message(&message)) {
      translate_message(message);
      dispatch_message(message);
    }
  });
  control_ = control.get();
}

WindowThread::~WindowThread() {
  call([] { post_quit_message(0); });
  thread_.join();
}

void WindowThread::call(const std::function<void()>& job) {
  send_message(control_, kRun, 0, reinterpret_cast<LParam>(&job));
}

WindowHandle WindowThread::create(const char* class_name, std::int32_t x, std::int32_t y,
                                  std::int32_t width, std::int32_t height,
                                  std::uint32_t window_style) {
  WindowHandle window = kNoWindow;
  call([&] { window = make_window(class_name, x, y, width, height, window_style); });
  return window;
}

void WindowThread::settle() {
  // A message posted now comes out after everything posted before it; paints come after that,
  // so two rounds see the queue empty.
  for (int round = 0; round < 2; ++round) {
    call([] {
      Message message;
      while (peek_message(&message)) {
        translate_message(message);
        dispatch_message(message);
      }
    });
  }
}

display::HeadlessDisplay& screen() {
  ensure_classes();
  return *headless_screen();
}

void press(display::InputEvent::Kind kind, Point at, std::uint32_t time_ms,
           display::MouseButton button) {
  display::InputEvent event;
  event.kind = kind;
  event.position = at;
  event.button = button;
  event.time_ms = time_ms;
  screen().inject(event);
}

void click(Point at, std::uint32_t time_ms, display::MouseButton button) {
  press(display::InputEvent::Kind::button_down, at, time_ms, button);
  press(display::InputEvent::Kind::button_up, at, time_ms + 20, button);
}

void key(std::uint32_t virtual_key, bool down) {
  display::InputEvent event;
  event.kind = down ? display::InputEvent::Kind::key_down : display::InputEvent::Kind::key_up;
  event.key = virtual_key;
  screen().inject(event);
}

surface::PixelWord client_pixel(const display::Image& image, WindowHandle window, Point at) {
  client_to_screen(window, &at);
  return image.at(at.x, at.y);
}

}  // namespace kanvo::win::testing

namespace kanvo::win::testing {

void stroke(std::uint32_t virtual_key, bool shift, bool control) {
  if (shift) key(keys::kShift, true);
  if (control) key(keys::kControl, true);
  key(virtual_key, true);
  key(virtual_key, false);
  if (control) key(keys::kControl, false);
  if (shift) key(keys::kShift, false);
}

void type(std::string_view text) {
  for (const char c : text) {
    if (c >= 'a' && c <= 'z') {
      stroke(keys::kLetterA + static_cast<std::uint32_t>(c - 'a'));
    } else if (c >= 'A' && c <= 'Z') {
      stroke(keys::kLetterA + static_cast<std::uint32_t>(c - 'A'), true);
    } else if (c >= '0' && c <= '9') {
      stroke(keys::kDigit0 + static_cast<std::uint32_t>(c - '0'));
    } else if (c == ' ') {
      stroke(keys::kSpace);
    }
  }
}

Point middle_of(WindowHandle window) {
  Rect outer;
  get_window_rect(window, &outer);
  return {(outer.left + outer.right) / 2, (outer.top + outer.bottom) / 2};
}

}  // namespace kanvo::win::testing
