// The window's lock taken once per drawing call. A call made of steps (switch the brush, draw,
// switch back) reaches the lock at every step; the steps after the first find this thread holds
// it already and pay a comparison instead of another lock and unlock of the mutex.
#pragma once

#include <mutex>

namespace kanvo {

class CallLock {
 public:
  // A null mutex locks nothing (the device of a plain image).
  explicit CallLock(std::recursive_mutex* mutex) {
    if (mutex == nullptr || held_ == mutex) return;
    mutex->lock();
    mutex_ = mutex;
    outer_ = held_;
    held_ = mutex;
  }
  ~CallLock() {
    if (mutex_ == nullptr) return;
    held_ = outer_;
    mutex_->unlock();
  }
  CallLock(const CallLock&) = delete;
  CallLock& operator=(const CallLock&) = delete;

 private:
  // The mutex this thread locked through its innermost CallLock that locked one.
  static inline thread_local std::recursive_mutex* held_ = nullptr;
  std::recursive_mutex* mutex_ = nullptr;
  std::recursive_mutex* outer_ = nullptr;
};

}  // namespace kanvo
