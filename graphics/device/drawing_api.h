// The flat set of global drawing functions. Each calls the operation of the same name on the
// current device, so the same call draws into an off-screen image or into the window, whichever is
// the working target. Before any target is chosen the calls do nothing and return zero values.
#pragma once

#include <cstdint>

#include "graphics/image/canvas_image.h"
#include "graphics/image/fill_style.h"
#include "graphics/image/line_style.h"
#include "graphics/platform/types.h"

namespace kanvo {

// The operations of the current device, and the calls made of them.
#define KANVO_OPERATION(result, name, parameters, arguments) result name parameters;
#define KANVO_COMPOSITE(result, name, parameters) result name parameters;
#include "graphics/device/drawing_operations.h"

}  // namespace kanvo
