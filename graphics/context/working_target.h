// Where the drawing functions draw: the surface of the working image, the window's own surface
// while the window is the target, and the device that draws there.
#pragma once

#include "graphics/platform/types.h"

namespace kanvo {

class CanvasImage;
class DrawDevice;

// Which surface the drawing functions draw on, and through which device.
struct WorkingTarget {
  SurfaceHandle window_surface{};   // the window's own surface while the window is the target
  SurfaceHandle drawing_surface{};  // the surface of the working image
  CanvasImage* current_image = nullptr;
  DrawDevice* current_device = nullptr;  // null until a target is first chosen
};

}  // namespace kanvo
