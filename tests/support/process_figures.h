// What the test process holds at the moment, for tests that repeat something many times and
// check that nothing piles up.
#pragma once

#include <dirent.h>
#include <malloc.h>

#include <cstddef>

namespace kanvo::testing {

inline int thread_count() {
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
