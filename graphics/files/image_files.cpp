#include "graphics/files/image_files.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <mutex>
#include <vector>

#include "graphics/context/graphics_context.h"
#include "graphics/files/bitmap_file.h"
#include "graphics/files/picture_decoder.h"
#include "graphics/files/resources.h"
#include "graphics/platform/drawing_surface.h"
#include "graphics/platform/files.h"
#include "graphics/platform/text_encoding.h"

namespace kanvo {
namespace {

CanvasImage& image_or_canvas(CanvasImage* image) {
  return image != nullptr ? *image : graphics_context().canvas;
}

std::optional<std::vector<std::uint8_t>> read_whole_file(const char* file_name) {
  if (file_name == nullptr) return std::nullopt;
  std::ifstream file(platform::file_system_path(file_name), std::ios::binary);
  if (!file) return std::nullopt;
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
  if (file.bad()) return std::nullopt;
  return bytes;
}

std::uint32_t over(std::uint32_t picture, std::uint32_t under) {
  const std::uint32_t alpha = picture >> 24;
  if (alpha == 0xFF) return picture & 0x00FFFFFF;
  if (alpha == 0) return under;
  std::uint32_t result = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const std::uint32_t top = (picture >> shift) & 0xFF;
    const std::uint32_t bottom = (under >> shift) & 0xFF;
    result |= ((top * alpha + bottom * (255 - alpha) + 127) / 255) << shift;
  }
  return result;
}

// Draws the picture stretched (nearest pixel) into the rectangle (0, 0, width, height) of the
// image's logical space, through its origin and scale, over what is there; pixels falling outside
// the image or its clip region are cut off. The picture is blended onto a copy of the covered
// part, which then goes back through the surface, so that its clip region applies.
void render_picture(const DecodedPicture& picture, CanvasImage& image, std::int32_t width,
                    std::int32_t height) {
  if (image.pixels() == nullptr) return;
  const platform::Transform& t = image.state().transform;
  const double left = t.dx;
  const double top = t.dy;
  const double right = t.dx + static_cast<double>(width) * t.m11;
  const double bottom = t.dy + static_cast<double>(height) * t.m22;
  if (right == left || bottom == top) return;
  const auto bound = [](double value, std::int32_t size) {
    return static_cast<std::int32_t>(std::clamp(std::round(value), 0.0, static_cast<double>(size)));
  };
  const std::int32_t x0 = bound(std::min(left, right), image.width());
  const std::int32_t x1 = bound(std::max(left, right), image.width());
  const std::int32_t y0 = bound(std::min(top, bottom), image.height());
  const std::int32_t y1 = bound(std::max(top, bottom), image.height());
  if (x1 <= x0 || y1 <= y0) return;
  CanvasImage covered(x1 - x0, y1 - y0);
  if (covered.pixels() == nullptr) return;
  for (std::int32_t y = y0; y < y1; ++y) {
    const double v = (y + 0.5 - top) / (bottom - top);
    const auto py = std::clamp(static_cast<std::int64_t>(v * picture.height), std::int64_t{0},
                               std::int64_t{picture.height} - 1);
    const std::uint32_t* under = image.pixels() + static_cast<std::size_t>(y) * image.width();
    std::uint32_t* row =
        covered.pixels() + static_cast<std::size_t>(y - y0) * static_cast<std::size_t>(x1 - x0);
    const std::uint32_t* source =
        picture.pixels.data() + static_cast<std::size_t>(py) * picture.width;
    for (std::int32_t x = x0; x < x1; ++x) {
      const double u = (x + 0.5 - left) / (right - left);
      const auto px = std::clamp(static_cast<std::int64_t>(u * picture.width), std::int64_t{0},
                                 std::int64_t{picture.width} - 1);
      row[x - x0] = over(source[px], under[x]);
    }
  }
  // Device pixels: the transform is set aside for the copy.
  const platform::Transform identity{};
  platform::set_world_transform(image.surface(), identity);
  platform::bit_blt(image.surface(), x0, y0, x1 - x0, y1 - y0, covered.surface(), 0, 0,
                    platform::rop3::kSrcCopy);
  platform::set_world_transform(image.surface(), t);
}

void load_into(CanvasImage* image, std::span<const std::uint8_t> encoded, std::int32_t width,
               std::int32_t height, bool resize) {
  const std::optional<DecodedPicture> picture = decode_picture(encoded);
  if (!picture) return;
  CanvasImage& target = image_or_canvas(image);
  if (width <= 0 || height <= 0) {
    width = picture->width;
    height = picture->height;
  }
  if (target.pixels() == nullptr || resize) {
    target.resize(width, height);
    if (target.width() != width || target.height() != height) return;  // could not be held
  }
  GraphicsContext& context = graphics_context();
  if (&target != &context.canvas) {
    render_picture(*picture, target, width, height);
    return;
  }
  {
    // The window's thread repaints from the canvas.
    std::lock_guard guard(context.lock);
    render_picture(*picture, target, width, height);
  }
  // The picture shows on the window at once.
  context.window_device.flush_batch_draw();
}

}  // namespace

void load_image(CanvasImage* image, const char* file_name, std::int32_t width, std::int32_t height,
                bool resize) {
  const auto bytes = read_whole_file(file_name);
  if (bytes) load_into(image, *bytes, width, height, resize);
}

void load_image_resource(CanvasImage* image, const char* type, const char* name, std::int32_t width,
                         std::int32_t height, bool resize) {
  const std::optional<std::span<const std::uint8_t>> bytes = find_resource(type, name);
  if (bytes) load_into(image, *bytes, width, height, resize);
}

void save_image(const char* file_name, CanvasImage* image) {
  const CanvasImage& source = image_or_canvas(image);
  if (file_name == nullptr || source.pixels() == nullptr) return;
  const std::vector<std::uint8_t> file =
      encode_bitmap_file(source.pixels(), source.width(), source.height());
  if (!file.empty()) platform::write_file_atomically(platform::file_system_path(file_name), file);
}

void get_image(CanvasImage* image, std::int32_t x, std::int32_t y, std::int32_t width,
               std::int32_t height) {
  GraphicsContext& context = graphics_context();
  if (image == nullptr || context.target.current_device == nullptr) return;
  if (!image->replace_storage(width, height)) return;
  std::lock_guard guard(context.lock);
  platform::bit_blt(image->surface(), 0, 0, width, height, context.target.drawing_surface, x, y,
                    platform::rop3::kSrcCopy);
}

void put_image(std::int32_t x, std::int32_t y, CanvasImage* image, std::uint32_t rop) {
  if (image == nullptr) return;
  put_image_part(x, y, image->width(), image->height(), image, 0, 0, rop);
}

void put_image_part(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                    CanvasImage* image, std::int32_t source_x, std::int32_t source_y,
                    std::uint32_t rop) {
  GraphicsContext& context = graphics_context();
  if (image == nullptr || context.target.current_device == nullptr) return;
  std::lock_guard guard(context.lock);
  // Onto the window too, as every drawing call, unless batch drawing holds its updates or the
  // canvas's surface draws there itself.
  if (context.target.window_surface != platform::kNoSurface && !context.batching &&
      !context.mirrored) {
    platform::bit_blt(context.target.window_surface, x, y, width, height, image->surface(),
                      source_x, source_y, rop);
  }
  platform::bit_blt(context.target.drawing_surface, x, y, width, height, image->surface(), source_x,
                    source_y, rop);
}

}  // namespace kanvo
