#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tools/gdi-replay/image_files.h"

namespace kanvo::gdi_replay {
namespace {

// A strip of three 2 x 2 frames whose every pixel names its frame, column and row.
PixelImage strip_of_three() {
  PixelImage strip{6, 2, {}};
  for (std::uint32_t y = 0; y < 2; ++y) {
    for (std::uint32_t x = 0; x < 6; ++x) strip.words.push_back((x / 2) << 16 | (x % 2) << 8 | y);
  }
  return strip;
}

TEST(GdiReplayImageFiles, CropsEachFrameOfAStripAndRefusesFramesItDoesNotHold) {
  const PixelImage strip = strip_of_three();
  PixelImage frame;
  ASSERT_TRUE(crop_frame(strip, 2, 2, 2, frame));
  EXPECT_EQ(frame.width, 2);
  EXPECT_EQ(frame.height, 2);
  EXPECT_EQ(frame.words, (std::vector<std::uint32_t>{0x020000, 0x020100, 0x020001, 0x020101}));
  EXPECT_FALSE(crop_frame(strip, 3, 2, 2, frame));   // past the last frame
  EXPECT_FALSE(crop_frame(strip, -1, 2, 2, frame));  // before the first
  EXPECT_FALSE(crop_frame(strip, 0, 2, 3, frame));   // frames of another height
  EXPECT_FALSE(crop_frame(strip, 0, 0, 2, frame));   // frames of no width
}

TEST(GdiReplayImageFiles, ReadsBackTheFramesOfAPictureItWrote) {
  const std::string path =
      (std::filesystem::temp_directory_path() / "gdi_replay_image_files_test.png").string();
  ASSERT_TRUE(write_png(path, strip_of_three()));
  PixelImage frame;
  std::string error;
  ASSERT_TRUE(read_png_frame(path, 1, 2, 2, frame, error)) << error;
  EXPECT_EQ(frame.words, (std::vector<std::uint32_t>{0x010000, 0x010100, 0x010001, 0x010101}));
  EXPECT_FALSE(read_png_frame(path, 3, 2, 2, frame, error));
  EXPECT_NE(error.find("no frame 3"), std::string::npos) << error;
  std::filesystem::remove(path);
  EXPECT_FALSE(read_png_frame(path, 0, 2, 2, frame, error));
}

}  // namespace
}  // namespace kanvo::gdi_replay
