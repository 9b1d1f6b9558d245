// The text input dialog on a real X server (Xvfb): a program asks for text, xdotool types and
// clicks as a user would, and a screenshot measures the dialog. Skipped where Xvfb, xdotool or
// ImageMagick is missing.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "host/windows/clipboard.h"
#include "host/windows/screen.h"
#include "tests/graphics/dialog_picture.h"
#include "tests/support/eventually.h"
#include "tests/support/x_server.h"

namespace kanvo::testing {
namespace {

using surface::Rect;

constexpr const char* kProbe = KANVO_BINARY_DIR "/tests/graphics/ask_text_probe";

class DialogScreenTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    for (const char* tool : {"Xvfb", "xdotool", "xdpyinfo", "import", "timeout"}) {
      if (!on_path(tool)) {
        missing_ = std::string(tool) + " is not installed (scripts/setup.sh installs it)";
        return;
      }
    }
    server_ = new Xvfb;
  }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }
  void SetUp() override {
    if (!missing_.empty()) GTEST_SKIP() << missing_;
    ASSERT_TRUE(server_->running()) << "Xvfb did not start";
  }

  std::string x(const std::string& command) const {
    return output_of("DISPLAY=" + server_->display() + " " + command);
  }
  // Starts the probe; `interact` works the dialog once it is on the screen. Returns what the
  // probe printed.
  std::string run(const std::string& arguments,
                  const std::function<void(const DialogPicture&)>& interact) {
    const std::string command = "DISPLAY=" + server_->display() + " KANVO_DISPLAY= timeout 20 " +
                                kProbe + " " + arguments + " </dev/null";
    FILE* probe = popen(command.c_str(), "r");
    if (probe == nullptr) return {};
    std::optional<DialogPicture> picture;
    const bool shown = eventually([&] {
      picture = find_dialog(server_->screenshot());
      return picture.has_value();
    });
    EXPECT_TRUE(shown) << "the dialog did not appear";
    if (shown) {
      // The keyboard goes to the window under the pointer.
      const Rect& client = picture->client;
      x("xdotool mousemove --sync " + std::to_string(client.left + 5) + " " +
        std::to_string(client.top + 5));
      interact(*picture);
    }
    std::string printed;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, probe) != nullptr) printed += buffer;
    pclose(probe);
    return printed;
  }
  void type(const std::string& text) const { x("xdotool type --delay 30 '" + text + "'"); }
  void key(const std::string& keys) const { x("xdotool key --delay 30 " + keys); }
  void click_at(const DialogPicture& picture, const Rect& box) const {
    x("xdotool mousemove --sync " +
      std::to_string(picture.client.left + (box.left + box.right) / 2) + " " +
      std::to_string(picture.client.top + (box.top + box.bottom) / 2) + " click 1");
  }

  static inline Xvfb* server_ = nullptr;
  static inline std::string missing_;
};

TEST_F(DialogScreenTest, StandardLayoutAndOkByEnter) {
  const std::string printed = run("0 0 0 64 abc", [&](const DialogPicture& picture) {
    EXPECT_EQ(picture.client.right - picture.client.left, 357);
    EXPECT_EQ(picture.client.bottom - picture.client.top, 93);
    EXPECT_EQ(picture.edit, (Rect{9, 65, 348, 83}));  // 18 high with a one-line prompt
    EXPECT_EQ(picture.ok, (Rect{288, 10, 348, 31}));
    ASSERT_TRUE(picture.cancel);
    EXPECT_EQ(*picture.cancel, (Rect{288, 34, 348, 55}));
    type("Hello World");
    key("Return");
  });
  EXPECT_EQ(printed, "confirmed=1\ntext=Hello World\n");
}

TEST_F(DialogScreenTest, NarrowLowRequestIsRaisedAndOkByClick) {
  const std::string printed = run("150 50 0 64", [&](const DialogPicture& picture) {
    EXPECT_EQ(picture.client.right - picture.client.left, 200);
    EXPECT_EQ(picture.client.bottom - picture.client.top, 93);
    EXPECT_EQ(picture.ok, (Rect{131, 10, 191, 31}));
    type("clicked");
    click_at(picture, picture.ok);
  });
  EXPECT_EQ(printed, "confirmed=1\ntext=clicked\n");
}

TEST_F(DialogScreenTest, EscapeCancels) {
  const std::string printed = run("0 0 0 64 abc", [&](const DialogPicture&) {
    type("typed");
    key("Escape");
  });
  EXPECT_EQ(printed, "confirmed=0\ntext=untouched\n");
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
}

TEST_F(DialogScreenTest, CopyAndPasteGoThroughTheScreensClipboard) {
  const std::string printed = run("0 0 0 64", [&](const DialogPicture&) {
    type("abc");
    key("ctrl+a ctrl+c End ctrl+v ctrl+v");
    key("Return");
  });
  EXPECT_EQ(printed, "confirmed=1\ntext=abcabcabc\n");
}

TEST_F(DialogScreenTest, TextCopiedByAnotherProgramPastes) {
  // This process copies through its own window system on the same X server.
  setenv("DISPLAY", server_->display().c_str(), 1);
  unsetenv("WAYLAND_DISPLAY");
  unsetenv("KANVO_DISPLAY");
  ASSERT_EQ(win::headless_screen(), nullptr);
  ASSERT_TRUE(win::set_clipboard_text("from elsewhere 你好"));
  const std::string printed = run("0 0 0 64", [&](const DialogPicture&) { key("ctrl+v Return"); });
  win::close_display();
  EXPECT_EQ(printed, "confirmed=1\ntext=from elsewhere \\xC4\\xE3\\xBA\\xC3\n");
}

TEST_F(DialogScreenTest, OkOnlyIgnoresEscape) {
  const std::string printed = run("0 0 1 64", [&](const DialogPicture& picture) {
    EXPECT_FALSE(picture.cancel);
    key("Escape");
    type("still here");
    key("Return");
  });
  EXPECT_EQ(printed, "confirmed=1\ntext=still here\n");
}

}  // namespace
}  // namespace kanvo::testing
