#include <gtest/gtest.h>

#include "host/surface/surface.h"
#include "tests/host/surface/surface_fixture.h"

namespace kanvo::surface {
namespace {

using testing::SurfaceTest;

TEST(ContextState, DefaultsOfANewMemoryContext) {
  const DcHandle dc = create_compatible_dc(kNoDc);
  EXPECT_EQ(get_graphics_mode(dc), GraphicsMode::compatible);
  EXPECT_EQ(get_text_color(dc), 0x000000u);
  EXPECT_EQ(get_bk_color(dc), 0xFFFFFFu);
  EXPECT_EQ(get_bk_mode(dc), static_cast<int>(BackgroundMode::opaque));
  EXPECT_EQ(get_rop2(dc), rop2::kCopyPen);
  EXPECT_EQ(get_poly_fill_mode(dc), static_cast<int>(PolyFillMode::alternate));
  Transform transform{2, 0, 0, 2, 1, 1};
  ASSERT_TRUE(get_world_transform(dc, &transform));
  EXPECT_EQ(transform, Transform{});
  Point position{5, 5};
  ASSERT_TRUE(get_current_position(dc, &position));
  EXPECT_EQ(position, (Point{0, 0}));
  const ObjectHandle region = create_rect_region(0, 0, 1, 1);
  EXPECT_EQ(get_clip_region(dc, region), 0);
  delete_object(region);
  delete_dc(dc);
}

TEST(ContextState, SettersHandBackTheOldValueAndRefuseBadOnes) {
  const DcHandle dc = create_compatible_dc(kNoDc);
  EXPECT_EQ(set_text_color(dc, 0x112233), 0u);
  EXPECT_EQ(get_text_color(dc), 0x112233u);
  EXPECT_EQ(set_bk_color(dc, 0x445566), 0xFFFFFFu);
  EXPECT_EQ(set_bk_mode(dc, 1), 2);
  EXPECT_EQ(set_bk_mode(dc, 3), 0);
  EXPECT_EQ(get_bk_mode(dc), 1);
  EXPECT_EQ(set_rop2(dc, rop2::kXorPen), rop2::kCopyPen);
  EXPECT_EQ(set_rop2(dc, 0), 0);
  EXPECT_EQ(set_rop2(dc, 17), 0);
  EXPECT_EQ(get_rop2(dc), rop2::kXorPen);
  EXPECT_EQ(set_poly_fill_mode(dc, 2), 1);
  EXPECT_EQ(set_poly_fill_mode(dc, 0), 0);
  EXPECT_EQ(get_poly_fill_mode(dc), 2);
  Point old;
  EXPECT_TRUE(set_brush_origin(dc, 3, 5, &old));
  EXPECT_EQ(old, (Point{0, 0}));
  EXPECT_TRUE(set_brush_origin(dc, -7, 9, &old));
  EXPECT_EQ(old, (Point{3, 5}));
  EXPECT_TRUE(move_to(dc, 10, 20, nullptr));
  EXPECT_TRUE(move_to(dc, -1, INT32_MIN, &old));
  EXPECT_EQ(old, (Point{10, 20}));
  delete_dc(dc);

  // Every call on a deleted context fails without effect.
  EXPECT_EQ(set_text_color(dc, 1), kInvalidColor);
  EXPECT_EQ(get_bk_color(dc), kInvalidColor);
  EXPECT_EQ(set_bk_mode(dc, 1), 0);
  EXPECT_EQ(set_rop2(dc, 1), 0);
  EXPECT_FALSE(set_brush_origin(dc, 0, 0, nullptr));
  EXPECT_FALSE(move_to(dc, 0, 0, nullptr));
  EXPECT_FALSE(get_current_position(dc, nullptr));
}

TEST(ContextState, WorldTransformNeedsTheAdvancedModeAndAnInvertibleMatrix) {
  const DcHandle dc = create_compatible_dc(kNoDc);
  const Transform flip{1, 0, 0, -1, 230, 230};
  EXPECT_FALSE(set_world_transform(dc, flip));  // compatible mode
  EXPECT_EQ(set_graphics_mode(dc, GraphicsMode::advanced), GraphicsMode::compatible);
  EXPECT_TRUE(set_world_transform(dc, flip));
  EXPECT_FALSE(set_world_transform(dc, Transform{0, 0, 0, 0, 1, 1}));
  EXPECT_FALSE(set_world_transform(dc, Transform{1, 2, 2, 4, 0, 0}));
  EXPECT_FALSE(set_world_transform(dc, Transform{1, 0, 0, 1, 1.0f / 0.0f, 0}));
  Transform now;
  ASSERT_TRUE(get_world_transform(dc, &now));
  EXPECT_EQ(now, flip);
  // Back to the compatible mode only after the identity transform.
  EXPECT_EQ(set_graphics_mode(dc, GraphicsMode::compatible), GraphicsMode{0});
  EXPECT_TRUE(set_world_transform(dc, Transform{}));
  EXPECT_EQ(set_graphics_mode(dc, GraphicsMode::compatible), GraphicsMode::advanced);
  EXPECT_EQ(set_graphics_mode(dc, static_cast<GraphicsMode>(7)), GraphicsMode{0});
  delete_dc(dc);
}

TEST_F(SurfaceTest, ColourReferencesBecomePixelWordsWithRedAndBlueExchanged) {
  ASSERT_TRUE(set_pixel(dc_, 2, 3, 0x00332211));
  EXPECT_EQ(at(2, 3), 0x00112233u);
  EXPECT_EQ(get_pixel(dc_, 2, 3), 0x00332211u);
}

TEST_F(SurfaceTest, AFlippedTransformWithOffsetsMovesPointsAsExpected) {
  ASSERT_TRUE(set_world_transform(dc_, Transform{1, 0, 0, -1, 5, 8}));
  ASSERT_TRUE(set_pixel(dc_, 3, 2, 0xFFFFFF));
  EXPECT_EQ(at(8, 6), 0xFFFFFFu);
  EXPECT_EQ(get_pixel(dc_, 3, 2), 0xFFFFFFu);
}

TEST(ContextState, TheQuizGraphTransformPutsLogicalTenTenAt240By220) {
  const DcHandle dc = create_compatible_dc(kNoDc);
  PixelWord* pixels = nullptr;
  const ObjectHandle bitmap = create_dib_section(460, 460, &pixels);
  const ObjectHandle initial = select_object(dc, bitmap);
  set_graphics_mode(dc, GraphicsMode::advanced);
  ASSERT_TRUE(set_world_transform(dc, Transform{1, 0, 0, -1, 230, 230}));
  ASSERT_TRUE(set_pixel(dc, 10, 10, 0x0000FF));
  EXPECT_EQ(pixels[220 * 460 + 240], 0x00FF0000u);
  select_object(dc, initial);
  delete_dc(dc);
  delete_object(bitmap);
}

TEST_F(SurfaceTest, GetPixelIsInvalidOutsideTheSurfaceAndTheClip) {
  EXPECT_EQ(get_pixel(dc_, -1, 0), kInvalidColor);
  EXPECT_EQ(get_pixel(dc_, kWidth, 0), kInvalidColor);
  EXPECT_EQ(get_pixel(dc_, 0, kHeight), kInvalidColor);
  EXPECT_EQ(get_pixel(dc_, INT32_MIN, INT32_MAX), kInvalidColor);
  const ObjectHandle region = create_rect_region(4, 4, 8, 8);
  ASSERT_TRUE(select_clip_region(dc_, region));
  delete_object(region);  // the context keeps its own copy
  EXPECT_EQ(get_pixel(dc_, 3, 4), kInvalidColor);
  EXPECT_EQ(get_pixel(dc_, 4, 4), 0u);
  EXPECT_EQ(get_pixel(dc_, 8, 7), kInvalidColor);
  EXPECT_FALSE(set_pixel(dc_, 3, 4, 0xFFFFFF));
  EXPECT_EQ(at(3, 4), 0u);
  const ObjectHandle copy = create_rect_region(0, 0, 0, 0);
  EXPECT_EQ(get_clip_region(dc_, copy), 1);
  Rect box;
  ASSERT_TRUE(get_region_box(copy, &box));
  EXPECT_EQ(box, (Rect{4, 4, 8, 8}));
  delete_object(copy);
  EXPECT_TRUE(select_clip_region(dc_, kNoObject));
  EXPECT_EQ(get_pixel(dc_, 3, 4), 0u);
}

// The box drawing may touch is the selected bitmap cut to the clip, whichever of them changed
// last: a stale box would let a drawing call write outside the smaller surface.
TEST_F(SurfaceTest, DrawableBoxFollowsTheBitmapAndTheClipWhicheverChangesLast) {
  PixelWord* large_pixels = nullptr;
  const ObjectHandle large = create_dib_section(32, 32, &large_pixels);
  ASSERT_NE(large, kNoObject);
  const ObjectHandle region = create_rect_region(4, 4, 24, 24);
  ASSERT_TRUE(select_clip_region(dc_, region));
  delete_object(region);
  EXPECT_EQ(get_pixel(dc_, 20, 10), kInvalidColor);  // beyond the 16 x 12 surface
  ASSERT_EQ(select_object(dc_, large), bitmap_);
  EXPECT_EQ(get_pixel(dc_, 20, 20), 0u);
  EXPECT_EQ(get_pixel(dc_, 26, 20), kInvalidColor);  // the clip still holds
  EXPECT_TRUE(select_clip_region(dc_, kNoObject));
  EXPECT_EQ(get_pixel(dc_, 26, 20), 0u);
  use_pen(create_pen(pen_style::kSolid, 1, 0x0000FF));
  ASSERT_TRUE(ellipse(dc_, 12, 8, 18, 14));  // wholly inside the large surface
  // The part of it that falls on the small surface.
  int painted_inside_small = 0;
  for (std::int32_t y = 0; y < kHeight; ++y) {
    for (std::int32_t x = 0; x < kWidth; ++x) painted_inside_small += large_pixels[y * 32 + x] != 0;
  }
  ASSERT_GT(painted_inside_small, 0);
  ASSERT_EQ(select_object(dc_, bitmap_), large);
  fill(0);
  ASSERT_TRUE(ellipse(dc_, 12, 8, 18, 14));   // partly outside this surface
  ASSERT_TRUE(ellipse(dc_, 20, 20, 24, 24));  // wholly outside it
  EXPECT_EQ(kWidth * kHeight - count(0), painted_inside_small);
  EXPECT_EQ(get_pixel(dc_, 26, 20), kInvalidColor);
  // A monochrome bitmap gives nothing to draw into.
  ASSERT_EQ(select_object(dc_, initial_bitmap_), bitmap_);
  EXPECT_EQ(get_pixel(dc_, 0, 0), kInvalidColor);
  ASSERT_EQ(select_object(dc_, bitmap_), initial_bitmap_);
  EXPECT_EQ(get_pixel(dc_, 0, 0), 0u);
  delete_object(large);
}

TEST_F(SurfaceTest, SharedPixelsCountDrawingCalls) {
  SharedPixels shared;
  const std::atomic<std::uint64_t>& changes = shared.changes;
  share_pixels(dc_, &shared);
  set_pixel(dc_, 1, 1, 0xFF);
  rectangle(dc_, 0, 0, 3, 3);
  pat_blt(dc_, 0, 0, 2, 2, rop3::kPatCopy);
  EXPECT_EQ(changes.load(), 3u);
  set_text_color(dc_, 0x10);  // state only
  EXPECT_EQ(changes.load(), 3u);
  share_pixels(dc_, nullptr);
  set_pixel(dc_, 1, 1, 0xFF);
  EXPECT_EQ(changes.load(), 3u);
}

}  // namespace
}  // namespace kanvo::surface
