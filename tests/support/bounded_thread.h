// A thread that a test expects to end soon, such as a reader waiting to be woken. Should it still
// run after the test's patience, the test fails and a release ends its wait (closing the window
// it reads, ending the input it waits on), so that a lost wake-up fails the test instead of
// hanging it at the join.
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>
#include <utility>

#include "tests/support/eventually.h"

namespace kanvo::testing {

class BoundedThread {
 public:
  template <typename Body>
  explicit BoundedThread(Body body)
      : thread_([this, body = std::move(body)]() mutable {
          body();
          ended_.store(true);
        }) {}
  ~BoundedThread() {
    if (thread_.joinable()) thread_.join();
  }
  BoundedThread(const BoundedThread&) = delete;
  BoundedThread& operator=(const BoundedThread&) = delete;

  bool ended() const { return ended_.load(); }
  // Joins the thread; false when it had not ended within `patience` and `release` was run to
  // end it.
  bool join_within(std::chrono::milliseconds patience, const std::function<void()>& release) {
    const bool ended_in_time = eventually([this] { return ended(); }, patience);
    if (!ended_in_time) release();
    thread_.join();
    return ended_in_time;
  }

 private:
  std::atomic<bool> ended_{false};
  std::thread thread_;
};

}  // namespace kanvo::testing
