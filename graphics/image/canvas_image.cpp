#include "graphics/image/canvas_image.h"

#include <algorithm>
#include <cstring>

#include "graphics/context/graphics_context.h"
#include "graphics/platform/drawing_surface.h"

namespace kanvo {
namespace {

constexpr Color kWhite = 0xFFFFFF;

}  // namespace

CanvasImage::CanvasImage(std::int32_t width, std::int32_t height)
    // Every surface here is 32 bits per pixel, so the screen is as good a reference as any.
    : surface_(platform::create_compatible_dc(platform::kNoSurface)) {
  CanvasImage::reset();
  if (width > 0 && height > 0) CanvasImage::resize(width, height);
}

CanvasImage::CanvasImage(const CanvasImage& other) : CanvasImage() {
  *this = other;
}

CanvasImage& CanvasImage::operator=(const CanvasImage& other) {
  if (&other == this) return *this;
  resize(other.width_, other.height_);
  copy_pixels_from(other);
  return *this;
}

CanvasImage::~CanvasImage() {
  forget_working_image(this);
  free_drawing_objects(surface_);
  platform::delete_dc(surface_);
  platform::delete_object(bitmap_);
}

LogFont CanvasImage::default_font() {
  LogFont font;
  font.height = 16;
  font.char_set = platform::kDefaultCharset;
  font.quality = platform::kNonAntialiasedQuality;
  std::memcpy(font.face_name.data(), "System", sizeof("System"));
  return font;
}

void CanvasImage::reset_surface(SurfaceHandle surface) {
  platform::set_graphics_mode(surface, platform::GraphicsMode::advanced);
  platform::set_bk_mode(surface, static_cast<int>(platform::BackgroundMode::opaque));
  platform::set_bk_color(surface, 0);
  platform::move_to(surface, 0, 0, nullptr);
  platform::delete_object(platform::select_object(surface, platform::create_pen(0, 1, kWhite)));
  platform::delete_object(platform::select_object(surface, platform::create_solid_brush(kWhite)));
  platform::set_text_color(surface, kWhite);
  platform::set_world_transform(surface, platform::Transform{});
  platform::select_clip_region(surface, platform::kNoObject);
  platform::delete_object(
      platform::select_object(surface, platform::create_font_indirect(default_font())));
}

void CanvasImage::free_drawing_objects(SurfaceHandle surface) {
  platform::delete_object(platform::select_object(
      surface, platform::get_stock_object(platform::StockObject::white_pen)));
  platform::delete_object(platform::select_object(
      surface, platform::get_stock_object(platform::StockObject::black_brush)));
  platform::delete_object(platform::select_object(
      surface, platform::get_stock_object(platform::StockObject::system_font)));
}

void CanvasImage::reset() {
  DrawingState& s = state_;
  s.pen_x = 0;
  s.pen_y = 0;
  s.line_color = kWhite;
  s.text_color = kWhite;
  s.bk_color = 0;
  s.transform = platform::Transform{};
  s.line_style.style = 0;
  s.line_style.thickness = 1;
  s.line_style.free_dashes();
  s.fill_color = kWhite;
  // The hatch index is left as it was.
  s.fill_style.style = kFillSolid;
  s.fill_style.pattern_image.reset();
  reset_surface(surface_);
}

void CanvasImage::resize(std::int32_t width, std::int32_t height) {
  const std::uint32_t* old_pixels = pixels_;
  const std::int32_t old_width = width_;
  const std::int32_t old_height = height_;
  ObjectHandle old_bitmap{};
  if (!adopt_new_storage(width, height, &old_bitmap)) return;
  std::fill_n(pixels_, static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
              platform::swap_red_blue(state_.bk_color) & 0x00FFFFFFu);
  if (old_pixels != nullptr) {
    const std::int32_t copy_width = std::min(width, old_width);
    for (std::int32_t y = 0; y < std::min(height, old_height); ++y) {
      std::memcpy(pixels_ + static_cast<std::size_t>(y) * static_cast<std::size_t>(width),
                  old_pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(old_width),
                  static_cast<std::size_t>(copy_width) * sizeof(std::uint32_t));
    }
  }
  platform::delete_object(old_bitmap);
}

bool CanvasImage::replace_storage(std::int32_t width, std::int32_t height) {
  ObjectHandle old_bitmap{};
  if (!adopt_new_storage(width, height, &old_bitmap)) return false;
  platform::delete_object(old_bitmap);
  return true;
}

void CanvasImage::drop_storage() {
  if (bitmap_ == platform::kNoObject) return;
  // The surface needs some bitmap selected; a one-pixel placeholder stands in for none.
  platform::select_object(surface_, platform::create_bitmap(1, 1, 1, 1, nullptr));
  platform::delete_object(bitmap_);
  bitmap_ = platform::kNoObject;
  pixels_ = nullptr;
  width_ = 0;
  height_ = 0;
}

bool CanvasImage::adopt_new_storage(std::int32_t width, std::int32_t height,
                                    ObjectHandle* previous) {
  if (width <= 0 || height <= 0) return false;
  std::uint32_t* new_pixels = nullptr;
  const ObjectHandle new_bitmap = platform::create_dib_section(width, height, &new_pixels);
  if (new_bitmap == platform::kNoObject || new_pixels == nullptr) return false;
  // The bitmap it replaces (ours, a placeholder, or the surface's shared first bitmap, which
  // deleting leaves alone) is deleted by the callers once they have read the old pixels.
  *previous = platform::select_object(surface_, new_bitmap);
  bitmap_ = new_bitmap;
  pixels_ = new_pixels;
  width_ = width;
  height_ = height;
  return true;
}

void CanvasImage::copy_pixels_from(const CanvasImage& other) {
  if (pixels_ == nullptr || other.pixels_ == nullptr) return;
  const std::int32_t copy_width = std::min(width_, other.width_);
  for (std::int32_t y = 0; y < std::min(height_, other.height_); ++y) {
    std::memcpy(
        pixels_ + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_),
        other.pixels_ + static_cast<std::size_t>(y) * static_cast<std::size_t>(other.width_),
        static_cast<std::size_t>(copy_width) * sizeof(std::uint32_t));
  }
}

}  // namespace kanvo
