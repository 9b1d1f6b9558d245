// Invalid areas, paint messages, erasing, client device contexts from other threads, and what
// the screen shows.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "tests/host/windows/window_test_support.h"

namespace kanvo::win {
namespace {

using testing::MessageLog;
using testing::WindowThread;

constexpr surface::PixelWord kRedPixel = 0x00FF0000;
constexpr surface::PixelWord kGreenPixel = 0x0000FF00;

class PaintingTest : public ::testing::Test {
 protected:
  void SetUp() override { MessageLog::instance().clear(); }
};

// Fills the client rectangle through a client DC.
void fill_client(WindowHandle window, const Rect& rect, surface::Color color) {
  const surface::DcHandle dc = get_dc(window);
  const surface::ObjectHandle brush = surface::create_solid_brush(color);
  surface::fill_rect(dc, rect, brush);
  surface::delete_object(brush);
  release_dc(window, dc);
}

// A frameless window at the top-left corner, shown and painted once by its owner.
WindowHandle shown_and_painted(WindowThread& owner, const char* class_name, std::int32_t size,
                               int show_command) {
  const WindowHandle window = owner.create(class_name, 0, 0, size, size, 0);
  owner.call([&] {
    show_window(window, show_command);
    update_window(window);
  });
  return window;
}

TEST_F(PaintingTest, PaintComesWhenTheQueueIsOtherwiseEmpty) {
  std::thread owner([] {
    const WindowHandle window = testing::make_window(testing::kLogged, 0, 0, 100, 100);
    post_message(window, msg::kUser, 1, 0);
    Message message;
    ASSERT_TRUE(get_message(&message));
    EXPECT_EQ(message.message, msg::kUser);
    ASSERT_TRUE(get_message(&message));
    EXPECT_EQ(message.message, msg::kPaint);
    // Not validated yet: it comes again.
    ASSERT_TRUE(peek_message(&message));
    EXPECT_EQ(message.message, msg::kPaint);
    dispatch_message(message);
    EXPECT_FALSE(peek_message(&message));
  });
  owner.join();
}

TEST_F(PaintingTest, InvalidAreasUniteAndBeginPaintErasesThemWithTheBackground) {
  WindowThread owner;
  const WindowHandle window = shown_and_painted(owner, testing::kRed, 200, show::kShowNoActivate);
  fill_client(window, {0, 0, 200, 200}, surface::rgb(0, 255, 0));
  MessageLog::instance().clear();

  const Rect first{10, 10, 20, 20};
  const Rect second{50, 40, 60, 45};
  Rect update;
  // On the owner, so that it cannot paint between the two.
  owner.call([&] {
    invalidate_rect(window, &first, true);
    invalidate_rect(window, &second, true);
    get_update_rect(window, &update);
  });
  EXPECT_EQ(update, (Rect{10, 10, 60, 45}));
  owner.settle();

  const auto paints = MessageLog::instance().of(msg::kPaint);
  ASSERT_EQ(paints.size(), 1u);
  EXPECT_EQ(paints[0].paint, (Rect{10, 10, 60, 45}));
  EXPECT_FALSE(get_update_rect(window, &update));
  const display::Image shown = testing::screen().capture();
  EXPECT_EQ(testing::client_pixel(shown, window, {10, 10}), kRedPixel);
  EXPECT_EQ(testing::client_pixel(shown, window, {59, 44}), kRedPixel);
  EXPECT_EQ(testing::client_pixel(shown, window, {60, 44}), kGreenPixel);
  EXPECT_EQ(testing::client_pixel(shown, window, {9, 10}), kGreenPixel);
}

TEST_F(PaintingTest, PaintDrawsOnlyInsideTheInvalidArea) {
  std::thread owner([] {
    const WindowHandle window = testing::make_window(testing::kLogged, 0, 0, 100, 100, 0);
    validate_rect(window, nullptr);
    const Rect part{20, 20, 30, 30};
    invalidate_rect(window, &part, false);
    PaintInfo paint;
    const surface::DcHandle dc = begin_paint(window, &paint);
    ASSERT_NE(dc, surface::kNoDc);
    EXPECT_FALSE(paint.erase);  // not asked for
    EXPECT_EQ(paint.paint, part);
    const auto white = surface::get_stock_object(surface::StockObject::white_brush);
    surface::fill_rect(dc, {0, 0, 100, 100}, white);
    EXPECT_EQ(surface::get_pixel(dc, 20, 20), surface::rgb(255, 255, 255));
    EXPECT_EQ(surface::get_pixel(dc, 19, 20), surface::kInvalidColor);
    end_paint(window, paint);
    Message message;
    EXPECT_FALSE(peek_message(&message));
  });
  owner.join();
}

TEST_F(PaintingTest, ClassWithoutBackgroundLeavesErasingToThePainter) {
  std::thread owner([] {
    testing::ensure_classes();
    const WindowHandle window = testing::make_window("Control", 0, 0, 100, 100, 0);
    PaintInfo paint;
    begin_paint(window, &paint);
    EXPECT_TRUE(paint.erase);
    EXPECT_EQ(paint.paint, (Rect{0, 0, 100, 100}));
    end_paint(window, paint);
  });
  owner.join();
}

TEST_F(PaintingTest, WindowOnAnotherThreadKeepsWorkingWhileThisThreadDrawsOnItsClientDc) {
  WindowThread owner;
  const WindowHandle window = shown_and_painted(owner, testing::kLogged, 300, show::kShow);
  std::atomic<bool> drawing{true};
  std::atomic<int> posted{0};
  std::thread poster([&] {
    WParam count = 0;
    while (drawing.load() || count < 100) {
      post_message(window, msg::kUser, count++, 0);
      posted.store(static_cast<int>(count));
    }
  });
  const surface::DcHandle dc = get_dc(window);
  ASSERT_NE(dc, surface::kNoDc);
  const auto brush = surface::create_solid_brush(surface::rgb(0, 255, 0));
  int answered = 0;
  for (int i = 0; i < 200; ++i) {
    surface::fill_rect(dc, {0, i, 250, i + 1}, brush);
    if (send_message(window, testing::kEcho, static_cast<WParam>(i), 0) == i + 1) ++answered;
  }
  drawing.store(false);
  poster.join();
  owner.settle();
  EXPECT_EQ(answered, 200);
  EXPECT_EQ(MessageLog::instance().of(msg::kUser).size(), static_cast<std::size_t>(posted.load()));
  const display::Image image = testing::screen().capture();
  EXPECT_EQ(testing::client_pixel(image, window, {0, 0}), kGreenPixel);
  EXPECT_EQ(testing::client_pixel(image, window, {249, 199}), kGreenPixel);
  EXPECT_EQ(testing::client_pixel(image, window, {250, 199}), 0u);
  EXPECT_EQ(testing::client_pixel(image, window, {0, 200}), 0u);
  EXPECT_TRUE(release_dc(window, dc));
  surface::delete_object(brush);
}

// The screen copies a window while another thread fills all of it, again and again, in red and
// in green: every copy shows one fill whole, never the top of one and the bottom of the other.
TEST_F(PaintingTest, ScreenNeverShowsADrawingCallHalfDone) {
  WindowThread owner;
  const WindowHandle window = shown_and_painted(owner, testing::kLogged, 300, show::kShow);
  std::atomic<bool> drawing{true};
  std::thread painter([&] {
    const surface::DcHandle dc = get_dc(window);
    const auto red = surface::create_solid_brush(surface::rgb(255, 0, 0));
    const auto green = surface::create_solid_brush(surface::rgb(0, 255, 0));
    // The yield lets the copies in between the fills; a lock taken back at once can starve them.
    for (int i = 0; drawing.load(); ++i) {
      surface::fill_rect(dc, {0, 0, 300, 300}, i % 2 ? red : green);
      std::this_thread::yield();
    }
    surface::delete_object(red);
    surface::delete_object(green);
    release_dc(window, dc);
  });
  int torn = 0;
  int filled = 0;
  for (int i = 0; i < 100; ++i) {
    const display::Image image = testing::screen().capture();
    const surface::PixelWord top = testing::client_pixel(image, window, {0, 0});
    const surface::PixelWord bottom = testing::client_pixel(image, window, {299, 299});
    torn += top != bottom;
    filled += top == kRedPixel || top == kGreenPixel;
  }
  drawing.store(false);
  painter.join();
  EXPECT_EQ(torn, 0);
  EXPECT_GT(filled, 0);
}

TEST_F(PaintingTest, ClientDcOutlivesItsWindowHarmlessly) {
  WindowHandle window = kNoWindow;
  surface::DcHandle dc = surface::kNoDc;
  std::thread owner([&] {
    window = testing::make_window(testing::kLogged, 0, 0, 100, 100);
    dc = get_dc(window);
  });
  owner.join();  // the window goes with its thread
  EXPECT_FALSE(is_window(window));
  const auto white = surface::get_stock_object(surface::StockObject::white_brush);
  EXPECT_TRUE(surface::fill_rect(dc, {0, 0, 100, 100}, white));
  EXPECT_FALSE(release_dc(kNoWindow, dc));  // another window's
  EXPECT_TRUE(release_dc(window, dc));
  EXPECT_FALSE(release_dc(window, dc));  // twice
  EXPECT_EQ(get_dc(window), surface::kNoDc);
  PaintInfo paint;
  EXPECT_EQ(begin_paint(window, &paint), surface::kNoDc);
  EXPECT_FALSE(invalidate_rect(window, nullptr, true));
}

TEST_F(PaintingTest, ScreenShowsWindowsInStackingOrderWithTheirFrames) {
  WindowThread owner;
  const WindowHandle below = owner.create(testing::kRed, 100, 100, 200, 200);
  const WindowHandle above = owner.create(testing::kLogged, 150, 150, 200, 200);
  show_window(below, show::kShow);
  show_window(above, show::kShow);
  owner.settle();
  display::Image image = testing::screen().capture();
  EXPECT_EQ(image.at(120, 140), kRedPixel);
  EXPECT_EQ(image.at(200, 200), 0u);  // the black client of the upper window
  EXPECT_EQ(image.at(50, 50), display::HeadlessDisplay::kDesktop);
  // The active caption is blue, the inactive one grey.
  EXPECT_EQ(image.at(160, 155), 0x000078D7u);
  EXPECT_EQ(image.at(110, 105), 0x00CDCDCDu);

  set_foreground_window(below);
  owner.settle();
  image = testing::screen().capture();
  EXPECT_EQ(image.at(200, 200), kRedPixel);
  EXPECT_EQ(image.at(110, 105), 0x000078D7u);

  show_window(below, show::kMinimize);
  EXPECT_TRUE(is_minimized(below));
  image = testing::screen().capture();
  EXPECT_EQ(image.at(120, 140), display::HeadlessDisplay::kDesktop);
  EXPECT_EQ(get_foreground_window(), above);
}

TEST_F(PaintingTest, RestoringAMinimisedWindowRepaintsAllOfIt) {
  WindowThread owner;
  const WindowHandle window = owner.create(testing::kRed, 0, 0, 100, 100);
  show_window(window, show::kShow);
  owner.settle();
  fill_client(window, {0, 0, 10, 10}, surface::rgb(0, 255, 0));
  show_window(window, show::kMinimize);
  owner.settle();
  MessageLog::instance().clear();
  show_window(window, show::kRestore);
  owner.settle();
  const auto paints = MessageLog::instance().of(msg::kPaint);
  ASSERT_EQ(paints.size(), 1u);
  Rect client;
  get_client_rect(window, &client);
  EXPECT_EQ(paints[0].paint, client);
  const display::Image image = testing::screen().capture();
  EXPECT_EQ(testing::client_pixel(image, window, {5, 5}), kRedPixel);
}

TEST_F(PaintingTest, GrowingRepaintsOnlyTheNewPart) {
  WindowThread owner;
  const WindowHandle window = owner.create(testing::kLogged, 0, 0, 100, 100, 0);
  owner.settle();
  MessageLog::instance().clear();
  set_window_pos(window, kNoWindow, 0, 0, 150, 100, placement::kNoMove | placement::kNoZOrder);
  owner.settle();
  set_window_pos(window, kNoWindow, 0, 0, 50, 50, placement::kNoMove | placement::kNoZOrder);
  owner.settle();
  const auto paints = MessageLog::instance().of(msg::kPaint);
  ASSERT_EQ(paints.size(), 1u);  // shrinking uncovers nothing
  EXPECT_EQ(paints[0].paint, (Rect{100, 0, 150, 100}));
  const auto sizes = MessageLog::instance().of(msg::kSize);
  ASSERT_EQ(sizes.size(), 2u);
  EXPECT_EQ(sizes[0].lparam, make_lparam(150, 100));
  EXPECT_EQ(sizes[1].lparam, make_lparam(50, 50));
}

}  // namespace
}  // namespace kanvo::win
