// On a real X server (Xvfb): a window appears exactly where it is placed, shows its picture, and
// receives a click from xdotool. Skipped where Xvfb, xdotool or ImageMagick is missing.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <future>
#include <mutex>
#include <string>
#include <thread>

#include "host/windows/classes.h"
#include "host/windows/messages.h"
#include "host/windows/screen.h"
#include "host/windows/windows.h"
#include "tests/support/eventually.h"
#include "tests/support/required_tools.h"
#include "tests/support/x_server.h"

namespace kanvo::win {
namespace {

using namespace std::chrono_literals;
using testing::eventually;
using testing::output_of;
using testing::Xvfb;

std::mutex g_mutex;
std::condition_variable g_clicked;
LParam g_click_position = -1;

LResult procedure(WindowHandle window, std::uint32_t message, WParam wparam, LParam lparam) {
  if (message == msg::kLeftButtonDown) {
    std::lock_guard lock(g_mutex);
    g_click_position = lparam;
    g_clicked.notify_all();
  }
  if (message == msg::kDestroy) post_quit_message(0);
  return default_window_procedure(window, message, wparam, lparam);
}

// A screen named but not there: SDL would fall back to a driver that shows nothing, and a
// program waiting for its user would wait in front of nothing. The windows are kept off-screen
// instead, as without a screen.
TEST(SdlScreenTest, AScreenThatCannotBeReachedLeavesTheWindowsOffScreen) {
  setenv("DISPLAY", ":65000", 1);
  unsetenv("WAYLAND_DISPLAY");
  unsetenv("KANVO_DISPLAY");
  unsetenv("SDL_VIDEODRIVER");
  EXPECT_NE(headless_screen(), nullptr);
}

TEST(SdlScreenTest, WindowAppearsWhereItIsPlacedAndTakesAClick) {
  KANVO_REQUIRE_TOOLS("Xvfb", "xdotool", "xwininfo", "xdpyinfo", "import");
  Xvfb server;
  ASSERT_TRUE(server.running()) << "Xvfb did not start";
  setenv("DISPLAY", server.display().c_str(), 1);
  unsetenv("WAYLAND_DISPLAY");
  unsetenv("KANVO_DISPLAY");
  ASSERT_EQ(headless_screen(), nullptr) << "SDL could not open " << server.display();
  const Rect screen = screen_rect();
  EXPECT_EQ(screen, (Rect{0, 0, 1024, 768}));

  register_class({"SdlTest", class_style::kDoubleClicks, procedure, Cursor::arrow,
                  surface::create_solid_brush(surface::rgb(255, 0, 0))});
  std::promise<WindowHandle> created;
  std::thread owner([&] {
    CreateParams params;
    params.class_name = "SdlTest";
    params.title = "kanvo";
    params.style = style::kCaption | style::kSystemMenu | style::kMinimizeBox;
    params.width = 100;
    params.height = 100;
    const WindowHandle window = create_window(params);
    set_window_pos(window, kNoWindow, 0, 0, 460, 460, placement::kShowWindow);
    created.set_value(window);
    Message message;
    while (get_message(&message)) {
      translate_message(message);
      dispatch_message(message);
    }
  });
  const WindowHandle window = created.get_future().get();
  const std::string on = " -display " + server.display();

  EXPECT_TRUE(eventually([&] {
    return output_of("xwininfo -root -children" + on).find("460x460+0+0") != std::string::npos;
  })) << output_of("xwininfo -root -children" + on);
  // The client area is red, the caption blue (active).
  const auto pixel = [&](int x, int y) {
    return output_of("import -window root" + on + " -depth 8 -crop 1x1+" + std::to_string(x) + "+" +
                     std::to_string(y) + " txt:- 2>/dev/null");
  };
  EXPECT_TRUE(eventually([&] { return pixel(100, 100).find("#FF0000") != std::string::npos; }))
      << pixel(100, 100);
  EXPECT_NE(pixel(100, 10).find("#0078D7"), std::string::npos) << pixel(100, 10);
  EXPECT_NE(pixel(470, 100).find("#000000"), std::string::npos) << pixel(470, 100);

  EXPECT_TRUE(server.move_pointer(100, 100));
  server.run("xdotool click 1");
  // No assertion may leave before the window's thread is joined.
  std::unique_lock lock(g_mutex);
  EXPECT_TRUE(g_clicked.wait_for(lock, 20s, [] { return g_click_position != -1; }))
      << "the click never reached the window";
  if (g_click_position != -1) {
    EXPECT_EQ(g_click_position, make_lparam(97, 75));
  }
  lock.unlock();

  post_message(window, msg::kClose, 0, 0);
  owner.join();
  close_display();
}

}  // namespace
}  // namespace kanvo::win
