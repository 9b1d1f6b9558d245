// The drawing target behind every global drawing function: one table of operations in a fixed
// order, implemented by the image device (off-screen images) and the window device (the window's
// canvas and the window itself). Operations built from other operations always call them through
// this table, so an override of the window device takes effect inside inherited operations.
#pragma once

#include <cstdint>

#include "graphics/image/canvas_image.h"
#include "graphics/image/fill_style.h"
#include "graphics/image/line_style.h"
#include "graphics/platform/types.h"

namespace kanvo {

class DrawDevice {
 public:
  DrawDevice() = default;
  DrawDevice(const DrawDevice&) = delete;
  DrawDevice& operator=(const DrawDevice&) = delete;
  virtual ~DrawDevice() = default;

  // One pure virtual operation per line of the list, in its order.
#define KANVO_OPERATION(result, name, parameters, arguments) virtual result name parameters = 0;
#define KANVO_DEVICE_OPERATION KANVO_OPERATION
#include "graphics/device/drawing_operations.h"
};

}  // namespace kanvo
