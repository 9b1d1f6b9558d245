// "Edit": a field the user types text into. A caret and a selection (Shift with the arrows, Home
// and End, or a drag of the mouse; a double click selects a word), Backspace and Delete, cut,
// copy and paste through the clipboard (Ctrl+X, C, V, also Shift+Delete, Ctrl+Insert and
// Shift+Insert), Ctrl+A to select everything, and a limit on the text's length. A single-line
// field scrolls sideways to keep the caret in view; a multi-line field wraps its lines at its
// width and scrolls up and down, with the wheel and with its scroll bar as well.
#include <algorithm>
#include <climits>
#include <optional>

#include "host/display/keys.h"
#include "host/text/code_page.h"
#include "host/text/program_text.h"
#include "host/windows/clipboard.h"
#include "host/windows/controls.h"
#include "host/windows/controls/control_support.h"
#include "host/windows/controls/edit_layout.h"
#include "host/windows/controls/edit_text.h"
#include "host/windows/controls/scroll_bar.h"
#include "host/windows/controls/system_classes.h"
#include "host/windows/messages.h"
#include "host/windows/system_colors.h"
#include "host/windows/text_buffer.h"

namespace kanvo::win::controls {
namespace {

constexpr std::int32_t kMargin = 2;  // between the field's edge and its text, left and right
constexpr std::int32_t kWheelLines = 3;
constexpr char32_t kControlA = 1;
constexpr char32_t kControlC = 3;
constexpr char32_t kControlV = 22;
constexpr char32_t kControlX = 24;
constexpr char32_t kBackspace = 8;

struct EditState {
  explicit EditState(std::uint32_t style)
      : multi_line((style & edit_style::kMultiLine) != 0),
        scroll_bar(multi_line && (style & style::kVScroll) != 0),
        text(multi_line) {}

  const bool multi_line;
  const bool scroll_bar;
  EditText text;
  EditLayout layout;
  TextMeasure measure;
  surface::ObjectHandle font = surface::kNoObject;
  Size client;
  bool focused = false;
  bool selecting = false;                // the mouse drags a selection
  std::optional<std::int32_t> grab;      // dragging the thumb: pointer y less the thumb's top
  std::optional<std::int32_t> column_x;  // x that Up and Down keep to
  std::int32_t first_line = 0;           // multi-line: the line at the top
  std::int32_t scroll_x = 0;             // single-line: pixels scrolled out at the left
};

// ---- Geometry ----------------------------------------------------------------------------------

Rect text_area(const EditState& edit) {
  const std::int32_t right = edit.client.cx - kMargin - (edit.scroll_bar ? kScrollBarWidth : 0);
  return {kMargin, 0, std::max(kMargin, right), edit.client.cy};
}

std::int32_t page_lines(const EditState& edit) {
  return std::max(1, edit.client.cy / std::max(1, edit.measure.line_height()));
}

ScrollRange vertical_range(const EditState& edit) {
  return {static_cast<std::int32_t>(edit.layout.lines().size()), page_lines(edit), edit.first_line};
}

ScrollBar scroll_bar_of(const EditState& edit) {
  return ScrollBar({edit.client.cx - kScrollBarWidth, 0, edit.client.cx, edit.client.cy},
                   vertical_range(edit));
}

void lay_out(EditState& edit) {
  const Rect area = text_area(edit);
  edit.layout.lay_out(edit.text.text(), edit.multi_line, area.right - area.left, edit.measure);
}

void scroll_to_line(EditState& edit, std::int32_t line) {
  edit.first_line = std::clamp(line, 0, vertical_range(edit).max_position());
}

// Scrolls so that the caret is in view.
void show_caret(EditState& edit) {
  const std::size_t caret = edit.text.caret();
  if (edit.multi_line) {
    const auto line = static_cast<std::int32_t>(edit.layout.line_of(caret));
    if (line < edit.first_line) {
      edit.first_line = line;
    } else if (line >= edit.first_line + page_lines(edit)) {
      edit.first_line = line - page_lines(edit) + 1;
    }
    scroll_to_line(edit, edit.first_line);
    return;
  }
  const Rect area = text_area(edit);
  const std::int32_t room = std::max(1, area.right - area.left);
  const std::int32_t x = edit.layout.x_of(edit.text.text(), caret, edit.measure);
  const std::int32_t total =
      edit.layout.x_of(edit.text.text(), edit.text.text().size(), edit.measure);
  if (x < edit.scroll_x) edit.scroll_x = x;
  if (x >= edit.scroll_x + room) edit.scroll_x = x - room + 1;
  // No more blank room at the right than the caret needs.
  edit.scroll_x = std::clamp(edit.scroll_x, 0, std::max(0, total - room + 1));
}

// The position under a point of the client area; points outside go to the nearest one.
std::size_t position_at(EditState& edit, Point point) {
  const Rect area = text_area(edit);
  const std::int32_t height = std::max(1, edit.measure.line_height());
  std::int32_t line = edit.first_line;
  if (edit.multi_line) {
    const std::int32_t row = point.y >= 0 ? point.y / height : -1 - (-point.y - 1) / height;
    line = std::clamp(edit.first_line + row, 0,
                      static_cast<std::int32_t>(edit.layout.lines().size()) - 1);
  }
  return edit.layout.position_at(edit.text.text(), static_cast<std::size_t>(line),
                                 point.x - area.left + edit.scroll_x, edit.measure);
}

// ---- Painting ----------------------------------------------------------------------------------

// Draws the characters [start, end) of a line with the first one's cell at (x, y), tabs as gaps.
void draw_run(surface::DcHandle dc, EditState& edit, std::size_t start, std::size_t end,
              std::int32_t line_x, std::int32_t left, std::int32_t y) {
  const std::u32string& text = edit.text.text();
  std::string piece;
  std::int32_t piece_x = 0;
  std::int32_t x = line_x;
  for (std::size_t i = start; i <= end; ++i) {
    if (i == end || text[i] == U'\t') {
      if (!piece.empty()) surface::text_out(dc, left + piece_x, y, piece, text::TextEncoding::gbk);
      piece.clear();
      if (i == end) break;
      x = edit.measure.advance_from(x, text[i]);
      continue;
    }
    if (piece.empty()) piece_x = x;
    text::encode_gbk_char(text[i], &piece);
    x = edit.measure.advance_from(x, text[i]);
  }
}

void paint(WindowHandle window, EditState& edit) {
  const PaintScope scope(window);
  const surface::DcHandle dc = scope.dc();
  const bool enabled = is_window_enabled(window);
  const Rect area = text_area(edit);
  surface::fill_rect(
      dc, scope.client(),
      get_system_color_brush(enabled ? system_color::kWindow : system_color::kButtonFace));
  const surface::ObjectHandle clip =
      surface::create_rect_region(area.left, area.top, area.right, area.bottom);
  surface::select_clip_region(dc, clip);
  surface::delete_object(clip);
  surface::select_object(dc, font_or_system(edit.font));
  surface::set_bk_mode(dc, static_cast<int>(surface::BackgroundMode::transparent));

  const std::u32string& text = edit.text.text();
  const std::int32_t height = edit.measure.line_height();
  const std::int32_t left = area.left - edit.scroll_x;
  // The selection shows while the field has the focus.
  const std::size_t selected_start = edit.focused ? edit.text.selection_start() : 0;
  const std::size_t selected_end = edit.focused ? edit.text.selection_end() : 0;
  const auto& lines = edit.layout.lines();
  const surface::Color ink =
      get_system_color(enabled ? system_color::kWindowText : system_color::kGrayText);
  for (std::size_t index = static_cast<std::size_t>(edit.first_line); index < lines.size();
       ++index) {
    const std::int32_t y = (static_cast<std::int32_t>(index) - edit.first_line) * height;
    if (y >= area.bottom) break;
    const VisualLine& line = lines[index];
    const std::size_t from = std::clamp(selected_start, line.start, line.end);
    const std::size_t to = std::clamp(selected_end, line.start, line.end);
    const std::int32_t from_x = edit.layout.x_of(text, from, edit.measure);
    const std::int32_t to_x = edit.layout.x_of(text, to, edit.measure);
    surface::set_text_color(dc, ink);
    draw_run(dc, edit, line.start, from, 0, left, y);
    draw_run(dc, edit, to, line.end, to_x, left, y);
    if (to > from) {
      surface::fill_rect(dc, {left + from_x, y, left + to_x, y + height},
                         get_system_color_brush(system_color::kHighlight));
      surface::set_text_color(dc, get_system_color(system_color::kHighlightText));
      draw_run(dc, edit, from, to, from_x, left, y);
    }
  }
  if (edit.focused) {
    const std::size_t caret = edit.text.caret();
    const std::int32_t y =
        (static_cast<std::int32_t>(edit.layout.line_of(caret)) - edit.first_line) * height;
    const std::int32_t x = left + edit.layout.x_of(text, caret, edit.measure);
    surface::fill_rect(dc, {x, y, x + 1, y + height},
                       get_system_color_brush(system_color::kWindowText));
  }
  surface::select_clip_region(dc, surface::kNoObject);
  if (edit.scroll_bar) scroll_bar_of(edit).paint(dc);
}

// ---- Changes -----------------------------------------------------------------------------------

// After the text, the caret or the size changed: lines, scrolling and picture follow.
void refresh(WindowHandle window, EditState& edit, bool text_changed) {
  if (text_changed) lay_out(edit);
  show_caret(edit);
  invalidate_rect(window, nullptr, false);
}

void copy_selection(const EditState& edit) {
  if (!edit.text.has_selection()) return;
  set_clipboard_text(text::utf32_to_utf8(edit.text.selected_text()));
}

bool paste(EditState& edit) {
  return edit.text.insert(text::decode_text(clipboard_text(), text::TextEncoding::utf8));
}

// The caret's new place for a movement key; nothing for other keys.
std::optional<std::size_t> moved_caret(EditState& edit, std::uint32_t key, bool shift,
                                       bool control) {
  const EditText& text = edit.text;
  const std::size_t caret = text.caret();
  const std::size_t line = edit.layout.line_of(caret);
  const auto& lines = edit.layout.lines();
  const auto to_line = [&](std::ptrdiff_t delta) {
    const std::int32_t x =
        edit.column_x.value_or(edit.layout.x_of(text.text(), caret, edit.measure));
    const auto target = std::clamp<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(line) + delta, 0,
                                                   static_cast<std::ptrdiff_t>(lines.size()) - 1);
    edit.column_x = x;
    return edit.layout.position_at(text.text(), static_cast<std::size_t>(target), x, edit.measure);
  };
  const bool collapse = text.has_selection() && !shift;
  switch (key) {
    case keys::kLeft:
      if (collapse && !control) return text.selection_start();
      return control ? text.word_start(caret) : caret - (caret > 0 ? 1 : 0);
    case keys::kRight:
      if (collapse && !control) return text.selection_end();
      return control ? text.word_end(caret) : std::min(caret + 1, text.text().size());
    case keys::kUp:
      if (!edit.multi_line) return moved_caret(edit, keys::kLeft, shift, control);
      return to_line(-1);
    case keys::kDown:
      if (!edit.multi_line) return moved_caret(edit, keys::kRight, shift, control);
      return to_line(1);
    case keys::kPageUp:
      return edit.multi_line ? to_line(-page_lines(edit)) : caret;
    case keys::kPageDown:
      return edit.multi_line ? to_line(page_lines(edit)) : caret;
    case keys::kHome:
      return control ? 0 : lines[line].start;
    case keys::kEnd:
      return control ? text.text().size()
                     : edit.layout.position_at(text.text(), line, INT_MAX, edit.measure);
    default:
      return std::nullopt;
  }
}

void key_down(WindowHandle window, EditState& edit, std::uint32_t key) {
  const bool shift = get_key_state(keys::kShift) < 0;
  const bool control = get_key_state(keys::kControl) < 0;
  if (key != keys::kUp && key != keys::kDown && key != keys::kPageUp && key != keys::kPageDown) {
    edit.column_x.reset();
  }
  if (const std::optional<std::size_t> caret = moved_caret(edit, key, shift, control)) {
    edit.text.move_caret(*caret, shift);
    const std::int32_t first_line = edit.first_line;
    if (key == keys::kPageUp || key == keys::kPageDown) {
      scroll_to_line(edit, first_line + (key == keys::kPageUp ? -1 : 1) * page_lines(edit));
    }
    refresh(window, edit, false);
    return;
  }
  bool changed = false;
  if (key == keys::kDelete) {
    if (shift) copy_selection(edit);
    changed = edit.text.erase_forward();
  } else if (key == keys::kInsert && control) {
    copy_selection(edit);
  } else if (key == keys::kInsert && shift) {
    changed = paste(edit);
  } else {
    return;
  }
  refresh(window, edit, changed);
}

void typed(WindowHandle window, EditState& edit, char32_t character) {
  edit.column_x.reset();
  bool changed = false;
  switch (character) {
    case kBackspace:
      changed = edit.text.erase_backward();
      break;
    case kControlA:
      edit.text.select(0, edit.text.text().size());
      break;
    case kControlC:
      copy_selection(edit);
      return;
    case kControlX:
      copy_selection(edit);
      changed = edit.text.erase_selection();
      break;
    case kControlV:
      changed = paste(edit);
      break;
    case U'\r':
      if (!edit.multi_line) return;
      changed = edit.text.insert(U"\n");
      break;
    default:
      if ((character < 0x20 && character != U'\t') || character == 0x7F) return;
      if (character == U'\t' && !edit.multi_line) return;
      changed = edit.text.insert(std::u32string_view(&character, 1));
      break;
  }
  refresh(window, edit, changed);
}

// ---- The mouse ---------------------------------------------------------------------------------

Point point_of(LParam lparam) {
  return {low_word(static_cast<std::uintptr_t>(lparam)),
          high_word(static_cast<std::uintptr_t>(lparam))};
}

void scroll_by(WindowHandle window, EditState& edit, std::int32_t lines) {
  const std::int32_t before = edit.first_line;
  scroll_to_line(edit, edit.first_line + lines);
  if (edit.first_line != before) invalidate_rect(window, nullptr, false);
}

void press_scroll_bar(WindowHandle window, EditState& edit, ScrollPart part, Point point) {
  const ScrollBar bar = scroll_bar_of(edit);
  switch (part) {
    case ScrollPart::up_arrow:
      scroll_by(window, edit, -1);
      break;
    case ScrollPart::down_arrow:
      scroll_by(window, edit, 1);
      break;
    case ScrollPart::page_up:
      scroll_by(window, edit, -page_lines(edit));
      break;
    case ScrollPart::page_down:
      scroll_by(window, edit, page_lines(edit));
      break;
    case ScrollPart::thumb:
      edit.grab = point.y - bar.thumb().top;
      set_capture(window);
      break;
    case ScrollPart::none:
      break;
  }
}

void mouse(WindowHandle window, EditState& edit, std::uint32_t message, WParam wparam,
           LParam lparam) {
  const Point point = point_of(lparam);
  switch (message) {
    case msg::kLeftButtonDown: {
      if (!edit.focused) set_focus(window);
      edit.column_x.reset();
      const ScrollPart part = edit.scroll_bar ? scroll_bar_of(edit).hit(point) : ScrollPart::none;
      if (part != ScrollPart::none ||
          (edit.scroll_bar && point.x >= edit.client.cx - kScrollBarWidth)) {
        press_scroll_bar(window, edit, part, point);
        return;
      }
      edit.text.move_caret(position_at(edit, point), (wparam & mouse_keys::kShift) != 0);
      edit.selecting = true;
      set_capture(window);
      refresh(window, edit, false);
      return;
    }
    case msg::kLeftButtonDoubleClick: {
      const std::size_t position = position_at(edit, point);
      edit.text.select(edit.text.word_start(position), edit.text.word_end(position));
      refresh(window, edit, false);
      return;
    }
    case msg::kMouseMove:
      if (edit.grab) {
        const std::int32_t before = edit.first_line;
        scroll_to_line(edit, scroll_bar_of(edit).position_for_thumb_top(point.y - *edit.grab));
        if (edit.first_line != before) invalidate_rect(window, nullptr, false);
      } else if (edit.selecting) {
        edit.text.move_caret(position_at(edit, point), true);
        refresh(window, edit, false);
      }
      return;
    case msg::kLeftButtonUp:
      if (edit.selecting || edit.grab) release_capture();
      edit.selecting = false;
      edit.grab.reset();
      return;
    default:
      return;
  }
}

// ---- Messages ----------------------------------------------------------------------------------

std::int32_t clamp_position(WParam value, std::size_t size) {
  const auto signed_value = static_cast<std::intptr_t>(value);
  if (signed_value < 0 || static_cast<std::size_t>(signed_value) > size) {
    return static_cast<std::int32_t>(std::min<std::size_t>(size, INT32_MAX));
  }
  return static_cast<std::int32_t>(signed_value);
}

LResult handle(WindowHandle window, EditState& edit, std::uint32_t message, WParam wparam,
               LParam lparam) {
  switch (message) {
    case msg::kPaint:
      paint(window, edit);
      return 0;
    case msg::kKeyDown:
      key_down(window, edit, static_cast<std::uint32_t>(wparam));
      return 0;
    case msg::kChar:
      typed(window, edit, static_cast<char32_t>(wparam));
      return 0;
    case msg::kLeftButtonDown:
    case msg::kLeftButtonDoubleClick:
    case msg::kMouseMove:
    case msg::kLeftButtonUp:
      mouse(window, edit, message, wparam, lparam);
      return 0;
    case msg::kCaptureChanged:
      if (static_cast<WindowHandle>(lparam) != window) {
        edit.selecting = false;
        edit.grab.reset();
      }
      return 0;
    case msg::kMouseWheel:
      if (!edit.multi_line) break;
      scroll_by(window, edit,
                -high_word(wparam) * kWheelLines / static_cast<std::int32_t>(kWheelNotch));
      return 0;
    case msg::kSetFocus:
    case msg::kKillFocus:
      edit.focused = message == msg::kSetFocus;
      invalidate_rect(window, nullptr, false);
      return 0;
    case msg::kSize: {
      Rect client;
      get_client_rect(window, &client);
      edit.client = {client.right, client.bottom};
      refresh(window, edit, true);
      return 0;
    }
    case msg::kEnable:
      invalidate_rect(window, nullptr, false);
      return 0;
    case msg::kSetFont:
      edit.font = static_cast<surface::ObjectHandle>(wparam);
      edit.measure.set_font(edit.font);
      lay_out(edit);
      show_caret(edit);
      if (lparam != 0) invalidate_rect(window, nullptr, false);
      return 0;
    case msg::kGetFont:
      return static_cast<LResult>(edit.font);
    case msg::kSetText: {
      const char* text = reinterpret_cast<const char*>(lparam);
      edit.text.set_window_text(text != nullptr ? text : "");
      edit.first_line = 0;
      edit.scroll_x = 0;
      refresh(window, edit, true);
      return 1;
    }
    case msg::kGetText:
      return copy_to_buffer(edit.text.window_text(), reinterpret_cast<char*>(lparam),
                            static_cast<std::int64_t>(std::min<WParam>(wparam, INT32_MAX)));
    case msg::kGetTextLength:
      return static_cast<LResult>(edit.text.window_text_size());
    case edit_message::kSetSelection: {
      const std::size_t size = edit.text.text().size();
      if (static_cast<std::intptr_t>(wparam) == -1) {
        edit.text.move_caret(edit.text.caret(), false);
      } else {
        edit.text.select(
            static_cast<std::size_t>(clamp_position(wparam, size)),
            static_cast<std::size_t>(clamp_position(static_cast<WParam>(lparam), size)));
      }
      refresh(window, edit, false);
      return 0;
    }
    case edit_message::kGetSelection: {
      const auto start = static_cast<std::uint32_t>(edit.text.selection_start());
      const auto end = static_cast<std::uint32_t>(edit.text.selection_end());
      if (wparam != 0) *reinterpret_cast<std::uint32_t*>(wparam) = start;
      if (lparam != 0) *reinterpret_cast<std::uint32_t*>(lparam) = end;
      return static_cast<LResult>((start & 0xFFFF) | ((end & 0xFFFF) << 16));
    }
    case edit_message::kLimitText:
      edit.text.set_limit(wparam);
      return 0;
    case edit_message::kCountLimitInUtf8:
      edit.text.count_in_utf8(wparam != 0);
      return 0;
    case edit_message::kGetLimitText:
      return static_cast<LResult>(std::min<std::size_t>(edit.text.limit(), INTPTR_MAX));
    case edit_message::kGetLineCount:
      return static_cast<LResult>(edit.layout.lines().size());
    case edit_message::kGetFirstVisibleLine:
      return edit.first_line;
    default:
      break;
  }
  return default_window_procedure(window, message, wparam, lparam);
}

}  // namespace

LResult edit_procedure(WindowHandle window, std::uint32_t message, WParam wparam, LParam lparam) {
  const auto make = [window] {
    auto edit = std::make_shared<EditState>(get_window_style(window));
    edit->text.set_window_text(title_of(window));
    Rect client;
    get_client_rect(window, &client);
    edit->client = {client.right, client.bottom};
    lay_out(*edit);
    return edit;
  };
  return with_state<EditState>(window, message, wparam, lparam, make, handle);
}

}  // namespace kanvo::win::controls
