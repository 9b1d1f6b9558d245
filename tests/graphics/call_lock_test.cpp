#include "graphics/device/call_lock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>
#include <mutex>

namespace kanvo {
namespace {

// Whether another thread can take the mutex right now (and gives it back at once).
bool free_for_another_thread(std::recursive_mutex& mutex) {
  return std::async(std::launch::async,
                    [&] {
                      if (!mutex.try_lock()) return false;
                      mutex.unlock();
                      return true;
                    })
      .get();
}

TEST(CallLockTest, HoldsTheMutexAgainstOtherThreadsUntilTheOutermostEnds) {
  std::recursive_mutex mutex;
  {
    const CallLock outer(&mutex);
    {
      const CallLock step(&mutex);
      EXPECT_FALSE(free_for_another_thread(mutex));
    }
    // The inner step's end must not give the lock away while the call goes on.
    EXPECT_FALSE(free_for_another_thread(mutex));
    const CallLock later_step(&mutex);
    EXPECT_FALSE(free_for_another_thread(mutex));
  }
  EXPECT_TRUE(free_for_another_thread(mutex));
}

TEST(CallLockTest, AnInnerLockOfAnotherMutexIsReleasedAndTheOuterStaysHeld) {
  std::recursive_mutex outer_mutex;
  std::recursive_mutex inner_mutex;
  {
    const CallLock outer(&outer_mutex);
    {
      const CallLock inner(&inner_mutex);
      EXPECT_FALSE(free_for_another_thread(inner_mutex));
    }
    EXPECT_TRUE(free_for_another_thread(inner_mutex));
    {
      // After the other mutex this thread still knows it holds the first one.
      const CallLock step(&outer_mutex);
    }
    EXPECT_FALSE(free_for_another_thread(outer_mutex));
  }
  EXPECT_TRUE(free_for_another_thread(outer_mutex));
  EXPECT_TRUE(free_for_another_thread(inner_mutex));
}

TEST(CallLockTest, EachThreadTakesTheMutexForItself) {
  std::recursive_mutex mutex;
  auto mine = std::make_unique<CallLock>(&mutex);
  // Another thread's CallLock must wait for this one, not take this thread's hold as its own.
  std::promise<void> started;
  auto other = std::async(std::launch::async, [&] {
    started.set_value();
    const CallLock theirs(&mutex);
    return true;
  });
  started.get_future().wait();
  EXPECT_EQ(other.wait_for(std::chrono::milliseconds(50)), std::future_status::timeout);
  mine.reset();
  EXPECT_TRUE(other.get());
}

}  // namespace
}  // namespace kanvo
