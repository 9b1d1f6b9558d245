#include "graphics/input/text_input_dialog.h"

#include <algorithm>
#include <cstring>
#include <mutex>

#include "graphics/context/window_canvas.h"
#include "graphics/device/window_api.h"
#include "graphics/input/dialog_layout.h"
#include "graphics/input/key_message.h"
#include "graphics/platform/drawing_surface.h"
#include "graphics/platform/text_encoding.h"
#include "graphics/platform/window_system.h"

namespace kanvo {
namespace {

constexpr const char* kClassName = "Kanvo_InputBox";
constexpr std::uint32_t kOkId = 1;
constexpr std::uint32_t kCancelId = 2;
constexpr std::uint32_t kEditId = 0x404;
constexpr std::uint32_t kPromptId = 0x408;
constexpr const char* kOkCaption = "\xC8\xB7\xB6\xA8";      // "确定" in GBK
constexpr const char* kCancelCaption = "\xC8\xA1\xCF\xFB";  // "取消" in GBK
constexpr std::int32_t kFontHeight = 14;
constexpr std::uint32_t kMeasureFormat =
    platform::text_format::kWordBreak | platform::text_format::kExpandTabs |
    platform::text_format::kCalcRect | platform::text_format::kNoPrefix;
constexpr std::uint32_t kSingleLineEditStyle = platform::style::kChild | platform::style::kVisible |
                                               platform::style::kTabStop |
                                               platform::edit_style::kAutoHScroll;
constexpr std::uint32_t kMultiLineEditStyle =
    platform::style::kChild | platform::style::kVisible | platform::style::kVScroll |
    platform::style::kTabStop | platform::edit_style::kAutoVScroll |
    platform::edit_style::kMultiLine;

// One dialog at a time: the window procedure finds it and its owner here. Other threads wait for
// their turn; the thread that shows the dialog gets no second one (from a window procedure that
// its modal loop runs), since it would wait for itself.
std::mutex g_one_dialog;
thread_local bool t_asking = false;
TextInputDialog* g_current = nullptr;
WindowHandle g_owner = platform::kNoWindow;

std::string as_gbk(const char* text) {
  if (text == nullptr) return {};
  return platform::window_text(text);
}

void register_class_once() {
  if (platform::get_class_info(kClassName, nullptr)) return;
  platform::WindowClass window_class;
  window_class.name = kClassName;
  window_class.style =
      platform::class_style::kHorizontalRedraw | platform::class_style::kVerticalRedraw;
  window_class.procedure = &TextInputDialog::procedure;
  window_class.cursor = platform::Cursor::arrow;
  window_class.background = platform::get_system_color_brush(platform::system_color::kButtonFace);
  platform::register_class(window_class);
}

// The height the prompt takes when laid out in `width` pixels.
std::int32_t measure_prompt(ObjectHandle font, const std::string& prompt, std::int32_t width) {
  const SurfaceHandle dc = platform::create_compatible_dc(platform::kNoSurface);
  platform::select_object(dc, font);
  Rect box{0, 0, width, 10};
  const std::int32_t height =
      platform::draw_text(dc, prompt, &box, kMeasureFormat, TextEncoding::gbk);
  platform::delete_dc(dc);
  return height;
}

// A window of the class with its outer rectangle at `place` (in its parent's client area for a
// child), owned by or in `owner`.
WindowHandle create_in(const char* class_name, const std::string& text, std::uint32_t style,
                       std::uint32_t ex_style, const Rect& place, WindowHandle owner,
                       std::uint32_t id) {
  platform::CreateParams params;
  params.class_name = class_name;
  params.title = text;
  params.style = style;
  params.ex_style = ex_style;
  params.x = place.left;
  params.y = place.top;
  params.width = place.right - place.left;
  params.height = place.bottom - place.top;
  params.owner = owner;
  params.id = id;
  return platform::create_window(params);
}

// Moves the window's rectangle into the work area as far as it fits there (the caption first):
// centred on an owner near the screen's edge, part of the dialog would be out of reach.
void keep_on_screen(Rect* outer) {
  const Rect area = platform::work_area();
  const std::int32_t dx = std::max(area.left - outer->left, std::min(area.right - outer->right, 0));
  const std::int32_t dy = std::max(area.top - outer->top, std::min(area.bottom - outer->bottom, 0));
  *outer = {outer->left + dx, outer->top + dy, outer->right + dx, outer->bottom + dy};
}

std::string window_text(WindowHandle window) {
  std::string text(static_cast<std::size_t>(platform::get_window_text_length(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(
      platform::get_window_text(window, text.data(), static_cast<std::int32_t>(text.size()))));
  return text;
}

}  // namespace

bool ask_text(char* buffer, std::int32_t buffer_size, const char* prompt, const char* title,
              const char* default_text, std::int32_t width, std::int32_t height, bool ok_only) {
  if (t_asking) return false;
  const std::lock_guard one_at_a_time(g_one_dialog);
  t_asking = true;
  struct Done {
    ~Done() { t_asking = false; }
  } done;
  const WindowHandle graphics_window = get_window_handle();
  const WindowHandle owner =
      graphics_window != platform::kNoWindow ? graphics_window : console_window_of_process();
  TextInputDialog dialog(buffer, buffer_size, prompt, title, default_text, width, height, ok_only);
  return dialog.run(owner);
}

TextInputDialog::TextInputDialog(char* buffer, std::int32_t buffer_size, const char* prompt,
                                 const char* title, const char* default_text, std::int32_t width,
                                 std::int32_t height, bool ok_only)
    : buffer_size_(buffer_size),
      prompt_text_(prompt),
      title_(title),
      default_text_(default_text),
      ok_only_(ok_only),
      buffer_(buffer),
      prompt_gbk_(as_gbk(prompt)),
      title_gbk_(as_gbk(title)),
      default_gbk_(as_gbk(default_text)),
      answer_in_utf8_(platform::program_encoding() == TextEncoding::utf8) {
  register_class_once();
  LogFont description;
  description.height = kFontHeight;
  description.char_set = platform::kDefaultCharset;
  std::memcpy(description.face_name.data(), "Arial", sizeof "Arial");
  font_ = platform::create_font_indirect(description);
  const DialogSize first = dialog_size(width, height, 0);
  const DialogSize size =
      dialog_size(width, height, measure_prompt(font_, prompt_gbk_, first.width - kPromptMargin));
  width_ = size.width;
  height_ = size.height;
  prompt_height_ = size.prompt_height;
  multi_line_ = size.multi_line;
}

TextInputDialog::~TextInputDialog() {
  platform::delete_object(font_);
}

bool TextInputDialog::run(WindowHandle owner) {
  g_owner = owner;
  g_current = this;
  Rect reference;
  if (owner == platform::kNoWindow || !platform::get_window_rect(owner, &reference)) {
    reference = platform::work_area();
  }
  const std::string caption = title_ != nullptr ? title_gbk_ : window_text(owner);
  const std::uint32_t style = platform::style::kPopup | platform::style::kVisible |
                              platform::style::kCaption |
                              (ok_only_ ? 0 : platform::style::kSystemMenu);
  const std::uint32_t ex_style = platform::ex_style::kDialogModalFrame;
  const std::int32_t left = reference.left + (reference.right - reference.left - width_) / 2;
  const std::int32_t top = reference.top + (reference.bottom - reference.top - height_) / 2;
  Rect outer{left, top, left + width_, top + height_};
  platform::adjust_window_rect(&outer, style, false, ex_style);
  keep_on_screen(&outer);

  dialog_window_ = create_in(kClassName, caption, style, ex_style, outer, owner, 0);
  bool confirmed = false;
  if (dialog_window_ != platform::kNoWindow) {
    platform::set_foreground_window(dialog_window_);
    if (owner != platform::kNoWindow) platform::enable_window(owner, false);
    platform::show_window(dialog_window_, platform::show::kShow);
    platform::update_window(dialog_window_);

    platform::Message message;
    while (platform::get_message(&message)) {
      if (message.message == platform::msg::kKeyDown && screen_key(message)) continue;
      platform::translate_message(message);
      platform::dispatch_message(message);
    }
    confirmed = message.wparam == 1;
  }
  g_current = nullptr;
  g_owner = platform::kNoWindow;
  return confirmed;
}

WindowHandle TextInputDialog::create_control(const char* class_name, const std::string& text,
                                             std::uint32_t style, std::uint32_t ex_style,
                                             const Rect& place, std::uint32_t id) {
  const WindowHandle control =
      create_in(class_name, text, style, ex_style, place, dialog_window_, id);
  platform::send_message(control, platform::msg::kSetFont, static_cast<platform::WParam>(font_), 1);
  return control;
}

void TextInputDialog::create_controls(WindowHandle window) {
  dialog_window_ = window;
  Rect client;
  platform::get_client_rect(window, &client);
  const DialogPlaces places = dialog_places(client.right, client.bottom, prompt_height_);
  const std::uint32_t child = platform::style::kChild | platform::style::kVisible;
  prompt_ = create_control(platform::kStaticClass, prompt_gbk_, child, 0, places.prompt, kPromptId);
  edit_field_ = create_control(platform::kEditClass, default_gbk_,
                               multi_line_ ? kMultiLineEditStyle : kSingleLineEditStyle,
                               platform::ex_style::kClientEdge, places.edit, kEditId);
  ok_button_ =
      create_control(platform::kButtonClass, kOkCaption,
                     child | platform::style::kTabStop | platform::button_style::kDefaultPushButton,
                     0, places.ok, kOkId);
  if (!ok_only_) {
    cancel_button_ = create_control(platform::kButtonClass, kCancelCaption,
                                    child | platform::style::kTabStop, 0, places.cancel, kCancelId);
  }
  // A buffer too small for any text takes none.
  const std::int32_t limit = buffer_size_ > 0 ? buffer_size_ - 1 : 0;
  platform::send_message(edit_field_, platform::edit_message::kCountLimitInUtf8,
                         answer_in_utf8_ ? 1 : 0, 0);
  platform::send_message(edit_field_, platform::edit_message::kLimitText,
                         static_cast<platform::WParam>(limit), 0);
  platform::send_message(edit_field_, platform::edit_message::kSetSelection, 0, -1);
  platform::set_focus(edit_field_);
}

bool TextInputDialog::screen_key(const platform::Message& message) {
  const bool control = platform::get_key_state(VK_CONTROL) < 0;
  switch (message.wparam) {
    case VK_TAB:
      move_focus(platform::get_key_state(VK_SHIFT) < 0);
      return true;
    case VK_RETURN:
      if (multi_line_ && !control) return false;
      platform::post_message(dialog_window_, platform::msg::kCommand,
                             platform::command_wparam(kOkId, 0), 0);
      return true;
    case VK_ESCAPE:
      if (ok_only_) return false;
      platform::post_message(dialog_window_, platform::msg::kCommand,
                             platform::command_wparam(kCancelId, 0), 0);
      return true;
    default:
      return false;
  }
}

void TextInputDialog::move_focus(bool backwards) {
  // The Tab stops in order; without a Cancel button OK is followed by the edit field again.
  WindowHandle stops[3] = {edit_field_, ok_button_, cancel_button_};
  const std::size_t count = cancel_button_ != platform::kNoWindow ? 3 : 2;
  const WindowHandle focus = platform::get_focus();
  const auto found = std::find(stops, stops + count, focus);
  if (focus == platform::kNoWindow || found == stops + count) return;
  const auto index = static_cast<std::size_t>(found - stops);
  platform::set_focus(stops[(index + (backwards ? count - 1 : 1)) % count]);
}

void TextInputDialog::store_text() {
  if (buffer_ == nullptr || buffer_size_ <= 0) return;
  const std::string gbk = window_text(edit_field_);
  const std::string answer = answer_in_utf8_ ? platform::gbk_to_utf8(gbk) : gbk;
  const auto room = static_cast<std::size_t>(buffer_size_ - 1);
  const std::size_t length = answer_in_utf8_ ? platform::utf8_prefix_length(answer, room)
                                             : platform::gbk_prefix_length(answer, room);
  std::memcpy(buffer_, answer.data(), length);
  buffer_[length] = '\0';
}

void TextInputDialog::finish(WindowHandle window, std::int32_t result) {
  // Reached twice when closing: once as asked, once as the window goes.
  if (finished_) return;
  finished_ = true;
  if (g_owner != platform::kNoWindow) {
    platform::enable_window(g_owner, true);
    platform::set_foreground_window(g_owner);
  }
  platform::destroy_window(window);
  platform::post_quit_message(result);
}

platform::LResult TextInputDialog::procedure(WindowHandle window, std::uint32_t message,
                                             platform::WParam wparam, platform::LParam lparam) {
  TextInputDialog* dialog = g_current;
  if (dialog == nullptr) return platform::default_window_procedure(window, message, wparam, lparam);
  switch (message) {
    case platform::msg::kCreate:
      dialog->create_controls(window);
      return 0;
    case platform::msg::kCommand:
      if (platform::low_word(wparam) == kOkId) {
        dialog->store_text();
        platform::send_message(window, platform::msg::kDestroy, 1, 0);
      } else if (platform::low_word(wparam) == kCancelId) {
        platform::send_message(window, platform::msg::kDestroy, 0, 0);
      }
      return 0;
    case platform::msg::kDestroy:
      dialog->finish(window, static_cast<std::int32_t>(wparam));
      return 0;
    default:
      return platform::default_window_procedure(window, message, wparam, lparam);
  }
}

}  // namespace kanvo
