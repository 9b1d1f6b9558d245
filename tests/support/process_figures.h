// What the test process holds at the moment, for tests that repeat something many times and
// check that nothing piles up.
#pragma once

#include <dirent.h>
#include <malloc.h>

#include <cstddef>
#include <thread>

namespace kanvo::testing {

// The threads of the process. A sanitizer's run-time starts a thread of its own along with the
// first thread the program makes, and keeps it: one thread made and joined before the first
// count brings it in, so that a difference of two counts is only the threads the code under
// test made or left behind.
inline int thread_count() {
  [[maybe_unused]] static const bool runtime_threads_started = [] {
    std::thread([] {}).join();
    return true;
  }();
  int count = 0;
  if (DIR* tasks = ::opendir("/proc/self/task")) {
    while (const dirent* entry = ::readdir(tasks)) count += entry->d_name[0] != '.';
    ::closedir(tasks);
  }
  return count;
}

// Bytes of heap memory allocated and not yet freed.
inline std::size_t heap_in_use() {
  return ::mallinfo2().uordblks;
}

}  // namespace kanvo::testing
