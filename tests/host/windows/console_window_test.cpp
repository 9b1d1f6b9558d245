// Keys posted to the console's window become typed lines.
#include "host/windows/console_window.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <string>

#include "host/display/keys.h"
#include "tests/host/windows/window_test_support.h"

namespace kanvo::win {
namespace {

TEST(ConsoleWindowTest, KeysPostedToItBecomeTypedLines) {
  testing::ensure_classes();
  std::mutex mutex;
  std::condition_variable arrived;
  std::vector<std::string> lines;
  set_console_input([&](std::string_view text) {
    std::lock_guard lock(mutex);
    lines.emplace_back(text);
    arrived.notify_all();
  });
  const WindowHandle console = console_window();
  ASSERT_NE(console, kNoWindow);
  EXPECT_EQ(console_window(), console);
  auto press = [&](std::uint32_t virtual_key) {
    post_message(console, msg::kKeyDown, virtual_key, 1);
    post_message(console, msg::kKeyUp, virtual_key, LParam{3} << 30 | 1);
  };
  press('N');
  press(keys::kBackspace);
  post_message(console, msg::kKeyDown, keys::kShift, 1);
  press('Y');
  post_message(console, msg::kKeyUp, keys::kShift, LParam{3} << 30 | 1);
  press(keys::kReturn);
  press('1');
  press(keys::kSpace);
  press('2');
  press(keys::kReturn);
  std::unique_lock lock(mutex);
  ASSERT_TRUE(arrived.wait_for(lock, std::chrono::seconds(2), [&] { return lines.size() == 2; }));
  EXPECT_EQ(lines[0], "Y\n");
  EXPECT_EQ(lines[1], "1 2\n");
  lock.unlock();
  // It stands for the terminal and never appears on the screen.
  show_window(console, show::kShow);
  EXPECT_TRUE(is_window_visible(console));
  const display::Image image = testing::screen().capture();
  EXPECT_EQ(image.at(100, 100), display::HeadlessDisplay::kDesktop);
  set_console_input(nullptr);
}

}  // namespace
}  // namespace kanvo::win
