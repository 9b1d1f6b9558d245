// Pictures into images and images into files; copying between the working target and images;
// rotated copies. A null image means the window's canvas.
#pragma once

#include <cstdint>

#include "graphics/image/canvas_image.h"

namespace kanvo {

// Loads a picture file (PNG, JPEG, BMP, GIF, TGA and more) into the image. Its natural size is its
// pixel size; a requested width and height (both above 0) replace it. The image is resized to that
// size when it has no pixels yet or `resize` is set; the picture is drawn stretched into that
// rectangle at the image's origin. A file that cannot be read or decoded changes nothing.
void load_image(CanvasImage* image, const char* file_name, std::int32_t width, std::int32_t height,
                bool resize);
// The same from a resource embedded into the program (see kanvo_embed_resources in CMake).
void load_image_resource(CanvasImage* image, const char* type, const char* name, std::int32_t width,
                         std::int32_t height, bool resize);
// Writes the image as a Windows bitmap file, completely or not at all.
void save_image(const char* file_name, CanvasImage* image);
// Copies a rectangle of the working target into the image, which takes its size.
void get_image(CanvasImage* image, std::int32_t x, std::int32_t y, std::int32_t width,
               std::int32_t height);
// Draws the image, or a part of it, into the working target with a ternary raster operation.
void put_image(std::int32_t x, std::int32_t y, CanvasImage* image, std::uint32_t rop);
void put_image_part(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                    CanvasImage* image, std::int32_t source_x, std::int32_t source_y,
                    std::uint32_t rop);
// A copy of `source` turned by `angle` radians counter-clockwise, on `background`; with
// `auto_size` the destination takes the turned picture's bounding box, with `high_quality` the
// pixels are blended bilinearly.
void rotate_image(CanvasImage* destination, CanvasImage* source, double angle, Color background,
                  bool auto_size, bool high_quality);

}  // namespace kanvo
