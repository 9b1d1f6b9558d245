#include "host/windows/controls/control_support.h"

#include "host/windows/controls.h"
#include "host/windows/messages.h"

namespace kanvo::win::controls {

surface::ObjectHandle font_or_system(surface::ObjectHandle font) {
  return font != surface::kNoObject ? font
                                    : surface::get_stock_object(surface::StockObject::system_font);
}

std::string title_of(WindowHandle window) {
  std::string title(
      static_cast<std::size_t>(default_window_procedure(window, msg::kGetTextLength, 0, 0)) + 1,
      '\0');
  const LResult copied = default_window_procedure(window, msg::kGetText, title.size(),
                                                  reinterpret_cast<LParam>(title.data()));
  title.resize(static_cast<std::size_t>(copied));
  return title;
}

PaintScope::PaintScope(WindowHandle window) : window_(window) {
  begin_paint(window, &paint_);
  get_client_rect(window, &client_);
}

PaintScope::~PaintScope() {
  end_paint(window_, paint_);
}

void notify_parent(WindowHandle control, std::uint16_t code) {
  const WindowHandle parent = get_parent(control);
  if (parent == kNoWindow) return;
  send_message(parent, msg::kCommand, command_wparam(get_dialog_item_id(control), code),
               static_cast<LParam>(control));
}

}  // namespace kanvo::win::controls
