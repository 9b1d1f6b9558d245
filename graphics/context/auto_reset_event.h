// An event that wakes one waiter and resets itself: the hand-over between the drawing thread and
// the window thread (the window exists; a mouse message arrived).
#pragma once

#include <condition_variable>
#include <mutex>

namespace kanvo {

class AutoResetEvent {
 public:
  void signal() {
    {
      std::lock_guard guard(mutex_);
      signalled_ = true;
    }
    condition_.notify_one();
  }
  void reset() {
    std::lock_guard guard(mutex_);
    signalled_ = false;
  }
  void wait() {
    std::unique_lock guard(mutex_);
    condition_.wait(guard, [this] { return signalled_; });
    signalled_ = false;
  }

 private:
  std::mutex mutex_;
  std::condition_variable condition_;
  bool signalled_ = false;
};

}  // namespace kanvo
