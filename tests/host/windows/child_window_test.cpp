// Child windows: placed in their parent's client area, drawn into its picture and clipped to it,
// taking the input that falls on them and the focus while their top-level window is active, and
// gone with their parent. The capture, and window texts through messages.
#include <gtest/gtest.h>

#include "host/display/keys.h"
#include "tests/host/windows/window_test_support.h"

namespace kanvo::win {
namespace {

using testing::MessageLog;
using testing::WindowThread;

constexpr surface::PixelWord kRedPixel = 0x00FF0000;
constexpr std::uint32_t kChildStyle = style::kChild | style::kVisible;

class ChildWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    MessageLog::instance().clear();
    parent_ = owner_.create(testing::kLogged, 200, 150, 300, 200);
    owner_.call([&] {
      show_window(parent_, show::kShow);
      child_ = testing::make_child(testing::kRed, parent_, {10, 20, 40, 60}, kChildStyle, 7);
    });
    owner_.settle();
    MessageLog::instance().clear();
  }
  Point client_origin(WindowHandle window) {
    Point origin{0, 0};
    client_to_screen(window, &origin);
    return origin;
  }

  WindowThread owner_;
  WindowHandle parent_ = kNoWindow;
  WindowHandle child_ = kNoWindow;
  std::uint32_t time_ms_ = 0;
};

TEST_F(ChildWindowTest, StandsInTheParentsClientAreaAndMovesWithIt) {
  ASSERT_NE(child_, kNoWindow);
  const Point parent_client = client_origin(parent_);
  Rect outer;
  ASSERT_TRUE(get_window_rect(child_, &outer));
  EXPECT_EQ(outer, (Rect{parent_client.x + 10, parent_client.y + 20, parent_client.x + 40,
                         parent_client.y + 60}));
  EXPECT_EQ(get_parent(child_), parent_);
  EXPECT_EQ(get_parent(parent_), kNoWindow);
  EXPECT_EQ(get_dialog_item(parent_, 7), child_);
  EXPECT_EQ(get_dialog_item(parent_, 8), kNoWindow);
  EXPECT_EQ(get_dialog_item_id(child_), 7u);
  // Children are not top-level windows: they are not stacked among them.
  std::vector<WindowHandle> stacked(16);
  stacked.resize(z_order(stacked.data(), stacked.size()));
  EXPECT_EQ(std::count(stacked.begin(), stacked.end(), child_), 0);

  set_window_pos(parent_, kNoWindow, 250, 170, 0, 0,
                 placement::kNoSize | placement::kNoZOrder | placement::kNoActivate);
  const Point moved = client_origin(parent_);
  EXPECT_EQ(client_origin(child_), (Point{moved.x + 10, moved.y + 20}));
}

TEST_F(ChildWindowTest, IsDrawnIntoItsParentsPictureClippedToTheClientArea) {
  // Half the child hangs out of the parent's client area at the left.
  owner_.call([&] { set_window_pos(child_, kNoWindow, -15, 20, 30, 40, placement::kNoZOrder); });
  owner_.settle();
  const Point parent_client = client_origin(parent_);
  display::Image picture = testing::screen().capture();
  EXPECT_EQ(picture.at(parent_client.x + 5, parent_client.y + 30) & 0xFFFFFF, kRedPixel);
  EXPECT_NE(picture.at(parent_client.x - 5, parent_client.y + 30) & 0xFFFFFF, kRedPixel);
  EXPECT_NE(picture.at(parent_client.x + 20, parent_client.y + 30) & 0xFFFFFF, kRedPixel);

  owner_.call([&] { show_window(child_, show::kHide); });
  EXPECT_FALSE(is_window_visible(child_));
  picture = testing::screen().capture();
  EXPECT_NE(picture.at(parent_client.x + 5, parent_client.y + 30) & 0xFFFFFF, kRedPixel);
  // A child of a hidden parent is not visible either.
  owner_.call([&] {
    show_window(child_, show::kShow);
    show_window(parent_, show::kHide);
  });
  EXPECT_FALSE(is_window_visible(child_));
}

TEST_F(ChildWindowTest, ClicksGoToTheChildUnderThePointerInItsOwnCoordinates) {
  const Point child_client = client_origin(child_);
  testing::click({child_client.x + 3, child_client.y + 4}, time_ms_ += 1000);
  const Point parent_client = client_origin(parent_);
  testing::click({parent_client.x + 200, parent_client.y + 100}, time_ms_ += 1000);
  owner_.settle();
  const auto downs = MessageLog::instance().of(msg::kLeftButtonDown);
  ASSERT_EQ(downs.size(), 2u);
  EXPECT_EQ(downs[0].window, child_);
  EXPECT_EQ(downs[0].lparam, make_lparam(3, 4));
  EXPECT_EQ(downs[1].window, parent_);
  EXPECT_EQ(downs[1].lparam, make_lparam(200, 100));

  // Neither a disabled child nor a child of a disabled parent takes clicks.
  enable_window(child_, false);
  testing::click({child_client.x + 3, child_client.y + 4}, time_ms_ += 1000);
  enable_window(child_, true);
  enable_window(parent_, false);
  testing::click({child_client.x + 3, child_client.y + 4}, time_ms_ += 1000);
  owner_.settle();
  EXPECT_EQ(MessageLog::instance().of(msg::kLeftButtonDown).size(), 2u);
}

TEST_F(ChildWindowTest, HoldsTheFocusWhileItsWindowIsActiveAndGetsItBackLater) {
  owner_.call([&] { set_focus(child_); });
  testing::key(keys::kSpace, true);
  owner_.settle();
  auto keys_down = MessageLog::instance().of(msg::kKeyDown);
  ASSERT_EQ(keys_down.size(), 1u);
  EXPECT_EQ(keys_down[0].window, child_);

  // Another window becomes active; the child's window comes back with the child focused.
  const WindowHandle other = owner_.create(testing::kLogged, 700, 150, 100, 100);
  owner_.call([&] { show_window(other, show::kShow); });
  testing::key(keys::kSpace, true);
  owner_.call([&] { set_foreground_window(parent_); });
  testing::key(keys::kSpace, true);
  owner_.settle();
  keys_down = MessageLog::instance().of(msg::kKeyDown);
  ASSERT_EQ(keys_down.size(), 3u);
  EXPECT_EQ(keys_down[1].window, other);
  EXPECT_EQ(keys_down[2].window, child_);

  // Focusing a child of a window that is not active waits for that window's activation.
  owner_.call([&] {
    set_foreground_window(other);
    set_focus(child_);
    EXPECT_EQ(get_focus(), other);
    set_foreground_window(parent_);
    EXPECT_EQ(get_focus(), child_);
  });
}

TEST_F(ChildWindowTest, GoesWithItsParentAfterIt) {
  WindowHandle inner = kNoWindow;
  owner_.call([&] { inner = testing::make_child(testing::kLogged, child_, {1, 1, 5, 5}); });
  ASSERT_NE(inner, kNoWindow);
  MessageLog::instance().clear();
  owner_.call([&] { destroy_window(parent_); });
  const auto destroyed = MessageLog::instance().of(msg::kDestroy);
  ASSERT_EQ(destroyed.size(), 3u);
  EXPECT_EQ(destroyed[0].window, parent_);
  EXPECT_EQ(destroyed[1].window, child_);
  EXPECT_EQ(destroyed[2].window, inner);
  EXPECT_FALSE(is_window(child_));
  EXPECT_FALSE(is_window(inner));
  // No child without a parent.
  EXPECT_EQ(testing::make_child(testing::kLogged, parent_, {0, 0, 5, 5}), kNoWindow);
}

TEST_F(ChildWindowTest, CaptureTakesTheMouseWhereverThePointerGoes) {
  owner_.call([&] { set_capture(child_); });
  const Point child_client = client_origin(child_);
  testing::press(display::InputEvent::Kind::mouse_move, {child_client.x - 50, child_client.y + 2},
                 time_ms_ += 1000);
  testing::press(display::InputEvent::Kind::button_up, {child_client.x + 500, child_client.y},
                 time_ms_ += 1000);
  owner_.settle();
  const auto moves = MessageLog::instance().of(msg::kMouseMove);
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0].window, child_);
  EXPECT_EQ(moves[0].lparam, make_lparam(-50, 2));
  const auto ups = MessageLog::instance().of(msg::kLeftButtonUp);
  ASSERT_EQ(ups.size(), 1u);
  EXPECT_EQ(ups[0].lparam, make_lparam(500, 0));

  owner_.call([&] {
    EXPECT_EQ(get_capture(), child_);
    EXPECT_TRUE(release_capture());
    EXPECT_EQ(get_capture(), kNoWindow);
  });
  EXPECT_EQ(get_capture(), kNoWindow);  // another thread never sees it
}

TEST_F(ChildWindowTest, WindowTextGoesThroughTheProcedureAndIsCutBetweenCharacters) {
  ASSERT_TRUE(set_window_text(parent_, "\xC8\xB7\xB6\xA8x"));  // "确定x" in GBK
  EXPECT_EQ(MessageLog::instance().of(msg::kSetText).size(), 1u);
  EXPECT_EQ(get_window_text_length(parent_), 5);
  char buffer[8] = "-------";
  // Room for 3 bytes: the first character fits, half of the second would not.
  EXPECT_EQ(get_window_text(parent_, buffer, 4), 2);
  EXPECT_STREQ(buffer, "\xC8\xB7");
  EXPECT_EQ(get_window_text(parent_, buffer, 8), 5);
  EXPECT_STREQ(buffer, "\xC8\xB7\xB6\xA8x");
}

}  // namespace
}  // namespace kanvo::win
