#include "graphics/files/image_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <numbers>
#include <vector>

#include "graphics/files/bitmap_file.h"
#include "graphics/files/resources.h"
#include "graphics/kanvo.h"
#include "tests/support/required_tools.h"

namespace kanvo {
namespace {

namespace fs = std::filesystem;

const std::string kData = std::string(KANVO_SOURCE_DIR) + "/tests/graphics/data/";

class ImageFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("kanvo-files-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  std::string path(const char* name) const { return (folder_ / name).string(); }

 private:
  fs::path folder_;
};

void fill_pattern(CanvasImage& image) {
  for (std::int32_t i = 0; i < image.width() * image.height(); ++i) {
    image.pixels()[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0x00FFFFFF;
  }
}

bool same_pixels(const CanvasImage& a, const CanvasImage& b) {
  if (a.width() != b.width() || a.height() != b.height()) return false;
  for (std::int32_t i = 0; i < a.width() * a.height(); ++i) {
    if ((a.pixels()[i] & 0xFFFFFF) != (b.pixels()[i] & 0xFFFFFF)) return false;
  }
  return true;
}

TEST_F(ImageFiles, SavedBitmapLoadsBackPixelForPixel) {
  for (auto [w, h] : {std::pair{1, 1}, {3, 2}, {37, 19}, {64, 64}}) {
    CanvasImage original(w, h);
    fill_pattern(original);
    save_image(path("round.bmp").c_str(), &original);
    CanvasImage loaded;
    load_image(&loaded, path("round.bmp").c_str(), 0, 0, false);
    EXPECT_TRUE(same_pixels(original, loaded)) << w << "x" << h;
  }
}

TEST_F(ImageFiles, DecodesThePictureFormats) {
  CanvasImage png;
  load_image(&png, (kData + "four_by_two.png").c_str(), 0, 0, false);
  ASSERT_EQ(png.width(), 4);
  ASSERT_EQ(png.height(), 2);
  EXPECT_EQ(png.pixels()[0], 0x00FF0000u);
  EXPECT_EQ(png.pixels()[1], 0x0000FF00u);
  EXPECT_EQ(png.pixels()[2], 0x000000FFu);
  EXPECT_EQ(png.pixels()[3], 0x00808080u);  // half-transparent white over black
  EXPECT_EQ(png.pixels()[5], 0x00000000u);  // transparent keeps what was there
  EXPECT_EQ(png.pixels()[6], 0x00FFFF00u);
  CanvasImage gif;
  load_image(&gif, (kData + "four_by_two.gif").c_str(), 0, 0, false);
  EXPECT_EQ(gif.width(), 4);
  EXPECT_EQ(gif.pixels()[2] & 0xFFFFFF, 0x0000FFu);
  CanvasImage jpeg;
  load_image(&jpeg, (kData + "gradient_96x48.jpg").c_str(), 0, 0, false);
  EXPECT_EQ(jpeg.width(), 96);
  EXPECT_EQ(jpeg.height(), 48);
}

TEST_F(ImageFiles, RequestedSizeCountsOnlyWhenBothArePositive) {
  CanvasImage natural;
  load_image(&natural, (kData + "gradient_96x48.png").c_str(), 100, 0, false);
  EXPECT_EQ(natural.width(), 96);
  EXPECT_EQ(natural.height(), 48);
  CanvasImage requested;
  load_image(&requested, (kData + "gradient_96x48.png").c_str(), 20, 10, false);
  EXPECT_EQ(requested.width(), 20);
  EXPECT_EQ(requested.height(), 10);
}

TEST_F(ImageFiles, StretchIntoTheTopLeftWithoutResizing) {
  CanvasImage image(200, 200);
  image.state().bk_color = 0;
  load_image(&image, (kData + "four_by_two.png").c_str(), 50, 50, false);
  EXPECT_EQ(image.width(), 200);
  EXPECT_EQ(image.pixels()[0], 0x00FF0000u);  // red stretched over 12.5 x 25
  EXPECT_EQ(image.pixels()[24 * 200 + 11], 0x00FF0000u);
  EXPECT_EQ(image.pixels()[49 * 200 + 49], 0x0000FFFFu);  // cyan in the last quarter
  EXPECT_EQ(image.pixels()[50 * 200 + 50], 0u);           // outside the rectangle: untouched
  EXPECT_EQ(image.pixels()[10 * 200 + 60], 0u);
  load_image(&image, (kData + "four_by_two.png").c_str(), 50, 50, true);
  EXPECT_EQ(image.width(), 50);
}

TEST_F(ImageFiles, UnreadableFilesChangeNothing) {
  CanvasImage image(3, 3);
  image.pixels()[4] = 0x123456;
  load_image(&image, path("missing.png").c_str(), 0, 0, true);
  load_image(&image, nullptr, 0, 0, true);
  std::ofstream(path("junk.png")) << "not a picture";
  load_image(&image, path("junk.png").c_str(), 0, 0, true);
  EXPECT_EQ(image.width(), 3);
  EXPECT_EQ(image.pixels()[4], 0x123456u);
}

TEST_F(ImageFiles, PictureTooLargeToHoldChangesNothing) {
  // A bitmap header announcing 100000 x 100000 pixels with no pixel data behind it.
  std::vector<std::uint8_t> header = encode_bitmap_file(std::vector<std::uint32_t>(1).data(), 1, 1);
  const std::uint32_t huge = 100000;
  std::memcpy(header.data() + 18, &huge, 4);
  std::memcpy(header.data() + 22, &huge, 4);
  std::ofstream(path("huge.bmp"), std::ios::binary)
      .write(reinterpret_cast<const char*>(header.data()),
             static_cast<std::streamsize>(header.size()));
  CanvasImage image(2, 2);
  load_image(&image, path("huge.bmp").c_str(), 0, 0, true);
  EXPECT_EQ(image.width(), 2);
}

TEST_F(ImageFiles, JpegWithAHuffmanTableOfTooManySymbolsIsRefused) {
  CanvasImage image(2, 2);
  load_image(&image, (kData + "oversized_huffman_table.jpg").c_str(), 0, 0, true);
  EXPECT_EQ(image.width(), 2);
}

TEST_F(ImageFiles, NothingIsSavedWithoutPixels) {
  CanvasImage empty;
  save_image(path("empty.bmp").c_str(), &empty);
  EXPECT_TRUE(fs::is_empty(path("")));
}

// A save without a name writes nothing where a nameless file would go, the folder it runs in.
// It runs in a child of the test, so that a fault fails the test instead of ending the program.
using ImageFilesDeathTest = ImageFiles;
TEST_F(ImageFilesDeathTest, NothingIsSavedWithoutAName) {
  GTEST_FLAG_SET(death_test_style, "fast");  // the child must share this test's folder
  const std::string folder = path("");
  EXPECT_EXIT(
      {
        CanvasImage image(2, 2);
        if (::chdir(folder.c_str()) != 0) std::_Exit(2);
        save_image(nullptr, &image);
        std::_Exit(0);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(ImageFiles, SavingReplacesTheFileWholeAndLeavesNoTemporaryFiles) {
  CanvasImage small(2, 2);
  CanvasImage large(30, 30);
  save_image(path("picture.bmp").c_str(), &large);
  save_image(path("picture.bmp").c_str(), &small);
  EXPECT_EQ(fs::file_size(path("picture.bmp")), 14u + 40u + 2u * 8u);
  int files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(path(""))) ++files;
  EXPECT_EQ(files, 1);
  save_image(path("no-such-folder/picture.bmp").c_str(), &small);  // cannot be created
  EXPECT_FALSE(fs::exists(path("no-such-folder")));
}

// A saved picture is an ordinary new file: read and write for all, less the creation mask, which
// saving leaves as it found it (window threads may be creating files meanwhile).
TEST_F(ImageFiles, SavedFilesTakeTheCreationMaskWithoutChangingIt) {
  CanvasImage image(3, 3);
  const mode_t original = ::umask(0);
  for (const mode_t mask : {mode_t{0}, mode_t{022}, mode_t{077}, mode_t{027}}) {
    ::umask(mask);
    const std::string file = path(("mask" + std::to_string(mask) + ".bmp").c_str());
    save_image(file.c_str(), &image);
    const mode_t seen = ::umask(mask);
    EXPECT_EQ(seen, mask) << "saving changed the mask";
    ASSERT_TRUE(fs::exists(file)) << mask;
    const auto permissions = static_cast<mode_t>(fs::status(file).permissions());
    EXPECT_EQ(permissions, 0666 & ~mask) << "mask " << std::oct << mask;
  }
  ::umask(original);
}

TEST_F(ImageFiles, EmbeddedResourcesAreFoundByTypeAndName) {
  static const std::uint8_t bytes[] = {1, 2, 3};
  register_resource("PICTURE", "Logo", bytes);
  const auto found = find_resource("picture", "LOGO");
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(found->size(), 3u);
  EXPECT_FALSE(find_resource("picture", "logo2").has_value());
  EXPECT_FALSE(find_resource(nullptr, "logo").has_value());
  CanvasImage image(1, 1);
  load_image_resource(&image, "PICTURE", "Logo", 0, 0, true);  // not a picture: unchanged
  EXPECT_EQ(image.width(), 1);
}

TEST(RotateImage, ByZeroCopiesExactly) {
  CanvasImage source(7, 5);
  fill_pattern(source);
  source.pixels()[3] |= 0xAB000000;
  CanvasImage nearest;
  rotate_image(&nearest, &source, 0, 0x0000FF, false, false);
  ASSERT_EQ(nearest.width(), 7);
  for (int i = 0; i < 35; ++i) EXPECT_EQ(nearest.pixels()[i], source.pixels()[i]);
  CanvasImage smooth;
  rotate_image(&smooth, &source, 0, 0x0000FF, false, true);
  for (int i = 0; i < 35; ++i) EXPECT_EQ(smooth.pixels()[i], source.pixels()[i] & 0xFFFFFF);
}

TEST(RotateImage, QuarterTurnWithAutoSize) {
  CanvasImage source(40, 30);
  fill_pattern(source);
  CanvasImage turned;
  rotate_image(&turned, &source, std::numbers::pi / 2, 0, true, false);
  EXPECT_EQ(turned.width(), 30);
  EXPECT_EQ(turned.height(), 40);
  // Counter-clockwise on screen: the source's right column becomes the top row. The turn is about
  // the pixel grid's corner-based centre, so row 0 samples just beyond the source.
  EXPECT_EQ(turned.pixels()[1 * 30 + 0], source.pixels()[39]);
  EXPECT_EQ(turned.pixels()[39 * 30 + 29], source.pixels()[29 * 40 + 1]);
}

TEST(RotateImage, IntoItselfWorksFromACopy) {
  CanvasImage source(40, 30);
  fill_pattern(source);
  CanvasImage separate;
  rotate_image(&separate, &source, 0.3, 0xFF00FF, true, true);
  rotate_image(&source, &source, 0.3, 0xFF00FF, true, true);
  EXPECT_TRUE(same_pixels(source, separate));
}

// Nearest-pixel rotation as its rules put it, worked out plainly: the destination pixel (x, y)
// shows the source pixel at the truncation toward zero of the turned point plus one half.
std::vector<std::uint32_t> turned_by_the_rules(const CanvasImage& source, double angle,
                                               std::uint32_t background, bool auto_size,
                                               std::int32_t* width, std::int32_t* height,
                                               int* from_column_zero_left_of_it = nullptr) {
  const double cs = std::cos(-angle);
  const double sn = std::sin(-angle);
  const double w = source.width();
  const double h = source.height();
  *width = source.width();
  *height = source.height();
  if (auto_size) {
    *width = static_cast<std::int32_t>(
        std::max(std::abs(cs * w + sn * h), std::abs(cs * w - sn * h)) + 0.5);
    *height = static_cast<std::int32_t>(
        std::max(std::abs(-sn * w + cs * h), std::abs(-sn * w - cs * h)) + 0.5);
  }
  const double ox = 0.5 * w - 0.5 * *width * cs - 0.5 * *height * sn;
  const double oy = 0.5 * h + 0.5 * *width * sn - 0.5 * *height * cs;
  const std::uint32_t fill =
      ((background & 0xFF) << 16) | (background & 0xFF00FF00) | ((background >> 16) & 0xFF);
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(*width) * *height, fill);
  for (std::int32_t y = 0; y < *height; ++y) {
    for (std::int32_t x = 0; x < *width; ++x) {
      const double sx = x * cs + y * sn + ox;
      const double sy = -x * sn + y * cs + oy;
      const auto ix = static_cast<std::int64_t>(sx + 0.5);
      const auto iy = static_cast<std::int64_t>(sy + 0.5);
      if (ix < 0 || ix >= source.width() || iy < 0 || iy >= source.height()) continue;
      pixels[y * *width + x] = source.pixels()[iy * source.width() + ix];
      if (from_column_zero_left_of_it != nullptr && sx < -0.5) ++*from_column_zero_left_of_it;
    }
  }
  return pixels;
}

int pixels_unlike(const CanvasImage& image, const std::vector<std::uint32_t>& expected) {
  int unlike = 0;
  for (std::size_t i = 0; i < expected.size(); ++i) unlike += image.pixels()[i] != expected[i];
  return unlike;
}

TEST(RotateImage, NearestPixelsFollowTheRulesAtEveryAngle) {
  CanvasImage source(9, 6);
  fill_pattern(source);
  int left_of_the_source = 0;
  for (const double angle : {0.3, -0.7, std::numbers::pi / 4, 2.0, 3.5, -5.9}) {
    for (const bool auto_size : {false, true}) {
      std::int32_t width = 0;
      std::int32_t height = 0;
      const std::vector<std::uint32_t> expected = turned_by_the_rules(
          source, angle, 0x336699, auto_size, &width, &height, &left_of_the_source);
      CanvasImage turned;
      rotate_image(&turned, &source, angle, 0x336699, auto_size, false);
      ASSERT_EQ(turned.width(), width) << angle;
      ASSERT_EQ(turned.height(), height) << angle;
      EXPECT_EQ(pixels_unlike(turned, expected), 0) << "angle " << angle << ", auto " << auto_size;
    }
  }
  // Points up to half a pixel left of the source (-0.7 + 0.5 truncates to 0) show its column 0;
  // the angles above have such points.
  EXPECT_GT(left_of_the_source, 0);
}

// A grey background is written as whole words: the corners a turn uncovers read 0x00404040, not
// 0x40404040, in both modes.
TEST(RotateImage, AGreyBackgroundKeepsATopByteOfZero) {
  CanvasImage source(4, 4);
  for (int i = 0; i < 16; ++i) source.pixels()[i] = 0x00FFFFFF;
  for (const bool high_quality : {false, true}) {
    CanvasImage turned;
    rotate_image(&turned, &source, std::numbers::pi / 4, 0x404040, true, high_quality);
    ASSERT_GT(turned.width(), 4);
    EXPECT_EQ(turned.pixels()[0], 0x00404040u) << high_quality;
    EXPECT_EQ(turned.pixels()[turned.width() * turned.height() - 1], 0x00404040u) << high_quality;
    const std::int32_t centre = turned.height() / 2 * turned.width() + turned.width() / 2;
    EXPECT_EQ(turned.pixels()[centre], 0x00FFFFFFu) << high_quality;
  }
}

TEST(RotateImage, HostileArgumentsChangeNothingOrGiveTheRulesPicture) {
  CanvasImage source(4, 4);
  fill_pattern(source);
  CanvasImage target(2, 2);
  for (int i = 0; i < 4; ++i) target.pixels()[i] = 0x123456;
  const auto untouched = [&target] {
    return target.width() == 2 && target.height() == 2 &&
           std::all_of(target.pixels(), target.pixels() + 4,
                       [](std::uint32_t p) { return p == 0x123456; });
  };
  rotate_image(&target, nullptr, 1, 0, true, true);
  EXPECT_TRUE(untouched()) << "no source";
  CanvasImage empty;
  rotate_image(&target, &empty, 1, 0, true, true);
  EXPECT_TRUE(untouched()) << "an empty source";
  rotate_image(&target, &source, std::numeric_limits<double>::quiet_NaN(), 0, true, true);
  EXPECT_TRUE(untouched()) << "a NaN angle";
  rotate_image(&target, &source, std::numeric_limits<double>::infinity(), 0, true, false);
  EXPECT_TRUE(untouched()) << "an infinite angle";
  // A huge angle is still an angle: its cosine and sine turn the picture.
  std::int32_t width = 0;
  std::int32_t height = 0;
  const std::vector<std::uint32_t> expected =
      turned_by_the_rules(source, 1e300, 0, true, &width, &height);
  rotate_image(&target, &source, 1e300, 0, true, false);
  ASSERT_EQ(target.width(), width);
  ASSERT_EQ(target.height(), height);
  EXPECT_EQ(pixels_unlike(target, expected), 0);
}

TEST(ImageCopies, GetAndPutThroughTheWorkingTarget) {
  CanvasImage canvas(20, 20);
  fill_pattern(canvas);
  set_working_image(&canvas);
  CanvasImage piece;
  get_image(&piece, 5, 6, 4, 3);
  ASSERT_EQ(piece.width(), 4);
  EXPECT_EQ(piece.pixels()[0], canvas.pixels()[6 * 20 + 5] & 0xFFFFFF);
  EXPECT_EQ(piece.pixels()[11], canvas.pixels()[8 * 20 + 8] & 0xFFFFFF);
  put_image(0, 0, &piece, platform::rop3::kSrcCopy);
  EXPECT_EQ(canvas.pixels()[0] & 0xFFFFFF, piece.pixels()[0]);
  // Source XOR destination, from the piece's (1, 1) onto (10, 10), two by two.
  std::vector<std::uint32_t> before(canvas.pixels(), canvas.pixels() + 400);
  put_image_part(10, 10, 2, 2, &piece, 1, 1, platform::rop3::kSrcInvert);
  for (std::int32_t dy = 0; dy < 2; ++dy) {
    for (std::int32_t dx = 0; dx < 2; ++dx) {
      const std::int32_t at = (10 + dy) * 20 + 10 + dx;
      EXPECT_EQ(canvas.pixels()[at] & 0xFFFFFF,
                (before[at] ^ piece.pixels()[(1 + dy) * 4 + 1 + dx]) & 0xFFFFFF);
    }
  }
  EXPECT_EQ(canvas.pixels()[12 * 20 + 12], before[12 * 20 + 12]);
  // Positions and sizes beyond the surfaces copy only what overlaps.
  get_image(&piece, -10, -10, 15, 15);
  EXPECT_EQ(piece.width(), 15);
  EXPECT_EQ(piece.pixels()[14 * 15 + 14], canvas.pixels()[4 * 20 + 4] & 0xFFFFFF);
  EXPECT_EQ(piece.pixels()[10 * 15 + 10], canvas.pixels()[0] & 0xFFFFFF);
  before.assign(canvas.pixels(), canvas.pixels() + 400);
  put_image_part(18, 18, 100, 100, &piece, 0, 0, platform::rop3::kSrcCopy);
  for (std::int32_t y = 0; y < 20; ++y) {
    for (std::int32_t x = 0; x < 20; ++x) {
      const std::uint32_t want =
          x >= 18 && y >= 18 ? piece.pixels()[(y - 18) * 15 + x - 18] : before[y * 20 + x];
      EXPECT_EQ(canvas.pixels()[y * 20 + x] & 0xFFFFFF, want & 0xFFFFFF) << x << ", " << y;
    }
  }
  const std::vector<std::uint32_t> kept(piece.pixels(), piece.pixels() + 15 * 15);
  get_image(&piece, 0, 0, -4, 3);  // no pixels: the image stays as it was
  EXPECT_EQ(piece.width(), 15);
  EXPECT_EQ(piece.height(), 15);
  EXPECT_TRUE(std::equal(kept.begin(), kept.end(), piece.pixels()));
  // No window is open: the absent image is the window's canvas, which has no pixels.
  before.assign(canvas.pixels(), canvas.pixels() + 400);
  put_image(0, 0, nullptr, platform::rop3::kSrcCopy);
  EXPECT_TRUE(std::equal(before.begin(), before.end(), canvas.pixels()));
}

}  // namespace
}  // namespace kanvo

namespace kanvo {
namespace {

std::string run(const std::string& command) {
  std::string output;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char chunk[256];
    while (std::fgets(chunk, sizeof chunk, pipe) != nullptr) output += chunk;
    ::pclose(pipe);
  }
  return output;
}

// The same pixels as a plain PPM, which any decoder reads the same way.
void write_ppm(const std::string& path, const CanvasImage& image) {
  std::ofstream file(path, std::ios::binary);
  file << "P6\n" << image.width() << " " << image.height() << "\n255\n";
  for (std::int32_t i = 0; i < image.width() * image.height(); ++i) {
    const std::uint32_t p = image.pixels()[i];
    const char rgb[3] = {static_cast<char>(p >> 16), static_cast<char>(p >> 8),
                         static_cast<char>(p)};
    file.write(rgb, 3);
  }
}

TEST_F(ImageFiles, OtherDecodersReadTheSavedBitmapWithTheSamePixels) {
  KANVO_REQUIRE_TOOLS("identify", "compare");
  CanvasImage image(37, 19);
  fill_pattern(image);
  save_image(path("saved.bmp").c_str(), &image);
  write_ppm(path("expected.ppm"), image);
  EXPECT_EQ(run("identify -format '%m %w %h' " + path("saved.bmp")),
            "BMP3 37 19");  // version 3: the 40-byte information header
  // compare prints the number of differing pixels on standard error.
  EXPECT_EQ(
      run("compare -metric AE " + path("saved.bmp") + " " + path("expected.ppm") + " null: 2>&1"),
      "0");
}

}  // namespace
}  // namespace kanvo
