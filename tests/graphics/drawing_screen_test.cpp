// What a user sees of the library's drawing and feels of its mouse, on a real X server (Xvfb):
// batch drawing and its flushes, shapes, pixels and images under an origin and an aspect ratio,
// and mouse messages from xdotool. A probe program (screen_probe) draws what each test tells it
// to; the expected pixels follow from the drawing rules, stated here. Skipped where a tool is
// missing (a failure in CI).
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "graphics/context/window_canvas.h"
#include "graphics/kanvo.h"
#include "host/windows/frame.h"
#include "port/window_class.h"
#include "tests/support/commanded_program.h"
#include "tests/support/eventually.h"
#include "tests/support/x_server_test.h"

namespace kanvo::testing {
namespace {

using display::PixelWord;
using std::chrono::milliseconds;

constexpr const char* kProbe = KANVO_BINARY_DIR "/tests/graphics/screen_probe";
constexpr PixelWord kActiveCaption = 0x0078D7;
// Each look at the screen runs import, which takes long on a busy machine.
constexpr milliseconds kPatience(30000);

// Screen pixels are 0x00RRGGBB; the probe takes colours as 0x00BBGGRR.
constexpr PixelWord kBlack = 0x000000;
constexpr PixelWord kRed = 0xFF0000;     // 0x0000FF
constexpr PixelWord kGreen = 0x00FF00;   // 0x00FF00
constexpr PixelWord kBlue = 0x0000FF;    // 0xFF0000
constexpr PixelWord kYellow = 0xFFFF00;  // 0x00FFFF
constexpr PixelWord kWhite = 0xFFFFFF;

// The probe on the server.
class Probe : public CommandedProgram {
 public:
  Probe(const Xvfb& server, const std::string& arguments)
      : CommandedProgram("DISPLAY=" + server.display() +
                         " KANVO_DISPLAY= WAYLAND_DISPLAY= SDL_VIDEODRIVER=x11 exec timeout 120 " +
                         kProbe + " " + arguments) {}
};

class DrawingScreenTest : public XServerTest<DrawingScreenTest> {
 public:
  static constexpr std::array kTools{"Xvfb", "xdotool", "import", "timeout"};

 protected:
  // Starts the probe with a canvas of 200 by 150 and waits until its window is on the screen.
  void start(Probe& probe) {
    const std::optional<std::string> first = probe.line();
    ASSERT_TRUE(first && std::sscanf(first->c_str(), "client %d %d", &client_.x, &client_.y) == 2)
        << "the probe printed " << first.value_or("nothing");
    ASSERT_TRUE(eventually(
        [&] {
          return shows_on_screen({5, -10}, kActiveCaption);
        },
        kPatience))
        << "the window never showed";
  }
  // The pixel at a client point as the screen shows it.
  PixelWord at(const display::Image& screen, Point point) const {
    const std::int32_t x = client_.x + point.x;
    const std::int32_t y = client_.y + point.y;
    if (x < 0 || y < 0 || x >= screen.width || y >= screen.height) return 0xFFFFFFFF;
    return screen.at(x, y) & 0xFFFFFF;
  }
  bool shows_on_screen(Point point, PixelWord color) const {
    return at(server_->screenshot(), point) == color;
  }
  // Waits until the client point shows the colour; then the whole screen as it was.
  display::Image once_shown(Point point, PixelWord color) const {
    display::Image screen;
    const bool shown = eventually(
        [&] {
          screen = server_->screenshot();
          return at(screen, point) == color;
        },
        kPatience);
    EXPECT_TRUE(shown) << "(" << point.x << ", " << point.y << ") never showed " << std::hex
                       << color << "; it shows " << at(screen, point);
    return screen;
  }
  // Where the window system puts a part of the frame of the probe's window with `flags`,
  // relative to the client area; nothing when the frame has no such part.
  static std::optional<Point> frame_part(std::int32_t flags, win::detail::FramePart part) {
    win::detail::FrameLook look;
    look.style = platform::frame_style((flags & NO_MINIMIZE) != 0);
    look.class_style = (flags & NO_CLOSE) != 0 ? win::class_style::kNoClose : 0;
    const win::detail::FrameInsets insets = win::detail::frame_insets(look.style, 0);
    look.width = 200 + insets.left + insets.right;
    look.height = 150 + insets.top + insets.bottom;
    for (std::int32_t y = 0; y < insets.top; ++y) {
      for (std::int32_t x = look.width - 1; x >= 0; --x) {
        if (win::detail::hit_test(look, {x, y}) != part) continue;
        // The middle of the part.
        std::int32_t left = x;
        while (left > 0 && win::detail::hit_test(look, {left - 1, y}) == part) --left;
        const std::int32_t middle = (left + x) / 2;
        std::int32_t bottom = y;
        while (win::detail::hit_test(look, {middle, bottom + 1}) == part) ++bottom;
        return Point{middle - insets.left, (y + bottom) / 2 - insets.top};
      }
    }
    return {};
  }
  // Types a key into the window and waits until the probe holds it: the window thread takes key
  // and mouse input in the order it came, so every mouse message before it has been handled.
  void settle_mouse(Probe& probe) const {
    xdotool("key x");
    ASSERT_TRUE(eventually([&] { return probe.ask("keyhit") == "keyhit=1"; }, kPatience));
    ASSERT_EQ(probe.ask("flushkeys"), "ok");
  }
  // Moves the pointer along row `y` one pixel at a time, from column `from` to `to`.
  void move_along(std::int32_t y, std::int32_t from, std::int32_t to) const {
    std::vector<surface::Point> points;
    for (std::int32_t x = from; x <= to; ++x) points.push_back({client_.x + x, client_.y + y});
    ASSERT_TRUE(server_->move_pointer_along(points));
  }
  void click_at(Point point, int button = 1) const {
    point_at(point);
    xdotool("click " + std::to_string(button));
  }
  void xdotool(const std::string& arguments) const { server_->run("xdotool " + arguments); }
  void point_at(Point point) const {
    ASSERT_TRUE(server_->move_pointer(client_.x + point.x, client_.y + point.y));
  }

  Point client_{-1, -1};
};

// While batching, primitives reach the canvas only. A flush of a small block shows that block
// (so the screen has been refreshed since the batched drawing) and nothing else; a whole flush
// shows the rest.
TEST_F(DrawingScreenTest, BatchedDrawingShowsAtTheFlushesOnly) {
  Probe probe(*server_, "200 150 0");
  ASSERT_NO_FATAL_FAILURE(start(probe));
  // paint_rect(l, t, r, b) covers columns l to r and rows t to b, both ends included.
  // The green block fills the flushed block exactly, so that a block copied from one pixel off
  // shows black at an edge.
  ASSERT_TRUE(probe.run({"batch", "fill 0000FF", "paintrect 20 20 60 60", "fill 00FF00",
                         "paintrect 150 100 169 119", "flushrect 150 100 169 119"}));
  display::Image screen = once_shown({160, 110}, kGreen);
  EXPECT_EQ(at(screen, {40, 40}), kBlack) << "batched drawing showed before its flush";
  EXPECT_EQ(at(screen, {150, 100}), kGreen);
  EXPECT_EQ(at(screen, {169, 119}), kGreen);
  EXPECT_EQ(at(screen, {170, 110}), kBlack);  // beyond the block
  ASSERT_TRUE(probe.run({"flush"}));
  screen = once_shown({40, 40}, kRed);
  EXPECT_EQ(at(screen, {20, 20}), kRed);
  EXPECT_EQ(at(screen, {60, 60}), kRed);
  EXPECT_EQ(at(screen, {61, 61}), kBlack);

  // Under an origin the block's corner is logical: (0, 0) to (19, 19) is device 100 to 119
  // across and 50 to 69 down. The flush of the whole canvas copies device pixels.
  ASSERT_TRUE(probe.run({"origin 100 50", "fill FF0000", "paintrect 0 0 19 19",
                         "paintrect -95 -45 -85 -35", "flushrect 0 0 19 19"}));
  screen = once_shown({110, 60}, kBlue);
  EXPECT_EQ(at(screen, {100, 50}), kBlue);
  EXPECT_EQ(at(screen, {119, 69}), kBlue);
  EXPECT_EQ(at(screen, {10, 10}), kBlack) << "outside the flushed block";
  // end_batch_draw flushes the whole canvas and ends batching: what is drawn next shows at once.
  ASSERT_TRUE(probe.run({"end"}));
  screen = once_shown({10, 10}, kBlue);
  EXPECT_EQ(at(screen, {5, 5}), kBlue);
  ASSERT_TRUE(probe.run({"origin 0 0", "fill FFFFFF", "paintrect 0 140 10 150"}));
  once_shown({5, 145}, kWhite);

  // end_batch_draw_rect flushes its block only, and ends batching too.
  ASSERT_TRUE(probe.run({"batch", "fill 00FFFF", "paintrect 180 0 200 20", "paintrect 0 100 10 110",
                         "endrect 180 0 199 19"}));
  screen = once_shown({190, 10}, kYellow);
  EXPECT_NE(at(screen, {5, 105}), kYellow);
  ASSERT_TRUE(probe.run({"fill FFFFFF", "paintrect 0 120 10 130"}));
  screen = once_shown({5, 125}, kWhite);
  EXPECT_NE(at(screen, {5, 105}), kYellow) << "end_batch_draw_rect flushed more than its block";
}

// clear_canvas while batching leaves the window as it was until a flush; clear_clip_region with
// a clip region fills the region on the window at once, batching or not.
TEST_F(DrawingScreenTest, ClearingWhileBatching) {
  Probe probe(*server_, "200 150 0");
  ASSERT_NO_FATAL_FAILURE(start(probe));
  ASSERT_TRUE(probe.run({"bk 0000FF", "batch", "clear", "flushrect 0 0 9 9"}));
  display::Image screen = once_shown({5, 5}, kRed);
  EXPECT_EQ(at(screen, {100, 100}), kBlack) << "the cleared canvas showed before a flush";
  ASSERT_TRUE(probe.run({"flush"}));
  once_shown({100, 100}, kRed);

  ASSERT_TRUE(probe.run({"clip 50 50 100 100", "bk FF0000", "clearclip"}));
  screen = once_shown({75, 75}, kBlue);
  EXPECT_EQ(at(screen, {50, 50}), kBlue);
  EXPECT_EQ(at(screen, {99, 99}), kBlue);
  EXPECT_EQ(at(screen, {100, 100}), kRed);
  EXPECT_EQ(at(screen, {30, 30}), kRed);
  ASSERT_TRUE(probe.run({"noclip", "end"}));
}

// Outline in the line colour, interior in the fill colour, for every kind of closed shape; a
// pixel; text in the text colour; then a pixel and a rectangle under an origin and an aspect
// ratio, where logical (x, y) is device (x * ax + ox, y * ay + oy).
TEST_F(DrawingScreenTest, ShapesTextAndPixelsAsDrawn) {
  Probe probe(*server_, "200 150 0");
  ASSERT_NO_FATAL_FAILURE(start(probe));
  ASSERT_TRUE(probe.run({"color FFFFFF", "fill 0000FF", "rect 10 10 50 40", "circle 100 30 15",
                         "ellipse 130 10 190 50", "roundrect 10 60 60 100 20 20",
                         "pie 70 60 130 120 1.5707963", "polygon 150 60 190 60 170 100",
                         "pixel 5 140 0080FF", "text 20 110 W", "line 0 0 0 9"}));
  const display::Image screen = once_shown({0, 5}, kWhite);  // the last call shows
  // In the advanced graphics mode a rectangle takes its far edges too: its outline runs on
  // columns 10 and 50 and rows 10 and 40.
  EXPECT_EQ(at(screen, {10, 25}), kWhite);
  EXPECT_EQ(at(screen, {30, 10}), kWhite);
  EXPECT_EQ(at(screen, {50, 25}), kWhite);
  EXPECT_EQ(at(screen, {30, 40}), kWhite);
  EXPECT_EQ(at(screen, {49, 25}), kRed);
  EXPECT_EQ(at(screen, {30, 39}), kRed);
  EXPECT_EQ(at(screen, {51, 25}), kBlack);
  EXPECT_EQ(at(screen, {30, 41}), kBlack);
  EXPECT_EQ(at(screen, {9, 25}), kBlack);
  EXPECT_EQ(at(screen, {30, 25}), kRed);
  // A circle of radius 15 about (100, 30): its box is 85 to 115 by 15 to 45.
  EXPECT_EQ(at(screen, {100, 30}), kRed);
  EXPECT_EQ(at(screen, {100, 15}), kWhite);
  EXPECT_EQ(at(screen, {100, 13}), kBlack);
  EXPECT_EQ(at(screen, {86, 16}), kBlack);  // the box's corner is outside the circle
  EXPECT_EQ(at(screen, {160, 30}), kRed);   // the ellipse's centre
  EXPECT_EQ(at(screen, {131, 11}), kBlack);
  // Rounded corners leave the box's corner out; the middle of an edge is outline.
  EXPECT_EQ(at(screen, {35, 80}), kRed);
  EXPECT_EQ(at(screen, {35, 60}), kWhite);
  EXPECT_EQ(at(screen, {10, 60}), kBlack);
  // The pie from a quarter turn round to 0, counter-clockwise: three quarters of the disc about
  // (100, 90), all but the upper right one.
  EXPECT_EQ(at(screen, {85, 105}), kRed);
  EXPECT_EQ(at(screen, {85, 75}), kRed);
  EXPECT_EQ(at(screen, {115, 105}), kRed);
  EXPECT_EQ(at(screen, {115, 75}), kBlack);
  EXPECT_EQ(at(screen, {170, 70}), kRed);  // inside the triangle
  EXPECT_EQ(at(screen, {152, 95}), kBlack);
  EXPECT_EQ(at(screen, {5, 140}), 0xFF8000u);  // 0x0080FF: red 255, green 128
  // Text: white glyph pixels in a black cell (the default background colour, opaque).
  int glyph = 0;
  for (std::int32_t y = 110; y < 130; ++y) {
    for (std::int32_t x = 20; x < 40; ++x) glyph += at(screen, {x, y}) == kWhite;
  }
  EXPECT_GT(glyph, 10);

  ASSERT_TRUE(probe.run(
      {"origin 50 40", "aspect 2 3", "fill 00FF00", "paintrect 0 0 5 5", "pixel 10 10 FF0000"}));
  const display::Image turned = once_shown({70, 70}, kBlue);  // (10 * 2 + 50, 10 * 3 + 40)
  // paint_rect (0, 0) to (5, 5) covers the logical box from 0 up to 6 on each axis, that is
  // device 50 up to 62 across and 40 up to 58 down.
  EXPECT_EQ(at(turned, {50, 40}), kGreen);
  EXPECT_EQ(at(turned, {61, 57}), kGreen);
  EXPECT_NE(at(turned, {62, 57}), kGreen);
  EXPECT_NE(at(turned, {61, 58}), kGreen);
  EXPECT_NE(at(turned, {49, 40}), kGreen);
}

// The open shapes, the bars, erasing and flood filling on the window: a polyline without its
// closing edge, an arc of a quarter, a bar without outline, a bar with its depth edges (from
// the front face's far corner over by the depth and up by three quarters of it), a rectangle in
// the background colour, and a fill up to a border.
TEST_F(DrawingScreenTest, OpenShapesBarsErasingAndFloodFillAsDrawn) {
  Probe probe(*server_, "200 150 0");
  ASSERT_NO_FATAL_FAILURE(start(probe));
  ASSERT_TRUE(probe.run({"color FFFFFF", "fill 0000FF", "polyline 10 10 60 10 60 40",
                         "arc 80 10 140 70 1.5707963", "bar3d 20 70 60 110 8 1",
                         "bar 90 90 120 120", "eraserect 100 100 110 110", "rect 150 90 190 130",
                         "fill 00FF00", "floodfill 170 110 FFFFFF", "line 0 0 0 9"}));
  const display::Image screen = once_shown({0, 5}, kWhite);
  EXPECT_EQ(at(screen, {30, 10}), kWhite);
  EXPECT_EQ(at(screen, {60, 25}), kWhite);
  EXPECT_EQ(at(screen, {35, 25}), kBlack) << "the polyline was closed";
  // The arc from 0 to a quarter turn about (110, 40): the upper right quarter of the circle
  // only, away from the two axes where it starts and ends.
  const auto white_in = [&](std::int32_t left, std::int32_t top, std::int32_t right,
                            std::int32_t bottom) {
    int white = 0;
    for (std::int32_t y = top; y <= bottom; ++y) {
      for (std::int32_t x = left; x <= right; ++x) white += at(screen, {x, y}) == kWhite;
    }
    return white;
  };
  EXPECT_GT(white_in(111, 10, 140, 39), 20);
  EXPECT_EQ(white_in(80, 10, 108, 70), 0);
  EXPECT_EQ(white_in(80, 43, 140, 70), 0);
  // The bar with depth 8: edges from (60, 110) to (68, 104) to (68, 64), the top face's back
  // edge on row 64 from column 28 to 68; side and top faces are not filled.
  EXPECT_EQ(at(screen, {40, 90}), kRed);
  EXPECT_EQ(at(screen, {20, 90}), kWhite);
  EXPECT_EQ(at(screen, {68, 85}), kWhite);
  EXPECT_EQ(at(screen, {48, 64}), kWhite);
  EXPECT_EQ(at(screen, {64, 85}), kBlack);
  EXPECT_EQ(at(screen, {40, 67}), kBlack);
  // The bar covers both of its ends, without outline; the erased block inside it too.
  EXPECT_EQ(at(screen, {90, 95}), kRed);
  EXPECT_EQ(at(screen, {120, 120}), kRed);
  EXPECT_EQ(at(screen, {121, 121}), kBlack);
  EXPECT_EQ(at(screen, {100, 100}), kBlack);
  EXPECT_EQ(at(screen, {110, 110}), kBlack);
  EXPECT_EQ(at(screen, {111, 111}), kRed);
  EXPECT_EQ(at(screen, {99, 105}), kRed);
  // The flood fill turns the rectangle's inside green up to its white outline, and no further.
  EXPECT_EQ(at(screen, {170, 110}), kGreen);
  EXPECT_EQ(at(screen, {151, 91}), kGreen);
  EXPECT_EQ(at(screen, {150, 110}), kWhite);
  EXPECT_EQ(at(screen, {145, 110}), kBlack);
}

// put_image onto the window while batching changes the canvas only; get_image reads the window's
// canvas back.
TEST_F(DrawingScreenTest, ImagesOntoAndFromTheWindow) {
  Probe probe(*server_, "200 150 0");
  ASSERT_NO_FATAL_FAILURE(start(probe));
  ASSERT_TRUE(probe.run({"batch", "put 10 10 30 20 FF0000", "fill 00FF00",
                         "paintrect 150 100 160 110", "flushrect 150 100 159 109"}));
  display::Image screen = once_shown({155, 105}, kGreen);
  EXPECT_EQ(at(screen, {20, 20}), kBlack) << "the image showed before a flush";
  ASSERT_TRUE(probe.run({"end"}));
  screen = once_shown({20, 20}, kBlue);
  EXPECT_EQ(at(screen, {10, 10}), kBlue);
  EXPECT_EQ(at(screen, {39, 29}), kBlue);
  EXPECT_EQ(at(screen, {40, 30}), kBlack);
  // Unbatched, an image shows at once.
  ASSERT_TRUE(probe.run({"put 100 10 10 10 00FFFF"}));
  once_shown({105, 15}, kYellow);
  // Pixel words 0x00RRGGBB of the corners of the piece read back.
  EXPECT_EQ(probe.ask("get 5 5 10 10"), "image 10 10 000000 000000 000000 0000ff");
  EXPECT_EQ(probe.ask("get 10 10 30 20"), "image 30 20 0000ff 0000ff 0000ff 0000ff");
}

// The mouse through the window: buttons with their key-state flags, double clicks, the wheel
// with its screen position turned into client coordinates, and flushing the queue.
TEST_F(DrawingScreenTest, TheMouseThroughTheWindow) {
  Probe probe(*server_, "200 150 0");
  ASSERT_NO_FATAL_FAILURE(start(probe));
  point_at({30, 40});
  xdotool("click 3");
  EXPECT_EQ(probe.next_message(), mouse_line(WM_RBUTTONDOWN, 30, 40, 0, 0, 0, 1));
  EXPECT_EQ(probe.next_message(), mouse_line(WM_RBUTTONUP, 30, 40, 0, 0, 0, 0));
  xdotool("click 2");
  EXPECT_EQ(probe.next_message(), mouse_line(WM_MBUTTONDOWN, 30, 40, 0, 0, 1, 0));
  EXPECT_EQ(probe.next_message(), mouse_line(WM_MBUTTONUP, 30, 40, 0, 0, 0, 0));
  // Away from the user (button 4), then towards (button 5): 120 a notch.
  point_at({70, 25});
  xdotool("click 4");
  EXPECT_EQ(probe.next_message(), mouse_line(WM_MOUSEWHEEL, 70, 25, 120, 0, 0, 0));
  xdotool("click 5");
  EXPECT_EQ(probe.next_message(), mouse_line(WM_MOUSEWHEEL, 70, 25, -120, 0, 0, 0));
  xdotool("keydown ctrl keydown shift click 1 keyup shift keyup ctrl");
  EXPECT_EQ(probe.next_message(), mouse_line(WM_LBUTTONDOWN, 70, 25, 0, 1, 0, 0, 1, 1));
  EXPECT_EQ(probe.next_message(), mouse_line(WM_LBUTTONUP, 70, 25, 0, 0, 0, 0, 1, 1));
  // A second press soon after the first at the same place is a double click (away from the
  // last click, which would make a double click of the first press).
  point_at({120, 80});
  xdotool("click --repeat 2 --delay 100 1");
  EXPECT_EQ(probe.next_message(), mouse_line(WM_LBUTTONDOWN, 120, 80, 0, 1, 0, 0));
  EXPECT_EQ(probe.next_message(), mouse_line(WM_LBUTTONUP, 120, 80, 0, 0, 0, 0));
  EXPECT_EQ(probe.next_message(), mouse_line(WM_LBUTTONDBLCLK, 120, 80, 0, 1, 0, 0));
  EXPECT_EQ(probe.next_message(), mouse_line(WM_LBUTTONUP, 120, 80, 0, 0, 0, 0));
  // A held message is thrown away by flush_mouse_messages; the next one is queued as usual.
  xdotool("mousedown 3");
  EXPECT_TRUE(eventually([&] { return probe.ask("hit") == "hit=1"; }, kPatience));
  EXPECT_EQ(probe.ask("flushmouse"), "ok");
  EXPECT_EQ(probe.ask("hit"), "hit=0");
  xdotool("mouseup 3");
  EXPECT_EQ(probe.next_message(), mouse_line(WM_RBUTTONUP, 120, 80, 0, 0, 0, 0));
}

// Input reaches the window in the order the server sent it: when a key typed after pointer
// moves is held, so is every one of the moves, none merged or dropped on the way.
TEST_F(DrawingScreenTest, PointerMovesSentBeforeAKeyAreHeldWhenItIs) {
  Probe probe(*server_, "200 150 0");
  ASSERT_NO_FATAL_FAILURE(start(probe));
  point_at({10, 100});
  ASSERT_NO_FATAL_FAILURE(settle_mouse(probe));
  ASSERT_EQ(probe.ask("flushmouse"), "ok");
  move_along(100, 11, 50);  // 40 moves
  ASSERT_NO_FATAL_FAILURE(settle_mouse(probe));
  EXPECT_EQ(probe.ask("held"), "held 40");
  EXPECT_EQ(probe.ask("drain"), "took 40");
  EXPECT_EQ(probe.line(), mouse_line(WM_MOUSEMOVE, 11, 100, 0, 0, 0, 0));
  EXPECT_EQ(probe.line(), mouse_line(WM_MOUSEMOVE, 50, 100, 0, 0, 0, 0));
}

// The queue holds 63 messages: a 64th that comes while they wait is dropped, the held ones come
// out oldest first, and once they are taken new ones are queued again. flush_mouse_messages
// empties a full queue.
TEST_F(DrawingScreenTest, AFullMouseQueueDropsWhatComesAfterIt) {
  Probe probe(*server_, "200 150 0");
  ASSERT_NO_FATAL_FAILURE(start(probe));
  point_at({10, 100});
  ASSERT_NO_FATAL_FAILURE(settle_mouse(probe));
  ASSERT_EQ(probe.ask("flushmouse"), "ok");
  move_along(100, 11, 80);  // 70 moves
  // A key typed after the moves can be handled before the last of them: the count shows when
  // the queue is full, the key when what was sent before it has been handled too.
  EXPECT_TRUE(eventually([&] { return probe.ask("held") == "held 63"; }, kPatience));
  ASSERT_NO_FATAL_FAILURE(settle_mouse(probe));
  EXPECT_EQ(probe.ask("drain"), "took 63");
  EXPECT_EQ(probe.line(), mouse_line(WM_MOUSEMOVE, 11, 100, 0, 0, 0, 0));
  EXPECT_EQ(probe.line(), mouse_line(WM_MOUSEMOVE, 73, 100, 0, 0, 0, 0));
  xdotool("click 3");
  EXPECT_EQ(probe.next_message(), mouse_line(WM_RBUTTONDOWN, 80, 100, 0, 0, 0, 1));
  EXPECT_EQ(probe.next_message(), mouse_line(WM_RBUTTONUP, 80, 100, 0, 0, 0, 0));

  // Exactly 63 moves fill it again, so that none can come after the flush.
  move_along(120, 11, 73);
  EXPECT_TRUE(eventually([&] { return probe.ask("held") == "held 63"; }, kPatience));
  EXPECT_EQ(probe.ask("flushmouse"), "ok");
  EXPECT_EQ(probe.ask("held"), "held 0");
  EXPECT_EQ(probe.ask("hit"), "hit=0");
  xdotool("click 2");
  EXPECT_EQ(probe.ask("mouse"), mouse_line(WM_MBUTTONDOWN, 73, 120, 0, 0, 1, 0));
}

// A window without NO_CLOSE closes at a click on its close box, and the program ends with
// status 0; with NO_CLOSE the close command is refused and the program runs on.
TEST_F(DrawingScreenTest, TheUserClosesAWindowAndTheProgramEndsWell) {
  Probe probe(*server_, "200 150 0");
  ASSERT_NO_FATAL_FAILURE(start(probe));
  const std::optional<Point> close_box = frame_part(0, win::detail::FramePart::close_box);
  ASSERT_TRUE(close_box);
  click_at(*close_box);
  EXPECT_EQ(probe.exit_status(), 0);
}

TEST_F(DrawingScreenTest, NoCloseRefusesTheCloseCommand) {
  Probe probe(*server_, "200 150 2");
  ASSERT_NO_FATAL_FAILURE(start(probe));
  const std::optional<Point> close_box = frame_part(NO_CLOSE, win::detail::FramePart::close_box);
  ASSERT_TRUE(close_box);
  click_at(*close_box);
  // A click in the client area after it: once it arrives, the close box's click was handled.
  click_at({50, 50});
  EXPECT_EQ(probe.next_message(), mouse_line(WM_LBUTTONDOWN, 50, 50, 0, 1, 0, 0));
  EXPECT_FALSE(probe.exit_status(milliseconds(0)));
  EXPECT_EQ(probe.ask("hit"), "hit=1");  // the button's release; the probe still runs
  EXPECT_TRUE(shows_on_screen({5, -10}, kActiveCaption));
}

// NO_MINIMIZE: no minimise box in the caption, where a window without the flag shows one; a
// click there leaves the window as it was. (Without a window manager on the server a minimised
// window is not taken off the screen, so only the box itself is looked at.)
TEST_F(DrawingScreenTest, NoMinimizeHasNoMinimiseBox) {
  const std::optional<Point> box = frame_part(0, win::detail::FramePart::minimize_box);
  ASSERT_TRUE(box);
  EXPECT_FALSE(frame_part(NO_MINIMIZE, win::detail::FramePart::minimize_box));
  // Pixels of the caption around the box's middle that are not the caption's colour.
  const auto drawn_around_box = [&](const display::Image& screen) {
    int drawn = 0;
    for (std::int32_t dy = -6; dy <= 6; ++dy) {
      for (std::int32_t dx = -6; dx <= 6; ++dx) {
        drawn += at(screen, {box->x + dx, box->y + dy}) != kActiveCaption;
      }
    }
    return drawn;
  };
  {
    Probe probe(*server_, "200 150 0");
    ASSERT_NO_FATAL_FAILURE(start(probe));
    EXPECT_GT(drawn_around_box(server_->screenshot()), 0) << "no minimise box without the flag";
  }
  Probe probe(*server_, "200 150 4");
  ASSERT_NO_FATAL_FAILURE(start(probe));
  EXPECT_EQ(drawn_around_box(server_->screenshot()), 0);
  click_at(*box);
  click_at({50, 50});
  EXPECT_EQ(probe.next_message(), mouse_line(WM_LBUTTONDOWN, 50, 50, 0, 1, 0, 0));
  EXPECT_TRUE(shows_on_screen({5, -10}, kActiveCaption));
}

}  // namespace
}  // namespace kanvo::testing
