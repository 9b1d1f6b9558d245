#include "host/process/orderly_end.h"

#include <link.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace kanvo::process {
namespace {

struct Step {
  std::uint64_t id;
  EndStage stage;
  std::shared_ptr<const std::function<void()>> stop;
};

struct Steps {
  std::mutex mutex;
  std::condition_variable step_done;
  std::vector<Step> steps;
  std::uint64_t running = 0;  // the step being run at the end, if any
  std::thread::id running_on;
  std::uint64_t next_id = 1;
  std::size_t objects_at_registration = 0;  // loaded objects when the work was last registered
};

// Never destroyed: steps are taken back by objects that may outlive every static one.
Steps& steps() {
  static Steps* all = new Steps;
  return *all;
}

std::atomic<bool> g_ending{false};

std::size_t loaded_objects() {
  std::size_t count = 0;
  dl_iterate_phdr(
      [](dl_phdr_info*, std::size_t, void* data) {
        ++*static_cast<std::size_t*>(data);
        return 0;
      },
      &count);
  return count;
}

void run_end() {
  // Registered several times; only the first call (the latest registration) does the work.
  if (g_ending.exchange(true)) return;
  std::vector<Step> pending;
  {
    std::lock_guard lock(steps().mutex);
    pending = steps().steps;
  }
  std::stable_sort(pending.begin(), pending.end(),
                   [](const Step& a, const Step& b) { return a.stage < b.stage; });
  Steps& all = steps();
  for (const Step& step : pending) {
    {
      std::lock_guard lock(all.mutex);
      const bool still_there = std::any_of(all.steps.begin(), all.steps.end(),
                                           [&](const Step& s) { return s.id == step.id; });
      if (!still_there) continue;
      all.running = step.id;
      all.running_on = std::this_thread::get_id();
    }
    (*step.stop)();
    {
      std::lock_guard lock(all.mutex);
      all.running = 0;
    }
    all.step_done.notify_all();
  }
}

// Under the mutex.
void register_if_loaded_more(Steps& all) {
  if (g_ending.load(std::memory_order_acquire)) return;
  const std::size_t objects = loaded_objects();
  if (objects == all.objects_at_registration) return;
  if (std::atexit(run_end) == 0) all.objects_at_registration = objects;
}

}  // namespace

EndStep::EndStep(EndStage stage, std::function<void()> stop) {
  Steps& all = steps();
  std::lock_guard lock(all.mutex);
  id_ = all.next_id++;
  all.steps.push_back({id_, stage, std::make_shared<const std::function<void()>>(std::move(stop))});
  register_if_loaded_more(all);
}

EndStep::~EndStep() {
  Steps& all = steps();
  std::unique_lock lock(all.mutex);
  // What the step stops must not go while it runs on another thread.
  all.step_done.wait(
      lock, [&] { return all.running != id_ || all.running_on == std::this_thread::get_id(); });
  std::erase_if(all.steps, [&](const Step& step) { return step.id == id_; });
}

void libraries_may_have_loaded() {
  Steps& all = steps();
  std::lock_guard lock(all.mutex);
  register_if_loaded_more(all);
}

bool ending() {
  return g_ending.load(std::memory_order_acquire);
}

}  // namespace kanvo::process
