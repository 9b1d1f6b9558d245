// The graphics window on the headless screen: drawing on canvas and window, batch drawing,
// repaints, re-opening, closing, and mouse and key messages from the screen.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "graphics/context/graphics_context.h"
#include "graphics/kanvo.h"
#include "graphics/platform/drawing_surface.h"
#include "host/windows/classes.h"
#include "host/windows/controls.h"
#include "host/windows/messages.h"
#include "host/windows/painting.h"
#include "host/windows/screen.h"
#include "host/windows/windows.h"
#include "port/host_values.h"
#include "tests/support/bounded_thread.h"
#include "tests/support/library_window.h"
#include "tests/support/process_figures.h"
#include "tests/support/waiting_thread.h"

namespace kanvo {
namespace {

using testing::thread_count;

constexpr std::uint32_t kRedWord = 0x00FF0000;
// How long a woken reader may take to return, however busy the machine.
constexpr std::chrono::seconds kWakePatience(20);

display::HeadlessDisplay& screen() {
  display::HeadlessDisplay* headless = win::headless_screen();
  if (headless == nullptr) throw std::runtime_error("the tests need the headless screen");
  return *headless;
}

// The pixel word the screen shows at a client point of the window.
std::uint32_t on_screen(std::int32_t x, std::int32_t y) {
  const Point origin = testing::client_origin(get_window_handle());
  const Point point{origin.x + x, origin.y + y};
  return screen().capture().at(point.x, point.y) & 0xFFFFFF;
}

std::uint32_t in_canvas(std::int32_t x, std::int32_t y) {
  const CanvasImage& canvas = graphics_context().canvas;
  return canvas.pixels()[y * canvas.width() + x] & 0xFFFFFF;
}

class GraphicsWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = open_window(200, 150, 0);
    ASSERT_NE(window_, platform::kNoWindow);
    // The new window's first repaint happens now, not in the middle of a test.
    win::update_window(testing::host_window(window_));
  }
  void TearDown() override {
    end_batch_draw();
    flush_mouse_messages();
    flush_key_messages();
    close_window();
  }
  // A key as the user presses or releases it; the screen tells the window thread.
  static void key(std::uint32_t virtual_key, bool down, bool repeat = false) {
    display::InputEvent event;
    event.kind = down ? display::InputEvent::Kind::key_down : display::InputEvent::Kind::key_up;
    event.key = virtual_key;
    event.repeat = repeat;
    screen().inject(event);
  }
  static void typed(char32_t character) {
    display::InputEvent event;
    event.kind = display::InputEvent::Kind::text;
    event.character = character;
    screen().inject(event);
  }
  // Returns once the window thread has handled everything the screen gave it so far: a click
  // given last comes last.
  void settle() {
    inject(display::InputEvent::Kind::button_up, 1, 1, display::MouseButton::left);
    while (get_mouse_message().message != WM_LBUTTONUP) {
    }
  }
  // Mouse input at a client point, as the user gives it.
  // Events come far apart unless `after_ms` says otherwise: never a double click by accident.
  void inject(display::InputEvent::Kind kind, std::int32_t x, std::int32_t y,
              display::MouseButton button = display::MouseButton::none, std::int32_t wheel = 0,
              std::uint32_t after_ms = 1000) {
    const Point origin = testing::client_origin(window_);
    const Point point{origin.x + x, origin.y + y};
    display::InputEvent event;
    event.kind = kind;
    event.position = platform::to_host(point);
    event.button = button;
    event.wheel = wheel;
    event.time_ms = time_ms_ += after_ms;
    screen().inject(event);
  }

  WindowHandle window_{};
  std::uint32_t time_ms_ = 0;
};

TEST_F(GraphicsWindow, OpensAsTheWorkingTargetWithTheClientSizeOfTheCanvas) {
  EXPECT_EQ(get_window_handle(), window_);
  EXPECT_EQ(get_working_image(), nullptr);
  EXPECT_EQ(get_width(), 200);
  EXPECT_EQ(get_height(), 150);
  surface::Rect client;
  win::get_client_rect(testing::host_window(window_), &client);
  EXPECT_EQ(client.right, 200);
  EXPECT_EQ(client.bottom, 150);
  EXPECT_TRUE(win::is_window_visible(testing::host_window(window_)));
  EXPECT_EQ(on_screen(100, 75), 0u);  // cleared to black
}

TEST_F(GraphicsWindow, UnbatchedDrawingReachesCanvasAndScreenAtOnce) {
  set_color(0x0000FF);
  draw_line(10, 10, 100, 10);
  EXPECT_EQ(read_pixel(50, 10), 0x0000FFu);
  EXPECT_EQ(on_screen(50, 10), kRedWord);
  set_bk_color(0x0000FF);
  clear_canvas();
  EXPECT_EQ(in_canvas(199, 149), kRedWord);
  EXPECT_EQ(on_screen(150, 100), kRedWord);
}

// A new brush goes into both surfaces and every brush it replaces is deleted, the one both
// shared and one that only the window had alike; the new brush lives on.
TEST_F(GraphicsWindow, BrushesReplacedOnBothSurfacesAreDeleted) {
  const SurfaceHandle canvas = graphics_context().target.drawing_surface;
  const SurfaceHandle window = graphics_context().target.window_surface;
  auto brush_of = [](SurfaceHandle surface) {
    return platform::get_current_object(surface, platform::ObjectKind::brush);
  };
  set_fill_color(0x00FF00);
  const ObjectHandle green = brush_of(canvas);
  EXPECT_EQ(brush_of(window), green);
  set_fill_color(0x0000FF);
  const ObjectHandle red = brush_of(canvas);
  EXPECT_EQ(brush_of(window), red);
  EXPECT_EQ(platform::get_object_kind(green), platform::ObjectKind::none);
  EXPECT_EQ(platform::get_object_kind(red), platform::ObjectKind::brush);

  const ObjectHandle window_only = platform::create_solid_brush(0xFF0000);
  EXPECT_EQ(platform::select_object(window, window_only), red);
  set_fill_color(0xFF0000);
  const ObjectHandle blue = brush_of(canvas);
  EXPECT_EQ(brush_of(window), blue);
  EXPECT_EQ(platform::get_object_kind(red), platform::ObjectKind::none);
  EXPECT_EQ(platform::get_object_kind(window_only), platform::ObjectKind::none);
  EXPECT_EQ(platform::get_object_kind(blue), platform::ObjectKind::brush);
}

TEST_F(GraphicsWindow, BatchDrawingIsHeldUntilAFlush) {
  begin_batch_draw();
  begin_batch_draw();
  set_color(0x00FF00);
  draw_line(0, 20, 199, 20);
  EXPECT_EQ(in_canvas(30, 20), 0x00FF00u);
  EXPECT_EQ(on_screen(30, 20), 0u);
  set_bk_color(0x0000FF);
  clear_canvas();
  EXPECT_EQ(on_screen(30, 30), 0u);  // the window keeps its picture
  end_batch_draw();                  // one end after two begins: batching is off
  EXPECT_EQ(on_screen(30, 30), kRedWord);
  draw_line(0, 40, 199, 40);
  EXPECT_EQ(on_screen(30, 40), 0x00FF00u);
}

TEST_F(GraphicsWindow, FlushOfARectangleUsesLogicalCoordinates) {
  begin_batch_draw();
  set_bk_color(0x0000FF);
  clear_canvas();
  set_origin(100, 50);
  flush_batch_draw_rect(0, 0, 9, 9);
  EXPECT_EQ(on_screen(100, 50), kRedWord);
  EXPECT_EQ(on_screen(109, 59), kRedWord);
  EXPECT_EQ(on_screen(110, 60), 0u);
  EXPECT_EQ(on_screen(99, 50), 0u);
  // The whole canvas is copied pixel for pixel whatever the origin.
  flush_batch_draw();
  EXPECT_EQ(on_screen(0, 0), kRedWord);
}

TEST_F(GraphicsWindow, RepaintsComeFromTheCanvas) {
  set_color(0xFFFFFF);
  draw_line(0, 5, 199, 5);
  win::invalidate_rect(testing::host_window(window_), nullptr, true);
  win::update_window(testing::host_window(window_));
  EXPECT_EQ(on_screen(70, 5), 0xFFFFFFu);
  // While batching a repaint already shows what the canvas holds.
  begin_batch_draw();
  draw_line(0, 7, 199, 7);
  EXPECT_EQ(on_screen(70, 7), 0u);
  win::invalidate_rect(testing::host_window(window_), nullptr, true);
  win::update_window(testing::host_window(window_));
  EXPECT_EQ(on_screen(70, 7), 0xFFFFFFu);
}

// Whatever a call reads or combines, the window shows what the canvas holds, pixel for pixel,
// without a copy: the window's pixels are written by the canvas's own drawing.
TEST_F(GraphicsWindow, EveryPrimitiveReachesTheWindowAsTheCanvasHasIt) {
  EXPECT_TRUE(graphics_context().mirrored);
  set_color(0x00FFFF);
  for (int i = 0; i < 40; ++i) stroke_circle(5 + i * 5, 20 + (i * 7) % 30, 2);
  set_fill_style(BS_HATCHED, HS_DIAGCROSS, nullptr);
  set_fill_color(0xFF8000);
  set_bk_color(0x202060);
  draw_circle(100, 90, 45);
  set_rop2(R2_XORPEN);
  draw_line(0, 0, 199, 149);
  draw_rect(20, 100, 180, 140);
  set_rop2(R2_COPYPEN);
  out_text_at(30, 60, "mirror");
  flood_fill(3, 140, 0x00FFFF);
  const display::Image capture = screen().capture();
  const Point origin = testing::client_origin(window_);
  int differ = 0;
  for (std::int32_t y = 0; y < 150; ++y) {
    for (std::int32_t x = 0; x < 200; ++x) {
      differ += (capture.at(origin.x + x, origin.y + y) & 0xFFFFFF) != in_canvas(x, y);
    }
  }
  EXPECT_EQ(differ, 0);
}

// After a batch ends with a rectangle, the window's picture differs from the canvas's outside
// it: the window then draws for itself again, XOR on what it shows, until a whole flush.
TEST_F(GraphicsWindow, AfterABatchEndsWithARectangleTheWindowDrawsForItself) {
  begin_batch_draw();
  EXPECT_FALSE(graphics_context().mirrored);
  set_bk_color(0x0000FF);
  clear_canvas();
  end_batch_draw_rect(0, 0, 9, 9);
  EXPECT_FALSE(graphics_context().mirrored);
  set_color(0xFFFFFF);
  set_rop2(R2_XORPEN);
  draw_line(0, 50, 199, 50);
  EXPECT_EQ(on_screen(100, 50), 0xFFFFFFu);    // black on the window, XOR white
  EXPECT_EQ(in_canvas(100, 50), 0x0000FFFFu);  // red in the canvas, XOR white
  flush_batch_draw();
  EXPECT_TRUE(graphics_context().mirrored);
  draw_line(0, 60, 199, 60);
  EXPECT_EQ(on_screen(100, 60), 0x0000FFFFu);
}

TEST_F(GraphicsWindow, AZeroByZeroCanvasKeepsNothingForRepaints) {
  close_window();
  window_ = open_window(0, 0, 0);
  win::set_window_pos(testing::host_window(window_), win::kNoWindow, 0, 0, 300, 300,
                      win::placement::kShowWindow);
  win::update_window(testing::host_window(window_));
  set_color(0xFFFFFF);
  draw_line(0, 5, 100, 5);
  EXPECT_EQ(on_screen(50, 5), 0xFFFFFFu);  // drawn on the window directly
  win::invalidate_rect(testing::host_window(window_), nullptr, true);
  win::update_window(testing::host_window(window_));
  EXPECT_EQ(on_screen(50, 5), 0u);  // the black class background
}

TEST_F(GraphicsWindow, ReopeningReplacesTheWindowAndLeavesNoThreadBehind) {
  const int threads_before = thread_count();
  const std::size_t objects_before = platform::live_object_count();
  WindowHandle previous = window_;
  for (int i = 0; i < 20; ++i) {
    // What the window's surface holds goes with it.
    set_color(0x0000FF + static_cast<Color>(i));
    draw_circle(20, 20, 5);
    window_ = open_window(120, 90, SHOW_CONSOLE | NO_CLOSE);
    // Its first repaint now: objects the window's thread lets go of are freed by the thread that
    // made them the next time it makes one, so the count is only steady between repaints.
    win::update_window(testing::host_window(window_));
    EXPECT_NE(window_, previous);
    EXPECT_FALSE(win::is_window(testing::host_window(previous)));
    previous = window_;
  }
  EXPECT_EQ(thread_count(), threads_before);
  EXPECT_EQ(platform::live_object_count(), objects_before);
  close_window();
  EXPECT_EQ(get_window_handle(), platform::kNoWindow);
  close_window();  // nothing to close
  // Drawing after the close still reaches the canvas.
  draw_line(0, 1, 50, 1);
  EXPECT_EQ(in_canvas(10, 1), 0xFFFFFFu);
}

TEST_F(GraphicsWindow, ClicksAndTheWheelBecomeMouseMessages) {
  EXPECT_FALSE(mouse_hit());
  inject(display::InputEvent::Kind::button_down, 30, 40, display::MouseButton::left);
  inject(display::InputEvent::Kind::button_up, 30, 40, display::MouseButton::left);
  inject(display::InputEvent::Kind::wheel, 10, 20, display::MouseButton::none, 120);
  // Each message is handled on the window's thread; wait for all three.
  std::vector<MouseMessage> got;
  for (int i = 0; i < 3; ++i) got.push_back(get_mouse_message());
  EXPECT_EQ(got[0].message, WM_LBUTTONDOWN);
  EXPECT_TRUE(got[0].left_button);
  EXPECT_EQ(got[0].x, 30);
  EXPECT_EQ(got[0].y, 40);
  EXPECT_EQ(got[1].message, WM_LBUTTONUP);
  EXPECT_FALSE(got[1].left_button);
  EXPECT_EQ(got[2].message, WM_MOUSEWHEEL);
  EXPECT_EQ(got[2].wheel, 120);
  EXPECT_EQ(got[2].x, 10);
  EXPECT_EQ(got[2].y, 20);
  EXPECT_FALSE(mouse_hit());
}

TEST_F(GraphicsWindow, EachButtonAndDoubleClickKeepsItsOwnMessage) {
  using Kind = display::InputEvent::Kind;
  inject(Kind::button_down, 7, 8, display::MouseButton::middle);
  inject(Kind::button_up, 7, 8, display::MouseButton::middle);
  // A second press at once at the same place is a double click.
  inject(Kind::button_down, 9, 9, display::MouseButton::right);
  inject(Kind::button_up, 9, 9, display::MouseButton::right, 0, 10);
  inject(Kind::button_down, 9, 9, display::MouseButton::right, 0, 10);
  inject(Kind::button_up, 9, 9, display::MouseButton::right, 0, 10);
  inject(Kind::button_down, 3, 4, display::MouseButton::left);
  inject(Kind::button_up, 3, 4, display::MouseButton::left, 0, 10);
  inject(Kind::button_down, 3, 4, display::MouseButton::left, 0, 10);
  const std::uint32_t expected[] = {WM_MBUTTONDOWN, WM_MBUTTONUP,     WM_RBUTTONDOWN,
                                    WM_RBUTTONUP,   WM_RBUTTONDBLCLK, WM_RBUTTONUP,
                                    WM_LBUTTONDOWN, WM_LBUTTONUP,     WM_LBUTTONDBLCLK};
  std::vector<MouseMessage> got;
  for (std::size_t i = 0; i < std::size(expected); ++i) got.push_back(get_mouse_message());
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(got[i].message, expected[i]) << "message " << i;
  }
  EXPECT_TRUE(got[0].middle_button);
  EXPECT_FALSE(got[1].middle_button);
  EXPECT_TRUE(got[4].right_button);
  EXPECT_EQ(got[4].x, 9);
  EXPECT_TRUE(got[8].left_button);
  EXPECT_EQ(got[8].y, 4);
  EXPECT_FALSE(mouse_hit());
  // The screen remembers held buttons from one test to the next: let go of this one.
  inject(Kind::button_up, 3, 4, display::MouseButton::left);
  EXPECT_EQ(get_mouse_message().message, WM_LBUTTONUP);
}

TEST_F(GraphicsWindow, AWaitingReaderIsWokenByTheNextClick) {
  std::atomic<pid_t> reader_thread{0};
  MouseMessage message{};
  testing::BoundedThread reader([&] {
    reader_thread = testing::this_thread_id();
    message = get_mouse_message();
  });
  EXPECT_TRUE(testing::eventually_waiting(reader_thread)) << "the reader never waited";
  EXPECT_FALSE(reader.ended()) << "the reader returned with no click";
  inject(display::InputEvent::Kind::button_down, 5, 6, display::MouseButton::right);
  ASSERT_TRUE(reader.join_within(kWakePatience, [] { close_window(); }))
      << "the click did not wake the reader";
  EXPECT_EQ(message.message, WM_RBUTTONDOWN);
  EXPECT_TRUE(message.right_button);
}

TEST_F(GraphicsWindow, KeysNeverEnterTheMouseQueue) {
  key('A', true);
  key('A', false);
  settle();
  EXPECT_FALSE(mouse_hit());
  EXPECT_EQ(graphics_context().canvas.key_messages().count(), 2);
}

TEST_F(GraphicsWindow, KeyPressesAndReleasesWithTheirCharactersAndModifiers) {
  EXPECT_FALSE(key_hit());
  key('A', true);
  key('A', false);
  key(VK_SHIFT, true);
  key('7', true);
  key('7', true, true);  // held: the press repeats
  key(VK_SHIFT, false);
  key(VK_CONTROL, true);
  key(VK_MENU, true);
  key(VK_LEFT, true);
  key(VK_MENU, false);
  key(VK_CONTROL, false);
  std::vector<KeyMessage> got;
  for (int i = 0; i < 11; ++i) got.push_back(get_key_message());
  EXPECT_FALSE(key_hit());
  EXPECT_EQ(got[0].message, WM_KEYDOWN);
  EXPECT_EQ(got[0].key, 'A');
  EXPECT_STREQ(got[0].text, "a");
  EXPECT_FALSE(got[0].shift || got[0].ctrl || got[0].alt || got[0].repeat);
  EXPECT_EQ(got[1].message, WM_KEYUP);
  EXPECT_STREQ(got[1].text, "");
  EXPECT_EQ(got[2].key, VK_SHIFT);
  EXPECT_TRUE(got[2].shift);
  EXPECT_EQ(got[3].key, '7');
  EXPECT_STREQ(got[3].text, "&");
  EXPECT_TRUE(got[3].shift);
  EXPECT_FALSE(got[3].repeat);
  EXPECT_TRUE(got[4].repeat);
  EXPECT_EQ(got[5].message, WM_KEYUP);
  EXPECT_FALSE(got[5].shift);  // released by now
  EXPECT_EQ(got[8].key, VK_LEFT);
  EXPECT_TRUE(got[8].ctrl && got[8].alt && !got[8].shift);
  EXPECT_STREQ(got[8].text, "");  // an arrow types nothing
  EXPECT_FALSE(got[10].ctrl);
}

TEST_F(GraphicsWindow, CharactersComeInTheProgramsEncoding) {
  typed(U'确');
  const KeyMessage utf8 = get_key_message();
  EXPECT_EQ(utf8.message, WM_KEYDOWN);
  EXPECT_EQ(utf8.key, 0u);
  EXPECT_STREQ(utf8.text, "确");
  set_text_encoding(TEXT_GBK);
  typed(U'确');
  typed(U'😀');  // GBK has none
  const KeyMessage gbk = get_key_message();
  const KeyMessage missing = get_key_message();
  set_text_encoding(TEXT_UTF8);
  EXPECT_STREQ(gbk.text, "\xC8\xB7");
  EXPECT_STREQ(missing.text, "?");
}

TEST_F(GraphicsWindow, AFullKeyQueueDropsTheNewestAndStillWakes) {
  for (int i = 0; i < 70; ++i) key(VK_F1 + i % 12, i % 2 == 0);
  settle();
  EXPECT_EQ(graphics_context().canvas.key_messages().count(), KeyQueue::kCapacity);
  for (int i = 0; i < KeyQueue::kCapacity; ++i) {
    const KeyMessage message = get_key_message();
    ASSERT_EQ(message.key, VK_F1 + i % 12) << i;
    ASSERT_EQ(message.message, i % 2 == 0 ? WM_KEYDOWN : WM_KEYUP) << i;
  }
  EXPECT_FALSE(key_hit());
  key(VK_SPACE, true);
  EXPECT_STREQ(get_key_message().text, " ");
  flush_key_messages();
  EXPECT_FALSE(key_hit());
}

TEST_F(GraphicsWindow, AKeyReaderIsWokenByAKeyNotByTheMouse) {
  std::atomic<pid_t> reader_thread{0};
  KeyMessage message{};
  testing::BoundedThread reader([&] {
    reader_thread = testing::this_thread_id();
    message = get_key_message();
  });
  EXPECT_TRUE(testing::eventually_waiting(reader_thread)) << "the reader never waited";
  settle();
  EXPECT_TRUE(testing::eventually_waiting(reader_thread));
  EXPECT_FALSE(reader.ended()) << "a click woke the key reader";
  key(VK_UP, true);
  ASSERT_TRUE(reader.join_within(kWakePatience, [] { close_window(); }))
      << "the key did not wake the reader";
  EXPECT_EQ(message.key, VK_UP);
}

TEST(GraphicsWindowClosed, ReadingTheMouseWithoutAWindowReturnsAtOnce) {
  close_window();
  const MouseMessage message = get_mouse_message();
  EXPECT_EQ(message.message, 0u);
  EXPECT_EQ(get_key_message().message, 0u);
}

}  // namespace
}  // namespace kanvo
