// Replays a script through the drawing surface and hands back the pixels it leaves.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "tools/gdi-replay/script.h"

namespace kanvo::gdi_replay {

// Called after each op with the op and the surface as it stands then.
using StepObserver =
    std::function<void(const Op& op, const std::uint32_t* pixels, std::size_t count)>;

// Pixel words of script.width x script.height, rows top to bottom.
std::vector<std::uint32_t> replay(const Script& script, const StepObserver& after_each_op = {});

// 64-bit FNV-1a over the pixel words with their top bytes cleared, in storage order.
std::uint64_t surface_hash(const std::uint32_t* pixels, std::size_t count);

}  // namespace kanvo::gdi_replay
