// The standard controls on the headless screen, worked with keys and the mouse: edit fields
// (typing, caret and selection, the limit, lines and scrolling, the clipboard, their picture),
// push buttons and static texts.
#include "host/windows/controls.h"

#include <gtest/gtest.h>

#include "host/display/keys.h"
#include "host/windows/clipboard.h"
#include "host/windows/system_colors.h"
#include "tests/host/windows/window_test_support.h"

namespace kanvo::win {
namespace {

using display::InputEvent;
using testing::MessageLog;
using testing::WindowThread;

constexpr std::uint32_t kChildStyle = style::kChild | style::kVisible;
constexpr std::uint32_t kMultiLineStyle = kChildStyle | edit_style::kMultiLine | style::kVScroll;

surface::PixelWord word_of(surface::Color color) {
  return surface::swap_red_blue(color);
}

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    parent_ = owner_.create(testing::kLogged, 300, 200, 400, 300);
    owner_.call([&] { show_window(parent_, show::kShow); });
    owner_.settle();
    MessageLog::instance().clear();
  }
  WindowHandle edit(const char* text, const Rect& place = {10, 10, 210, 32},
                    std::uint32_t edit_style = kChildStyle) {
    WindowHandle made = kNoWindow;
    owner_.call([&] {
      made = testing::make_child(kEditClass, parent_, place, edit_style, 3, text,
                                 ex_style::kClientEdge);
      set_focus(made);
    });
    return made;
  }
  std::string text_of(WindowHandle window) {
    std::string text(static_cast<std::size_t>(get_window_text_length(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        get_window_text(window, text.data(), static_cast<std::int32_t>(text.size()))));
    return text;
  }
  std::pair<std::uint32_t, std::uint32_t> selection(WindowHandle window) {
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    send_message(window, edit_message::kGetSelection, reinterpret_cast<WParam>(&start),
                 reinterpret_cast<LParam>(&end));
    return {start, end};
  }
  LResult first_visible_line(WindowHandle window) {
    return send_message(window, edit_message::kGetFirstVisibleLine, 0, 0);
  }
  // A point in a window's client area on the screen.
  Point at(WindowHandle window, std::int32_t x, std::int32_t y) {
    Point point{x, y};
    client_to_screen(window, &point);
    return point;
  }
  void type_character(char32_t character) {
    InputEvent event;
    event.kind = InputEvent::Kind::text;
    event.character = character;
    testing::screen().inject(event);
  }
  void mouse(InputEvent::Kind kind, Point point, std::uint32_t modifiers = 0) {
    InputEvent event;
    event.kind = kind;
    event.position = point;
    event.button = display::MouseButton::left;
    event.modifiers = modifiers;
    event.time_ms = time_ms_ += 1000;
    testing::screen().inject(event);
  }
  std::vector<testing::Seen> commands() {
    owner_.settle();
    return MessageLog::instance().of(msg::kCommand);
  }

  WindowThread owner_;
  WindowHandle parent_ = kNoWindow;
  std::uint32_t time_ms_ = 0;
};

TEST_F(ControlsTest, EditTypesAndEditsWithCaretAndSelection) {
  const WindowHandle field = edit("hello world");
  testing::stroke(keys::kEnd);
  testing::stroke(keys::kHome, true);
  owner_.settle();
  EXPECT_EQ(selection(field), std::make_pair(0u, 11u));
  testing::type("abc");
  testing::stroke(keys::kLeft);
  testing::stroke(keys::kLeft);
  testing::stroke(keys::kBackspace);
  owner_.settle();
  EXPECT_EQ(text_of(field), "bc");
  testing::stroke(keys::kDelete);
  testing::stroke(keys::kRight);
  testing::stroke(keys::kRight);  // no further than the end
  testing::type("D");
  owner_.settle();
  EXPECT_EQ(text_of(field), "cD");

  // Words with Ctrl, a selection with Shift that typing replaces.
  set_window_text(field, "one two three");
  testing::stroke(keys::kRight, false, true);
  owner_.settle();
  EXPECT_EQ(selection(field), std::make_pair(4u, 4u));
  testing::stroke(keys::kRight, true, true);
  owner_.settle();
  EXPECT_EQ(selection(field), std::make_pair(4u, 8u));
  testing::type("2 ");
  owner_.settle();
  EXPECT_EQ(text_of(field), "one 2 three");
  testing::stroke(keys::kLeft, false, true);
  owner_.settle();
  EXPECT_EQ(selection(field), std::make_pair(4u, 4u));
  testing::stroke(keys::kLeft, false, true);
  owner_.settle();
  EXPECT_EQ(selection(field), std::make_pair(0u, 0u));

  send_message(field, edit_message::kSetSelection, 2, 5);
  EXPECT_EQ(selection(field), std::make_pair(2u, 5u));
  send_message(field, edit_message::kSetSelection, 0, -1);
  EXPECT_EQ(selection(field), std::make_pair(0u, 11u));
  // Arrows without Shift leave a selection at its start or end.
  testing::stroke(keys::kLeft);
  owner_.settle();
  EXPECT_EQ(selection(field), std::make_pair(0u, 0u));
}

TEST_F(ControlsTest, EditLimitCountsBytesOfTheWindowText) {
  const WindowHandle field = edit("");
  send_message(field, edit_message::kLimitText, 5, 0);
  testing::type("abcdefgh");
  owner_.settle();
  EXPECT_EQ(text_of(field), "abcde");
  EXPECT_EQ(send_message(field, edit_message::kGetLimitText, 0, 0), 5);

  // A Chinese character takes two bytes in GBK and three in UTF-8.
  set_window_text(field, "");
  send_message(field, edit_message::kLimitText, 3, 0);
  type_character(U'中');
  type_character(U'中');
  testing::type("ab");
  owner_.settle();
  EXPECT_EQ(text_of(field),
            "\xD6\xD0"
            "a");
  set_window_text(field, "");
  send_message(field, edit_message::kCountLimitInUtf8, 1, 0);
  type_character(U'中');
  testing::type("ab");
  owner_.settle();
  EXPECT_EQ(text_of(field), "\xD6\xD0");

  // Characters GBK has no bytes for are not taken; a limit of 0 takes nothing.
  set_window_text(field, "");
  send_message(field, edit_message::kCountLimitInUtf8, 0, 0);
  send_message(field, edit_message::kLimitText, 10, 0);
  type_character(U'\U0001F600');
  owner_.settle();
  EXPECT_EQ(text_of(field), "");
  send_message(field, edit_message::kLimitText, 0, 0);
  testing::type("x");
  owner_.settle();
  EXPECT_EQ(text_of(field), "");
  // The text set from outside is kept whole.
  set_window_text(field, "longer");
  EXPECT_EQ(text_of(field), "longer");
}

TEST_F(ControlsTest, MultiLineEditBreaksWrapsAndScrolls) {
  // Three lines of 14 pixels fit.
  const WindowHandle field = edit("", {10, 10, 150, 60}, kMultiLineStyle);
  testing::type("a");
  testing::stroke(keys::kReturn);
  testing::type("b");
  owner_.settle();
  EXPECT_EQ(text_of(field), "a\r\nb");
  EXPECT_EQ(send_message(field, edit_message::kGetLineCount, 0, 0), 2);
  testing::stroke(keys::kUp);
  testing::stroke(keys::kEnd);
  testing::type("c");
  owner_.settle();
  EXPECT_EQ(text_of(field), "ac\r\nb");

  for (int line = 0; line < 8; ++line) testing::stroke(keys::kReturn);
  owner_.settle();
  EXPECT_EQ(send_message(field, edit_message::kGetLineCount, 0, 0), 10);
  EXPECT_EQ(first_visible_line(field), 7);  // the caret's line is the last in view
  testing::stroke(keys::kHome, false, true);
  owner_.settle();
  EXPECT_EQ(first_visible_line(field), 0);

  // The wheel and the scroll bar's arrows scroll without moving the caret.
  InputEvent wheel;
  wheel.kind = InputEvent::Kind::wheel;
  wheel.position = at(field, 20, 10);
  wheel.wheel = -kWheelNotch;
  testing::screen().inject(wheel);
  owner_.settle();
  EXPECT_EQ(first_visible_line(field), 3);
  Rect client;
  get_client_rect(field, &client);
  mouse(InputEvent::Kind::button_down, at(field, client.right - 5, 3));  // the up arrow
  mouse(InputEvent::Kind::button_up, at(field, client.right - 5, 3));
  owner_.settle();
  EXPECT_EQ(first_visible_line(field), 2);
  EXPECT_EQ(selection(field), std::make_pair(0u, 0u));

  // A line longer than the field wraps at a word's end.
  set_window_text(field, "the quick brown fox jumps over the lazy dog");
  EXPECT_GT(send_message(field, edit_message::kGetLineCount, 0, 0), 2);
  EXPECT_EQ(text_of(field), "the quick brown fox jumps over the lazy dog");
}

TEST_F(ControlsTest, EditFollowsTheMouse) {
  const WindowHandle field = edit("abc def");
  mouse(InputEvent::Kind::button_down, at(field, 150, 5));  // beyond the text: its end
  mouse(InputEvent::Kind::button_up, at(field, 150, 5));
  owner_.settle();
  EXPECT_EQ(selection(field), std::make_pair(7u, 7u));
  // A drag from the start to below the field's end selects everything; the field holds the
  // capture once it has seen the press.
  mouse(InputEvent::Kind::button_down, at(field, 0, 5));
  owner_.settle();
  mouse(InputEvent::Kind::mouse_move, at(field, 150, 50));
  owner_.settle();
  EXPECT_EQ(selection(field), std::make_pair(0u, 7u));
  mouse(InputEvent::Kind::button_up, at(field, 150, 50));
  // Shift and a click extend from where the caret was.
  mouse(InputEvent::Kind::button_down, at(field, 0, 5));
  mouse(InputEvent::Kind::button_up, at(field, 0, 5));
  mouse(InputEvent::Kind::button_down, at(field, 150, 5), display::modifier::kShift);
  mouse(InputEvent::Kind::button_up, at(field, 150, 5));
  owner_.settle();
  EXPECT_EQ(selection(field), std::make_pair(0u, 7u));
  // A double click selects a word with the space after it.
  InputEvent press;
  press.kind = InputEvent::Kind::button_down;
  press.position = at(field, 5, 5);
  press.button = display::MouseButton::left;
  press.time_ms = time_ms_ += 1000;
  testing::screen().inject(press);
  press.kind = InputEvent::Kind::button_up;
  testing::screen().inject(press);
  press.kind = InputEvent::Kind::button_down;
  press.time_ms += 100;
  testing::screen().inject(press);
  owner_.settle();
  EXPECT_EQ(selection(field), std::make_pair(0u, 4u));
}

TEST_F(ControlsTest, EditCutsCopiesAndPastesThroughTheClipboard) {
  const WindowHandle field = edit("abc");
  const std::uint32_t a = keys::kLetterA;
  testing::stroke(a, false, true);                // Ctrl+A
  testing::stroke(a + ('c' - 'a'), false, true);  // Ctrl+C
  testing::stroke(keys::kEnd);
  testing::stroke(a + ('v' - 'a'), false, true);  // Ctrl+V
  owner_.settle();
  EXPECT_EQ(text_of(field), "abcabc");
  testing::stroke(a, false, true);
  testing::stroke(a + ('x' - 'a'), false, true);  // Ctrl+X
  owner_.settle();
  EXPECT_EQ(text_of(field), "");
  EXPECT_EQ(clipboard_text(), "abcabc");

  // One line pastes into a single-line field; every line into a multi-line one.
  set_clipboard_text("one\ntwo 你");
  testing::stroke(keys::kInsert, true);  // Shift+Insert
  owner_.settle();
  EXPECT_EQ(text_of(field), "one");
  const WindowHandle lines = edit("", {10, 40, 210, 100}, kMultiLineStyle);
  testing::stroke(a + ('v' - 'a'), false, true);
  owner_.settle();
  EXPECT_EQ(text_of(lines), "one\r\ntwo \xC4\xE3");
  testing::stroke(keys::kHome, true);
  testing::stroke(keys::kInsert, false, true);  // Ctrl+Insert copies
  testing::stroke(keys::kDelete, true);         // Shift+Delete cuts
  owner_.settle();
  EXPECT_EQ(clipboard_text(), "two 你");
  EXPECT_EQ(text_of(lines), "one\r\n");
}

TEST_F(ControlsTest, EditPictureShowsSelectionAndCaretWhileFocused) {
  const WindowHandle field = edit("wide selection");
  send_message(field, edit_message::kSetSelection, 0, -1);
  owner_.settle();
  const auto count = [&](surface::Color color, std::int32_t left, std::int32_t right) {
    const display::Image picture = testing::screen().capture();
    int found = 0;
    for (std::int32_t x = left; x < right; ++x) {
      for (std::int32_t y = 0; y < 18; ++y) {
        found += (testing::client_pixel(picture, field, {x, y}) & 0xFFFFFF) == word_of(color);
      }
    }
    return found;
  };
  const surface::Color highlight = get_system_color(system_color::kHighlight);
  EXPECT_GT(count(highlight, 0, 60), 100);
  // The edge is sunken: shadow above, light inside at the bottom.
  const display::Image picture = testing::screen().capture();
  EXPECT_EQ(testing::client_pixel(picture, field, {10, -2}) & 0xFFFFFF,
            word_of(get_system_color(system_color::kButtonShadow)));
  EXPECT_EQ(testing::client_pixel(picture, field, {10, 18}) & 0xFFFFFF,
            word_of(get_system_color(system_color::kLight)));
  EXPECT_EQ(testing::client_pixel(picture, field, {190, 8}) & 0xFFFFFF, 0x00FFFFFFu);

  // Without the focus the selection is not shown, and there is no caret.
  owner_.call([&] { set_focus(parent_); });
  owner_.settle();
  EXPECT_EQ(count(highlight, 0, 196), 0);
  owner_.call([&] { set_focus(field); });
  send_message(field, edit_message::kSetSelection, 0, 0);
  owner_.settle();
  EXPECT_GE(count(get_system_color(system_color::kWindowText), 2, 3), 14);  // the caret
}

TEST_F(ControlsTest, ButtonClicksWhenPressedAndReleasedOverIt) {
  WindowHandle button = kNoWindow;
  owner_.call([&] {
    button = testing::make_child(kButtonClass, parent_, {20, 20, 80, 41},
                                 kChildStyle | button_style::kDefaultPushButton, 5, "OK");
  });
  const Point middle = testing::middle_of(button);
  testing::click(middle, time_ms_ += 1000);
  auto seen = commands();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].window, parent_);
  EXPECT_EQ(seen[0].wparam, command_wparam(5, notification::kButtonClicked));
  EXPECT_EQ(seen[0].lparam, static_cast<LParam>(button));

  // Pressed, it looks pushed while the pointer is over it; released elsewhere, nothing.
  mouse(InputEvent::Kind::button_down, middle);
  owner_.settle();
  EXPECT_EQ(send_message(button, button_message::kGetState, 0, 0),
            button_state::kPushed | button_state::kFocus);
  mouse(InputEvent::Kind::mouse_move, {middle.x + 100, middle.y});
  owner_.settle();
  EXPECT_EQ(send_message(button, button_message::kGetState, 0, 0), button_state::kFocus);
  mouse(InputEvent::Kind::button_up, {middle.x + 100, middle.y});
  EXPECT_EQ(commands().size(), 1u);

  // Space while it has the focus.
  testing::key(keys::kSpace, true);
  owner_.settle();
  EXPECT_EQ(send_message(button, button_message::kGetState, 0, 0),
            button_state::kPushed | button_state::kFocus);
  testing::key(keys::kSpace, false);
  EXPECT_EQ(commands().size(), 2u);

  // The default button's dark frame, the face inside, the caption's ink in the middle.
  const display::Image picture = testing::screen().capture();
  EXPECT_EQ(testing::client_pixel(picture, button, {0, 0}) & 0xFFFFFF, 0u);
  EXPECT_EQ(testing::client_pixel(picture, button, {5, 10}) & 0xFFFFFF,
            word_of(get_system_color(system_color::kButtonFace)));
  int ink = 0;
  for (std::int32_t x = 20; x < 40; ++x) {
    for (std::int32_t y = 5; y < 16; ++y) {
      ink += (testing::client_pixel(picture, button, {x, y}) & 0xFFFFFF) < 0x808080;
    }
  }
  EXPECT_GT(ink, 5);
}

TEST_F(ControlsTest, StaticShowsItsTextOnTheDialogFace) {
  WindowHandle label = kNoWindow;
  owner_.call([&] {
    label = testing::make_child(kStaticClass, parent_, {20, 60, 120, 100}, kChildStyle, 9,
                                "Some words that wrap onto a second line");
  });
  owner_.settle();
  const display::Image picture = testing::screen().capture();
  const surface::PixelWord face = word_of(get_system_color(system_color::kButtonFace));
  int ink_rows = 0;
  for (std::int32_t y = 0; y < 40; ++y) {
    bool ink = false;
    for (std::int32_t x = 0; x < 100; ++x) {
      ink = ink || (testing::client_pixel(picture, label, {x, y}) & 0xFFFFFF) != face;
    }
    ink_rows += ink;
  }
  EXPECT_GT(ink_rows, 14);  // more than one line of text
  EXPECT_EQ(testing::client_pixel(picture, label, {99, 39}) & 0xFFFFFF, face);
}

}  // namespace
}  // namespace kanvo::win
