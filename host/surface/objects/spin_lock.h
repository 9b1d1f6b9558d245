// A lock for the object table's rare critical sections: trading free slots in batches, handing
// objects to their owner, a thread's start and end. Uncontended it costs one atomic exchange.
#pragma once

#include <atomic>
#include <thread>

namespace kanvo::surface {

class SpinLock {
 public:
  void lock() {
    while (locked_.exchange(true, std::memory_order_acquire)) {
      while (locked_.load(std::memory_order_relaxed)) std::this_thread::yield();
    }
  }
  void unlock() { locked_.store(false, std::memory_order_release); }

 private:
  std::atomic<bool> locked_{false};
};

}  // namespace kanvo::surface
