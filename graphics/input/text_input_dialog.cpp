#include "graphics/input/text_input_dialog.h"

#include <algorithm>
#include <cstring>
#include <mutex>

#include "graphics/context/window_canvas.h"
#include "graphics/device/window_api.h"
#include "graphics/input/dialog_layout.h"
#include "graphics/platform/text_encoding.h"

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
constexpr std::uint32_t kMeasureFormat = gdi::text_format::kWordBreak |
                                         gdi::text_format::kExpandTabs |
                                         gdi::text_format::kCalcRect | gdi::text_format::kNoPrefix;
constexpr std::uint32_t kSingleLineEditStyle =
    ui::style::kChild | ui::style::kVisible | ui::style::kTabStop | ui::edit_style::kAutoHScroll;
constexpr std::uint32_t kMultiLineEditStyle =
    ui::style::kChild | ui::style::kVisible | ui::style::kVScroll | ui::style::kTabStop |
    ui::edit_style::kAutoVScroll | ui::edit_style::kMultiLine;

// One dialog at a time: the window procedure finds it and its owner here. Other threads wait for
// their turn; the thread that shows the dialog gets no second one (from a window procedure that
// its modal loop runs), since it would wait for itself.
std::mutex g_one_dialog;
thread_local bool t_asking = false;
TextInputDialog* g_current = nullptr;
WindowHandle g_owner = ui::kNoWindow;

std::string as_gbk(const char* text) {
  if (text == nullptr) return {};
  return text::utf32_to_gbk(text::decode_program_text(text));
}

void register_class_once() {
  if (ui::get_class_info(kClassName, nullptr)) return;
  ui::WindowClass window_class;
  window_class.name = kClassName;
  window_class.style = ui::class_style::kHorizontalRedraw | ui::class_style::kVerticalRedraw;
  window_class.procedure = &TextInputDialog::procedure;
  window_class.cursor = ui::Cursor::arrow;
  window_class.background = ui::get_system_color_brush(ui::system_color::kButtonFace);
  ui::register_class(window_class);
}

// The height the prompt takes when laid out in `width` pixels.
std::int32_t measure_prompt(gdi::ObjectHandle font, const std::string& prompt, std::int32_t width) {
  const SurfaceHandle dc = gdi::create_compatible_dc(gdi::kNoDc);
  gdi::select_object(dc, font);
  Rect box{0, 0, width, 10};
  const std::int32_t height =
      gdi::draw_text(dc, prompt, &box, kMeasureFormat, text::TextEncoding::gbk);
  gdi::delete_dc(dc);
  return height;
}

// A window of the class with its outer rectangle at `place` (in its parent's client area for a
// child), owned by or in `owner`.
WindowHandle create_in(const char* class_name, const std::string& text, std::uint32_t style,
                       std::uint32_t ex_style, const Rect& place, WindowHandle owner,
                       std::uint32_t id) {
  ui::CreateParams params;
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
  return ui::create_window(params);
}

// Moves the window's rectangle into the work area as far as it fits there (the caption first):
// centred on an owner near the screen's edge, part of the dialog would be out of reach.
void keep_on_screen(Rect* outer) {
  const Rect area = ui::work_area();
  const std::int32_t dx = std::max(area.left - outer->left, std::min(area.right - outer->right, 0));
  const std::int32_t dy = std::max(area.top - outer->top, std::min(area.bottom - outer->bottom, 0));
  *outer = {outer->left + dx, outer->top + dy, outer->right + dx, outer->bottom + dy};
}

std::string window_text(WindowHandle window) {
  std::string text(static_cast<std::size_t>(ui::get_window_text_length(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(
      ui::get_window_text(window, text.data(), static_cast<std::int32_t>(text.size()))));
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
      graphics_window != ui::kNoWindow ? graphics_window : console_window_of_process();
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
      answer_in_utf8_(text::program_encoding() == text::TextEncoding::utf8) {
  register_class_once();
  LogFont description;
  description.height = kFontHeight;
  description.char_set = gdi::kDefaultCharset;
  std::memcpy(description.face_name.data(), "Arial", sizeof "Arial");
  font_ = gdi::create_font_indirect(description);
  const DialogSize first = dialog_size(width, height, 0);
  const DialogSize size =
      dialog_size(width, height, measure_prompt(font_, prompt_gbk_, first.width - kPromptMargin));
  width_ = size.width;
  height_ = size.height;
  prompt_height_ = size.prompt_height;
  multi_line_ = size.multi_line;
}

TextInputDialog::~TextInputDialog() {
  gdi::delete_object(font_);
}

bool TextInputDialog::run(WindowHandle owner) {
  g_owner = owner;
  g_current = this;
  Rect reference;
  if (owner == ui::kNoWindow || !ui::get_window_rect(owner, &reference)) {
    reference = ui::work_area();
  }
  const std::string caption = title_ != nullptr ? title_gbk_ : window_text(owner);
  const std::uint32_t style = ui::style::kPopup | ui::style::kVisible | ui::style::kCaption |
                              (ok_only_ ? 0 : ui::style::kSystemMenu);
  const std::uint32_t ex_style = ui::ex_style::kDialogModalFrame;
  const std::int32_t left = reference.left + (reference.right - reference.left - width_) / 2;
  const std::int32_t top = reference.top + (reference.bottom - reference.top - height_) / 2;
  Rect outer{left, top, left + width_, top + height_};
  ui::adjust_window_rect(&outer, style, false, ex_style);
  keep_on_screen(&outer);

  dialog_window_ = create_in(kClassName, caption, style, ex_style, outer, owner, 0);
  bool confirmed = false;
  if (dialog_window_ != ui::kNoWindow) {
    ui::set_foreground_window(dialog_window_);
    if (owner != ui::kNoWindow) ui::enable_window(owner, false);
    ui::show_window(dialog_window_, ui::show::kShow);
    ui::update_window(dialog_window_);

    ui::Message message;
    while (ui::get_message(&message)) {
      if (message.message == ui::msg::kKeyDown && screen_key(message)) continue;
      ui::translate_message(message);
      ui::dispatch_message(message);
    }
    confirmed = message.wparam == 1;
  }
  g_current = nullptr;
  g_owner = ui::kNoWindow;
  return confirmed;
}

WindowHandle TextInputDialog::create_control(const char* class_name, const std::string& text,
                                             std::uint32_t style, std::uint32_t ex_style,
                                             const Rect& place, std::uint32_t id) {
  const WindowHandle control =
      create_in(class_name, text, style, ex_style, place, dialog_window_, id);
  ui::send_message(control, ui::msg::kSetFont, static_cast<ui::WParam>(font_), 1);
  return control;
}

void TextInputDialog::create_controls(WindowHandle window) {
  dialog_window_ = window;
  Rect client;
  ui::get_client_rect(window, &client);
  const DialogPlaces places = dialog_places(client.right, client.bottom, prompt_height_);
  const std::uint32_t child = ui::style::kChild | ui::style::kVisible;
  prompt_ = create_control(ui::kStaticClass, prompt_gbk_, child, 0, places.prompt, kPromptId);
  edit_field_ = create_control(ui::kEditClass, default_gbk_,
                               multi_line_ ? kMultiLineEditStyle : kSingleLineEditStyle,
                               ui::ex_style::kClientEdge, places.edit, kEditId);
  ok_button_ = create_control(ui::kButtonClass, kOkCaption,
                              child | ui::style::kTabStop | ui::button_style::kDefaultPushButton, 0,
                              places.ok, kOkId);
  if (!ok_only_) {
    cancel_button_ = create_control(ui::kButtonClass, kCancelCaption, child | ui::style::kTabStop,
                                    0, places.cancel, kCancelId);
  }
  // A buffer too small for any text takes none.
  const std::int32_t limit = buffer_size_ > 0 ? buffer_size_ - 1 : 0;
  ui::send_message(edit_field_, ui::edit_message::kCountLimitInUtf8, answer_in_utf8_ ? 1 : 0, 0);
  ui::send_message(edit_field_, ui::edit_message::kLimitText, static_cast<ui::WParam>(limit), 0);
  ui::send_message(edit_field_, ui::edit_message::kSetSelection, 0, -1);
  ui::set_focus(edit_field_);
}

bool TextInputDialog::screen_key(const ui::Message& message) {
  const bool control = ui::get_key_state(keys::kControl) < 0;
  switch (message.wparam) {
    case keys::kTab:
      move_focus(ui::get_key_state(keys::kShift) < 0);
      return true;
    case keys::kReturn:
      if (multi_line_ && !control) return false;
      ui::post_message(dialog_window_, ui::msg::kCommand, ui::command_wparam(kOkId, 0), 0);
      return true;
    case keys::kEscape:
      if (ok_only_) return false;
      ui::post_message(dialog_window_, ui::msg::kCommand, ui::command_wparam(kCancelId, 0), 0);
      return true;
    default:
      return false;
  }
}

void TextInputDialog::move_focus(bool backwards) {
  // The Tab stops in order; without a Cancel button OK is followed by the edit field again.
  WindowHandle stops[3] = {edit_field_, ok_button_, cancel_button_};
  const std::size_t count = cancel_button_ != ui::kNoWindow ? 3 : 2;
  const WindowHandle focus = ui::get_focus();
  const auto found = std::find(stops, stops + count, focus);
  if (focus == ui::kNoWindow || found == stops + count) return;
  const auto index = static_cast<std::size_t>(found - stops);
  ui::set_focus(stops[(index + (backwards ? count - 1 : 1)) % count]);
}

void TextInputDialog::store_text() {
  if (buffer_ == nullptr || buffer_size_ <= 0) return;
  const std::string gbk = window_text(edit_field_);
  const std::string answer = answer_in_utf8_ ? text::gbk_to_utf8(gbk) : gbk;
  const auto room = static_cast<std::size_t>(buffer_size_ - 1);
  const std::size_t length = answer_in_utf8_ ? text::utf8_prefix_length(answer, room)
                                             : text::gbk_prefix_length(answer, room);
  std::memcpy(buffer_, answer.data(), length);
  buffer_[length] = '\0';
}

void TextInputDialog::finish(WindowHandle window, std::int32_t result) {
  // Reached twice when closing: once as asked, once as the window goes.
  if (finished_) return;
  finished_ = true;
  if (g_owner != ui::kNoWindow) {
    ui::enable_window(g_owner, true);
    ui::set_foreground_window(g_owner);
  }
  ui::destroy_window(window);
  ui::post_quit_message(result);
}

ui::LResult TextInputDialog::procedure(WindowHandle window, std::uint32_t message,
                                       ui::WParam wparam, ui::LParam lparam) {
  TextInputDialog* dialog = g_current;
  if (dialog == nullptr) return ui::default_window_procedure(window, message, wparam, lparam);
  switch (message) {
    case ui::msg::kCreate:
      dialog->create_controls(window);
      return 0;
    case ui::msg::kCommand:
      if (ui::low_word(wparam) == kOkId) {
        dialog->store_text();
        ui::send_message(window, ui::msg::kDestroy, 1, 0);
      } else if (ui::low_word(wparam) == kCancelId) {
        ui::send_message(window, ui::msg::kDestroy, 0, 0);
      }
      return 0;
    case ui::msg::kDestroy:
      dialog->finish(window, static_cast<std::int32_t>(wparam));
      return 0;
    default:
      return ui::default_window_procedure(window, message, wparam, lparam);
  }
}

}  // namespace kanvo
