// The device that draws into the working image: every operation reads and changes the working
// image's drawing state and draws on its surface.
#pragma once

#include <array>
#include <mutex>
#include <utility>

#include "graphics/context/working_target.h"
#include "graphics/device/call_lock.h"
#include "graphics/device/draw_device.h"
#include "graphics/platform/drawing_surface.h"

namespace kanvo {

class ImageDevice : public DrawDevice {
 public:
  explicit ImageDevice(const WorkingTarget& target) : target_(target) {}

#define KANVO_OPERATION(result, name, parameters, arguments) result name parameters override;
#define KANVO_DEVICE_OPERATION KANVO_OPERATION
#include "graphics/device/drawing_operations.h"

 protected:
  // The window device's: the lock held around every use of the surfaces, the flag of batch
  // drawing, which holds drawing on the window back, and the flag of the canvas's surface
  // drawing onto the window by itself.
  ImageDevice(const WorkingTarget& target, std::recursive_mutex& window_lock, const bool& batching,
              const bool& mirrored)
      : target_(target), window_lock_(&window_lock), batching_(&batching), mirrored_(&mirrored) {}

  CanvasImage& image() const;
  SurfaceHandle surface() const;
  // Calls `visit` with every surface that a change of the drawing state applies to.
  template <typename Visit>
  void for_each_surface(Visit&& visit) {
    visit_surfaces(visit, Reach::state);
  }
  // Calls `visit` with every surface that a drawing call applies to.
  template <typename Visit>
  void for_each_drawing_surface(Visit&& visit) {
    visit_surfaces(visit, Reach::drawing);
  }
  // Runs `change` holding the window's lock, if this device has one.
  template <typename Change>
  void with_window_lock(Change&& change) {
    const CallLock guard(window_lock_);
    change();
  }
  // Selects a new pen, brush or font into every surface, deleting what it replaces.
  void select_everywhere(ObjectHandle object);

  // The outline-only and interior-only variants of the closed shapes: the hollow brush or the
  // null pen for the call, unless the style is hollow or null already. The switch selects the
  // stock object and then what each surface held before, so the drawing state keeps its style
  // throughout and no pen or brush (nor a copy of a pattern or dash array) is made per call.
  template <typename Draw>
  void with_hollow_brush(Draw&& draw) {
    switch_for_call(image().state().fill_style.style != kFillNull,
                    platform::StockObject::null_brush, draw);
  }
  template <typename Draw>
  void with_null_pen(Draw&& draw) {
    switch_for_call(image().state().line_style.style != kLineNull, platform::StockObject::null_pen,
                    draw);
  }

 private:
  using RadialCall = bool (*)(SurfaceHandle, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                              std::int32_t, std::int32_t, std::int32_t, std::int32_t);
  // The surface's arc or pie on every drawing surface, from the radial at `start` to the one
  // at `end`.
  void draw_between_radials(RadialCall call, std::int32_t left, std::int32_t top,
                            std::int32_t right, std::int32_t bottom, double start, double end);

  // Selects the stock object into every surface, draws, and selects back what each surface
  // held; under the lock throughout, so that the window cannot go away in between.
  template <typename Draw>
  void switch_for_call(bool needed, platform::StockObject stock, Draw& draw) {
    if (!needed) {
      draw();
      return;
    }
    const CallLock guard(window_lock_);
    const ObjectHandle temporary = platform::get_stock_object(stock);
    std::array<std::pair<SurfaceHandle, ObjectHandle>, 2> held{};
    std::size_t count = 0;
    // A window drawn on through the canvas's surface draws nothing itself: it keeps its style.
    visit_surfaces(
        [&](SurfaceHandle dc) {
          if (count < held.size()) held[count++] = {dc, platform::select_object(dc, temporary)};
        },
        Reach::drawing_state);
    draw();
    for (std::size_t i = 0; i < count; ++i) platform::select_object(held[i].first, held[i].second);
  }

  // Which surfaces a call reaches: all for a change of the drawing state; those that draw
  // themselves for a drawing call; for a style switched around one call, those whose own
  // drawing follows the style (the window's, unless the canvas's draws onto it).
  enum class Reach { state, drawing, drawing_state };
  // The image's surface; for the window device the canvas's and the window's (drawing there
  // outside batch drawing only, and only while the canvas's does not draw there itself), under
  // the lock. Inline and not virtual: every call goes through here, and the device's own slot
  // is the only dispatch it pays for.
  template <typename Visit>
  void visit_surfaces(Visit&& visit, Reach reach) {
    if (window_lock_ == nullptr) {
      visit(target_.drawing_surface);
      return;
    }
    const CallLock guard(window_lock_);
    visit(target_.drawing_surface);
    const bool window_draws = !*mirrored_ && (reach == Reach::drawing_state || !*batching_);
    if (target_.window_surface != platform::kNoSurface && (reach == Reach::state || window_draws)) {
      visit(target_.window_surface);
    }
  }

  const WorkingTarget& target_;
  std::recursive_mutex* window_lock_ = nullptr;
  const bool* batching_ = nullptr;
  const bool* mirrored_ = nullptr;
};

}  // namespace kanvo
