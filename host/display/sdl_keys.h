// SDL's keys as virtual key codes.
#pragma once

#include <SDL.h>

#include <cstdint>

namespace kanvo::display {

// 0 for keys that have no virtual key code here.
std::uint32_t virtual_key(const SDL_Keysym& key);

}  // namespace kanvo::display
