// Reading expected images (.px) and writing pictures of differences (.png).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kanvo::gdi_replay {

struct PixelImage {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::uint32_t> words;  // 0x00RRGGBB, rows top to bottom
};

// "KPX1 W H\n" then W*H little-endian words. False with a message on a malformed file.
bool read_px(const std::string& path, PixelImage& image, std::string& error);

// A PNG as 0x00RRGGBB words. False with a message when it cannot be read.
bool read_png(const std::string& path, PixelImage& image, std::string& error);

// Frame `frame` of a strip of equal width x height frames laid left to right. False when the strip
// holds no such frame.
bool crop_frame(const PixelImage& strip, int frame, std::int32_t width, std::int32_t height,
                PixelImage& image);

// One frame of a strip of equal frames laid left to right (NAME.steps.png: the reference surface
// after each op). False with a message when the file cannot be read or holds no such frame.
bool read_png_frame(const std::string& path, int frame, std::int32_t width, std::int32_t height,
                    PixelImage& image, std::string& error);

// An RGB PNG of the image (uncompressed deflate blocks: no library needed).
bool write_png(const std::string& path, const PixelImage& image);

}  // namespace kanvo::gdi_replay
