// The message queue of one thread: messages posted to it, messages other threads have sent and
// wait on, the quit request, and how many of its windows wait to be painted.
#pragma once

#include <array>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>

#include "host/windows/types.h"

namespace kanvo::win::detail {

class ThreadQueue;

struct PendingSend {
  Message message;
  LResult result = 0;
  bool done = false;                    // guarded by the sender's mutex
  std::shared_ptr<ThreadQueue> sender;  // woken when done
};

class ThreadQueue {
 public:
  // The calling thread's queue, made on first use and retired when the thread ends (its windows
  // are destroyed then, and threads waiting on its sends are released).
  static std::shared_ptr<ThreadQueue> current();
  static bool current_is(const ThreadQueue* queue);

  // False once the thread has ended.
  bool post(const Message& message);
  // Queues a send for the owner; false once the thread has ended.
  bool queue_send(std::shared_ptr<PendingSend> send);
  // Marks a send of this thread's as handled and wakes the sender.
  void complete(PendingSend& send, LResult result);
  // Runs the owner's procedure for one message sent from another thread.
  static void handle_sent(PendingSend& send);
  // Handles the oldest message sent to this thread, if any, with `lock` (on `mutex`) released
  // meanwhile; false when none was waiting.
  bool handle_one_sent(std::unique_lock<std::mutex>& lock);
  // Drops posted messages of a window that is gone.
  void forget_window(WindowHandle window);
  void add_paint_waiter(int delta);
  void retire();

  std::mutex mutex;
  std::condition_variable wake;
  std::deque<Message> posted;
  std::deque<std::shared_ptr<PendingSend>> sent;
  bool quit_posted = false;
  std::int32_t quit_code = 0;
  int windows_to_paint = 0;
  bool alive = true;

  // Touched only by the owning thread.
  std::array<std::uint8_t, 256> key_state{};
  std::int32_t last_quit_code = 0;
};

}  // namespace kanvo::win::detail
