// The window system over the host's. Window procedures take the port's handles, so each class's
// procedure is reached through one of a few fixed entry points that the host calls.
#include <array>
#include <atomic>
#include <utility>
#include <vector>

#include "graphics/platform/host/host_values.h"
#include "graphics/platform/window_system.h"
#include "host/windows/console_window.h"
#include "host/windows/messages.h"
#include "host/windows/system_colors.h"
#include "host/windows/windows.h"

namespace kanvo::platform {
namespace {

// The library registers two classes (the graphics window, the text dialog); a few more slots
// leave room. A slot, once taken, keeps its procedure: a class registered again finds it.
constexpr std::size_t kProcedureSlots = 8;
std::array<std::atomic<WindowProcedure>, kProcedureSlots> procedures{};

template <std::size_t Slot>
win::LResult enter(win::WindowHandle window, std::uint32_t message, win::WParam wparam,
                   win::LParam lparam) {
  return procedures[Slot].load(std::memory_order_acquire)(from_host(window), message, wparam,
                                                          lparam);
}

template <std::size_t... Slots>
constexpr std::array<win::WindowProcedure, sizeof...(Slots)> entry_points(
    std::index_sequence<Slots...>) {
  return {&enter<Slots>...};
}
constexpr auto kEntryPoints = entry_points(std::make_index_sequence<kProcedureSlots>());

// The host's entry point for the procedure, taking a free slot for a new one; null when every
// slot is taken.
win::WindowProcedure entry_for(WindowProcedure procedure) {
  for (std::size_t i = 0; i < kProcedureSlots; ++i) {
    WindowProcedure expected = nullptr;
    if (procedures[i].compare_exchange_strong(expected, procedure, std::memory_order_acq_rel) ||
        expected == procedure) {
      return kEntryPoints[i];
    }
  }
  return nullptr;
}

WindowProcedure procedure_of(win::WindowProcedure entry) {
  for (std::size_t i = 0; i < kProcedureSlots; ++i) {
    if (kEntryPoints[i] == entry) return procedures[i].load(std::memory_order_acquire);
  }
  return nullptr;
}

win::Message to_host(const Message& message) {
  return {platform::to_host(message.window), message.message, message.wparam, message.lparam};
}

win::PaintInfo to_host(const PaintInfo& paint) {
  return {platform::to_host(paint.dc), platform::to_host(paint.paint), paint.erase};
}

}  // namespace

bool register_class(const WindowClass& window_class) {
  if (window_class.procedure == nullptr) return false;
  const win::WindowProcedure entry = entry_for(window_class.procedure);
  if (entry == nullptr) return false;
  win::WindowClass host;
  host.name = window_class.name;
  host.style = window_class.style;
  host.procedure = entry;
  host.cursor = win::Cursor::arrow;
  host.background = to_host(window_class.background);
  return win::register_class(host);
}
bool unregister_class(std::string_view name) {
  return win::unregister_class(name);
}
bool get_class_info(std::string_view name, WindowClass* window_class) {
  win::WindowClass host;
  if (!win::get_class_info(name, &host)) return false;
  if (window_class != nullptr) {
    window_class->name = host.name;
    window_class->style = host.style;
    window_class->procedure = procedure_of(host.procedure);
    window_class->cursor = Cursor::arrow;
    window_class->background = from_host(host.background);
  }
  return true;
}

WindowHandle create_window(const CreateParams& params) {
  win::CreateParams host;
  host.class_name = params.class_name;
  host.title = params.title;
  host.style = params.style;
  host.ex_style = params.ex_style;
  host.x = params.x;
  host.y = params.y;
  host.width = params.width;
  host.height = params.height;
  host.owner = to_host(params.owner);
  host.id = params.id;
  host.create_data = params.create_data;
  return from_host(win::create_window(host));
}
bool destroy_window(WindowHandle window) {
  return win::destroy_window(to_host(window));
}
bool request_destroy(WindowHandle window) {
  return win::request_destroy(to_host(window));
}
bool is_window(WindowHandle window) {
  return win::is_window(to_host(window));
}
WindowHandle find_window(std::string_view class_name, const char* title) {
  return from_host(win::find_window(class_name, title));
}
WindowHandle get_parent(WindowHandle window) {
  return from_host(win::get_parent(to_host(window)));
}
bool is_minimized(WindowHandle window) {
  return win::is_minimized(to_host(window));
}
bool is_window_enabled(WindowHandle window) {
  return win::is_window_enabled(to_host(window));
}
WindowHandle get_foreground_window() {
  return from_host(win::get_foreground_window());
}
std::size_t z_order(WindowHandle* windows, std::size_t capacity) {
  if (windows == nullptr) return win::z_order(nullptr, capacity);
  std::vector<win::WindowHandle> host(capacity);
  const std::size_t count = win::z_order(host.data(), capacity);
  for (std::size_t i = 0; i < count && i < capacity; ++i) windows[i] = from_host(host[i]);
  return count;
}
bool invalidate_rect(WindowHandle window, const Rect* rect, bool erase) {
  if (rect == nullptr) return win::invalidate_rect(to_host(window), nullptr, erase);
  const surface::Rect host = to_host(*rect);
  return win::invalidate_rect(to_host(window), &host, erase);
}
bool get_update_rect(WindowHandle window, Rect* rect) {
  OutValue<Rect, surface::Rect> host(rect);
  return win::get_update_rect(to_host(window), host.get());
}
std::uint32_t get_window_style(WindowHandle window) {
  return win::get_window_style(to_host(window));
}
WindowHandle get_dialog_item(WindowHandle parent, std::uint32_t id) {
  return from_host(win::get_dialog_item(to_host(parent), id));
}
bool adjust_window_rect(Rect* rect, std::uint32_t style, bool has_menu, std::uint32_t ex_style) {
  OutValue<Rect, surface::Rect> host(rect);
  return win::adjust_window_rect(host.get(), style, has_menu, ex_style);
}
bool show_window(WindowHandle window, int command) {
  return win::show_window(to_host(window), command);
}
bool is_window_visible(WindowHandle window) {
  return win::is_window_visible(to_host(window));
}
bool get_window_rect(WindowHandle window, Rect* rect) {
  OutValue<Rect, surface::Rect> host(rect);
  return win::get_window_rect(to_host(window), host.get());
}
bool get_client_rect(WindowHandle window, Rect* rect) {
  OutValue<Rect, surface::Rect> host(rect);
  return win::get_client_rect(to_host(window), host.get());
}
bool set_window_pos(WindowHandle window, WindowHandle insert_after, std::int32_t x, std::int32_t y,
                    std::int32_t width, std::int32_t height, std::uint32_t flags) {
  return win::set_window_pos(to_host(window), to_host(insert_after), x, y, width, height, flags);
}
bool screen_to_client(WindowHandle window, Point* point) {
  OutValue<Point, surface::Point> host(point);
  return win::screen_to_client(to_host(window), host.get());
}
bool client_to_screen(WindowHandle window, Point* point) {
  OutValue<Point, surface::Point> host(point);
  return win::client_to_screen(to_host(window), host.get());
}
bool enable_window(WindowHandle window, bool enable) {
  return win::enable_window(to_host(window), enable);
}
bool set_foreground_window(WindowHandle window) {
  return win::set_foreground_window(to_host(window));
}
WindowHandle set_focus(WindowHandle window) {
  return from_host(win::set_focus(to_host(window)));
}
WindowHandle get_focus() {
  return from_host(win::get_focus());
}
std::int32_t get_window_text(WindowHandle window, char* buffer, std::int32_t size) {
  return win::get_window_text(to_host(window), buffer, size);
}
std::int32_t get_window_text_length(WindowHandle window) {
  return win::get_window_text_length(to_host(window));
}
Rect work_area() {
  return from_host(win::work_area());
}

bool post_message(WindowHandle window, std::uint32_t message, WParam wparam, LParam lparam) {
  return win::post_message(to_host(window), message, wparam, lparam);
}
LResult send_message(WindowHandle window, std::uint32_t message, WParam wparam, LParam lparam) {
  return win::send_message(to_host(window), message, wparam, lparam);
}
bool get_message(Message* message) {
  if (message == nullptr) return win::get_message(nullptr);
  win::Message host;
  const bool more = win::get_message(&host);
  *message = {from_host(host.window), host.message, host.wparam, host.lparam};
  return more;
}
bool translate_message(const Message& message) {
  return win::translate_message(to_host(message));
}
LResult dispatch_message(const Message& message) {
  return win::dispatch_message(to_host(message));
}
LResult default_window_procedure(WindowHandle window, std::uint32_t message, WParam wparam,
                                 LParam lparam) {
  return win::default_window_procedure(to_host(window), message, wparam, lparam);
}
void post_quit_message(std::int32_t exit_code) {
  win::post_quit_message(exit_code);
}
std::int16_t get_key_state(std::uint32_t virtual_key) {
  return win::get_key_state(virtual_key);
}
char32_t typed_character(std::uint32_t key, bool shift, bool caps_lock, bool control) {
  return win::typed_character(key, shift, caps_lock, control);
}

bool update_window(WindowHandle window) {
  return win::update_window(to_host(window));
}
SurfaceHandle begin_paint(WindowHandle window, PaintInfo* paint) {
  if (paint == nullptr) return kNoSurface;
  win::PaintInfo host;
  const SurfaceHandle dc = from_host(win::begin_paint(to_host(window), &host));
  *paint = {from_host(host.dc), from_host(host.paint), host.erase};
  return dc;
}
bool end_paint(WindowHandle window, const PaintInfo& paint) {
  return win::end_paint(to_host(window), to_host(paint));
}
SurfaceHandle get_dc(WindowHandle window) {
  return from_host(win::get_dc(to_host(window)));
}
bool release_dc(WindowHandle window, SurfaceHandle dc) {
  return win::release_dc(to_host(window), to_host(dc));
}
ObjectHandle get_system_color_brush(int index) {
  return from_host(win::get_system_color_brush(index));
}

}  // namespace kanvo::platform
