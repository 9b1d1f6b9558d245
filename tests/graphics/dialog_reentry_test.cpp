// ask_text called again by the thread that shows a dialog, from a window procedure its modal
// loop runs (a second dialog's owner): one dialog shows at a time, so the second call returns
// false at once instead of waiting for itself.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "graphics/kanvo.h"
#include "host/windows/classes.h"
#include "host/windows/controls.h"
#include "host/windows/messages.h"
#include "host/windows/windows.h"
#include "tests/support/eventually.h"

namespace kanvo {
namespace {

constexpr std::uint32_t kAskAgain = win::msg::kUser + 7;
std::atomic<bool> g_asked_again{false};
std::atomic<bool> g_second_answer{true};

win::LResult asking_owner(win::WindowHandle window, std::uint32_t message, win::WParam wparam,
                          win::LParam lparam) {
  if (message == kAskAgain) {
    char buffer[16] = "kept";
    g_second_answer = ask_text(buffer, sizeof buffer, "Again?", "Kanvo", nullptr, 0, 0, false);
    g_asked_again = true;
    return 0;
  }
  return win::default_window_procedure(window, message, wparam, lparam);
}

TEST(AskTextAgain, FromTheAskingThreadReturnsFalseAtOnce) {
  win::WindowClass owner_class;
  owner_class.name = "KanvoAskingOwner";
  owner_class.procedure = asking_owner;
  win::register_class(owner_class);
  win::CreateParams params;
  params.class_name = "KanvoAskingOwner";
  params.title = "owner";
  params.style = win::style::kCaption;
  params.width = 100;
  params.height = 60;
  const win::WindowHandle owner = win::create_window(params);
  ASSERT_NE(owner, win::kNoWindow);

  std::thread driver([&] {
    win::WindowHandle dialog = win::kNoWindow;
    ASSERT_TRUE(testing::eventually([&] {
      dialog = win::find_window("Kanvo_InputBox", nullptr);
      return dialog != win::kNoWindow && win::is_window_visible(dialog);
    }));
    win::post_message(owner, kAskAgain, 0, 0);
    EXPECT_TRUE(testing::eventually([] { return g_asked_again.load(); }));
    win::post_message(dialog, win::msg::kCommand, win::command_wparam(2, 0),
                      0);  // Cancel
  });
  char buffer[16] = "untouched";
  const bool first_answer =
      ask_text(buffer, sizeof buffer, "First?", "Kanvo", nullptr, 0, 0, false);
  driver.join();
  EXPECT_TRUE(g_asked_again);
  EXPECT_FALSE(g_second_answer);
  EXPECT_FALSE(first_answer);
  EXPECT_STREQ(buffer, "untouched");
  win::destroy_window(owner);
}

}  // namespace
}  // namespace kanvo
