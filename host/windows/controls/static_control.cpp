// "Static": a text on the dialog background, broken into lines at word ends.
#include "host/surface/surface.h"
#include "host/windows/controls.h"
#include "host/windows/controls/control_support.h"
#include "host/windows/controls/system_classes.h"
#include "host/windows/messages.h"
#include "host/windows/system_colors.h"

namespace kanvo::win::controls {
namespace {

struct StaticState {
  surface::ObjectHandle font = surface::kNoObject;
};

void paint(WindowHandle window, const StaticState& state) {
  const PaintScope scope(window);
  const surface::DcHandle dc = scope.dc();
  surface::fill_rect(dc, scope.client(), get_system_color_brush(system_color::kButtonFace));
  surface::select_object(dc, font_or_system(state.font));
  surface::set_bk_mode(dc, static_cast<int>(surface::BackgroundMode::transparent));
  surface::set_text_color(dc,
                          get_system_color(is_window_enabled(window) ? system_color::kWindowText
                                                                     : system_color::kGrayText));
  std::uint32_t format = surface::text_format::kWordBreak | surface::text_format::kExpandTabs;
  if ((get_window_style(window) & static_style::kNoPrefix) != 0) {
    format |= surface::text_format::kNoPrefix;
  }
  Rect box = scope.client();
  surface::draw_text(dc, title_of(window), &box, format, text::TextEncoding::gbk);
}

LResult handle(WindowHandle window, StaticState& state, std::uint32_t message, WParam wparam,
               LParam lparam) {
  switch (message) {
    case msg::kPaint:
      paint(window, state);
      return 0;
    case msg::kSetFont:
      state.font = static_cast<surface::ObjectHandle>(wparam);
      if (lparam != 0) invalidate_rect(window, nullptr, false);
      return 0;
    case msg::kGetFont:
      return static_cast<LResult>(state.font);
    case msg::kSetText:
    case msg::kEnable:
      invalidate_rect(window, nullptr, false);
      break;
    default:
      break;
  }
  return default_window_procedure(window, message, wparam, lparam);
}

}  // namespace

LResult static_procedure(WindowHandle window, std::uint32_t message, WParam wparam, LParam lparam) {
  return with_state<StaticState>(
      window, message, wparam, lparam, [] { return std::make_shared<StaticState>(); }, handle);
}

}  // namespace kanvo::win::controls
