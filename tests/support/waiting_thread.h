// Tests that a reader is woken by what arrives: they must see it waiting before anything arrives,
// however slow the machine. A thread that waits for input sleeps in the kernel; the kernel says
// so in /proc.
#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <string>

#include "tests/support/eventually.h"

namespace kanvo::testing {

// The kernel's id of the calling thread.
inline pid_t this_thread_id() {
  return ::gettid();
}

// Whether the thread sleeps in the kernel now (state S: waiting on a lock, a condition or a file).
inline bool thread_sleeps(pid_t thread) {
  std::ifstream stat("/proc/self/task/" + std::to_string(thread) + "/stat");
  std::string line;
  if (!std::getline(stat, line)) return false;
  const std::size_t name_end = line.rfind(')');
  return name_end != std::string::npos && name_end + 2 < line.size() && line[name_end + 2] == 'S';
}

// Waits until the thread that stored its id in `thread` (0 until then) sleeps in its wait, seen
// twice in a row some polls apart so that a moment's wait on a lock on the way is not taken for
// it; false after `patience`.
inline bool eventually_waiting(const std::atomic<pid_t>& thread,
                               std::chrono::milliseconds patience = std::chrono::seconds(20)) {
  int asleep = 0;
  return eventually(
      [&] {
        const pid_t id = thread.load();
        asleep = id != 0 && thread_sleeps(id) ? asleep + 1 : 0;
        return asleep >= 4;
      },
      patience);
}

}  // namespace kanvo::testing
