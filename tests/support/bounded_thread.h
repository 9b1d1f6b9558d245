// A thread that a test expects to end soon, such as a reader waiting to be woken. Should it still
// run after the test's patience, the test fails and a release ends its wait (closing the window
// it reads, ending the input it waits on), so that a lost wake-up fails the test instead of
// hanging it at the join. A thread whose wait nothing else can end is left behind instead.
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>
#include <utility>

#include "tests/support/eventually.h"

namespace kanvo::testing {

class BoundedThread {
 public:
  template <typename Body>
  explicit BoundedThread(Body body)
      : thread_([ended = ended_, body = std::move(body)]() mutable {
          body();
          ended->store(true);
        }) {}
  ~BoundedThread() {
    if (thread_.joinable()) thread_.join();
  }
  BoundedThread(const BoundedThread&) = delete;
  BoundedThread& operator=(const BoundedThread&) = delete;

  bool ended() const { return ended_->load(); }
  // Joins the thread; false when it had not ended within `patience` and `release` was run to
  // end it.
  bool join_within(std::chrono::milliseconds patience, const std::function<void()>& release) {
    const bool ended_in_time = eventually([this] { return ended(); }, patience);
    if (!ended_in_time) release();
    thread_.join();
    return ended_in_time;
  }
  // Joins the thread when it ends within `patience` and answers whether it did; otherwise leaves
  // it running on its own, so its body must own, or share, everything it touches.
  bool join_or_leave_within(std::chrono::milliseconds patience) {
    if (!eventually([this] { return ended(); }, patience)) {
      thread_.detach();
      return false;
    }
    thread_.join();
    return true;
  }

 private:
  // Shared with the thread, which may outlive this when left behind.
  std::shared_ptr<std::atomic<bool>> ended_ = std::make_shared<std::atomic<bool>>(false);
  std::thread thread_;
};

}  // namespace kanvo::testing
