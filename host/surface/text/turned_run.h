// One line of text in a turned font: the line runs along the escapement from the top-left corner
// of its cell, and each character is turned by the orientation (by the escapement too in the
// compatible graphics mode, where the two cannot differ). The cell, its background and the
// underline and strike-out lines turn with the line; advances stay those of the level text.
#pragma once

#include <cstdint>

#include "host/surface/dc/device_context.h"
#include "host/surface/raster/painter.h"
#include "host/surface/text/font.h"
#include "host/surface/text/text_run.h"

namespace kanvo::surface::text {

// Whether text in the font leaves the level line under the graphics mode.
bool is_turned(const Font& font, GraphicsMode mode);

// Paints the run with the top-left corner of its cell at the logical point (x, y), using the
// context's scratch geometry for the turned boxes.
void paint_turned_run(raster::Painter& painter, DeviceContext& dc, const TextColors& colors,
                      const Font& font, std::int32_t x, std::int32_t y, const Run& run);

}  // namespace kanvo::surface::text
