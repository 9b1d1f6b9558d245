#include "host/windows/thread_queue.h"

#include <algorithm>

#include "host/windows/window_manager.h"

namespace kanvo::win::detail {
namespace {

// Retires the thread's queue when the thread ends.
struct QueueHolder {
  std::shared_ptr<ThreadQueue> queue;
  ~QueueHolder() {
    if (queue) queue->retire();
  }
};

thread_local QueueHolder t_holder;

}  // namespace

std::shared_ptr<ThreadQueue> ThreadQueue::current() {
  if (!t_holder.queue) t_holder.queue = std::make_shared<ThreadQueue>();
  return t_holder.queue;
}

bool ThreadQueue::current_is(const ThreadQueue* queue) {
  return queue != nullptr && t_holder.queue.get() == queue;
}

bool ThreadQueue::post(const Message& message) {
  std::lock_guard lock(mutex);
  if (!alive) return false;
  posted.push_back(message);
  wake.notify_all();
  return true;
}

bool ThreadQueue::queue_send(std::shared_ptr<PendingSend> send) {
  std::lock_guard lock(mutex);
  if (!alive) return false;
  sent.push_back(std::move(send));
  wake.notify_all();
  return true;
}

void ThreadQueue::complete(PendingSend& send, LResult result) {
  std::lock_guard lock(mutex);
  send.result = result;
  send.done = true;
  wake.notify_all();
}

void ThreadQueue::handle_sent(PendingSend& send) {
  const Message& m = send.message;
  WindowProcedure procedure = nullptr;
  {
    WindowManager& manager = WindowManager::instance();
    std::lock_guard lock(manager.mutex);
    if (Window* window = manager.find(m.window)) procedure = window->window_class->info.procedure;
  }
  const LResult result =
      procedure != nullptr ? procedure(m.window, m.message, m.wparam, m.lparam) : 0;
  send.sender->complete(send, result);
}

bool ThreadQueue::handle_one_sent(std::unique_lock<std::mutex>& lock) {
  if (sent.empty()) return false;
  const std::shared_ptr<PendingSend> send = sent.front();
  sent.pop_front();
  lock.unlock();
  handle_sent(*send);
  lock.lock();
  return true;
}

void ThreadQueue::forget_window(WindowHandle window) {
  std::lock_guard lock(mutex);
  std::erase_if(posted, [window](const Message& m) { return m.window == window; });
}

void ThreadQueue::add_paint_waiter(int delta) {
  std::lock_guard lock(mutex);
  windows_to_paint += delta;
  if (delta > 0) wake.notify_all();
}

void ThreadQueue::retire() {
  {
    WindowManager& manager = WindowManager::instance();
    std::lock_guard lock(manager.mutex);
    std::vector<WindowHandle> owned;
    for (const auto& slot : manager.slots) {
      if (slot && slot->owner.get() == this) owned.push_back(slot->handle);
    }
    // Removing a window removes its children too, so each is looked up again.
    for (const WindowHandle handle : owned) {
      if (Window* window = manager.find(handle)) manager.remove(*window);
    }
  }
  std::deque<std::shared_ptr<PendingSend>> abandoned;
  {
    std::lock_guard lock(mutex);
    alive = false;
    abandoned.swap(sent);
    posted.clear();
  }
  for (const auto& send : abandoned) send->sender->complete(*send, 0);
}

}  // namespace kanvo::win::detail
