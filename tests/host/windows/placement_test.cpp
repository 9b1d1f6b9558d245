// Outer and client sizes, placement flags, stacking, activation, visibility and window text.
#include <gtest/gtest.h>

#include <climits>
#include <thread>

#include "tests/host/windows/window_test_support.h"

namespace kanvo::win {
namespace {

using testing::kCaptionStyle;
using testing::WindowThread;

std::vector<WindowHandle> stacking_of(std::initializer_list<WindowHandle> windows) {
  std::vector<WindowHandle> all(z_order(nullptr, 0));
  all.resize(z_order(all.data(), all.size()));
  std::vector<WindowHandle> mine;
  for (const WindowHandle window : all) {
    if (std::find(windows.begin(), windows.end(), window) != windows.end()) mine.push_back(window);
  }
  return mine;
}

TEST(PlacementTest, OuterRectangleAddsFrameAndCaption) {
  Rect rect{0, 0, 454, 432};
  ASSERT_TRUE(adjust_window_rect(&rect, kCaptionStyle, false, 0));
  EXPECT_EQ(rect, (Rect{-3, -25, 457, 435}));  // 460 by 460 outside

  Rect popup{10, 10, 110, 60};
  adjust_window_rect(&popup, style::kPopup, false, 0);
  EXPECT_EQ(popup, (Rect{10, 10, 110, 60}));
  Rect dialog{0, 0, 100, 100};
  adjust_window_rect(&dialog, style::kPopup | style::kCaption, false, ex_style::kDialogModalFrame);
  EXPECT_EQ(dialog, (Rect{-3, -25, 103, 103}));
  Rect edged{0, 0, 10, 10};
  adjust_window_rect(&edged, 0, false, ex_style::kClientEdge);
  EXPECT_EQ(edged, (Rect{-2, -2, 12, 12}));
  EXPECT_FALSE(adjust_window_rect(nullptr, kCaptionStyle, false, 0));
}

TEST(PlacementTest, QuizWindowOpenedEmptyThenPlacedAt460By460) {
  WindowThread owner;
  Rect outer{0, 0, 0, 0};
  adjust_window_rect(&outer, kCaptionStyle, false, 0);
  const WindowHandle window = owner.create(testing::kLoggedNoClose, kUseDefault, kUseDefault,
                                           outer.right - outer.left, outer.bottom - outer.top);
  Rect client;
  ASSERT_TRUE(get_client_rect(window, &client));
  EXPECT_EQ(client, (Rect{0, 0, 0, 0}));

  ASSERT_TRUE(set_window_pos(window, kNoWindow, 0, 0, 460, 460, placement::kShowWindow));
  Rect rect;
  get_window_rect(window, &rect);
  EXPECT_EQ(rect, (Rect{0, 0, 460, 460}));
  get_client_rect(window, &client);
  EXPECT_EQ(client, (Rect{0, 0, 454, 432}));
  EXPECT_TRUE(is_window_visible(window));
  EXPECT_EQ(get_foreground_window(), window);
  EXPECT_EQ(stacking_of({window}).front(), window);

  Point point{3, 25};
  ASSERT_TRUE(screen_to_client(window, &point));
  EXPECT_EQ(point, (Point{0, 0}));
  point = {10, 20};
  ASSERT_TRUE(client_to_screen(window, &point));
  EXPECT_EQ(point, (Point{13, 45}));
}

TEST(PlacementTest, FlagsKeepWhatTheyName) {
  WindowThread owner;
  const WindowHandle window = owner.create(testing::kLogged, 100, 50, 200, 150);
  set_window_pos(window, kNoWindow, 300, 300, 10, 10, placement::kNoSize);
  Rect rect;
  get_window_rect(window, &rect);
  EXPECT_EQ(rect, (Rect{300, 300, 500, 450}));
  set_window_pos(window, kNoWindow, 0, 0, 120, 80, placement::kNoMove);
  get_window_rect(window, &rect);
  EXPECT_EQ(rect, (Rect{300, 300, 420, 380}));
  set_window_pos(
      window, kNoWindow, 0, 0, 0, 0,
      placement::kNoMove | placement::kNoSize | placement::kNoActivate | placement::kShowWindow);
  EXPECT_TRUE(is_window_visible(window));
  EXPECT_NE(get_foreground_window(), window);
  set_window_pos(window, kNoWindow, 0, 0, 0, 0,
                 placement::kNoMove | placement::kNoSize | placement::kHideWindow);
  EXPECT_FALSE(is_window_visible(window));
}

TEST(PlacementTest, SizesAreClampedToTheScreenAndNeverNegative) {
  WindowThread owner;
  const WindowHandle window = owner.create(testing::kLogged, 0, 0, INT_MAX, INT_MAX);
  Rect client;
  get_client_rect(window, &client);
  const Rect screen = screen_rect();
  EXPECT_EQ(client.right, screen.right - screen.left);
  EXPECT_EQ(client.bottom, screen.bottom - screen.top);
  set_window_pos(window, kNoWindow, INT_MIN, INT_MIN, -5, INT_MIN, placement::kNoZOrder);
  Rect rect;
  get_window_rect(window, &rect);
  EXPECT_EQ(rect.right - rect.left, 0);
  EXPECT_EQ(rect.bottom - rect.top, 0);
  get_client_rect(window, &client);
  EXPECT_EQ(client, (Rect{0, 0, 0, 0}));
  // The window still takes messages and paints.
  EXPECT_EQ(send_message(window, testing::kEcho, 1, 0), 2);
  EXPECT_TRUE(invalidate_rect(window, nullptr, true));
}

TEST(PlacementTest, StackingFollowsInsertAfterAndActivation) {
  WindowThread owner;
  const WindowHandle a = owner.create(testing::kLogged, 0, 0, 50, 50);
  const WindowHandle b = owner.create(testing::kLogged, 0, 0, 50, 50);
  const WindowHandle c = owner.create(testing::kLogged, 0, 0, 50, 50);
  EXPECT_EQ(stacking_of({a, b, c}), (std::vector<WindowHandle>{c, b, a}));
  set_window_pos(a, kInsertTop, 0, 0, 0, 0, placement::kNoMove | placement::kNoSize);
  EXPECT_EQ(stacking_of({a, b, c}), (std::vector<WindowHandle>{a, c, b}));
  set_window_pos(a, kInsertBottom, 0, 0, 0, 0, placement::kNoMove | placement::kNoSize);
  EXPECT_EQ(stacking_of({a, b, c}), (std::vector<WindowHandle>{c, b, a}));
  set_window_pos(a, c, 0, 0, 0, 0, placement::kNoMove | placement::kNoSize);
  EXPECT_EQ(stacking_of({a, b, c}), (std::vector<WindowHandle>{c, a, b}));
  set_window_pos(b, kInsertTop, 0, 0, 0, 0,
                 placement::kNoMove | placement::kNoSize | placement::kNoZOrder);
  EXPECT_EQ(stacking_of({a, b, c}), (std::vector<WindowHandle>{c, a, b}));

  show_window(a, show::kShow);
  show_window(b, show::kShow);
  EXPECT_EQ(get_foreground_window(), b);
  EXPECT_EQ(stacking_of({a, b, c}).front(), b);
  set_foreground_window(a);
  EXPECT_EQ(get_foreground_window(), a);
  EXPECT_EQ(stacking_of({a, b, c}).front(), a);
  // Hiding the active window hands activation to the next one shown.
  EXPECT_TRUE(show_window(a, show::kHide));
  EXPECT_EQ(get_foreground_window(), b);
  EXPECT_FALSE(show_window(a, show::kHide));
}

TEST(PlacementTest, FocusBelongsToTheCallingThreadsWindowsOnly) {
  WindowThread owner;
  const WindowHandle window = owner.create(testing::kLogged, 0, 0, 50, 50);
  set_focus(window);
  EXPECT_EQ(get_focus(), kNoWindow);  // not this thread's window
  WindowHandle seen = kNoWindow;
  owner.call([&] { seen = get_focus(); });
  EXPECT_EQ(seen, window);
  enable_window(window, false);
  EXPECT_FALSE(is_window_enabled(window));
  owner.call([&] { seen = get_focus(); });
  EXPECT_EQ(seen, kNoWindow);  // a disabled window loses the focus
  EXPECT_EQ(set_focus(window), kNoWindow);
  EXPECT_TRUE(enable_window(window, true));
  EXPECT_FALSE(enable_window(window, true));
}

TEST(PlacementTest, WindowTextIsCutToTheBuffer) {
  WindowThread owner;
  const WindowHandle window = owner.create(testing::kLogged, 0, 0, 50, 50);
  ASSERT_TRUE(set_window_text(window, "kanvo-quiz"));
  EXPECT_EQ(get_window_text_length(window), 10);
  char buffer[5] = {'x', 'x', 'x', 'x', 'x'};
  EXPECT_EQ(get_window_text(window, buffer, 5), 4);
  EXPECT_STREQ(buffer, "kanv");
  EXPECT_EQ(get_window_text(window, buffer, 0), 0);
  EXPECT_EQ(get_window_text(window, nullptr, 5), 0);
}

TEST(PlacementTest, HostileHandlesFailHarmlessly) {
  testing::ensure_classes();
  const WindowHandle stale = static_cast<WindowHandle>(0x00090001u);
  Rect rect{1, 2, 3, 4};
  Point point{5, 6};
  char buffer[4] = "abc";
  for (const WindowHandle window : {kNoWindow, stale}) {
    EXPECT_FALSE(get_window_rect(window, &rect));
    EXPECT_FALSE(get_client_rect(window, &rect));
    EXPECT_FALSE(set_window_pos(window, kNoWindow, 0, 0, 10, 10, 0));
    EXPECT_FALSE(screen_to_client(window, &point));
    EXPECT_FALSE(show_window(window, show::kShow));
    EXPECT_FALSE(is_window_visible(window));
    EXPECT_FALSE(set_foreground_window(window));
    EXPECT_EQ(set_focus(window), kNoWindow);
    EXPECT_FALSE(set_window_text(window, "x"));
    EXPECT_EQ(get_window_text(window, buffer, 4), 0);
    EXPECT_EQ(buffer[0], '\0');
  }
  EXPECT_EQ(rect, (Rect{1, 2, 3, 4}));
  EXPECT_EQ(point, (Point{5, 6}));
  WindowThread owner;
  const WindowHandle window = owner.create(testing::kLogged, 0, 0, 50, 50);
  EXPECT_FALSE(get_window_rect(window, nullptr));
  EXPECT_FALSE(screen_to_client(window, nullptr));
  EXPECT_FALSE(show_window(window, 12345));
  EXPECT_EQ(testing::make_window("NoSuchClass", 0, 0, 10, 10), kNoWindow);
  EXPECT_FALSE(register_class({"", 0, nullptr, Cursor::arrow, surface::kNoObject}));
  EXPECT_FALSE(unregister_class(testing::kLogged));  // windows of it exist
  EXPECT_FALSE(unregister_class("NoSuchClass"));
}

TEST(PlacementTest, ClassesRegisterOnceAndUnregisterWhenUnused) {
  const auto procedure = [](WindowHandle window, std::uint32_t message, WParam wparam,
                            LParam lparam) {
    return default_window_procedure(window, message, wparam, lparam);
  };
  ASSERT_TRUE(register_class(
      {"Once", class_style::kNoClose, procedure, Cursor::arrow, surface::kNoObject}));
  EXPECT_FALSE(register_class({"Once", 0, procedure, Cursor::arrow, surface::kNoObject}));
  WindowClass info;
  ASSERT_TRUE(get_class_info("Once", &info));
  EXPECT_EQ(info.style, class_style::kNoClose);  // the first registration stays
  EXPECT_TRUE(unregister_class("Once"));
  EXPECT_FALSE(get_class_info("Once", &info));
}

}  // namespace
}  // namespace kanvo::win
