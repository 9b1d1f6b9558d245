// The ring that carries input messages (mouse or key) from the window thread (the only producer)
// to the drawing thread (the only consumer) without a lock. It holds at most 63 messages: one
// slot always stays free so that a full ring and an empty one differ.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

#include "graphics/input/key_message.h"
#include "graphics/input/mouse_message.h"

namespace kanvo {

template <typename Message>
class MessageRing {
 public:
  static constexpr int kSlots = 64;
  static constexpr int kCapacity = kSlots - 1;

  MessageRing() = default;
  MessageRing(const MessageRing&) = delete;
  MessageRing& operator=(const MessageRing&) = delete;
  virtual ~MessageRing() = default;

  // Producer: drops the message when the ring is full.
  virtual void push(const Message& message) {
    if (is_full()) return;
    const int tail = tail_.load(std::memory_order_relaxed);
    slots_[static_cast<std::size_t>(tail)] = message;
    tail_.store(next(tail), std::memory_order_release);
  }
  // Consumer: the oldest message, removed. The ring must not be empty.
  virtual Message pop() {
    const int head = head_.load(std::memory_order_relaxed);
    const Message message = front();
    head_.store(next(head), std::memory_order_release);
    return message;
  }
  // Consumer: the oldest message, kept.
  virtual Message front() const {
    // Acquire the producer's tail so the slot's contents are visible.
    (void)tail_.load(std::memory_order_acquire);
    return slots_[static_cast<std::size_t>(head_.load(std::memory_order_relaxed))];
  }
  virtual bool is_empty() const {
    return head_.load(std::memory_order_acquire) == tail_.load(std::memory_order_acquire);
  }
  virtual bool is_full() const { return count() >= kCapacity; }
  // Only while neither thread uses the ring.
  virtual void clear() {
    head_.store(0, std::memory_order_relaxed);
    tail_.store(0, std::memory_order_relaxed);
  }
  virtual int count() const {
    const int head = head_.load(std::memory_order_acquire);
    const int tail = tail_.load(std::memory_order_acquire);
    return tail >= head ? tail - head : tail + kSlots - head;
  }

  int head() const { return head_.load(std::memory_order_relaxed); }
  int tail() const { return tail_.load(std::memory_order_relaxed); }

 private:
  static int next(int index) { return (index + 1) % kSlots; }

  std::array<Message, kSlots> slots_{};
  // Each index has one writer; it is published (release) only after the slot it concerns has
  // been completely written (tail) or read (head).
  alignas(64) std::atomic<int> head_{0};
  alignas(64) std::atomic<int> tail_{0};
};

using MessageQueue = MessageRing<MouseMessage>;
using KeyQueue = MessageRing<KeyMessage>;

}  // namespace kanvo
