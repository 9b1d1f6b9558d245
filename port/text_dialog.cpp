// The text dialog over the host's windows and standard controls: a class of its own, the
// controls made when its window is, and a modal loop that handles Tab, Enter and Escape before
// the controls see them.
#include "graphics/platform/text_dialog.h"

#include <algorithm>

#include "host/display/keys.h"
#include "host/windows/classes.h"
#include "host/windows/controls.h"
#include "host/windows/messages.h"
#include "host/windows/painting.h"
#include "host/windows/system_colors.h"
#include "host/windows/windows.h"
#include "port/host_values.h"

namespace kanvo::platform {
namespace {

constexpr const char* kClassName = "Kanvo_InputBox";
constexpr std::uint32_t kOkId = 1;
constexpr std::uint32_t kCancelId = 2;
constexpr std::uint32_t kEditId = 0x404;
constexpr std::uint32_t kPromptId = 0x408;
constexpr const char* kOkCaption = "\xC8\xB7\xB6\xA8";      // "确定" in GBK
constexpr const char* kCancelCaption = "\xC8\xA1\xCF\xFB";  // "取消" in GBK
constexpr std::uint32_t kChild = win::style::kChild | win::style::kVisible;
constexpr std::uint32_t kSingleLineEditStyle =
    kChild | win::style::kTabStop | win::edit_style::kAutoHScroll;
constexpr std::uint32_t kMultiLineEditStyle = kChild | win::style::kVScroll | win::style::kTabStop |
                                              win::edit_style::kAutoVScroll |
                                              win::edit_style::kMultiLine;

// One dialog on a thread: its window procedure finds it here.
class Dialog;
thread_local Dialog* t_current = nullptr;

win::LResult procedure(win::WindowHandle window, std::uint32_t message, win::WParam wparam,
                       win::LParam lparam);

void register_class_once() {
  if (win::get_class_info(kClassName, nullptr)) return;
  win::WindowClass window_class;
  window_class.name = kClassName;
  window_class.style = win::class_style::kHorizontalRedraw | win::class_style::kVerticalRedraw;
  window_class.procedure = &procedure;
  window_class.cursor = win::Cursor::arrow;
  window_class.background = win::get_system_color_brush(win::system_color::kButtonFace);
  win::register_class(window_class);
}

// Moves the window's rectangle into the work area as far as it fits there (the caption first):
// centred on an owner near the screen's edge, part of the dialog would be out of reach.
void keep_on_screen(surface::Rect* outer) {
  const surface::Rect area = win::work_area();
  const std::int32_t dx = std::max(area.left - outer->left, std::min(area.right - outer->right, 0));
  const std::int32_t dy = std::max(area.top - outer->top, std::min(area.bottom - outer->bottom, 0));
  *outer = {outer->left + dx, outer->top + dy, outer->right + dx, outer->bottom + dy};
}

std::string window_text(win::WindowHandle window) {
  std::string text(static_cast<std::size_t>(win::get_window_text_length(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(
      win::get_window_text(window, text.data(), static_cast<std::int32_t>(text.size()))));
  return text;
}

class Dialog {
 public:
  Dialog(const TextDialog& asked, std::string* answer)
      : asked_(asked), owner_(to_host(asked.owner)), answer_(answer) {}

  bool run() {
    surface::Rect reference;
    if (owner_ == win::kNoWindow || !win::get_window_rect(owner_, &reference)) {
      reference = win::work_area();
    }
    const std::string caption =
        asked_.has_caption ? std::string(asked_.caption) : window_text(owner_);
    const std::uint32_t style = win::style::kPopup | win::style::kVisible | win::style::kCaption |
                                (asked_.ok_only ? 0 : win::style::kSystemMenu);
    const std::uint32_t ex_style = win::ex_style::kDialogModalFrame;
    const std::int32_t width = asked_.client_width;
    const std::int32_t height = asked_.client_height;
    const std::int32_t left = reference.left + (reference.right - reference.left - width) / 2;
    const std::int32_t top = reference.top + (reference.bottom - reference.top - height) / 2;
    surface::Rect outer{left, top, left + width, top + height};
    win::adjust_window_rect(&outer, style, false, ex_style);
    keep_on_screen(&outer);

    window_ = win::create_window(kClassName, caption, style, ex_style, outer, owner_);
    if (window_ == win::kNoWindow) return false;
    win::set_foreground_window(window_);
    if (owner_ != win::kNoWindow) win::enable_window(owner_, false);
    win::show_window(window_, win::show::kShow);
    win::update_window(window_);

    win::Message message;
    while (win::get_message(&message)) {
      if (message.message == win::msg::kKeyDown && screen_key(message)) continue;
      win::translate_message(message);
      win::dispatch_message(message);
    }
    return message.wparam == 1;
  }

  void create_controls(win::WindowHandle window) {
    window_ = window;
    surface::Rect client;
    win::get_client_rect(window, &client);
    const TextDialogPlaces places = asked_.place(client.right, client.bottom);
    create_control(win::kStaticClass, asked_.prompt, kChild, 0, places.prompt, kPromptId);
    edit_field_ = create_control(win::kEditClass, asked_.default_text,
                                 asked_.multi_line ? kMultiLineEditStyle : kSingleLineEditStyle,
                                 win::ex_style::kClientEdge, places.edit, kEditId);
    ok_button_ = create_control(
        win::kButtonClass, kOkCaption,
        kChild | win::style::kTabStop | win::button_style::kDefaultPushButton, 0, places.ok, kOkId);
    if (!asked_.ok_only) {
      cancel_button_ = create_control(win::kButtonClass, kCancelCaption,
                                      kChild | win::style::kTabStop, 0, places.cancel, kCancelId);
    }
    win::send_message(edit_field_, win::edit_message::kCountLimitInUtf8,
                      asked_.limit_in_utf8 ? 1 : 0, 0);
    win::send_message(edit_field_, win::edit_message::kLimitText,
                      static_cast<win::WParam>(std::max(asked_.limit, 0)), 0);
    win::send_message(edit_field_, win::edit_message::kSetSelection, 0, -1);
    win::set_focus(edit_field_);
  }

  void store_text() {
    if (answer_ != nullptr) *answer_ = window_text(edit_field_);
  }

  void finish(win::WindowHandle window, std::int32_t result) {
    // Reached twice when closing: once as asked, once as the window goes.
    if (finished_) return;
    finished_ = true;
    if (owner_ != win::kNoWindow) {
      win::enable_window(owner_, true);
      win::set_foreground_window(owner_);
    }
    win::destroy_window(window);
    win::post_quit_message(result);
  }

 private:
  win::WindowHandle create_control(const char* class_name, std::string_view text,
                                   std::uint32_t style, std::uint32_t ex_style, const Rect& place,
                                   std::uint32_t id) {
    const win::WindowHandle control =
        win::create_window(class_name, text, style, ex_style, to_host(place), window_, id);
    win::send_message(control, win::msg::kSetFont, static_cast<win::WParam>(to_host(asked_.font)),
                      1);
    return control;
  }

  // Handles a key press before it is dispatched; true when the key is used up.
  bool screen_key(const win::Message& message) {
    const bool control = win::get_key_state(kanvo::keys::kControl) < 0;
    switch (message.wparam) {
      case kanvo::keys::kTab:
        move_focus(win::get_key_state(kanvo::keys::kShift) < 0);
        return true;
      case kanvo::keys::kReturn:
        if (asked_.multi_line && !control) return false;
        win::post_message(window_, win::msg::kCommand, win::command_wparam(kOkId, 0), 0);
        return true;
      case kanvo::keys::kEscape:
        if (asked_.ok_only) return false;
        win::post_message(window_, win::msg::kCommand, win::command_wparam(kCancelId, 0), 0);
        return true;
      default:
        return false;
    }
  }

  void move_focus(bool backwards) {
    // The Tab stops in order; without a Cancel button OK is followed by the edit field again.
    const win::WindowHandle stops[3] = {edit_field_, ok_button_, cancel_button_};
    const std::size_t count = cancel_button_ != win::kNoWindow ? 3 : 2;
    const win::WindowHandle focus = win::get_focus();
    const auto found = std::find(stops, stops + count, focus);
    if (focus == win::kNoWindow || found == stops + count) return;
    const auto index = static_cast<std::size_t>(found - stops);
    win::set_focus(stops[(index + (backwards ? count - 1 : 1)) % count]);
  }

  const TextDialog& asked_;
  win::WindowHandle owner_;
  std::string* answer_;
  win::WindowHandle window_ = win::kNoWindow;
  win::WindowHandle edit_field_ = win::kNoWindow;
  win::WindowHandle ok_button_ = win::kNoWindow;
  win::WindowHandle cancel_button_ = win::kNoWindow;
  bool finished_ = false;
};

win::LResult procedure(win::WindowHandle window, std::uint32_t message, win::WParam wparam,
                       win::LParam lparam) {
  Dialog* dialog = t_current;
  if (dialog == nullptr) return win::default_window_procedure(window, message, wparam, lparam);
  switch (message) {
    case win::msg::kCreate:
      dialog->create_controls(window);
      return 0;
    case win::msg::kCommand:
      if (win::low_word(wparam) == kOkId) {
        dialog->store_text();
        win::send_message(window, win::msg::kDestroy, 1, 0);
      } else if (win::low_word(wparam) == kCancelId) {
        win::send_message(window, win::msg::kDestroy, 0, 0);
      }
      return 0;
    case win::msg::kDestroy:
      dialog->finish(window, static_cast<std::int32_t>(wparam));
      return 0;
    default:
      return win::default_window_procedure(window, message, wparam, lparam);
  }
}

}  // namespace

bool run_text_dialog(const TextDialog& asked, std::string* answer) {
  // A dialog from inside another's loop on this thread would take over its procedure.
  if (t_current != nullptr || !asked.place) return false;
  register_class_once();
  Dialog dialog(asked, answer);
  t_current = &dialog;
  const bool confirmed = dialog.run();
  t_current = nullptr;
  return confirmed;
}

}  // namespace kanvo::platform
