// The ring that carries mouse messages from the window thread (the only producer) to the drawing
// thread (the only consumer) without a lock. It holds at most 63 messages: one slot always stays
// free so that a full ring and an empty one differ.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

#include "graphics/input/mouse_message.h"

namespace kanvo {

class MessageQueue {
 public:
  static constexpr int kSlots = 64;
  static constexpr int kCapacity = kSlots - 1;

  MessageQueue() = default;
  MessageQueue(const MessageQueue&) = delete;
  MessageQueue& operator=(const MessageQueue&) = delete;
  virtual ~MessageQueue() = default;

  // Producer: drops the message when the ring is full.
  virtual void push(const MouseMessage& message);
  // Consumer: the oldest message, removed. The ring must not be empty.
  virtual MouseMessage pop();
  // Consumer: the oldest message, kept.
  virtual MouseMessage front() const;
  virtual bool is_empty() const;
  virtual bool is_full() const;
  // Only while neither thread uses the ring.
  virtual void clear();
  virtual int count() const;

  int head() const { return head_.load(std::memory_order_relaxed); }
  int tail() const { return tail_.load(std::memory_order_relaxed); }

 private:
  static int next(int index) { return (index + 1) % kSlots; }

  std::array<MouseMessage, kSlots> slots_{};
  // Each index has one writer; it is published (release) only after the slot it concerns has
  // been completely written (tail) or read (head).
  alignas(64) std::atomic<int> head_{0};
  alignas(64) std::atomic<int> tail_{0};
};

}  // namespace kanvo
