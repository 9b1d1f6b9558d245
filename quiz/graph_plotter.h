// Draws the graph of a revealed function in the graph window.
#pragma once

#include "graphics/platform/types.h"
#include "quiz/plot_recipe.h"

namespace kanvo::quiz {

// Replaces any earlier graph window with a new one at the screen's top-left corner, 460 by 460
// pixels with its frame, on top and active, its whole client area backed by the canvas.
WindowHandle open_graph_window();

// Draws the axes and the marks of the recipe on the graph window opened last: a reveal after its
// window is open.
void draw_graph(const PlotRecipe& recipe);

// Returns when the graph of the catalogue function `index` is drawn; any other index draws
// nothing and opens no window.
void plot_graph(int index);

}  // namespace kanvo::quiz
