// Draws the graph of a revealed function in the graph window.
#pragma once

#include "graphics/platform/window_system.h"

namespace kanvo::quiz {

// Replaces any earlier graph window with a new one at the screen's top-left corner, 460 by 460
// pixels with its frame, on top and active, its whole client area backed by the canvas.
WindowHandle open_graph_window();

// Returns when the graph of the catalogue function `index` is drawn; any other index draws
// nothing and opens no window.
void plot_graph(int index);

}  // namespace kanvo::quiz
