// Replays a script through the drawing surface and hands back the pixels it leaves.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/gdi-replay/script.h"

namespace kanvo::gdi_replay {

// Pixel words of script.width x script.height, rows top to bottom.
std::vector<std::uint32_t> replay(const Script& script);

}  // namespace kanvo::gdi_replay
