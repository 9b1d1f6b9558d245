// An off-screen image: 32-bit pixels the program can address directly (0x00RRGGBB, rows top to
// bottom, no padding), a drawing surface over the same pixels, and the drawing state every drawing
// operation reads. The window's canvas is one too.
#pragma once

#include <cstdint>

#include "graphics/image/fill_style.h"
#include "graphics/image/line_style.h"
#include "graphics/platform/types.h"

namespace kanvo {

// What the drawing operations read and change; the pen, brush and font realised from it live on
// the image's surface.
struct DrawingState {
  std::int32_t pen_x = 0;
  std::int32_t pen_y = 0;
  platform::Transform transform{};
  Color line_color = 0xFFFFFF;
  Color fill_color = 0xFFFFFF;
  Color text_color = 0xFFFFFF;
  Color bk_color = 0;
  LineStyle line_style;
  FillStyle fill_style;
};

class CanvasImage {
 public:
  // With a width or height of 0 (or below) the image has no pixels until it is resized.
  explicit CanvasImage(std::int32_t width = 0, std::int32_t height = 0);
  // A new image with the default drawing state and a copy of the other's size and pixels.
  CanvasImage(const CanvasImage& other);
  // Takes the other's size and pixels; the drawing state stays.
  CanvasImage& operator=(const CanvasImage& other);

  // Restores the default drawing state; the pixels stay.
  virtual void reset();
  virtual ~CanvasImage();
  // New pixel storage of the size: the overlapping top-left part keeps its pixels, the rest takes
  // the background colour. A width or height of 0 or below, or a size that cannot be allocated,
  // changes nothing.
  virtual void resize(std::int32_t width, std::int32_t height);

  // New zero-filled pixel storage of the size, the old pixels dropped; the drawing state stays.
  // False (and nothing changed) for a size without pixels or one that cannot be allocated.
  bool replace_storage(std::int32_t width, std::int32_t height);

  // Drops the pixel storage: the image has no pixels (and a size of 0 by 0) until it is resized.
  void drop_storage();

  std::int32_t width() const { return width_; }
  std::int32_t height() const { return height_; }
  std::uint32_t* pixels() const { return pixels_; }
  SurfaceHandle surface() const { return surface_; }
  ObjectHandle bitmap() const { return bitmap_; }
  DrawingState& state() { return state_; }
  const DrawingState& state() const { return state_; }

  // The state every image and the window's surface start from.
  static LogFont default_font();
  // Puts the default pen, brush, colours, modes, transform, clip and font on a surface.
  static void reset_surface(SurfaceHandle surface);
  // Deletes the pen, brush and font that reset_surface and later calls put on a surface, stock
  // objects taking their place, before the surface itself goes.
  static void free_drawing_objects(SurfaceHandle surface);

 private:
  // Selects new zero-filled storage into the surface; the caller deletes `previous`.
  bool adopt_new_storage(std::int32_t width, std::int32_t height, ObjectHandle* previous);
  void copy_pixels_from(const CanvasImage& other);

  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  ObjectHandle bitmap_{};
  SurfaceHandle surface_{};
  std::uint32_t* pixels_ = nullptr;
  DrawingState state_;
};

}  // namespace kanvo
