#include "host/display/sdl_display.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <future>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/display/sdl_keys.h"
#include "host/display/wayland_seat.h"
#include "host/process/orderly_end.h"
#include "host/sdl_setup.h"

namespace kanvo::display {
namespace {

constexpr int kDefaultRefreshRate = 60;

// One scene window as it stands on the screen.
struct Mirror {
  SDL_Window* window = nullptr;
  Rect outer;
  bool shown = false;
  bool minimized = false;
  bool stale = true;  // to be presented whatever the version says
  std::uint64_t version = 0;
  std::string title;
  std::vector<PixelWord> picture;
};

Rect to_rect(const SDL_Rect& r) {
  return {r.x, r.y, r.x + r.w, r.y + r.h};
}

// SDL's Wayland driver crashes while it starts under a compositor that offers no seat (no
// keyboard, no pointer). The X server serves then where there is one; otherwise false, and the
// windows stay off the screen. Only a compositor that SDL is sent to is asked: looking for one
// where none is named would print complaints. Runs under the setup lock, before the video
// driver starts.
bool keep_off_seatless_wayland() {
  const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
  const bool any_driver = asked == nullptr || *asked == '\0';
  const bool wayland_asked =
      !any_driver && std::string_view(asked).find("wayland") != std::string_view::npos;
  const char* compositor = std::getenv("WAYLAND_DISPLAY");
  const bool compositor_named = compositor != nullptr && *compositor != '\0';
  if (!(wayland_asked || (any_driver && compositor_named))) return true;
  if (wayland_seat() != WaylandSeat::missing) return true;
  const char* x11 = std::getenv("DISPLAY");
  if (x11 == nullptr || *x11 == '\0') return false;
  SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "x11", SDL_HINT_OVERRIDE);
  return true;
}

std::uint32_t modifiers_now() {
  const SDL_Keymod held = SDL_GetModState();
  std::uint32_t bits = 0;
  if ((held & KMOD_SHIFT) != 0) bits |= modifier::kShift;
  if ((held & KMOD_CTRL) != 0) bits |= modifier::kControl;
  if ((held & KMOD_ALT) != 0) bits |= modifier::kAlt;
  return bits;
}

MouseButton button_of(std::uint8_t button) {
  switch (button) {
    case SDL_BUTTON_LEFT:
      return MouseButton::left;
    case SDL_BUTTON_MIDDLE:
      return MouseButton::middle;
    case SDL_BUTTON_RIGHT:
      return MouseButton::right;
    default:
      return MouseButton::none;
  }
}

// Code points of UTF-8 text, as far as it is well formed.
std::u32string decode_utf8(const char* text) {
  std::u32string result;
  const auto* p = reinterpret_cast<const unsigned char*>(text);
  while (*p != 0) {
    int extra = 0;
    char32_t code = *p;
    if (code >= 0xF0) {
      extra = 3;
      code &= 0x07;
    } else if (code >= 0xE0) {
      extra = 2;
      code &= 0x0F;
    } else if (code >= 0xC0) {
      extra = 1;
      code &= 0x1F;
    }
    ++p;
    for (int i = 0; i < extra; ++i, ++p) {
      if ((*p & 0xC0) != 0x80) return result;
      code = (code << 6) | (*p & 0x3F);
    }
    result.push_back(code);
  }
  return result;
}

}  // namespace

struct SdlDisplay::Loop {
  explicit Loop(SdlDisplay& owner) : display(owner) {}

  SdlDisplay& display;
  std::unordered_map<std::uint32_t, Mirror> mirrors;
  std::unordered_map<std::uint32_t, std::uint32_t> by_sdl_id;
  std::vector<std::uint32_t> stacking;  // shown windows, bottom to top, as last applied

  Mirror* mirror_of(std::uint32_t sdl_id, std::uint32_t* id) {
    const auto found = by_sdl_id.find(sdl_id);
    if (found == by_sdl_id.end()) return nullptr;
    *id = found->second;
    const auto mirror = mirrors.find(found->second);
    return mirror == mirrors.end() ? nullptr : &mirror->second;
  }

  void run() {
    const std::uint32_t period = 1000 / static_cast<std::uint32_t>(refresh_rate());
    std::uint32_t next_refresh = SDL_GetTicks();
    while (!display.stopping_.load(std::memory_order_acquire)) {
      display.run_jobs();
      const std::uint32_t now = SDL_GetTicks();
      const int wait =
          SDL_TICKS_PASSED(now, next_refresh) ? 0 : static_cast<int>(next_refresh - now);
      SDL_Event event;
      bool handled = false;
      while (SDL_PollEvent(&event) != 0) {
        handle(event);
        handled = true;
      }
      // Not SDL's own wait: on X11 it wakes a waiter by sending an event to a window, which may
      // be the one this thread is destroying, and Xlib ends the process for that error.
      if (!handled) display.wait_for_wake(wait);
      if (SDL_TICKS_PASSED(SDL_GetTicks(), next_refresh)) {
        sync();
        next_refresh = SDL_GetTicks() + period;
      }
    }
    display.stop_jobs();
    for (auto& [id, mirror] : mirrors) SDL_DestroyWindow(mirror.window);
    const std::lock_guard setup(sdl_setup_lock());
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }

  static int refresh_rate() {
    SDL_DisplayMode mode;
    if (SDL_GetCurrentDisplayMode(0, &mode) != 0 || mode.refresh_rate <= 0) {
      return kDefaultRefreshRate;
    }
    return mode.refresh_rate;
  }

  void deliver(InputEvent event) { display.scene_.deliver(event); }

  // The pointer in screen pixels, from its place in the event's window.
  Point pointer_on_screen(std::uint32_t sdl_window, int x, int y) {
    std::uint32_t id = 0;
    const Mirror* mirror = mirror_of(sdl_window, &id);
    if (mirror == nullptr) return {x, y};
    return {mirror->outer.left + x, mirror->outer.top + y};
  }

  // The system moves a window whose caption is pressed, as it does with its own windows.
  static SDL_HitTestResult hit_test(SDL_Window* window, const SDL_Point* area, void* data) {
    Loop& loop = *static_cast<Loop*>(data);
    std::uint32_t id = 0;
    if (loop.mirror_of(SDL_GetWindowID(window), &id) == nullptr) return SDL_HITTEST_NORMAL;
    return loop.display.scene_.drags(id, {area->x, area->y}) ? SDL_HITTEST_DRAGGABLE
                                                             : SDL_HITTEST_NORMAL;
  }

  void handle(const SDL_Event& event) {
    InputEvent input;
    input.time_ms = event.common.timestamp;
    input.modifiers = modifiers_now();
    switch (event.type) {
      case SDL_MOUSEMOTION:
        input.kind = InputEvent::Kind::mouse_move;
        input.position = pointer_on_screen(event.motion.windowID, event.motion.x, event.motion.y);
        deliver(input);
        break;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP:
        input.kind = event.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Kind::button_down
                                                       : InputEvent::Kind::button_up;
        input.button = button_of(event.button.button);
        input.position = pointer_on_screen(event.button.windowID, event.button.x, event.button.y);
        if (input.button != MouseButton::none) deliver(input);
        break;
      case SDL_MOUSEWHEEL: {
        const int notches =
            event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
        if (notches == 0) break;
        input.kind = InputEvent::Kind::wheel;
        input.wheel = notches * 120;
        input.position =
            pointer_on_screen(event.wheel.windowID, event.wheel.mouseX, event.wheel.mouseY);
        deliver(input);
        break;
      }
      case SDL_KEYDOWN:
      case SDL_KEYUP:
        input.kind =
            event.type == SDL_KEYDOWN ? InputEvent::Kind::key_down : InputEvent::Kind::key_up;
        input.key = virtual_key(event.key.keysym);
        input.repeat = event.key.repeat != 0;
        if (input.key != 0) deliver(input);
        break;
      case SDL_TEXTINPUT:
        // Plain ASCII comes from the key presses themselves; only what they cannot type is
        // passed on as text.
        input.kind = InputEvent::Kind::text;
        for (const char32_t character : decode_utf8(event.text.text)) {
          if (character < 0x80) continue;
          input.character = character;
          deliver(input);
        }
        break;
      case SDL_WINDOWEVENT:
        handle_window_event(event.window, input);
        break;
      default:
        break;
    }
  }

  void handle_window_event(const SDL_WindowEvent& event, InputEvent input) {
    std::uint32_t id = 0;
    Mirror* mirror = mirror_of(event.windowID, &id);
    if (mirror == nullptr) return;
    input.window = id;
    switch (event.event) {
      case SDL_WINDOWEVENT_CLOSE:
        input.kind = InputEvent::Kind::close;
        deliver(input);
        break;
      case SDL_WINDOWEVENT_MINIMIZED:
        if (mirror->minimized) break;
        mirror->minimized = true;
        input.kind = InputEvent::Kind::minimized;
        deliver(input);
        break;
      case SDL_WINDOWEVENT_RESTORED:
        if (!mirror->minimized) break;
        mirror->minimized = false;
        mirror->stale = true;
        input.kind = InputEvent::Kind::restored;
        deliver(input);
        break;
      case SDL_WINDOWEVENT_EXPOSED:
        mirror->stale = true;
        break;
      case SDL_WINDOWEVENT_MOVED:
        if (event.data1 == mirror->outer.left && event.data2 == mirror->outer.top) break;
        input.kind = InputEvent::Kind::moved;
        input.position = {event.data1, event.data2};
        mirror->outer = {event.data1, event.data2,
                         event.data1 + (mirror->outer.right - mirror->outer.left),
                         event.data2 + (mirror->outer.bottom - mirror->outer.top)};
        deliver(input);
        break;
      case SDL_WINDOWEVENT_FOCUS_GAINED:
        input.kind = InputEvent::Kind::focused;
        deliver(input);
        break;
      default:
        break;
    }
  }

  void sync() {
    const std::vector<SceneWindow> scene = display.scene_.windows();
    for (auto it = mirrors.begin(); it != mirrors.end();) {
      const bool kept = std::any_of(scene.begin(), scene.end(),
                                    [&](const SceneWindow& w) { return w.id == it->first; });
      if (kept) {
        ++it;
        continue;
      }
      by_sdl_id.erase(SDL_GetWindowID(it->second.window));
      SDL_DestroyWindow(it->second.window);
      it = mirrors.erase(it);
    }
    std::vector<std::uint32_t> shown_order;
    for (const SceneWindow& window : scene) {
      if (mirror(window)) shown_order.push_back(window.id);
    }
    restack(shown_order);
  }

  // Brings one window up to date; true when it is shown.
  bool mirror(const SceneWindow& window) {
    const int width = window.outer.right - window.outer.left;
    const int height = window.outer.bottom - window.outer.top;
    const bool has_area = width > 0 && height > 0;
    const bool show = window.shown && has_area;
    const bool minimize = window.minimized && has_area;
    Mirror& m = mirrors[window.id];
    if (m.window == nullptr) {
      if (!show && !minimize) {
        mirrors.erase(window.id);
        return false;
      }
      m.window = SDL_CreateWindow(window.title.c_str(), window.outer.left, window.outer.top, width,
                                  height, SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN);
      if (m.window == nullptr) {
        mirrors.erase(window.id);
        return false;
      }
      // A first window may load more (input methods, cursors).
      process::libraries_may_have_loaded();
      by_sdl_id[SDL_GetWindowID(m.window)] = window.id;
      SDL_SetWindowHitTest(m.window, hit_test, this);
      m.outer = window.outer;
      m.title = window.title;
    }
    if (m.title != window.title) {
      SDL_SetWindowTitle(m.window, window.title.c_str());
      m.title = window.title;
    }
    if (has_area &&
        (m.outer.right - m.outer.left != width || m.outer.bottom - m.outer.top != height)) {
      SDL_SetWindowSize(m.window, width, height);
      m.stale = true;
    }
    if (m.outer.left != window.outer.left || m.outer.top != window.outer.top) {
      SDL_SetWindowPosition(m.window, window.outer.left, window.outer.top);
    }
    if (has_area) m.outer = window.outer;
    if (show && !m.shown) {
      SDL_ShowWindow(m.window);
      m.stale = true;
    }
    if (show && m.minimized) {
      SDL_RestoreWindow(m.window);
      m.minimized = false;
    }
    if (minimize && !m.minimized) {
      if (!m.shown) SDL_ShowWindow(m.window);
      SDL_MinimizeWindow(m.window);
      m.minimized = true;
    }
    if (!show && !minimize && m.shown) SDL_HideWindow(m.window);
    m.shown = show || minimize;
    if (show && (m.stale || m.version != window.version)) present(window.id, m, width, height);
    return show;
  }

  void present(std::uint32_t id, Mirror& m, int width, int height) {
    SDL_Surface* surface = SDL_GetWindowSurface(m.window);
    if (surface == nullptr || surface->w != width || surface->h != height) return;
    m.picture.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    // Read the version first: a change during the copy makes the next refresh copy again.
    const std::uint64_t version = current_version(id);
    if (!display.scene_.render(id, m.picture.data(), width, height)) return;
    if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return;
    SDL_ConvertPixels(width, height, SDL_PIXELFORMAT_RGB888, m.picture.data(), width * 4,
                      surface->format->format, surface->pixels, surface->pitch);
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    SDL_UpdateWindowSurface(m.window);
    m.version = version;
    m.stale = false;
  }

  std::uint64_t current_version(std::uint32_t id) {
    for (const SceneWindow& window : display.scene_.windows()) {
      if (window.id == id) return window.version;
    }
    return 0;
  }

  void restack(const std::vector<std::uint32_t>& order) {
    if (order == stacking) return;
    std::size_t same = 0;
    while (same < order.size() && same < stacking.size() && order[same] == stacking[same]) ++same;
    for (std::size_t i = same; i < order.size(); ++i) SDL_RaiseWindow(mirrors[order[i]].window);
    stacking = order;
  }
};

std::unique_ptr<SdlDisplay> SdlDisplay::open(Scene& scene, std::string& failure) {
  std::unique_ptr<SdlDisplay> display(new SdlDisplay(scene));
  std::promise<bool> opened;
  std::future<bool> result = opened.get_future();
  SdlDisplay* self = display.get();
  // The thread owns the promise: the opening thread may be gone from here while the answer is
  // still being handed over.
  // SDL keeps its last error per thread: the display thread copies it out before it answers.
  display->thread_ = std::thread([self, &failure, opened = std::move(opened)]() mutable {
    SDL_Rect bounds;
    SDL_Rect usable;
    {
      const std::lock_guard setup(sdl_setup_lock());
      SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
      SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
      SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
      SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
      // Pictures go to the screen through the window's own framebuffer (shared memory on X11):
      // no OpenGL driver is loaded into the program, and no decoration plugin, whose start-up
      // would race the program's exit.
      SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
      SDL_SetHint(SDL_HINT_VIDEO_WAYLAND_ALLOW_LIBDECOR, "0");
      const bool seated = keep_off_seatless_wayland();
      if (!seated || SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        failure = seated ? SDL_GetError() : "the Wayland compositor has no seat";
        opened.set_value(false);
        return;
      }
      // When no screen answers, SDL settles for a driver that shows nothing (offscreen): a
      // program would wait there for a user who never sees its window.
      const char* current = SDL_GetCurrentVideoDriver();
      const std::string_view driver = current != nullptr ? current : "";
      if (driver != "x11" && driver != "wayland") {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        opened.set_value(false);
        return;
      }
      // SDL's Wayland driver has no framebuffer of its own: it makes one with a renderer, and
      // without one a window never shows anything.
      if (driver == "wayland") SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "1");
      if (SDL_GetDisplayBounds(0, &bounds) != 0) bounds = {0, 0, 1024, 768};
      if (SDL_GetDisplayUsableBounds(0, &usable) != 0) usable = bounds;
    }
    self->bounds_ = to_rect(bounds);
    self->work_area_ = to_rect(usable);
    // SDL has loaded its video driver's libraries.
    process::libraries_may_have_loaded();
    opened.set_value(true);
    Loop{*self}.run();
  });
  if (!result.get()) {
    display->thread_.join();
    return nullptr;
  }
  return display;
}

bool SdlDisplay::on_display_thread(const std::function<void()>& job) {
  Job pending{&job, false};
  std::unique_lock lock(jobs_mutex_);
  if (!taking_jobs_) return false;
  jobs_.push_back(&pending);
  wake();
  jobs_done_.wait(lock, [&] { return pending.done || !taking_jobs_; });
  return pending.done;
}

void SdlDisplay::run_jobs() {
  std::vector<Job*> jobs;
  {
    std::lock_guard lock(jobs_mutex_);
    jobs.swap(jobs_);
  }
  if (jobs.empty()) return;
  for (Job* job : jobs) (*job->run)();
  std::lock_guard lock(jobs_mutex_);
  for (Job* job : jobs) job->done = true;
  jobs_done_.notify_all();
}

void SdlDisplay::stop_jobs() {
  run_jobs();
  std::lock_guard lock(jobs_mutex_);
  taking_jobs_ = false;
  jobs_.clear();
  jobs_done_.notify_all();
}

bool SdlDisplay::set_clipboard_text(const std::string& text) {
  bool stored = false;
  on_display_thread([&] { stored = SDL_SetClipboardText(text.c_str()) == 0; });
  return stored;
}

std::optional<std::string> SdlDisplay::clipboard_text() {
  std::optional<std::string> text;
  on_display_thread([&] {
    if (char* held = SDL_GetClipboardText()) {
      text = held;
      SDL_free(held);
    }
  });
  return text;
}

void SdlDisplay::wake() {
  {
    std::lock_guard lock(wake_mutex_);
    woken_ = true;
  }
  woken_up_.notify_all();
}

void SdlDisplay::wait_for_wake(int milliseconds) {
  std::unique_lock lock(wake_mutex_);
  if (milliseconds > 0) {
    woken_up_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return woken_; });
  }
  woken_ = false;
}

SdlDisplay::~SdlDisplay() {
  stopping_.store(true, std::memory_order_release);
  wake();
  if (thread_.joinable()) thread_.join();
}

}  // namespace kanvo::display
