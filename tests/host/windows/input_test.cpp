// Input from the screen: clicks and double clicks by time and distance, the wheel, keys to the
// focus window, caption dragging and caption buttons.
#include <gtest/gtest.h>

#include "host/display/keys.h"
#include "tests/host/windows/window_test_support.h"

namespace kanvo::win {
namespace {

using display::InputEvent;
using display::MouseButton;
using testing::MessageLog;
using testing::WindowThread;

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    MessageLog::instance().clear();
    window_ = owner_.create(testing::kLogged, 100, 100, 300, 200);
    show_window(window_, show::kShow);
    owner_.settle();
    client_to_screen(window_, &origin_);
    MessageLog::instance().clear();
  }
  Point at(std::int32_t x, std::int32_t y) const { return {origin_.x + x, origin_.y + y}; }
  std::vector<std::uint32_t> buttons_seen() {
    owner_.settle();
    std::vector<std::uint32_t> seen;
    for (std::uint32_t m = msg::kLeftButtonDown; m <= msg::kMiddleButtonDoubleClick; ++m) {
      for (const auto& s : MessageLog::instance().of(m)) seen.push_back(s.message);
    }
    return seen;
  }

  WindowThread owner_;
  WindowHandle window_ = kNoWindow;
  Point origin_{0, 0};
};

TEST_F(InputTest, ClickGivesDownAndUpWithClientCoordinatesAndButtonState) {
  testing::click(at(10, 20), 1000);
  owner_.settle();
  const auto down = MessageLog::instance().of(msg::kLeftButtonDown);
  const auto up = MessageLog::instance().of(msg::kLeftButtonUp);
  ASSERT_EQ(down.size(), 1u);
  ASSERT_EQ(up.size(), 1u);
  EXPECT_EQ(down[0].window, window_);
  EXPECT_EQ(down[0].lparam, make_lparam(10, 20));
  EXPECT_EQ(down[0].wparam, mouse_keys::kLeftButton);
  EXPECT_EQ(up[0].wparam, 0u);
  EXPECT_EQ(down[0].thread, owner_.id());
}

TEST_F(InputTest, QuickSecondClickNearbyIsADoubleClick) {
  testing::click(at(10, 10), 1000);
  testing::click(at(12, 8), 1400);  // within 500 ms and 2 pixels
  testing::click(at(12, 8), 1600);  // a third press starts anew
  testing::click(at(12, 8), 2200);  // too late after the third
  testing::click(at(15, 8), 2300);  // too far
  EXPECT_EQ(buttons_seen().size(), 10u);
  EXPECT_EQ(MessageLog::instance().of(msg::kLeftButtonDoubleClick).size(), 1u);
  EXPECT_EQ(MessageLog::instance().of(msg::kLeftButtonDown).size(), 4u);
  EXPECT_EQ(MessageLog::instance().of(msg::kLeftButtonUp).size(), 5u);
}

TEST_F(InputTest, DoubleClickNeedsTheSameButtonAndAClassThatAsksForIt) {
  testing::click(at(10, 10), 1000, MouseButton::left);
  testing::click(at(10, 10), 1100, MouseButton::right);
  testing::click(at(10, 10), 1200, MouseButton::right);
  owner_.settle();
  EXPECT_EQ(MessageLog::instance().of(msg::kRightButtonDoubleClick).size(), 1u);
  EXPECT_EQ(MessageLog::instance().of(msg::kLeftButtonDoubleClick).size(), 0u);

  const WindowHandle plain = owner_.create(testing::kLoggedNoClose, 600, 100, 100, 100);
  show_window(plain, show::kShow);
  MessageLog::instance().clear();
  Point corner{0, 0};
  client_to_screen(plain, &corner);
  testing::click({corner.x + 5, corner.y + 5}, 3000);
  testing::click({corner.x + 5, corner.y + 5}, 3100);
  owner_.settle();
  EXPECT_EQ(MessageLog::instance().of(msg::kLeftButtonDown).size(), 2u);
  EXPECT_EQ(MessageLog::instance().of(msg::kLeftButtonDoubleClick).size(), 0u);
}

TEST_F(InputTest, WheelCarriesDeltaAndScreenCoordinates) {
  InputEvent event;
  event.kind = InputEvent::Kind::wheel;
  event.position = at(10, 20);
  event.wheel = 120;
  event.modifiers = display::modifier::kControl;
  testing::screen().inject(event);
  event.wheel = -240;
  event.modifiers = 0;
  testing::screen().inject(event);
  owner_.settle();
  const auto wheels = MessageLog::instance().of(msg::kMouseWheel);
  ASSERT_EQ(wheels.size(), 2u);
  EXPECT_EQ(high_word(wheels[0].wparam), 120);
  EXPECT_EQ(low_word(wheels[0].wparam), static_cast<std::int16_t>(mouse_keys::kControl));
  EXPECT_EQ(high_word(wheels[1].wparam), -240);
  Point point{low_word(static_cast<std::uintptr_t>(wheels[0].lparam)),
              high_word(static_cast<std::uintptr_t>(wheels[0].lparam))};
  EXPECT_EQ(point, at(10, 20));
  screen_to_client(window_, &point);
  EXPECT_EQ(point, (Point{10, 20}));
}

TEST_F(InputTest, MovesAreDeliveredOneByOne) {
  for (int i = 0; i < 30; ++i) testing::press(InputEvent::Kind::mouse_move, at(i, i), 1000);
  owner_.settle();
  const auto moves = MessageLog::instance().of(msg::kMouseMove);
  ASSERT_EQ(moves.size(), 30u);
  EXPECT_EQ(moves[29].lparam, make_lparam(29, 29));
}

TEST_F(InputTest, KeysGoToTheFocusWindowAndNotToTheMouse) {
  testing::key('Y', true);
  testing::key('Y', false);
  owner_.settle();
  const auto downs = MessageLog::instance().of(msg::kKeyDown);
  const auto ups = MessageLog::instance().of(msg::kKeyUp);
  ASSERT_EQ(downs.size(), 1u);
  ASSERT_EQ(ups.size(), 1u);
  EXPECT_EQ(downs[0].window, window_);
  EXPECT_EQ(downs[0].wparam, static_cast<WParam>('Y'));
  EXPECT_EQ((static_cast<std::uintptr_t>(ups[0].lparam) >> 30) & 3, 3u);
  // The window thread translates: the key typed a character.
  const auto typed = MessageLog::instance().of(msg::kChar);
  ASSERT_EQ(typed.size(), 1u);
  EXPECT_EQ(typed[0].wparam, static_cast<WParam>('y'));
  EXPECT_TRUE(buttons_seen().empty());
}

TEST_F(InputTest, DisabledWindowGetsNoInput) {
  enable_window(window_, false);
  testing::click(at(10, 10), 1000);
  testing::key('A', true);
  owner_.settle();
  EXPECT_TRUE(buttons_seen().empty());
  EXPECT_TRUE(MessageLog::instance().of(msg::kKeyDown).empty());
}

TEST_F(InputTest, DraggingTheCaptionMovesTheWindow) {
  const Point caption{200, 110};
  testing::press(InputEvent::Kind::button_down, caption, 1000);
  testing::press(InputEvent::Kind::mouse_move, {250, 160}, 1010);
  testing::press(InputEvent::Kind::mouse_move, {260, 130}, 1020);
  testing::press(InputEvent::Kind::button_up, {260, 130}, 1030);
  testing::press(InputEvent::Kind::mouse_move, {400, 400}, 1040);
  Rect rect;
  get_window_rect(window_, &rect);
  EXPECT_EQ(rect, (Rect{160, 120, 460, 320}));
  owner_.settle();
  EXPECT_TRUE(buttons_seen().empty());
  EXPECT_FALSE(MessageLog::instance().of(msg::kMove).empty());
}

TEST_F(InputTest, CloseBoxClosesUnlessTheClassForbidsIt) {
  const WindowHandle locked = owner_.create(testing::kLoggedNoClose, 600, 100, 200, 100);
  show_window(locked, show::kShow);
  // The close box sits at the caption's right end.
  testing::click({600 + 200 - 3 - 2 - 9, 100 + 3 + 11}, 1000);
  owner_.settle();
  EXPECT_TRUE(is_window(locked));
  testing::click({100 + 300 - 3 - 2 - 9, 100 + 3 + 11}, 2000);
  owner_.settle();
  EXPECT_FALSE(is_window(window_));
  EXPECT_EQ(MessageLog::instance().of(msg::kClose).size(), 1u);
  // A close asked for by the display takes the same road.
  display::InputEvent event;
  event.kind = InputEvent::Kind::close;
  event.window = static_cast<std::uint32_t>(locked);
  testing::screen().inject(event);
  owner_.settle();
  EXPECT_TRUE(is_window(locked));
}

TEST_F(InputTest, MinimiseBoxAndDisplayRestore) {
  testing::click({100 + 300 - 3 - 2 - 18 - 2 - 9, 100 + 3 + 11}, 1000);
  owner_.settle();
  EXPECT_TRUE(is_minimized(window_));
  EXPECT_NE(get_foreground_window(), window_);
  display::InputEvent event;
  event.kind = InputEvent::Kind::restored;
  event.window = static_cast<std::uint32_t>(window_);
  testing::screen().inject(event);
  owner_.settle();
  EXPECT_FALSE(is_minimized(window_));
  EXPECT_EQ(get_foreground_window(), window_);
  const auto sizes = MessageLog::instance().of(msg::kSize);
  ASSERT_EQ(sizes.size(), 2u);
  EXPECT_EQ(sizes[0].wparam, size_kind::kMinimized);
  EXPECT_EQ(sizes[1].wparam, size_kind::kRestored);
}

TEST_F(InputTest, HostileEventsAreIgnored) {
  display::InputEvent event;
  event.kind = InputEvent::Kind::close;
  event.window = 0xFFFFFFFFu;
  testing::screen().inject(event);
  event.kind = InputEvent::Kind::button_down;
  event.position = {INT32_MIN, INT32_MAX};
  event.button = MouseButton::none;
  testing::screen().inject(event);
  event.kind = InputEvent::Kind::button_up;
  event.position = at(1, 1);
  testing::screen().inject(event);
  event.kind = InputEvent::Kind::key_down;
  event.key = 0xFFFFFFFFu;
  testing::screen().inject(event);
  owner_.settle();
  EXPECT_TRUE(is_window(window_));
  EXPECT_TRUE(buttons_seen().empty());
}

}  // namespace
}  // namespace kanvo::win
