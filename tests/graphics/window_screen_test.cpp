// The graphics window on a real X server (Xvfb): a program waiting for the mouse is woken by a
// click from xdotool, a window minimised and restored is painted again from its canvas, and keys
// typed with xdotool reach the key queue.
// Skipped where Xvfb, xdotool or ImageMagick is missing.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "graphics/kanvo.h"
#include "tests/support/commanded_program.h"
#include "tests/support/eventually.h"
#include "tests/support/x_server_test.h"

namespace kanvo::testing {
namespace {

using std::chrono::milliseconds;

constexpr const char* kProbe = KANVO_BINARY_DIR "/tests/graphics/window_probe";
constexpr const char* kArrowKeys = KANVO_BINARY_DIR "/examples/arrow_keys";
constexpr display::PixelWord kWhite = 0xFFFFFF;
constexpr display::PixelWord kActiveCaption = 0x0078D7;
// Each look at the screen runs import, which takes long on a busy machine.
constexpr milliseconds kPatience(20000);

// The probe program on the server, and what it prints, line by line. It must end well.
class Probe : public CommandedProgram {
 public:
  Probe(const Xvfb& server, const std::string& arguments, const char* program = kProbe)
      : CommandedProgram("DISPLAY=" + server.display() +
                         " KANVO_DISPLAY= WAYLAND_DISPLAY= SDL_VIDEODRIVER=x11 exec timeout 60 " +
                         program + " " + arguments + " </dev/null") {}

  // The next line that is neither "waiting" nor a pointer move, which come as the server
  // delivers them.
  std::optional<std::string> next_other_than_moves() {
    const std::string move = "message=" + std::to_string(WM_MOUSEMOVE) + " ";
    for (;;) {
      std::optional<std::string> next = line();
      if (!next || (*next != "waiting" && !next->starts_with(move))) return next;
    }
  }
  // Reads lines to the end of the output; the last one.
  std::string last_line() {
    std::string last;
    while (std::optional<std::string> next = line()) last = *next;
    return last;
  }
};

class WindowScreenTest : public XServerTest<WindowScreenTest> {
 public:
  static constexpr std::array kTools{"Xvfb", "xdotool", "import", "timeout"};

 protected:
  // Starts the probe and waits until it waits for the mouse; the client area's corner.
  Point start(Probe& probe) {
    Point client{-1, -1};
    const std::optional<std::string> first = probe.line();
    EXPECT_TRUE(first && std::sscanf(first->c_str(), "client %d %d", &client.x, &client.y) == 2)
        << "the probe printed " << first.value_or("nothing");
    EXPECT_EQ(probe.line(), "waiting");
    // On the screen once its caption shows, active.
    EXPECT_TRUE(eventually(
        [&] {
          return shows({client.x + 5, client.y - 10}, kActiveCaption);
        },
        kPatience));
    return client;
  }
  static display::PixelWord at(const display::Image& screen, Point point) {
    if (point.x < 0 || point.y < 0 || point.x >= screen.width || point.y >= screen.height) {
      return 0xFFFFFFFF;
    }
    return screen.at(point.x, point.y) & 0xFFFFFF;
  }
  bool shows(Point point, display::PixelWord color) const {
    return at(server_->screenshot(), point) == color;
  }
  void click(Point point) const {
    ASSERT_TRUE(server_->move_pointer(point.x, point.y));
    server_->run("xdotool click 1");
  }
};

TEST_F(WindowScreenTest, AWaitingReaderIsWokenByAClick) {
  Probe probe(*server_, "200 150");
  const Point client = start(probe);
  // The pointer comes first, so that the press alone is left to wake the reader; the move may
  // reach the probe before or after the press is sent.
  ASSERT_TRUE(server_->move_pointer(client.x + 37, client.y + 41));
  server_->run("xdotool click 1");
  const std::string expected =
      "message=" + std::to_string(WM_LBUTTONDOWN) + " x=37 y=41 left=1 right=0";
  EXPECT_EQ(probe.next_other_than_moves(), expected);
  EXPECT_EQ(probe.exit_status(), 0) << "the press did not end the probe";
}

// Restoring paints the whole client area again, from the canvas: the line survives. (Without a
// canvas the class background would wipe it, but then any expose that the X server sends late,
// even the first one, wipes it too, so that case is checked on the headless screen only.)
TEST_F(WindowScreenTest, ALineSurvivesMinimisingAndRestoring) {
  Probe probe(*server_, "200 150");
  const Point client = start(probe);
  const Point on_line{client.x + 50, client.y + 10};
  const Point on_caption{client.x + 5, client.y - 10};
  ASSERT_TRUE(server_->move_pointer(client.x + 100, client.y + 100));
  server_->run("xdotool click 3");
  ASSERT_TRUE(eventually([&] { return shows(on_line, kWhite); }, kPatience));
  const std::string window = server_->window_of_class("window_probe");
  ASSERT_FALSE(window.empty());

  server_->minimize(window);
  ASSERT_TRUE(eventually([&] { return !shows(on_line, kWhite); }, kPatience));
  server_->restore(window);
  // Restored, the window is active again; its repaint follows at once.
  ASSERT_TRUE(eventually([&] { return shows(on_caption, kActiveCaption); }, kPatience));
  EXPECT_TRUE(eventually([&] { return shows(on_line, kWhite); }, kPatience))
      << "shows " << std::hex << at(server_->screenshot(), on_line);
  click({client.x + 20, client.y + 100});  // ends the probe
  EXPECT_TRUE(probe.last_line().starts_with("message=" + std::to_string(WM_LBUTTONDOWN)));
  EXPECT_EQ(probe.exit_status(), 0);
}

// The tests' pointer moves: a move to where the pointer stands already is still made and seen
// by the window (xdotool alone would wait for it without end), and a point off the screen is
// refused rather than waited for.
TEST_F(WindowScreenTest, APointerMovedToWhereItStandsIsSeenMovingThere) {
  Probe probe(*server_, "200 150");
  const Point client = start(probe);
  const std::string moved = "message=" + std::to_string(WM_MOUSEMOVE) + " x=50 y=50 ";
  const auto seen_there = [&] {
    std::optional<std::string> told;
    while ((told = probe.line()) && !told->starts_with(moved)) {
    }
    return told.has_value();
  };
  for (int time = 0; time < 3; ++time) {
    ASSERT_TRUE(server_->move_pointer(client.x + 50, client.y + 50)) << "move " << time;
    EXPECT_TRUE(seen_there()) << "move " << time;
    EXPECT_EQ(server_->pointer(), (surface::Point{client.x + 50, client.y + 50}));
  }
  EXPECT_FALSE(server_->move_pointer(1024, 10));
  EXPECT_FALSE(server_->move_pointer(10, -1));
  EXPECT_EQ(server_->pointer(), (surface::Point{client.x + 50, client.y + 50}));
  click({client.x + 50, client.y + 50});  // ends the probe
  EXPECT_EQ(probe.last_line(),
            "message=" + std::to_string(WM_LBUTTONDOWN) + " x=50 y=50 left=1 right=0");
}

// Keys typed into the window wait in the key queue with their characters and modifiers; beyond
// 63 messages the newest are dropped, and the held ones come out in order.
TEST_F(WindowScreenTest, KeysWaitInTheirQueueUpToItsSize) {
  Probe probe(*server_, "200 150 keys");
  const Point client = start(probe);
  ASSERT_TRUE(server_->move_pointer(client.x + 50, client.y + 50));
  // The pointer gives the window the keyboard. Until the move is handled the focus may still be
  // on its way, and a window that gains it late takes the keys held down at that moment as
  // pressed first: the keys are typed once it has arrived.
  const std::string moved = "message=" + std::to_string(WM_MOUSEMOVE) + " x=50 y=50 ";
  std::optional<std::string> told;
  while ((told = probe.line()) && !told->starts_with(moved)) {
  }
  ASSERT_TRUE(told) << "the pointer move never came";
  std::string ups;
  for (int i = 0; i < 40; ++i) ups += " Up";
  server_->run("xdotool key --delay 20 a shift+c ctrl+b alt+x" + ups);
  // The click must come after every key has been handled, or some would still be on their way.
  while ((told = probe.line()) && *told != "key queue full") {
  }
  ASSERT_EQ(told, "key queue full");
  server_->run("xdotool click 1");
  std::vector<std::string> keys;
  while (std::optional<std::string> next = probe.line()) {
    if (next->starts_with("keys ")) {
      keys.push_back(*next);
      break;
    }
    if (next->starts_with("key=")) keys.push_back(*next);
  }
  ASSERT_GE(keys.size(), 15u);
  EXPECT_EQ(keys[0], "key=65 down=1 text=a ctrl=0 shift=0 alt=0");
  EXPECT_EQ(keys[1], "key=65 down=0 text= ctrl=0 shift=0 alt=0");
  EXPECT_EQ(keys[2], "key=16 down=1 text= ctrl=0 shift=1 alt=0");
  EXPECT_EQ(keys[3], "key=67 down=1 text=C ctrl=0 shift=1 alt=0");
  EXPECT_EQ(keys[6], "key=17 down=1 text= ctrl=1 shift=0 alt=0");
  EXPECT_EQ(keys[7], "key=66 down=1 text=\x02 ctrl=1 shift=0 alt=0");
  EXPECT_EQ(keys[10], "key=18 down=1 text= ctrl=0 shift=0 alt=1");
  EXPECT_EQ(keys[11], "key=88 down=1 text=x ctrl=0 shift=0 alt=1");
  EXPECT_EQ(keys[14], "key=38 down=1 text= ctrl=0 shift=0 alt=0");
  EXPECT_EQ(keys.back(), "keys 63");
  EXPECT_EQ(probe.exit_status(), 0);
}

// The example moves its square with the arrow keys, Shift for longer steps; Escape ends it.
TEST_F(WindowScreenTest, TheArrowKeysExampleMovesItsSquare) {
  Probe program(*server_, "", kArrowKeys);
  std::string window;
  ASSERT_TRUE(eventually([&] { return !(window = server_->window_of_class("arrow_keys")).empty(); },
                         kPatience));
  // Keys typed before the window is on the screen and active would reach no window.
  EXPECT_TRUE(eventually([&] { return server_->shows_active_caption(window); }, kPatience));
  server_->run("xdotool windowfocus --sync " + window + " key --delay 30 Right Right Down " +
               "shift+Left Escape");
  EXPECT_EQ(program.line(), "x=185 y=130");
  EXPECT_EQ(program.line(), "x=190 y=130");
  EXPECT_EQ(program.line(), "x=190 y=135");
  EXPECT_EQ(program.line(), "x=170 y=135");
  EXPECT_EQ(program.exit_status(), 0) << "Escape did not end the program well";
  EXPECT_EQ(program.line(), std::nullopt) << "the square moved more often than it was told";
}

}  // namespace
}  // namespace kanvo::testing
