#include "graphics/input/message_queue.h"

namespace kanvo {

void MessageQueue::push(const MouseMessage& message) {
  if (is_full()) return;
  const int tail = tail_.load(std::memory_order_relaxed);
  slots_[static_cast<std::size_t>(tail)] = message;
  tail_.store(next(tail), std::memory_order_release);
}

MouseMessage MessageQueue::pop() {
  const int head = head_.load(std::memory_order_relaxed);
  const MouseMessage message = front();
  head_.store(next(head), std::memory_order_release);
  return message;
}

MouseMessage MessageQueue::front() const {
  // Acquire the producer's tail so the slot's contents are visible.
  (void)tail_.load(std::memory_order_acquire);
  return slots_[static_cast<std::size_t>(head_.load(std::memory_order_relaxed))];
}

bool MessageQueue::is_empty() const {
  return head_.load(std::memory_order_acquire) == tail_.load(std::memory_order_acquire);
}

bool MessageQueue::is_full() const {
  return count() >= kCapacity;
}

void MessageQueue::clear() {
  head_.store(0, std::memory_order_relaxed);
  tail_.store(0, std::memory_order_relaxed);
}

int MessageQueue::count() const {
  const int head = head_.load(std::memory_order_acquire);
  const int tail = tail_.load(std::memory_order_acquire);
  return tail >= head ? tail - head : tail + kSlots - head;
}

}  // namespace kanvo
