#include "graphics/input/text_input_dialog.h"

#include <cstring>
#include <mutex>
#include <string>

#include "graphics/context/window_canvas.h"
#include "graphics/device/window_api.h"
#include "graphics/input/dialog_layout.h"
#include "graphics/platform/drawing_surface.h"
#include "graphics/platform/text_dialog.h"
#include "graphics/platform/text_encoding.h"

namespace kanvo {
namespace {

constexpr std::int32_t kFontHeight = 14;
constexpr std::uint32_t kMeasureFormat =
    platform::text_format::kWordBreak | platform::text_format::kExpandTabs |
    platform::text_format::kCalcRect | platform::text_format::kNoPrefix;

// One dialog at a time. Other threads wait for their turn; the thread that shows the dialog gets
// no second one (from a window procedure that its modal loop runs), since it would wait for
// itself.
std::mutex g_one_dialog;
thread_local bool t_asking = false;

std::string as_gbk(const char* text) {
  if (text == nullptr) return {};
  return platform::window_text(text);
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

ObjectHandle dialog_font() {
  LogFont description;
  description.height = kFontHeight;
  description.char_set = platform::kDefaultCharset;
  std::memcpy(description.face_name.data(), "Arial", sizeof "Arial");
  return platform::create_font_indirect(description);
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
    : font_(dialog_font()),
      buffer_size_(buffer_size),
      prompt_text_(prompt),
      title_(title),
      default_text_(default_text),
      ok_only_(ok_only),
      buffer_(buffer),
      prompt_gbk_(as_gbk(prompt)),
      title_gbk_(as_gbk(title)),
      default_gbk_(as_gbk(default_text)),
      answer_in_utf8_(platform::program_encoding() == TextEncoding::utf8) {
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
  platform::TextDialog dialog;
  dialog.owner = owner;
  dialog.has_caption = title_ != nullptr;
  dialog.caption = title_gbk_;
  dialog.prompt = prompt_gbk_;
  dialog.default_text = default_gbk_;
  dialog.client_width = width_;
  dialog.client_height = height_;
  dialog.place = [this](std::int32_t client_width, std::int32_t client_height) {
    return dialog_places(client_width, client_height, prompt_height_);
  };
  dialog.font = font_;
  dialog.multi_line = multi_line_;
  dialog.ok_only = ok_only_;
  // A buffer too small for any text takes none.
  dialog.limit = buffer_size_ > 0 ? buffer_size_ - 1 : 0;
  dialog.limit_in_utf8 = answer_in_utf8_;
  std::string answer;
  const bool confirmed = platform::run_text_dialog(dialog, &answer);
  if (confirmed) store_text(answer);
  return confirmed;
}

void TextInputDialog::store_text(const std::string& gbk) {
  if (buffer_ == nullptr || buffer_size_ <= 0) return;
  const std::string answer = answer_in_utf8_ ? platform::gbk_to_utf8(gbk) : gbk;
  const auto room = static_cast<std::size_t>(buffer_size_ - 1);
  const std::size_t length = answer_in_utf8_ ? platform::utf8_prefix_length(answer, room)
                                             : platform::gbk_prefix_length(answer, room);
  std::memcpy(buffer_, answer.data(), length);
  buffer_[length] = '\0';
}

}  // namespace kanvo
