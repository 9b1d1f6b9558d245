// A lock for the object table's short critical sections (a few stores each). Uncontended it costs
// one atomic exchange, far less than the creation and selection calls it guards are allowed.
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
