// The one process-wide record of the graphics layer: the lock that serialises drawing against
// screen repaints, the working target (where the drawing functions draw), the window's canvas and
// the two drawing devices.
#pragma once

#include <mutex>

#include "graphics/context/window_canvas.h"
#include "graphics/context/working_target.h"
#include "graphics/device/image_device.h"
#include "graphics/device/window_device.h"
#include "graphics/platform/drawing_surface.h"

namespace kanvo {

struct GraphicsContext {
  GraphicsContext();

  std::recursive_mutex lock;
  WorkingTarget target;
  WindowCanvas canvas;
  bool batching = false;  // drawing thread only
  // The canvas's surface writes every pixel it draws onto the window as well, so the window
  // needs no drawing call of its own (WindowCanvas::mirror_on_window). Under `lock`.
  bool mirrored = false;
  ImageDevice image_device{target};
  WindowDevice window_device{*this};
  platform::Transform identity_transform{};
};

// Built on first use. It is never destroyed: at exit the window is closed (from the drawing
// side), and images that outlive everything still find it.
GraphicsContext& graphics_context();

// Makes the window close at exit (from the exiting thread's side, unless that is the window's
// own thread, which then ends with the process). Called once a window exists.
void close_window_when_exiting();

// Called by an image that goes away: if it is the working image, no target remains (drawing
// calls then do nothing instead of reaching a destroyed image).
void forget_working_image(const CanvasImage* image);

}  // namespace kanvo
