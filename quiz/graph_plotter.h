// Draws the graph of a revealed function in the graph window.
#pragma once

namespace kanvo::quiz {

// Returns when the graph of the catalogue function `index` is drawn.
void plot_graph(int index);

}  // namespace kanvo::quiz
