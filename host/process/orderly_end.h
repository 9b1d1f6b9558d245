// An orderly end of the process, however it ends (return from main, exit(), a window closed by
// the user): the threads of ours stop, in a fixed order, before anything they use is destroyed.
//
// The end's work runs as an exit handler. Exit handlers run last registered first, and a library
// loaded late (SDL's video and audio drivers, and what they load) registers the destruction of its
// static objects when it is loaded: so the work is registered again whenever libraries may have
// been loaded since, and runs before any of them is taken down.
#pragma once

#include <cstdint>
#include <functional>

namespace kanvo::process {

// The order of the steps at the end: the users of windows first, the display last.
enum class EndStage : std::uint8_t {
  window_users,  // the graphics window and its thread
  windows,       // threads of the window system (the console's window)
  typed_input,   // what was typed from the windows into the terminal and left unread
  sound,
  display,
};

// A step of the end's work while the object lives: `stop` runs once at the end, on the exiting
// thread, unless the object has gone first.
class EndStep {
 public:
  EndStep(EndStage stage, std::function<void()> stop);
  ~EndStep();
  EndStep(const EndStep&) = delete;
  EndStep& operator=(const EndStep&) = delete;

 private:
  std::uint64_t id_;
};

// To be called after a step that may have loaded libraries (opening a display or an audio device,
// creating a window on it).
void libraries_may_have_loaded();

// Whether the end's work has begun: nothing new is to be started then.
bool ending();

}  // namespace kanvo::process
