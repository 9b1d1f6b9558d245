// Faults of the graphics window's life on the headless screen: a window that cannot be created,
// the user's close racing the program's, and changes of the canvas that a repaint on the window's
// thread may be reading at the same moment.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "graphics/context/graphics_context.h"
#include "graphics/kanvo.h"
#include "host/windows/classes.h"
#include "host/windows/controls.h"
#include "host/windows/messages.h"
#include "host/windows/painting.h"
#include "host/windows/windows.h"
#include "port/window_class.h"
#include "tests/support/eventually.h"
#include "tests/support/library_window.h"
#include "tests/support/process_figures.h"
#include "tests/support/waiting_thread.h"

namespace kanvo {
namespace {

using std::chrono::milliseconds;

win::LResult refuse_creation(win::WindowHandle window, std::uint32_t message, win::WParam wparam,
                             win::LParam lparam) {
  if (message == win::msg::kCreate) return -1;
  return win::default_window_procedure(window, message, wparam, lparam);
}

TEST(GraphicsWindowFaults, AWindowThatCannotBeCreatedLeavesNoThreadBehind) {
  // The window thread's own registration fails while this one stands, and this class's
  // procedure refuses every window.
  win::WindowClass refusing;
  refusing.name = platform::kWindowClassName;
  refusing.procedure = refuse_creation;
  ASSERT_TRUE(win::register_class(refusing));
  const int threads_before = testing::thread_count();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(open_window(100, 80, 0), platform::kNoWindow);
  EXPECT_EQ(testing::thread_count(), threads_before);
  EXPECT_EQ(get_window_handle(), platform::kNoWindow);
  ASSERT_TRUE(win::unregister_class(platform::kWindowClassName));
  EXPECT_NE(open_window(100, 80, 0), platform::kNoWindow);
  close_window();
}

// The user's close (the window's thread) and the program's close or re-open (this thread) at
// the same moment: the user's close, when it wins, ends the process with code 0; nothing else
// may happen to it, and the window's thread is never joined and detached at once.
TEST(GraphicsWindowFaultsDeathTest, TheUsersCloseRacingTheProgramsEndsTheProcessCleanly) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  for (const bool reopen : {false, true}) {
    EXPECT_EXIT(
        {
          for (int i = 0; i < 200; ++i) {
            const WindowHandle window = open_window(60, 40, 0);
            win::post_message(testing::host_window(window), win::msg::kClose, 0, 0);
            if (!reopen) close_window();
          }
          std::exit(0);
        },
        ::testing::ExitedWithCode(0), "")
        << (reopen ? "re-opening" : "closing");
  }
}

// Whether `change`, run on a thread of its own, waits while another thread holds the context's
// lock, as a repaint on the window's thread does.
bool waits_for_the_lock(const std::function<void()>& change) {
  std::recursive_mutex& lock = graphics_context().lock;
  std::atomic<bool> held{false};
  std::atomic<bool> release{false};
  std::thread holder([&] {
    std::lock_guard guard(lock);
    held = true;
    while (!release) std::this_thread::sleep_for(milliseconds(1));
  });
  while (!held) std::this_thread::sleep_for(milliseconds(1));
  // The change must be seen asleep in its wait, not merely unfinished after a while: on a busy
  // machine a change that takes no lock may not have started yet.
  std::atomic<pid_t> changer_id{0};
  std::atomic<bool> done{false};
  std::thread changer([&] {
    changer_id = testing::this_thread_id();
    change();
    done = true;
  });
  int asleep = 0;
  testing::eventually(
      [&] {
        asleep = changer_id != 0 && testing::thread_sleeps(changer_id) ? asleep + 1 : 0;
        return done || asleep >= 4;  // seen asleep some polls in a row, not a moment's pause
      },
      std::chrono::seconds(20));
  const bool waited = !done && asleep >= 4;
  release = true;
  holder.join();
  changer.join();
  return waited && done;
}

class CanvasChanges : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(open_window(120, 90, 0), platform::kNoWindow); }
  void TearDown() override { close_window(); }
};

TEST_F(CanvasChanges, HappenUnderTheLockThatRepaintsHold) {
  EXPECT_FALSE(waits_for_the_lock([] {})) << "a change that takes no lock";
  EXPECT_TRUE(waits_for_the_lock([] { resize_image(nullptr, 150, 100); }));
  EXPECT_EQ(graphics_context().canvas.width(), 150);
  EXPECT_TRUE(waits_for_the_lock([] { set_origin(10, 20); }));
  EXPECT_TRUE(waits_for_the_lock([] { set_aspect_ratio(2.0f, 3.0f); }));
  float x = 0;
  float y = 0;
  get_aspect_ratio(&x, &y);
  EXPECT_EQ(x, 2.0f);
  EXPECT_EQ(y, 3.0f);
  EXPECT_TRUE(waits_for_the_lock([] { reset_drawing_state(); }));
  get_aspect_ratio(&x, &y);
  EXPECT_EQ(x, 1.0f);
}

}  // namespace
}  // namespace kanvo
