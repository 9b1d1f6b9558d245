#include "graphics/input/message_queue.h"

#include <gtest/gtest.h>

#include <thread>

namespace kanvo {
namespace {

MouseMessage numbered(int n) {
  MouseMessage m;
  m.message = WM_MOUSEMOVE;
  m.x = static_cast<std::int16_t>(n);
  m.y = static_cast<std::int16_t>(-n);
  return m;
}

TEST(MessageQueue, NewQueueIsEmpty) {
  MessageQueue queue;
  EXPECT_TRUE(queue.is_empty());
  EXPECT_FALSE(queue.is_full());
  EXPECT_EQ(queue.count(), 0);
  EXPECT_EQ(queue.head(), 0);
  EXPECT_EQ(queue.tail(), 0);
}

TEST(MessageQueue, HoldsSixtyThreeAndDropsTheNext) {
  MessageQueue queue;
  for (int i = 0; i < 63; ++i) queue.push(numbered(i));
  EXPECT_EQ(queue.count(), 63);
  EXPECT_TRUE(queue.is_full());
  queue.push(numbered(1000));
  EXPECT_EQ(queue.count(), 63);
  for (int i = 0; i < 63; ++i) {
    ASSERT_FALSE(queue.is_empty());
    EXPECT_EQ(queue.front().x, i);
    EXPECT_EQ(queue.pop().x, i);
  }
  EXPECT_TRUE(queue.is_empty());
}

TEST(MessageQueue, KeepsOrderAcrossTheWrap) {
  MessageQueue queue;
  for (int i = 0; i < 50; ++i) queue.push(numbered(i));
  for (int i = 0; i < 50; ++i) queue.pop();
  for (int i = 0; i < 20; ++i) queue.push(numbered(100 + i));
  EXPECT_EQ(queue.head(), 50);
  EXPECT_EQ(queue.tail(), 6);
  EXPECT_EQ(queue.count(), 20);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(queue.pop().x, 100 + i);
  EXPECT_TRUE(queue.is_empty());
}

TEST(MessageQueue, ClearEmptiesAndRestarts) {
  MessageQueue queue;
  for (int i = 0; i < 10; ++i) queue.push(numbered(i));
  queue.clear();
  EXPECT_TRUE(queue.is_empty());
  EXPECT_EQ(queue.head(), 0);
  queue.push(numbered(7));
  EXPECT_EQ(queue.pop().x, 7);
}

// One producer and one consumer at full speed: every message arrives whole and in order, except
// those dropped while the ring was full.
TEST(MessageQueue, OneProducerOneConsumerWithoutLock) {
  MessageQueue queue;
  constexpr int kMessages = 200000;
  std::thread producer([&] {
    for (int i = 0; i < kMessages; ++i) {
      MouseMessage m;
      m.message = WM_MOUSEMOVE;
      m.x = static_cast<std::int16_t>(i & 0x7FFF);
      m.y = static_cast<std::int16_t>(i >> 15);
      m.wheel = static_cast<std::int16_t>(m.x ^ m.y);
      queue.push(m);
    }
    MouseMessage last;
    last.message = WM_LBUTTONUP;
    while (queue.is_full()) std::this_thread::yield();
    queue.push(last);
  });
  // Faults are counted, not asserted: the consumer reads on to the end so that the producer,
  // which waits for room before its last message, finishes and can be joined.
  int previous = -1;
  int received = 0;
  int torn = 0;
  int out_of_order = 0;
  for (;;) {
    if (queue.is_empty()) {
      std::this_thread::yield();
      continue;
    }
    const MouseMessage m = queue.pop();
    if (m.message == WM_LBUTTONUP) break;
    torn += m.wheel != (m.x ^ m.y);
    const int number = (m.y << 15) | m.x;
    out_of_order += number <= previous;
    previous = number;
    ++received;
  }
  producer.join();
  EXPECT_EQ(torn, 0);
  EXPECT_EQ(out_of_order, 0);
  EXPECT_GT(received, 0);
  EXPECT_TRUE(queue.is_empty());
}

}  // namespace
}  // namespace kanvo
