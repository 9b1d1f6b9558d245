#include "graphics/input/dialog_layout.h"

#include <algorithm>

namespace kanvo {
namespace {

constexpr std::int32_t kDefaultWidth = 357;
constexpr std::int32_t kMinimumWidth = 200;
constexpr std::int32_t kMinimumHeight = 93;
constexpr std::int32_t kMinimumPromptHeight = 45;
// Far beyond any screen, and far from overflowing in the sums below.
constexpr std::int32_t kLargest = 1 << 20;

constexpr std::int32_t kInset = 9;
constexpr std::int32_t kButtonWidth = 60;
constexpr std::int32_t kButtonHeight = 21;
constexpr std::int32_t kButtonColumn = 69;  // from the right edge to the buttons' left edge

Rect box(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
  return {left, top, left + width, top + height};
}

}  // namespace

DialogSize dialog_size(std::int32_t width, std::int32_t height, std::int32_t prompt_height) {
  DialogSize size;
  size.multi_line = height > 0;
  size.width = width == 0 ? kDefaultWidth : std::clamp(width, kMinimumWidth, kLargest);
  size.height = std::clamp(height, kMinimumHeight, kLargest);
  size.prompt_height = std::clamp(prompt_height, kMinimumPromptHeight, kLargest);
  size.height += size.prompt_height - kMinimumPromptHeight;
  return size;
}

DialogPlaces dialog_places(std::int32_t width, std::int32_t height, std::int32_t prompt_height) {
  DialogPlaces places;
  places.prompt = box(kInset, 10, width - kPromptMargin, prompt_height);
  places.edit = box(kInset, prompt_height + 20, width - 2 * kInset, height - prompt_height - 30);
  places.ok = box(width - kButtonColumn, 10, kButtonWidth, kButtonHeight);
  places.cancel = box(width - kButtonColumn, 34, kButtonWidth, kButtonHeight);
  return places;
}

}  // namespace kanvo
