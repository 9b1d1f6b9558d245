// The process's end: the library's work at the end is two steps of the orderly end, each run
// once on the exiting thread, in the order of the stages, around the window system's own steps.
#pragma once

#include <cstdint>
#include <functional>

namespace kanvo::platform {

enum class EndStage : std::uint8_t {
  window_users,  // the graphics window and its thread, before the window system's threads stop
  typed_input,   // what the windows typed into the terminal and left unread, after them
};

// Registers `work` to run once when the process ends, at its stage.
void at_process_end(EndStage stage, std::function<void()> work);
// True once the process has begun to end: no new window threads then.
bool process_ending();

}  // namespace kanvo::platform
