// Keys posted to the console's window become typed characters.
#include "host/windows/console_window.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <string>

#include "host/display/keys.h"
#include "tests/host/windows/window_test_support.h"

namespace kanvo::win {
namespace {

TEST(ConsoleWindowTest, KeysPostedToItBecomeTypedCharacters) {
  testing::ensure_classes();
  std::mutex mutex;
  std::condition_variable arrived;
  std::u32string typed;
  set_console_input([&](char32_t character) {
    std::lock_guard lock(mutex);
    typed += character;
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
  post_message(console, msg::kKeyDown, keys::kControl, 1);
  press('D');
  post_message(console, msg::kKeyUp, keys::kControl, LParam{3} << 30 | 1);
  // A character without a key of its own, as an input method sends it.
  post_message(console, msg::kChar, U'确', 1);
  // Line editing is the terminal's: every key comes through as it was typed, in order.
  const std::u32string expected = U"n\bY\r\x04确";
  std::unique_lock lock(mutex);
  ASSERT_TRUE(arrived.wait_for(lock, std::chrono::seconds(2),
                               [&] { return typed.size() >= expected.size(); }))
      << typed.size() << " characters arrived";
  EXPECT_EQ(typed, expected);
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
