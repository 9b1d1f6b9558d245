// The global functions of the graphics window: opening and closing it, batch drawing, and the
// library's own texts.
#pragma once

#include <cstdint>

#include "graphics/platform/types.h"

namespace kanvo {

// Bits of open_window's flags.
inline constexpr std::int32_t SHOW_CONSOLE = 1;  // the console stays visible
inline constexpr std::int32_t NO_CLOSE = 2;      // the window cannot be closed by the user
inline constexpr std::int32_t NO_MINIMIZE = 4;   // the window has no minimize box

// Opens the graphics window with a client area of width x height (flags: SHOW_CONSOLE, NO_CLOSE,
// NO_MINIMIZE), closing any earlier one; the window becomes the working target.
WindowHandle open_window(std::int32_t width, std::int32_t height, std::int32_t flags);
WindowHandle open_window_default();  // 640 x 480, no flags
void close_window();
// Null while no window is open.
WindowHandle get_window_handle();

// Batch drawing: while it lasts, drawing reaches the canvas only, and the window shows it at the
// next flush. These act while the window is the working target and are ignored otherwise.
void begin_batch_draw();
void flush_batch_draw_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                           std::int32_t bottom);
void flush_batch_draw();
void end_batch_draw_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                         std::int32_t bottom);
void end_batch_draw();

const char* get_version_text();
const char* get_author_text();

}  // namespace kanvo
