// SDL keeps its hints and the state of its subsystems in globals that it does not lock: the
// threads that start or stop a subsystem (sound, display) take turns through this lock.
#pragma once

#include <mutex>

namespace kanvo {

inline std::mutex& sdl_setup_lock() {
  static std::mutex lock;
  return lock;
}

}  // namespace kanvo
