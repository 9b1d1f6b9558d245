// The one process-wide record of the graphics layer: the lock that serialises drawing against
// screen repaints, the working target (where the drawing functions draw), the window's canvas and
// the drawing devices.
#pragma once

#include <mutex>

#include "graphics/device/image_device.h"
#include "graphics/image/canvas_image.h"
#include "graphics/platform/drawing_surface.h"

namespace kanvo {

class DrawDevice;

// Which surface the drawing functions draw on, and through which device.
struct WorkingTarget {
  SurfaceHandle window_surface{};   // the window's own surface while the window is the target
  SurfaceHandle drawing_surface{};  // the surface of the working image
  CanvasImage* current_image = nullptr;
  DrawDevice* current_device = nullptr;  // null until a target is first chosen
};

struct GraphicsContext {
  std::recursive_mutex lock;
  WorkingTarget target;
  CanvasImage canvas;
  bool batching = false;
  ImageDevice image_device{target};
  gdi::Transform identity_transform{};
};

// Built on first use, taken down at process exit.
GraphicsContext& graphics_context();

// Called by an image that goes away: if it is the working image, no target remains (drawing
// calls then do nothing instead of reaching a destroyed image).
void forget_working_image(const CanvasImage* image);

}  // namespace kanvo
