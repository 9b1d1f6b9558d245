#include "host/windows/frame.h"

#include <algorithm>
#include <cstring>

#include "host/surface/surface.h"
#include "host/windows/edges.h"

namespace kanvo::win::detail {
namespace {

using surface::Color;
using surface::rgb;

constexpr Color kFace = rgb(240, 240, 240);
constexpr Color kEdge = rgb(100, 100, 100);
constexpr Color kActiveCaption = rgb(0, 120, 215);
constexpr Color kInactiveCaption = rgb(205, 205, 205);
constexpr Color kActiveTitle = rgb(255, 255, 255);
constexpr Color kInactiveTitle = rgb(90, 90, 90);
constexpr Color kDisabledGlyph = rgb(150, 150, 150);

bool has_caption(std::uint32_t window_style) {
  return (window_style & style::kCaption) == style::kCaption;
}

struct CaptionBoxes {
  Rect caption;
  Rect close;     // empty without a system menu
  Rect minimize;  // empty without a minimise box
};

CaptionBoxes caption_boxes(const FrameLook& look) {
  CaptionBoxes boxes;
  if (!has_caption(look.style)) return boxes;
  const FrameInsets insets = frame_insets(look.style, look.ex_style);
  const std::int32_t frame = insets.left;
  boxes.caption = {frame, frame, look.width - frame, frame + kCaptionHeight};
  if ((look.style & style::kSystemMenu) == 0) return boxes;
  const std::int32_t top = boxes.caption.top + 2;
  const std::int32_t bottom = boxes.caption.bottom - 2;
  const std::int32_t right = boxes.caption.right - 2;
  boxes.close = {right - kCaptionButtonWidth, top, right, bottom};
  if ((look.style & style::kMinimizeBox) != 0) {
    boxes.minimize = {boxes.close.left - 2 - kCaptionButtonWidth, top, boxes.close.left - 2,
                      bottom};
  }
  return boxes;
}

bool contains(const Rect& rect, Point point) {
  return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
         point.y < rect.bottom;
}

void fill(surface::DcHandle dc, const Rect& rect, Color color) {
  const surface::ObjectHandle brush = surface::create_solid_brush(color);
  surface::fill_rect(dc, rect, brush);
  surface::delete_object(brush);
}

void draw_lines(surface::DcHandle dc, Color color, const surface::Point* points, int count) {
  const surface::ObjectHandle pen = surface::create_pen(surface::pen_style::kSolid, 1, color);
  const surface::ObjectHandle old = surface::select_object(dc, pen);
  surface::polyline(dc, points, count);
  surface::select_object(dc, old);
  surface::delete_object(pen);
}

void paint_buttons(surface::DcHandle dc, const FrameLook& look, const CaptionBoxes& boxes) {
  const Color glyph = look.active ? kActiveTitle : kInactiveTitle;
  if (boxes.close.right > boxes.close.left) {
    const Color cross = (look.class_style & class_style::kNoClose) != 0 ? kDisabledGlyph : glyph;
    const std::int32_t cx = (boxes.close.left + boxes.close.right) / 2;
    const std::int32_t cy = (boxes.close.top + boxes.close.bottom) / 2;
    const surface::Point down[] = {{cx - 4, cy - 4}, {cx + 5, cy + 5}};
    const surface::Point up[] = {{cx - 4, cy + 4}, {cx + 5, cy - 5}};
    draw_lines(dc, cross, down, 2);
    draw_lines(dc, cross, up, 2);
  }
  if (boxes.minimize.right > boxes.minimize.left) {
    const std::int32_t cx = (boxes.minimize.left + boxes.minimize.right) / 2;
    const std::int32_t y = boxes.minimize.bottom - 5;
    const surface::Point bar[] = {{cx - 4, y}, {cx + 5, y}};
    draw_lines(dc, glyph, bar, 2);
  }
}

void paint_title(surface::DcHandle dc, const FrameLook& look, const CaptionBoxes& boxes) {
  surface::LogFont font_description;
  font_description.height = -12;
  font_description.char_set = surface::kDefaultCharset;
  std::memcpy(font_description.face_name.data(), "System", 7);
  const surface::ObjectHandle font = surface::create_font_indirect(font_description);
  const surface::ObjectHandle old = surface::select_object(dc, font);
  surface::set_bk_mode(dc, static_cast<int>(surface::BackgroundMode::transparent));
  surface::set_text_color(dc, look.active ? kActiveTitle : kInactiveTitle);
  Rect text_box = boxes.caption;
  text_box.left += 6;
  if (boxes.minimize.right > boxes.minimize.left) {
    text_box.right = boxes.minimize.left - 4;
  } else if (boxes.close.right > boxes.close.left) {
    text_box.right = boxes.close.left - 4;
  }
  surface::draw_text(dc, look.title, &text_box,
                     surface::text_format::kLeft | surface::text_format::kVCenter |
                         surface::text_format::kSingleLine | surface::text_format::kNoPrefix,
                     text::TextEncoding::gbk);
  surface::select_object(dc, old);
  surface::delete_object(font);
}

}  // namespace

FrameInsets frame_insets(std::uint32_t window_style, std::uint32_t ex_style) {
  std::int32_t frame = 0;
  if ((window_style & style::kSizingFrame) != 0) {
    frame = kSizingFrame;
  } else if ((window_style & style::kDialogFrame) != 0 ||
             (ex_style & ex_style::kDialogModalFrame) != 0) {
    frame = kFixedFrame;
  } else if ((window_style & style::kBorder) != 0) {
    frame = kThinBorder;
  }
  if ((ex_style & ex_style::kClientEdge) != 0) frame += kClientEdge;
  FrameInsets insets{frame, frame, frame, frame};
  if (has_caption(window_style)) insets.top += kCaptionHeight;
  return insets;
}

FramePart hit_test(const FrameLook& look, Point point) {
  if (point.x < 0 || point.y < 0 || point.x >= look.width || point.y >= look.height) {
    return FramePart::outside;
  }
  const FrameInsets insets = frame_insets(look.style, look.ex_style);
  const Rect client{insets.left, insets.top, look.width - insets.right,
                    look.height - insets.bottom};
  if (contains(client, point)) return FramePart::client;
  const CaptionBoxes boxes = caption_boxes(look);
  if (contains(boxes.close, point)) return FramePart::close_box;
  if (contains(boxes.minimize, point)) return FramePart::minimize_box;
  if (contains(boxes.caption, point)) return FramePart::caption;
  return FramePart::border;
}

void paint_frame(const FrameLook& look, surface::PixelWord* pixels) {
  if (pixels == nullptr || look.width <= 0 || look.height <= 0) return;
  const FrameInsets insets = frame_insets(look.style, look.ex_style);
  if (insets.left == 0 && insets.top == 0) return;
  const surface::DcHandle dc = surface::create_compatible_dc(surface::kNoDc);
  const surface::ObjectHandle bitmap =
      surface::create_dib_section_over(pixels, look.width, look.height);
  const surface::ObjectHandle old_bitmap = surface::select_object(dc, bitmap);

  // The client edge lies inside the frame, around the client area.
  const FrameInsets outside = frame_insets(look.style, look.ex_style & ~ex_style::kClientEdge);
  if (outside.left != 0 || outside.top != 0) {
    fill(dc, {0, 0, look.width, look.height}, kFace);
    const surface::Point outline[] = {{0, 0},
                                      {look.width - 1, 0},
                                      {look.width - 1, look.height - 1},
                                      {0, look.height - 1},
                                      {0, 0}};
    draw_lines(dc, kEdge, outline, 5);
  }
  if ((look.ex_style & ex_style::kClientEdge) != 0) {
    draw_edge(dc,
              {outside.left, outside.top, look.width - outside.right, look.height - outside.bottom},
              Edge::sunken);
  }
  const CaptionBoxes boxes = caption_boxes(look);
  if (boxes.caption.right > boxes.caption.left) {
    fill(dc, boxes.caption, look.active ? kActiveCaption : kInactiveCaption);
    paint_title(dc, look, boxes);
    paint_buttons(dc, look, boxes);
  }

  surface::select_object(dc, old_bitmap);
  surface::delete_object(bitmap);
  surface::delete_dc(dc);
}

}  // namespace kanvo::win::detail
