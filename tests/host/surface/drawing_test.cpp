#include <gtest/gtest.h>

#include <cstring>

#include "host/surface/surface.h"
#include "tests/host/surface/surface_fixture.h"

namespace kanvo::surface {
namespace {

using testing::SurfaceTest;

constexpr PixelWord kRed = 0x00FF0000u;  // pixel words
constexpr PixelWord kGreen = 0x0000FF00u;
constexpr PixelWord kWhite = 0x00FFFFFFu;

TEST_F(SurfaceTest, RectangleOutlineTakesTheFarCornerAndTheNullPenFillsOneLess) {
  use_pen(create_pen(pen_style::kSolid, 1, 0xFFFFFF));
  use_brush(create_solid_brush(0x0000FF));
  ASSERT_TRUE(rectangle(dc_, 5, 4, 1, 1));  // reversed corners are ordered
  EXPECT_EQ(at(1, 1), kWhite);
  EXPECT_EQ(at(5, 4), kWhite);
  EXPECT_EQ(at(2, 2), kRed);
  EXPECT_EQ(at(4, 3), kRed);
  EXPECT_EQ(count(kWhite) + count(kRed), 5 * 4);

  fill(0);
  use_pen(create_pen(pen_style::kNull, 1, 0));
  ASSERT_TRUE(rectangle(dc_, 1, 1, 5, 4));
  EXPECT_EQ(count(kRed), 4 * 3);
  EXPECT_EQ(at(4, 3), kRed);
  EXPECT_EQ(at(5, 4), 0u);
}

TEST_F(SurfaceTest, FillRectIgnoresTheRasterOperationAndCountsFromTheFirstCorner) {
  fill(kWhite);
  set_rop2(dc_, rop2::kXorPen);
  const ObjectHandle green = create_solid_brush(0x00FF00);
  ASSERT_TRUE(fill_rect(dc_, {6, 6, 2, 3}, green));  // right to left, bottom to top
  delete_object(green);
  EXPECT_EQ(count(kGreen), 4 * 3);
  EXPECT_EQ(at(3, 4), kGreen);
  EXPECT_EQ(at(6, 6), kGreen);
  EXPECT_EQ(at(2, 4), kWhite);
}

TEST_F(SurfaceTest, MonochromePatternsPaintZeroBitsInTheTextColour) {
  const std::uint8_t rows[4] = {0xA0, 0, 0x50, 0};  // 4 x 2, rows padded to 16 bits
  const ObjectHandle bitmap = create_bitmap(4, 2, 1, 1, rows);
  use_brush(create_pattern_brush(bitmap));
  delete_object(bitmap);  // the brush keeps its own copy
  set_text_color(dc_, 0x0000FF);
  set_bk_color(dc_, 0x00FF00);
  ASSERT_TRUE(pat_blt(dc_, 0, 0, 8, 2, rop3::kPatCopy));
  EXPECT_EQ(at(0, 0), kGreen);  // bit 1
  EXPECT_EQ(at(1, 0), kRed);    // bit 0
  EXPECT_EQ(at(4, 0), kGreen);  // the tile repeats
  EXPECT_EQ(at(0, 1), kRed);
  EXPECT_EQ(at(1, 1), kGreen);
}

TEST_F(SurfaceTest, HatchGapsAreLeftAloneInTransparentMode) {
  fill(0x00123456);
  use_brush(create_hatch_brush(HatchStyle::horizontal, 0xFFFFFF));
  set_bk_mode(dc_, static_cast<int>(BackgroundMode::transparent));
  ASSERT_TRUE(pat_blt(dc_, 0, 0, kWidth, kHeight, rop3::kPatCopy));
  EXPECT_EQ(at(5, 3), kWhite);
  EXPECT_EQ(at(5, 11), kWhite);
  EXPECT_EQ(at(5, 4), 0x00123456u);
  set_bk_mode(dc_, static_cast<int>(BackgroundMode::opaque));
  set_bk_color(dc_, 0x0000FF);
  set_brush_origin(dc_, 0, 1, nullptr);  // the lines move down with the origin
  ASSERT_TRUE(pat_blt(dc_, 0, 0, kWidth, kHeight, rop3::kPatCopy));
  EXPECT_EQ(at(5, 4), kWhite);
  EXPECT_EQ(at(5, 3), kRed);  // the gap takes the background colour
}

TEST_F(SurfaceTest, APenSelectedAfterTheBackgroundChangesLeavesTheBrushItsOldGaps) {
  use_brush(create_hatch_brush(HatchStyle::horizontal, 0xFFFFFF));
  ASSERT_TRUE(pat_blt(dc_, 0, 0, kWidth, kHeight, rop3::kPatCopy));
  EXPECT_EQ(at(5, 4), kWhite);  // gaps in the first background colour
  // A new colour, then a pen: the brush goes on with the gaps it had.
  set_bk_color(dc_, 0x0000FF);
  use_pen(create_pen(pen_style::kSolid, 1, 0));
  ASSERT_TRUE(pat_blt(dc_, 0, 0, kWidth, kHeight, rop3::kPatCopy));
  EXPECT_EQ(at(5, 4), kWhite);
  // A call that paints with the brush takes up a change before the pen comes, even one that
  // then paints nothing.
  set_bk_color(dc_, 0x00FF00);
  EXPECT_FALSE(ext_flood_fill(dc_, -1, -1, 0, FloodFillType::surface));
  use_pen(create_pen(pen_style::kSolid, 1, 0));
  ASSERT_TRUE(pat_blt(dc_, 0, 0, kWidth, kHeight, rop3::kPatCopy));
  EXPECT_EQ(at(5, 4), kGreen);
  // A brush selected after the pen takes up the colour in force.
  set_bk_color(dc_, 0x0000FF);
  use_pen(create_pen(pen_style::kSolid, 1, 0));
  use_brush(create_hatch_brush(HatchStyle::horizontal, 0xFFFFFF));
  ASSERT_TRUE(pat_blt(dc_, 0, 0, kWidth, kHeight, rop3::kPatCopy));
  EXPECT_EQ(at(5, 4), kRed);
  EXPECT_EQ(at(5, 3), kWhite);
}

TEST_F(SurfaceTest, OverlappingBlitsReadTheOldPixels) {
  for (std::int32_t x = 0; x < kWidth; ++x) pixels_[x] = static_cast<PixelWord>(x);
  ASSERT_TRUE(bit_blt(dc_, 2, 0, 10, 1, dc_, 0, 0, rop3::kSrcCopy));
  for (std::int32_t x = 2; x < 12; ++x) EXPECT_EQ(at(x, 0), static_cast<PixelWord>(x - 2));
  for (std::int32_t y = 0; y < kHeight; ++y) pixels_[y * kWidth] = static_cast<PixelWord>(y);
  ASSERT_TRUE(bit_blt(dc_, 0, 3, 1, 8, dc_, 0, 0, rop3::kSrcCopy));
  for (std::int32_t y = 3; y < 11; ++y) EXPECT_EQ(at(0, y), static_cast<PixelWord>(y - 3));
}

TEST_F(SurfaceTest, BlitsWithABackwardExtentMoveBothBoxesAndDoNotMirror) {
  for (std::int32_t x = 0; x < kWidth; ++x) pixels_[x] = static_cast<PixelWord>(x);
  // Three pixels back from x = 6 (the origin's column in, the far one out): 4..6 from 9..11, in
  // order.
  ASSERT_TRUE(bit_blt(dc_, 6, 0, -3, 1, dc_, 11, 0, rop3::kNotSrcCopy));
  EXPECT_EQ(at(3, 0), 3u);
  EXPECT_EQ(at(4, 0) & 0x00FFFFFFu, ~9u & 0x00FFFFFFu);
  EXPECT_EQ(at(5, 0) & 0x00FFFFFFu, ~10u & 0x00FFFFFFu);
  EXPECT_EQ(at(6, 0) & 0x00FFFFFFu, ~11u & 0x00FFFFFFu);
  EXPECT_EQ(at(7, 0), 7u);
  // Under a flipped mapping the source box flips as the destination's does: device rows 1..2
  // (logical 1 to 3 below the flip at y = 3) from device rows 4..5 (logical -2 to 0).
  for (std::int32_t y = 0; y < kHeight; ++y) pixels_[y * kWidth + 1] = static_cast<PixelWord>(y);
  set_world_transform(dc_, {1, 0, 0, -1, 0, 3});
  ASSERT_TRUE(bit_blt(dc_, 1, 1, 1, 2, dc_, 1, -2, rop3::kNotSrcCopy));
  EXPECT_EQ(at(1, 0), 0u);
  EXPECT_EQ(at(1, 1) & 0x00FFFFFFu, ~4u & 0x00FFFFFFu);
  EXPECT_EQ(at(1, 2) & 0x00FFFFFFu, ~5u & 0x00FFFFFFu);
  EXPECT_EQ(at(1, 3), 3u);
}

TEST_F(SurfaceTest, BlitsWhoseExtentsRoundApartTakeTheSourcePixelUnderEachCentre) {
  for (std::int32_t y = 0; y < kHeight; ++y) {
    for (std::int32_t x = 0; x < kWidth; ++x) pixels_[y * kWidth + x] = y * 16 + x;
  }
  // At half scale the destination 0..7 covers device pixels 0..3 (3.5 rounds up), the source
  // 9..16 covers 5..7 (4.5 rounds up to 5): four pixels from three, centres 0.375, 1.125, 1.875
  // and 2.625 source pixels in, so the middle source pixel comes twice.
  set_world_transform(dc_, {0.5f, 0, 0, 0.5f, 0, 0});
  ASSERT_TRUE(bit_blt(dc_, 0, 0, 7, 7, dc_, 9, 9, rop3::kSrcCopy));
  const std::uint32_t source[4] = {5, 6, 6, 7};
  for (std::int32_t y = 0; y < 4; ++y) {
    for (std::int32_t x = 0; x < 4; ++x) {
      EXPECT_EQ(at(x, y), source[y] * 16 + source[x]) << x << "," << y;
    }
  }
  EXPECT_EQ(at(4, 0), 4u);
  EXPECT_EQ(at(0, 4), 4u * 16);
}

TEST_F(SurfaceTest, AHollowBrushLaysNoPatternButABlitReadsItAsZero) {
  fill(kGreen);
  use_brush(create_brush_indirect(LogBrush{BrushStyle::null}));
  // NOT pattern would paint white from an all-zero pattern; with no pattern it paints nothing.
  ASSERT_TRUE(pat_blt(dc_, 0, 0, 4, 4, 0x000F0001u));
  EXPECT_EQ(count(kGreen), kWidth * kHeight);
  // 0xB8 gives S & D under a clear pattern and D | ~S under a set one: a black source pixel over
  // green reads the zero pattern and turns black.
  pixels_[0] = 0u;
  ASSERT_TRUE(bit_blt(dc_, 5, 0, 1, 1, dc_, 0, 0, 0x00B8074Au));
  EXPECT_EQ(at(5, 0), 0u);
}

TEST_F(SurfaceTest, BlitsBetweenContextsSkipSourcePixelsOutsideTheSource) {
  const DcHandle source = create_compatible_dc(dc_);
  PixelWord* source_pixels = nullptr;
  const ObjectHandle bitmap = create_dib_section(2, 2, &source_pixels);
  const ObjectHandle initial = select_object(source, bitmap);
  for (int i = 0; i < 4; ++i) source_pixels[i] = kRed;
  fill(kGreen);
  ASSERT_TRUE(bit_blt(dc_, 0, 0, 4, 4, source, -1, -1, rop3::kSrcCopy));
  EXPECT_EQ(at(0, 0), kGreen);
  EXPECT_EQ(at(1, 1), kRed);
  EXPECT_EQ(at(2, 2), kRed);
  EXPECT_EQ(at(3, 3), kGreen);
  EXPECT_EQ(count(kRed), 4);
  select_object(source, initial);
  delete_dc(source);
  delete_object(bitmap);
}

TEST_F(SurfaceTest, FloodFillStopsAtTheBorderAndStaysInTheClip) {
  use_pen(create_pen(pen_style::kSolid, 1, 0xFFFFFF));
  use_brush(create_brush_indirect(LogBrush{BrushStyle::null}));
  ASSERT_TRUE(rectangle(dc_, 2, 2, 8, 8));
  use_brush(create_solid_brush(0x0000FF));
  ASSERT_TRUE(ext_flood_fill(dc_, 4, 4, 0xFFFFFF, FloodFillType::border));
  EXPECT_EQ(count(kRed), 5 * 5);
  EXPECT_FALSE(ext_flood_fill(dc_, 2, 2, 0xFFFFFF, FloodFillType::border));  // on the border

  // Surface fill of the black outside, cut by a clip region.
  const ObjectHandle region = create_rect_region(0, 0, 10, 12);
  select_clip_region(dc_, region);
  delete_object(region);
  use_brush(create_solid_brush(0x00FF00));
  ASSERT_TRUE(ext_flood_fill(dc_, 0, 0, 0x000000, FloodFillType::surface));
  EXPECT_EQ(at(9, 11), kGreen);
  EXPECT_EQ(at(10, 0), 0u);
  EXPECT_EQ(at(4, 4), kRed);
  EXPECT_FALSE(ext_flood_fill(dc_, 12, 0, 0x000000, FloodFillType::surface));
}

TEST_F(SurfaceTest, FloodFillSeesTheTopByteThatInvertingLeaves) {
  // Column 3 is black as R2_NOT leaves white (top byte set), column 6 plain black: a fill up to
  // black runs over the first and stops at the second.
  fill(kGreen);
  for (std::int32_t y = 0; y < kHeight; ++y) {
    pixels_[y * kWidth + 3] = 0xFF000000u;
    pixels_[y * kWidth + 6] = 0u;
  }
  use_brush(create_solid_brush(0x0000FF));
  ASSERT_TRUE(ext_flood_fill(dc_, 0, 0, 0x000000, FloodFillType::border));
  EXPECT_EQ(at(3, 5), kRed);
  EXPECT_EQ(at(5, 5), kRed);
  EXPECT_EQ(at(6, 5), 0u);
  EXPECT_EQ(at(7, 5), kGreen);
  EXPECT_EQ(count(kRed), 6 * kHeight);
  // A fill of the black surface from column 6 takes that column alone.
  EXPECT_TRUE(ext_flood_fill(dc_, 6, 0, 0x000000, FloodFillType::surface));
  EXPECT_EQ(at(6, 5), kRed);
  EXPECT_EQ(count(kRed), 7 * kHeight);
}

TEST_F(SurfaceTest, FloodFillOfAWholeLargeSurfaceUsesNoRecursion) {
  const DcHandle dc = create_compatible_dc(kNoDc);
  PixelWord* pixels = nullptr;
  const ObjectHandle bitmap = create_dib_section(1500, 1500, &pixels);
  const ObjectHandle initial = select_object(dc, bitmap);
  // A comb of walls makes one long winding region.
  for (int x = 2; x < 1500; x += 2) {
    const int gap = (x / 2) % 2 == 0 ? 0 : 1499;
    for (int y = 0; y < 1500; ++y) pixels[y * 1500 + x] = y == gap ? 0 : kWhite;
  }
  ASSERT_TRUE(ext_flood_fill(dc, 0, 0, 0xFFFFFF, FloodFillType::border));
  EXPECT_EQ(pixels[1499 * 1500 + 1499], kWhite);  // the stock white brush
  EXPECT_EQ(pixels[1499 * 1500 + 1497], kWhite);
  EXPECT_EQ(pixels[700 * 1500 + 1], kWhite);
  select_object(dc, initial);
  delete_dc(dc);
  delete_object(bitmap);
}

TEST_F(SurfaceTest, DibBitsOfAMonochromeBitmapComeBackBottomUpAndPadded) {
  const std::uint8_t rows[4] = {0x80, 0, 0x40, 0};  // 2 x 2
  const ObjectHandle bitmap = create_bitmap(2, 2, 1, 1, rows);
  BitmapInfoHeader header;
  header.width = 2;
  header.height = 2;
  header.bit_count = 1;
  std::uint8_t out[8];
  std::memset(out, 0xEE, sizeof out);
  EXPECT_EQ(get_dib_bits(dc_, bitmap, 0, 2, out, &header), 2);
  EXPECT_EQ(header.size_image, 8u);
  EXPECT_EQ(out[0], 0x40);  // bottom row first
  EXPECT_EQ(out[4], 0x80);
  EXPECT_EQ(out[1], 0);
  header.bit_count = 32;
  header.height = -2;
  PixelWord words[4];
  EXPECT_EQ(get_dib_bits(dc_, bitmap, 0, 2, words, &header), 2);
  EXPECT_EQ(words[0], 0xFFFFFFu);
  EXPECT_EQ(words[1], 0u);
  EXPECT_EQ(words[3], 0xFFFFFFu);
  delete_object(bitmap);
}

}  // namespace
}  // namespace kanvo::surface
