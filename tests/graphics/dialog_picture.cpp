#include "tests/graphics/dialog_picture.h"

#include <algorithm>
#include <thread>

namespace kanvo::testing {
namespace {

using surface::Rect;

constexpr display::PixelWord kActiveCaption = 0x000078D7;
constexpr display::PixelWord kFrameOutline = 0x00646464;
constexpr display::PixelWord kFace = 0x00F0F0F0;
constexpr display::PixelWord kShadow = 0x00A0A0A0;  // an edit field's outer top and left edge
constexpr display::PixelWord kLight = 0x00E3E3E3;   // its inner bottom and right edge
constexpr std::int32_t kFrame = 3;
constexpr std::int32_t kButtonsFromRight = 75;  // the buttons' column, with room to spare

display::PixelWord at(const display::Image& image, std::int32_t x, std::int32_t y) {
  if (x < 0 || y < 0 || x >= image.width || y >= image.height) return 0xFFFFFFFF;
  return image.at(x, y) & 0xFFFFFF;
}

bool dark(display::PixelWord pixel) {
  return ((pixel >> 16) & 0xFF) < 0x80 && ((pixel >> 8) & 0xFF) < 0x80 && (pixel & 0xFF) < 0x80;
}

bool bright(display::PixelWord pixel) {
  return ((pixel >> 16) & 0xFF) >= 0xC0 && ((pixel >> 8) & 0xFF) >= 0xC0 && (pixel & 0xFF) >= 0xC0;
}

// The box around the pixels of `area` that `wanted` picks, relative to `origin`.
template <typename Wanted>
std::optional<Rect> box_of(const display::Image& image, const Rect& area, surface::Point origin,
                           Wanted wanted) {
  Rect box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
  for (std::int32_t y = area.top; y < area.bottom; ++y) {
    for (std::int32_t x = area.left; x < area.right; ++x) {
      if (!wanted(at(image, x, y))) continue;
      box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
             std::max(box.bottom, y + 1)};
    }
  }
  if (box.right <= box.left) return std::nullopt;
  return Rect{box.left - origin.x, box.top - origin.y, box.right - origin.x, box.bottom - origin.y};
}

std::optional<Rect> unlike_face(const display::Image& image, const Rect& area,
                                surface::Point origin) {
  return box_of(image, area, origin, [](display::PixelWord pixel) { return pixel != kFace; });
}

// The dark pixels inside a control, off its edges.
std::optional<Rect> text_inside(const display::Image& image, const Rect& control,
                                surface::Point origin) {
  constexpr std::int32_t kEdges = 3;
  const Rect inside{origin.x + control.left + kEdges, origin.y + control.top + kEdges,
                    origin.x + control.right - kEdges, origin.y + control.bottom - kEdges};
  return box_of(image, inside, origin, dark);
}

}  // namespace

std::optional<DialogPicture> find_dialog(const display::Image& screen) {
  // The caption's top-left pixel comes first in reading order (selected text is blue as well,
  // but lies below it); the caption's top row and left column are blue all along.
  Rect caption{-1, -1, -1, -1};
  for (std::int32_t y = 0; y < screen.height && caption.top < 0; ++y) {
    for (std::int32_t x = 0; x < screen.width; ++x) {
      if (at(screen, x, y) != kActiveCaption) continue;
      caption.left = x;
      caption.top = y;
      break;
    }
  }
  if (caption.top < 0) return std::nullopt;
  caption.right = caption.left;
  while (at(screen, caption.right, caption.top) == kActiveCaption) ++caption.right;
  caption.bottom = caption.top;
  while (at(screen, caption.left, caption.bottom) == kActiveCaption) ++caption.bottom;
  DialogPicture picture;
  picture.client = {caption.left, caption.bottom, caption.right, caption.bottom};
  // The frame's outline closes the window below the client area.
  const std::int32_t frame_column = caption.left - kFrame + 1;
  std::int32_t y = caption.bottom;
  while (y < screen.height && at(screen, frame_column, y) != kFrameOutline) ++y;
  picture.client.bottom = y - (kFrame - 1);
  const surface::Point origin{picture.client.left, picture.client.top};

  // The edit field: from its shadowed top edge down to its light inner bottom edge.
  const std::int32_t column = picture.client.left + 12;
  std::int32_t top = picture.client.top;
  while (top < picture.client.bottom && at(screen, column, top) != kShadow) ++top;
  std::int32_t light = top;
  while (light < picture.client.bottom && at(screen, column, light) != kLight) ++light;
  if (light >= picture.client.bottom) return std::nullopt;
  std::int32_t left = column;
  while (left > picture.client.left && at(screen, left - 1, top) == kShadow) --left;
  std::int32_t right = column;
  while (right < picture.client.right && at(screen, right, top) == kShadow) ++right;
  picture.edit = {left - origin.x, top - origin.y, right + 1 - origin.x, light + 2 - origin.y};

  const std::int32_t buttons = picture.client.right - kButtonsFromRight;
  const std::optional<Rect> ok = unlike_face(
      screen, {buttons, picture.client.top, picture.client.right, origin.y + 32}, origin);
  if (!ok) return std::nullopt;
  picture.ok = *ok;
  picture.cancel =
      unlike_face(screen, {buttons, origin.y + 32, picture.client.right, origin.y + 58}, origin);

  picture.prompt_text = box_of(
      screen, {picture.client.left, origin.y, buttons, origin.y + picture.edit.top}, origin, dark);
  picture.ok_text = text_inside(screen, picture.ok, origin);
  if (picture.cancel) picture.cancel_text = text_inside(screen, *picture.cancel, origin);
  constexpr std::int32_t kCloseBox = 18;
  picture.title_text =
      box_of(screen, {caption.left, caption.top, caption.right - kCloseBox - 2, caption.bottom},
             origin, bright);
  picture.close_cross =
      box_of(screen, {caption.right - kCloseBox, caption.top, caption.right, caption.bottom},
             origin, bright);
  return picture;
}

std::optional<DialogPicture> settled_dialog(const std::function<display::Image()>& look,
                                            const std::function<bool(const DialogPicture&)>& accept,
                                            std::chrono::milliseconds patience) {
  const auto deadline = std::chrono::steady_clock::now() + patience;
  std::optional<DialogPicture> before;
  for (;;) {
    std::optional<DialogPicture> now = find_dialog(look());
    if (now && !accept(*now)) now.reset();
    if (now && now == before) return now;
    if (std::chrono::steady_clock::now() >= deadline) return {};
    before = now;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

}  // namespace kanvo::testing
