// The text input dialog on a real X server (Xvfb): a program asks for text, xdotool types and
// clicks as a user would, and a screenshot measures the dialog. Skipped where Xvfb, xdotool or
// ImageMagick is missing.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>

#include "tests/graphics/dialog_picture.h"
#include "tests/support/line_reader.h"
#include "tests/support/x_server_test.h"

namespace kanvo::testing {
namespace {

using surface::Rect;

constexpr const char* kProbe = KANVO_BINARY_DIR "/tests/graphics/ask_text_probe";
// Each look at the screen runs import, which takes long on a busy machine.
constexpr std::chrono::milliseconds kPatience(20000);

class DialogScreenTest : public XServerTest<DialogScreenTest> {
 public:
  static constexpr std::array kTools{"Xvfb", "xdotool", "xdpyinfo", "import", "timeout"};

 protected:
  std::string x(const std::string& command) const {
    return output_of("DISPLAY=" + server_->display() + " " + command);
  }
  // Starts the probe and waits for its dialog (`client_width` wide, when given), with the pointer
  // over it and the keyboard given to it. Null when it could not be started.
  // `input` is the probe's standard input.
  FILE* start(const std::string& arguments, DialogPicture* picture, int client_width = 0,
              const std::string& input = "/dev/null") {
    // The probe's SDL leaks inside the X libraries it loads, so a sanitizer build looks for
    // everything but leaks there.
    const std::string command = "DISPLAY=" + server_->display() +
                                " KANVO_DISPLAY= ASAN_OPTIONS=detect_leaks=0 timeout 20 " + kProbe +
                                " " + arguments + " <" + input;
    FILE* probe = popen(command.c_str(), "r");
    if (probe == nullptr) return nullptr;
    const std::optional<DialogPicture> shown = settled_dialog(
        [&] { return server_->screenshot(); },
        [&](const DialogPicture& found) {
          return client_width == 0 || found.client.right - found.client.left == client_width;
        },
        kPatience);
    EXPECT_TRUE(shown) << "the dialog did not appear";
    if (shown) *picture = *shown;
    point_at(*picture);
    return probe;
  }
  // Moves the pointer over the dialog and gives it the keyboard, as a window manager would on a
  // click; without one the focus goes nowhere once another window closes.
  void point_at(const DialogPicture& picture) const {
    EXPECT_TRUE(server_->move_pointer(picture.client.left + 5, picture.client.top + 5));
    const std::string id = window_under_pointer();
    if (!id.empty()) x("xdotool windowfocus --sync " + id);
  }
  // The X window under the pointer; empty when there is none.
  std::string window_under_pointer() const {
    const std::string where = x("xdotool getmouselocation --shell");
    const std::size_t window = where.find("WINDOW=");
    if (window == std::string::npos) return {};
    return where.substr(window + 7, where.find('\n', window) - window - 7);
  }
  // The caption of the dialog that start() pointed at, as the window system names its X window.
  std::string dialog_caption() const {
    std::string name = x("xdotool getwindowname " + window_under_pointer());
    if (!name.empty() && name.back() == '\n') name.pop_back();
    return name;
  }
  // What the probe printed once it ended; it must end well.
  static std::string finish(FILE* probe) {
    std::string printed;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, probe) != nullptr) printed += buffer;
    EXPECT_EQ(pclose(probe), 0);
    return printed;
  }
  std::string run(const std::string& arguments,
                  const std::function<void(const DialogPicture&)>& interact, int client_width = 0) {
    DialogPicture picture;
    FILE* probe = start(arguments, &picture, client_width);
    if (probe == nullptr) return {};
    interact(picture);
    return finish(probe);
  }
  void type(const std::string& text) const { x("xdotool type --delay 30 '" + text + "'"); }
  void key(const std::string& keys) const { x("xdotool key --delay 30 " + keys); }
  void click_on_screen(std::int32_t screen_x, std::int32_t screen_y) const {
    EXPECT_TRUE(server_->move_pointer(screen_x, screen_y));
    x("xdotool click 1");
  }
  void click_at(const DialogPicture& picture, const Rect& box) const {
    click_on_screen(picture.client.left + (box.left + box.right) / 2,
                    picture.client.top + (box.top + box.bottom) / 2);
  }
};

TEST_F(DialogScreenTest, StandardLayoutAndOkByEnter) {
  const std::string printed = run("0 0 0 64 abc", [&](const DialogPicture& picture) {
    EXPECT_EQ(picture.client.right - picture.client.left, 357);
    EXPECT_EQ(picture.client.bottom - picture.client.top, 93);
    EXPECT_EQ(picture.edit, (Rect{9, 65, 348, 83}));  // 18 high with a one-line prompt
    EXPECT_EQ(picture.ok, (Rect{288, 10, 348, 31}));
    ASSERT_TRUE(picture.cancel);
    EXPECT_EQ(*picture.cancel, (Rect{288, 34, 348, 55}));
    // The texts: the prompt from the top left, each caption in the middle of its button, the
    // title on the left of the caption bar and the close box on its right.
    ASSERT_TRUE(picture.prompt_text);
    EXPECT_GE(picture.prompt_text->left, 9);
    EXPECT_LE(picture.prompt_text->left, 11);
    EXPECT_GE(picture.prompt_text->top, 10);
    EXPECT_LE(picture.prompt_text->bottom, 10 + 15);  // one line
    for (const auto& [button, text] : {std::pair{picture.ok, picture.ok_text},
                                       std::pair{*picture.cancel, picture.cancel_text}}) {
      ASSERT_TRUE(text);
      EXPECT_NEAR(text->left + text->right, button.left + button.right, 2);
      EXPECT_NEAR(text->top + text->bottom, button.top + button.bottom, 2);
      EXPECT_GE(text->right - text->left, 20);  // two ideographs
      EXPECT_LE(text->right - text->left, 32);
    }
    ASSERT_TRUE(picture.title_text);
    EXPECT_LT(picture.title_text->left, 10);
    EXPECT_LT(picture.title_text->bottom, 0);
    ASSERT_TRUE(picture.close_cross);
    EXPECT_GT(picture.close_cross->left, 357 - 18);
    type("Hello World");
    key("Return");
  });
  EXPECT_EQ(printed, "confirmed=1\ntext=Hello World\n");
}

TEST_F(DialogScreenTest, NarrowLowRequestIsRaisedMultiLineAndOkByClick) {
  const std::string printed = run("150 50 0 64", [&](const DialogPicture& picture) {
    EXPECT_EQ(picture.client.right - picture.client.left, 200);
    EXPECT_EQ(picture.client.bottom - picture.client.top, 93);
    EXPECT_EQ(picture.ok, (Rect{131, 10, 191, 31}));
    EXPECT_EQ(picture.edit, (Rect{9, 65, 191, 83}));
    type("two");
    key("Return");  // a height was asked for: the field takes several lines
    type("lines");
    click_at(picture, picture.ok);
  });
  EXPECT_EQ(printed, "confirmed=1\ntext=two\\x0D\\x0Alines\n");
}

TEST_F(DialogScreenTest, AWrappingPromptMakesTheDialogTaller) {
  // Five lines of prompt in a dialog asked to be 120 high.
  const std::string prompt =
      "The answer you type here is kept in the buffer that the caller gave, and a long prompt "
      "like this one wraps onto several lines of the dialog, each of them as high as the others "
      "are, down to the fifth.";
  const std::string printed =
      run("0 120 0 64 '' '" + prompt + "'", [&](const DialogPicture& picture) {
        EXPECT_EQ(picture.client.right - picture.client.left, 357);
        // Five lines of 14 pixels: 25 more than the 45 kept for the prompt anyway.
        EXPECT_EQ(picture.edit.top, 70 + 20);
        EXPECT_EQ(picture.client.bottom - picture.client.top, 120 + 25);
        EXPECT_EQ(picture.edit.bottom, 145 - 10);
        ASSERT_TRUE(picture.prompt_text);
        EXPECT_GT(picture.prompt_text->bottom, 10 + 56);
        EXPECT_LE(picture.prompt_text->bottom, 10 + 70);
        EXPECT_LE(picture.prompt_text->right, 357 - 81);
        key("Escape");
      });
  EXPECT_EQ(printed, "confirmed=0\ntext=untouched\n");
}

TEST_F(DialogScreenTest, EscapeCancelAndTheCloseBoxCancel) {
  const std::function<void(const DialogPicture&)> cancels[] = {
      [&](const DialogPicture&) { key("Escape"); },
      [&](const DialogPicture& picture) { click_at(picture, *picture.cancel); },
      [&](const DialogPicture& picture) { click_at(picture, *picture.close_cross); },
  };
  for (const auto& cancel : cancels) {
    const std::string printed = run("0 0 0 64 abc", [&](const DialogPicture& picture) {
      ASSERT_TRUE(picture.cancel);
      ASSERT_TRUE(picture.close_cross);
      type("typed");
      cancel(picture);
    });
    EXPECT_EQ(printed, "confirmed=0\ntext=untouched\n");
  }
}

TEST_F(DialogScreenTest, MultiLineEnterBreaksAndCtrlEnterConfirms) {
  const std::string printed = run("300 150 0 64", [&](const DialogPicture& picture) {
    EXPECT_EQ(picture.client.bottom - picture.client.top, 150);
    EXPECT_EQ(picture.edit, (Rect{9, 65, 291, 140}));
    type("first");
    key("Return");
    type("second");
    key("ctrl+Return");
  });
  EXPECT_EQ(printed, "confirmed=1\ntext=first\\x0D\\x0Asecond\n");
}

TEST_F(DialogScreenTest, TheBufferLimitsTheText) {
  const std::string printed = run("0 0 0 5", [&](const DialogPicture&) {
    type("abcdefg");
    key("Return");
  });
  EXPECT_EQ(printed, "confirmed=1\ntext=abcd\n");
  // A buffer without room gets nothing written into it, even when confirmed.
  for (const char* size : {"0", "-1"}) {
    const std::string without_room =
        run(std::string("0 0 0 ") + size + " abc", [&](const DialogPicture&) {
          type("x");
          key("Return");
        });
    EXPECT_EQ(without_room, "confirmed=1\ntext=untouched\n") << size;
  }
}

TEST_F(DialogScreenTest, CopyAndPasteGoThroughTheScreensClipboard) {
  const std::string printed = run("0 0 0 64", [&](const DialogPicture&) {
    type("abc");
    key("ctrl+a ctrl+c End ctrl+v ctrl+v");
    key("Return");
  });
  EXPECT_EQ(printed, "confirmed=1\ntext=abcabcabc\n");
}

TEST_F(DialogScreenTest, TextCopiedInOneProgramPastesInAnother) {
  DialogPicture picture;
  FILE* copier = start("200 0 0 64 'from elsewhere 你好'", &picture);
  ASSERT_NE(copier, nullptr);
  key("ctrl+c");
  // The second dialog, wider and as high, comes up in front of the first and hides it.
  const std::string pasted = run(
      "0 0 0 64", [&](const DialogPicture&) { key("ctrl+v Return"); }, 357);
  EXPECT_EQ(pasted, "confirmed=1\ntext=from elsewhere \\xE4\\xBD\\xA0\\xE5\\xA5\\xBD\n");
  point_at(picture);
  key("Escape");
  EXPECT_EQ(finish(copier), "confirmed=0\ntext=untouched\n");
}

TEST_F(DialogScreenTest, OkOnlyIgnoresEscape) {
  const std::string printed = run("0 0 1 64", [&](const DialogPicture& picture) {
    EXPECT_FALSE(picture.cancel);
    EXPECT_FALSE(picture.close_cross);
    key("Escape");
    type("still here");
    key("Return");
  });
  EXPECT_EQ(printed, "confirmed=1\ntext=still here\n");
}

// With no graphics window open, the console's window owns the dialog of a program that runs in
// a terminal: the dialog stands in the middle of the console's window (660 by 420 at the
// screen's top-left corner, where a dialog without an owner would stand in the middle of the
// screen) and, untitled, takes its caption.
TEST_F(DialogScreenTest, WithoutAGraphicsWindowTheConsoleOwnsTheDialog) {
  const int terminal = posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(terminal, 0);
  ASSERT_EQ(grantpt(terminal), 0);
  ASSERT_EQ(unlockpt(terminal), 0);
  DialogPicture picture;
  FILE* probe = start("--untitled 0 0 0 64 abc", &picture, 0, ptsname(terminal));
  ASSERT_NE(probe, nullptr);
  EXPECT_EQ(picture.client.left, (660 - 357) / 2);
  EXPECT_EQ(picture.client.top, (420 - 93) / 2);
  EXPECT_EQ(dialog_caption(), "Console");
  key("Return");
  EXPECT_EQ(finish(probe), "confirmed=1\ntext=abc\n");
  close(terminal);
}

// An open graphics window owns the dialog: the dialog stands in its middle with its caption, and
// the window takes no mouse input until the dialog closes.
TEST_F(DialogScreenTest, AnOpenGraphicsWindowOwnsTheDialogAndIsDisabledMeanwhile) {
  DialogPicture picture;
  FILE* probe = start("--untitled --window 0 0 0 64 abc", &picture, 357);
  ASSERT_NE(probe, nullptr);
  LineReader output(fileno(probe));
  const auto next_line = [&] {
    return output.line(std::chrono::milliseconds(20000)).value_or("nothing");
  };
  Rect window;
  const std::string first = next_line();
  ASSERT_EQ(std::sscanf(first.c_str(), "window %d %d %d %d", &window.left, &window.top,
                        &window.right, &window.bottom),
            4)
      << "the probe printed " << first;
  EXPECT_EQ(picture.client.left, window.left + (window.right - window.left - 357) / 2);
  EXPECT_EQ(picture.client.top, window.top + (window.bottom - window.top - 93) / 2);
  EXPECT_EQ(dialog_caption(), "ask_text_probe");
  // A click on the graphics window beside the dialog, then Enter in the dialog.
  click_on_screen(window.left + 30, window.bottom - 30);
  point_at(picture);
  key("Return");
  EXPECT_EQ(next_line(), "confirmed=1");
  EXPECT_EQ(next_line(), "text=abc");
  EXPECT_EQ(next_line(), "buttons=0") << "the window took the click while the dialog was open";
  // Enabled again, it takes the next one.
  click_on_screen(window.left + 30, window.bottom - 30);
  EXPECT_TRUE(next_line().starts_with("pressed "));
  EXPECT_EQ(pclose(probe), 0);
}

}  // namespace
}  // namespace kanvo::testing
