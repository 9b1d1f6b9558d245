// The text input dialog on the headless screen: ask_text runs on the test's thread while a
// driver thread gives it keys and clicks as a user would, and measures what the screen shows.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <string>
#include <thread>

#include "graphics/input/dialog_layout.h"
#include "graphics/kanvo.h"
#include "host/display/keys.h"
#include "host/windows/controls.h"
#include "host/windows/messages.h"
#include "host/windows/windows.h"
#include "port/host_values.h"
#include "tests/graphics/dialog_picture.h"
#include "tests/host/windows/window_test_support.h"
#include "tests/support/eventually.h"
#include "tests/support/library_window.h"
#include "tests/support/program_encoding.h"

namespace kanvo {
namespace {

using testing::eventually;
namespace testing_ui = win::testing;

constexpr const char* kDialogClass = "Kanvo_InputBox";
constexpr std::uint32_t kEditId = 0x404;
constexpr std::uint32_t kPromptId = 0x408;
constexpr std::uint32_t kOkId = 1;
constexpr std::uint32_t kCancelId = 2;
constexpr const char* kSentinel = "untouched";

std::string text_of(win::WindowHandle window) {
  char buffer[256] = {};
  win::get_window_text(window, buffer, sizeof buffer);
  return buffer;
}

// A rectangle in the client pixels of the window's parent.
surface::Rect place_in_parent(win::WindowHandle window) {
  surface::Rect outer;
  win::get_window_rect(window, &outer);
  surface::Point origin{0, 0};
  win::client_to_screen(win::get_parent(window), &origin);
  return {outer.left - origin.x, outer.top - origin.y, outer.right - origin.x,
          outer.bottom - origin.y};
}

bool has_focus(win::WindowHandle button) {
  return (win::send_message(button, win::button_message::kGetState, 0, 0) &
          win::button_state::kFocus) != 0;
}

struct Request {
  std::int32_t buffer_size = 64;
  const char* prompt = "Your name:";
  const char* title = "Kanvo";
  const char* default_text = nullptr;
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool ok_only = false;
  bool no_buffer = false;  // null for the buffer
};

class TextInputDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { std::strcpy(buffer_, kSentinel); }
  void TearDown() override { close_window(); }

  // Runs ask_text here while `drive` works the shown dialog from another thread. A dialog the
  // driver leaves open, or one that never shows, is closed, and the test fails.
  bool ask(const Request& request, const std::function<void(win::WindowHandle)>& drive) {
    std::thread driver([&] {
      win::WindowHandle dialog = win::kNoWindow;
      const bool shown = eventually([&] {
        dialog = win::find_window(kDialogClass, nullptr);
        return dialog != win::kNoWindow && win::is_window_visible(dialog);
      });
      // A check failing in `drive` leaves it early; the dialog is closed below all the same, so
      // that ask_text returns and the test fails rather than hangs.
      if (shown) {
        drive(dialog);
      } else {
        ADD_FAILURE() << "the dialog did not show";
      }
      if (dialog != win::kNoWindow && !eventually([&] { return !win::is_window(dialog); })) {
        ADD_FAILURE() << "the dialog stayed open";
        win::request_destroy(dialog);
      }
    });
    const bool confirmed = ask_text(request.no_buffer ? nullptr : buffer_, request.buffer_size,
                                    request.prompt, request.title, request.default_text,
                                    request.width, request.height, request.ok_only);
    driver.join();
    return confirmed;
  }
  // Types into the dialog's edit field and waits until it holds `expected`.
  static void type_into(win::WindowHandle dialog, std::string_view keys,
                        const std::string& expected) {
    testing_ui::type(keys);
    const win::WindowHandle edit = win::get_dialog_item(dialog, kEditId);
    EXPECT_TRUE(eventually([&] { return text_of(edit) == expected; })) << text_of(edit);
  }
  // Returns once the dialog has handled the keys given so far: the focus goes to OK and back.
  static void keys_handled(win::WindowHandle dialog) {
    const win::WindowHandle ok = win::get_dialog_item(dialog, kOkId);
    testing_ui::stroke(keys::kTab);
    EXPECT_TRUE(eventually([&] { return has_focus(ok); }));
    testing_ui::stroke(keys::kTab, true);
    EXPECT_TRUE(eventually([&] { return !has_focus(ok); }));
  }
  void click(surface::Point at) { testing_ui::click(at, time_ms_ += 1000); }

  char buffer_[64] = {};
  std::uint32_t time_ms_ = 0;
};

TEST(DialogLayout, SizesFollowTheRequestAndThePrompt) {
  const DialogSize standard = dialog_size(0, 0, 14);
  EXPECT_EQ(standard.width, 357);
  EXPECT_EQ(standard.height, 93);
  EXPECT_EQ(standard.prompt_height, 45);
  EXPECT_FALSE(standard.multi_line);
  const DialogSize raised = dialog_size(150, 50, 14);
  EXPECT_EQ(raised.width, 200);
  EXPECT_EQ(raised.height, 93);
  EXPECT_TRUE(raised.multi_line);
  const DialogSize negative = dialog_size(-5, -5, -1);
  EXPECT_EQ(negative.width, 200);
  EXPECT_EQ(negative.height, 93);
  EXPECT_FALSE(negative.multi_line);
  // A prompt of 75 pixels makes the client area 30 pixels taller than asked for.
  const DialogSize tall = dialog_size(400, 120, 75);
  EXPECT_EQ(tall.height, 150);
  EXPECT_EQ(tall.prompt_height, 75);
  // Sizes beyond any screen stay finite.
  const DialogSize huge = dialog_size(INT_MAX, INT_MAX, INT_MAX);
  EXPECT_GT(huge.width, 0);
  EXPECT_GT(huge.height, huge.prompt_height);

  const DialogPlaces places = dialog_places(357, 93, 45);
  EXPECT_EQ(places.prompt, (Rect{9, 10, 276, 55}));
  EXPECT_EQ(places.edit, (Rect{9, 65, 348, 83}));
  EXPECT_EQ(places.ok, (Rect{288, 10, 348, 31}));
  EXPECT_EQ(places.cancel, (Rect{288, 34, 348, 55}));
}

TEST_F(TextInputDialogTest, StandardSizeAsMeasuredOnTheScreen) {
  const win::WindowHandle graphics = testing::host_window(open_window(200, 150, 0));
  win::set_window_pos(graphics, win::kNoWindow, 400, 300, 0, 0,
                      win::placement::kNoSize | win::placement::kNoZOrder);
  Request request;
  request.default_text = "abc";
  const bool confirmed = ask(request, [&](win::WindowHandle dialog) {
    surface::Rect client;
    win::get_client_rect(dialog, &client);
    EXPECT_EQ(client, (surface::Rect{0, 0, 357, 93}));
    EXPECT_EQ(place_in_parent(win::get_dialog_item(dialog, kEditId)),
              (surface::Rect{9, 65, 348, 83}));
    EXPECT_EQ(place_in_parent(win::get_dialog_item(dialog, kPromptId)),
              (surface::Rect{9, 10, 276, 55}));
    // The client area centred on its owner, the graphics window.
    surface::Rect owner;
    win::get_window_rect(graphics, &owner);
    surface::Point corner{0, 0};
    win::client_to_screen(dialog, &corner);
    EXPECT_EQ(corner.x, owner.left + (owner.right - owner.left - 357) / 2);
    EXPECT_EQ(corner.y, owner.top + (owner.bottom - owner.top - 93) / 2);
    EXPECT_EQ(win::get_window_style(win::get_dialog_item(dialog, kEditId)) & 0xFFFF0FFF,
              win::style::kChild | win::style::kVisible | win::style::kTabStop |
                  win::edit_style::kAutoHScroll);

    // What the screen shows: the edit field 18 pixels high, the buttons in their places.
    const std::optional<testing::DialogPicture> picture =
        testing::settled_dialog([] { return testing_ui::screen().capture(); },
                                [](const testing::DialogPicture& found) {
                                  return found.edit.bottom - found.edit.top == 18;
                                },
                                std::chrono::milliseconds(10000));
    ASSERT_TRUE(picture) << "the dialog was not painted through";
    EXPECT_EQ(picture->client.right - picture->client.left, 357);
    EXPECT_EQ(picture->client.bottom - picture->client.top, 93);
    EXPECT_EQ(picture->edit, (surface::Rect{9, 65, 348, 83}));
    EXPECT_EQ(picture->ok, (surface::Rect{288, 10, 348, 31}));
    ASSERT_TRUE(picture->cancel);
    EXPECT_EQ(*picture->cancel, (surface::Rect{288, 34, 348, 55}));
    testing_ui::stroke(keys::kEscape);
  });
  EXPECT_FALSE(confirmed);
}

TEST_F(TextInputDialogTest, StaysOnTheScreenWhenItsOwnerIsNearTheEdge) {
  const win::WindowHandle graphics = testing::host_window(open_window(200, 150, 0));
  win::set_window_pos(graphics, win::kNoWindow, 0, 0, 0, 0,
                      win::placement::kNoSize | win::placement::kNoZOrder);
  ask({}, [&](win::WindowHandle dialog) {
    surface::Rect outer;
    win::get_window_rect(dialog, &outer);
    const surface::Rect area = win::work_area();
    EXPECT_EQ(outer.left, area.left);
    EXPECT_GE(outer.top, area.top);
    testing_ui::stroke(keys::kEscape);
  });
}

TEST_F(TextInputDialogTest, NarrowAndLowRequestsAreRaisedAndAHeightMakesItMultiLine) {
  Request request;
  request.width = 150;
  request.height = 50;
  ask(request, [&](win::WindowHandle dialog) {
    surface::Rect client;
    win::get_client_rect(dialog, &client);
    EXPECT_EQ(client, (surface::Rect{0, 0, 200, 93}));
    const std::uint32_t style = win::get_window_style(win::get_dialog_item(dialog, kEditId));
    EXPECT_NE(style & win::edit_style::kMultiLine, 0u);
    EXPECT_NE(style & win::style::kVScroll, 0u);
    testing_ui::stroke(keys::kEscape);
  });
}

TEST_F(TextInputDialogTest, AWrappingPromptMakesTheDialogTaller) {
  // Five lines of prompt in the font the dialog measures with.
  Request request;
  request.prompt = "one\ntwo\nthree\nfour\nfive";
  request.height = 100;
  ask(request, [&](win::WindowHandle dialog) {
    const surface::Rect prompt = place_in_parent(win::get_dialog_item(dialog, kPromptId));
    const std::int32_t prompt_height = prompt.bottom - prompt.top;
    EXPECT_EQ(prompt_height % 5, 0);
    EXPECT_GT(prompt_height, 45);
    surface::Rect client;
    win::get_client_rect(dialog, &client);
    EXPECT_EQ(client.bottom, 100 + prompt_height - 45);
    EXPECT_EQ(place_in_parent(win::get_dialog_item(dialog, kEditId)).top, prompt_height + 20);
    testing_ui::stroke(keys::kEscape);
  });
}

TEST_F(TextInputDialogTest, CaptionsAndTheOwnersTitleWhenThereIsNoTitle) {
  const win::WindowHandle graphics = testing::host_window(open_window(200, 150, 0));
  Request request;
  request.title = nullptr;
  ask(request, [&](win::WindowHandle dialog) {
    EXPECT_EQ(text_of(win::get_dialog_item(dialog, kOkId)), "\xC8\xB7\xB6\xA8");      // 确定
    EXPECT_EQ(text_of(win::get_dialog_item(dialog, kCancelId)), "\xC8\xA1\xCF\xFB");  // 取消
    EXPECT_EQ(text_of(win::get_dialog_item(dialog, kPromptId)), "Your name:");
    EXPECT_EQ(text_of(dialog), text_of(graphics));
    EXPECT_FALSE(text_of(dialog).empty());
    testing_ui::stroke(keys::kEscape);
  });
}

TEST_F(TextInputDialogTest, TheOwnerIsDisabledMeanwhileAndInFrontAfterwards) {
  const win::WindowHandle graphics = testing::host_window(open_window(200, 150, 0));
  flush_mouse_messages();
  Request request;
  request.default_text = "x";
  EXPECT_TRUE(ask(request, [&](win::WindowHandle dialog) {
    EXPECT_TRUE(eventually([&] { return !win::is_window_enabled(graphics); }));
    EXPECT_EQ(win::get_foreground_window(), dialog);
    surface::Point corner{5, 5};
    win::client_to_screen(graphics, &corner);
    click(corner);
    testing_ui::stroke(keys::kReturn);
  }));
  EXPECT_TRUE(win::is_window_enabled(graphics));
  EXPECT_EQ(win::get_foreground_window(), graphics);
  EXPECT_FALSE(mouse_hit());  // the click on the disabled window went nowhere
  EXPECT_STREQ(buffer_, "x");
}

TEST_F(TextInputDialogTest, EnterConfirmsTheTypedTextWhichReplacesTheSelectedDefault) {
  Request request;
  request.default_text = "abc";
  EXPECT_TRUE(ask(request, [&](win::WindowHandle dialog) {
    type_into(dialog, "Hello World", "Hello World");
    testing_ui::stroke(keys::kReturn);
  }));
  EXPECT_STREQ(buffer_, "Hello World");
}

TEST_F(TextInputDialogTest, ClickingOkConfirms) {
  EXPECT_TRUE(ask({}, [&](win::WindowHandle dialog) {
    type_into(dialog, "clicked", "clicked");
    click(testing_ui::middle_of(win::get_dialog_item(dialog, kOkId)));
  }));
  EXPECT_STREQ(buffer_, "clicked");
}

TEST_F(TextInputDialogTest, EscapeCancelButtonAndCloseBoxCancelAndLeaveTheBuffer) {
  const auto type_then = [&](const std::function<void(win::WindowHandle)>& close) {
    return [&, close](win::WindowHandle dialog) {
      type_into(dialog, "typed", "typed");
      close(dialog);
    };
  };
  EXPECT_FALSE(ask({}, type_then([](win::WindowHandle) { testing_ui::stroke(keys::kEscape); })));
  EXPECT_FALSE(ask({}, type_then([&](win::WindowHandle dialog) {
                     click(testing_ui::middle_of(win::get_dialog_item(dialog, kCancelId)));
                   })));
  EXPECT_FALSE(ask({}, type_then([&](win::WindowHandle dialog) {
                     // Space on the focused Cancel button, two Tab stops on.
                     const win::WindowHandle cancel = win::get_dialog_item(dialog, kCancelId);
                     testing_ui::stroke(keys::kTab);
                     testing_ui::stroke(keys::kTab);
                     EXPECT_TRUE(eventually([&] { return has_focus(cancel); }));
                     testing_ui::stroke(keys::kSpace);
                   })));
  EXPECT_FALSE(ask({}, type_then([&](win::WindowHandle dialog) {
                     surface::Rect outer;
                     win::get_window_rect(dialog, &outer);
                     click({outer.right - 14, outer.top + 13});  // the close box
                   })));
  EXPECT_STREQ(buffer_, kSentinel);
}

TEST_F(TextInputDialogTest, OkOnlyHasNoCancelNoCloseBoxIgnoresEscapeAndTabsBetweenTwoStops) {
  Request request;
  request.ok_only = true;
  EXPECT_TRUE(ask(request, [&](win::WindowHandle dialog) {
    EXPECT_EQ(win::get_dialog_item(dialog, kCancelId), win::kNoWindow);
    EXPECT_EQ(win::get_window_style(dialog) & win::style::kSystemMenu, 0u);
    testing_ui::stroke(keys::kEscape);
    const win::WindowHandle ok = win::get_dialog_item(dialog, kOkId);
    testing_ui::stroke(keys::kTab);
    EXPECT_TRUE(eventually([&] { return has_focus(ok); }));
    EXPECT_TRUE(win::is_window(dialog));  // Escape did nothing
    testing_ui::stroke(keys::kTab);
    EXPECT_TRUE(eventually([&] { return !has_focus(ok); }));
    type_into(dialog, "q", "q");  // the edit field has the focus again
    // Shift+Tab goes the other way round.
    testing_ui::stroke(keys::kTab, true);
    EXPECT_TRUE(eventually([&] { return has_focus(ok); }));
    testing_ui::stroke(keys::kReturn);
  }));
  EXPECT_STREQ(buffer_, "q");
}

TEST_F(TextInputDialogTest, MultiLineEnterBreaksTheLineAndCtrlEnterConfirms) {
  Request request;
  request.height = 120;
  EXPECT_TRUE(ask(request, [&](win::WindowHandle dialog) {
    type_into(dialog, "a", "a");
    testing_ui::stroke(keys::kReturn);
    type_into(dialog, "b", "a\r\nb");
    testing_ui::stroke(keys::kReturn, false, true);
  }));
  EXPECT_STREQ(buffer_, "a\r\nb");
}

TEST_F(TextInputDialogTest, TheBufferLimitsWhatCanBeTyped) {
  Request request;
  request.buffer_size = 5;
  EXPECT_TRUE(ask(request, [&](win::WindowHandle dialog) {
    testing_ui::type("abcdefg");
    keys_handled(dialog);
    EXPECT_EQ(text_of(win::get_dialog_item(dialog, kEditId)), "abcd");
    testing_ui::stroke(keys::kReturn);
  }));
  EXPECT_STREQ(buffer_, "abcd");
}

TEST_F(TextInputDialogTest, BuffersWithoutRoomGetNothingWrittenIntoThem) {
  for (const std::int32_t size : {0, -1, INT_MIN}) {
    Request request;
    request.buffer_size = size;
    request.default_text = "abc";
    EXPECT_TRUE(ask(request, [&](win::WindowHandle) { testing_ui::stroke(keys::kReturn); }));
    EXPECT_STREQ(buffer_, kSentinel) << size;
  }
  // Room for the zero only: nothing can be typed, and the answer is empty.
  Request request;
  request.buffer_size = 1;
  EXPECT_TRUE(ask(request, [&](win::WindowHandle dialog) {
    testing_ui::type("abc");
    keys_handled(dialog);
    EXPECT_EQ(text_of(win::get_dialog_item(dialog, kEditId)), "");
    testing_ui::stroke(keys::kReturn);
  }));
  EXPECT_EQ(buffer_[0], '\0');
  EXPECT_STREQ(buffer_ + 1, kSentinel + 1);
  // No buffer at all.
  request.buffer_size = 10;
  request.no_buffer = true;
  EXPECT_TRUE(ask(request, [&](win::WindowHandle) { testing_ui::stroke(keys::kReturn); }));
}

TEST_F(TextInputDialogTest, ADefaultTooLongForTheBufferIsCutBetweenCharacters) {
  const testing::ScopedProgramEncoding gbk(text::TextEncoding::gbk);
  Request request;
  request.buffer_size = 4;
  request.default_text = "\xC8\xB7\xB6\xA8\xC8\xA1";  // 确定取 in GBK, 6 bytes
  EXPECT_TRUE(ask(request, [&](win::WindowHandle) { testing_ui::stroke(keys::kReturn); }));
  EXPECT_STREQ(buffer_, "\xC8\xB7");  // 确, and no half of 定
  EXPECT_EQ(buffer_[3], kSentinel[3]);
}

TEST_F(TextInputDialogTest, AGbkProgramGetsAGbkAnswer) {
  const testing::ScopedProgramEncoding gbk(text::TextEncoding::gbk);
  Request request;
  request.title = "\xB1\xEA\xCC\xE2";         // 标题
  request.default_text = "\xC4\xE3\xBA\xC3";  // 你好
  EXPECT_TRUE(ask(request, [&](win::WindowHandle dialog) {
    EXPECT_EQ(text_of(dialog), "\xB1\xEA\xCC\xE2");
    testing_ui::stroke(keys::kReturn);
  }));
  EXPECT_STREQ(buffer_, "\xC4\xE3\xBA\xC3");
}

TEST_F(TextInputDialogTest, Utf8TextsGetAUtf8AnswerCountedInUtf8Bytes) {
  Request request;
  request.prompt = "请输入";
  request.title = "标题";
  request.default_text = "你好";
  request.buffer_size = 7;  // the six bytes of 你好 and the zero
  EXPECT_TRUE(ask(request, [&](win::WindowHandle dialog) {
    EXPECT_EQ(text_of(dialog), "\xB1\xEA\xCC\xE2");  // shown as 标题
    testing_ui::stroke(keys::kEnd);
    testing_ui::type("a");
    keys_handled(dialog);
    EXPECT_EQ(text_of(win::get_dialog_item(dialog, kEditId)), "\xC4\xE3\xBA\xC3");  // no "a"
    testing_ui::stroke(keys::kReturn);
  }));
  EXPECT_STREQ(buffer_, "你好");
}

}  // namespace
}  // namespace kanvo
