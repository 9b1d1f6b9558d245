// The real screen through SDL (X11 or Wayland). One display thread does everything SDL is asked:
// it mirrors the scene as borderless windows of the full outer size (the frame and caption are
// part of the picture), presents a window's picture after it changed, at most once per display
// refresh, and turns SDL's input into events for the scene. The system's window manager moves a
// window whose caption is dragged (without one, as on a bare X server, captions do not drag);
// Wayland places windows itself, so positions asked for are not kept there. The clipboard is
// SDL's, reached through the display thread as well.
#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "host/display/display.h"

namespace kanvo::display {

class SdlDisplay final : public Display {
 public:
  // Null when SDL cannot open the screen; `failure` then says why, as SDL tells it.
  static std::unique_ptr<SdlDisplay> open(Scene& scene, std::string& failure);
  ~SdlDisplay() override;

  Rect bounds() const override { return bounds_; }
  Rect work_area() const override { return work_area_; }
  std::uint32_t double_click_ms() const override { return double_click_ms_; }
  // The display thread looks at the scene at every refresh anyway.
  void scene_changed() override {}
  bool is_headless() const override { return false; }
  bool set_clipboard_text(const std::string& text) override;
  std::optional<std::string> clipboard_text() override;

 private:
  struct Loop;
  explicit SdlDisplay(Scene& scene) : scene_(scene) {}
  // Runs the job on the display thread and waits for it; false once that thread has stopped.
  bool on_display_thread(const std::function<void()>& job);
  void run_jobs();
  void stop_jobs();
  // Ends the display thread's wait at once (for a job, or to stop), whatever its clock says.
  void wake();
  // On the display thread: waits up to so long for the next wake; SDL events are looked at
  // after it.
  void wait_for_wake(int milliseconds);

  Scene& scene_;
  Rect bounds_;
  Rect work_area_;
  std::uint32_t double_click_ms_ = 500;
  std::atomic<bool> stopping_{false};
  std::mutex wake_mutex_;
  std::condition_variable woken_up_;
  bool woken_ = false;
  std::thread thread_;

  struct Job {
    const std::function<void()>* run = nullptr;
    bool done = false;
  };
  std::mutex jobs_mutex_;
  std::condition_variable jobs_done_;
  std::vector<Job*> jobs_;
  bool taking_jobs_ = true;
};

}  // namespace kanvo::display
