// The graph a reveal should leave in the window's client area, drawn off-screen from the marks the
// plotter works out, for tests that compare it with what a screen shows.
#pragma once

#include <cstdint>

#include "graphics/kanvo.h"

namespace kanvo::quiz {

// Axes and every mark of the recipe `index` on a black image of the client size.
CanvasImage expected_graph(int index, std::int32_t width, std::int32_t height);

}  // namespace kanvo::quiz
