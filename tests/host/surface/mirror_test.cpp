// Drawing mirrored onto a second picture: every call of every kind leaves on the mirror, inside the
// surface's area, exactly what it leaves on the surface, whatever the mirror's row length, and
// nothing beyond that area; a mirror that is too small or gone takes nothing.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "host/surface/surface.h"

namespace kanvo::surface {
namespace {

constexpr std::int32_t kWidth = 53;
constexpr std::int32_t kHeight = 31;
// The mirror's memory: longer rows and more of them, as a window's client pixels have.
constexpr std::int32_t kMirrorStride = 80;
constexpr std::int32_t kMirrorRows = 45;

// Every pixel different, so that a word written to a wrong place or combined with a wrong one
// shows.
PixelWord noise(std::int32_t x, std::int32_t y) {
  return static_cast<PixelWord>((x * 73856093u) ^ (y * 19349663u)) & 0x00FFFFFFu;
}

// A surface of kWidth x kHeight drawn on as the program would, and the mirror beside it.
class MirroredDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    dc_ = create_compatible_dc(kNoDc);
    bitmap_ = create_dib_section(kWidth, kHeight, &pixels_);
    ASSERT_NE(bitmap_, kNoObject);
    initial_bitmap_ = select_object(dc_, bitmap_);
    mirror_memory_.assign(static_cast<std::size_t>(kMirrorStride) * kMirrorRows, 0);
    mirror_dc_ = create_compatible_dc(kNoDc);
    mirror_bitmap_ = create_dib_section_over(mirror_memory_.data(), kMirrorStride, kMirrorRows);
    ASSERT_NE(mirror_bitmap_, kNoObject);
    mirror_initial_bitmap_ = select_object(mirror_dc_, mirror_bitmap_);
    for (std::int32_t y = 0; y < kMirrorRows; ++y) {
      for (std::int32_t x = 0; x < kMirrorStride; ++x) mirror_at(x, y) = noise(x, y);
    }
    for (std::int32_t y = 0; y < kHeight; ++y) {
      for (std::int32_t x = 0; x < kWidth; ++x) pixels_[y * kWidth + x] = noise(x, y);
    }
  }
  void TearDown() override {
    mirror_drawing(dc_, kNoDc);
    select_object(dc_, initial_bitmap_);
    delete_object(select_object(dc_, get_stock_object(StockObject::black_pen)));
    delete_object(select_object(dc_, get_stock_object(StockObject::white_brush)));
    delete_dc(dc_);
    delete_object(bitmap_);
    select_object(mirror_dc_, mirror_initial_bitmap_);
    delete_dc(mirror_dc_);
    delete_object(mirror_bitmap_);
  }

  PixelWord& mirror_at(std::int32_t x, std::int32_t y) {
    return mirror_memory_[static_cast<std::size_t>(y) * kMirrorStride + x];
  }
  // The mirror holds the surface's picture inside its area and its own noise outside.
  void expect_mirror_matches(const std::string& after) {
    int wrong = 0;
    for (std::int32_t y = 0; y < kMirrorRows; ++y) {
      for (std::int32_t x = 0; x < kMirrorStride; ++x) {
        const bool inside = x < kWidth && y < kHeight;
        const PixelWord expected = inside ? pixels_[y * kWidth + x] : noise(x, y);
        if (mirror_at(x, y) != expected && wrong++ < 3) {
          ADD_FAILURE() << "after " << after << ": mirror pixel " << x << "," << y << " is "
                        << std::hex << mirror_at(x, y) << ", not " << expected;
        }
      }
    }
    EXPECT_EQ(wrong, 0) << "after " << after;
  }

  DcHandle dc_ = kNoDc;
  ObjectHandle bitmap_ = kNoObject;
  ObjectHandle initial_bitmap_ = kNoObject;
  PixelWord* pixels_ = nullptr;
  std::vector<PixelWord> mirror_memory_;
  DcHandle mirror_dc_ = kNoDc;
  ObjectHandle mirror_bitmap_ = kNoObject;
  ObjectHandle mirror_initial_bitmap_ = kNoObject;
};

TEST_F(MirroredDrawing, EveryKindOfCallLeavesTheSamePixelsOnTheMirror) {
  ASSERT_TRUE(mirror_drawing(dc_, mirror_dc_));
  const Point zigzag[] = {{-5, 3}, {20, 28}, {31, 2}, {60, 20}, {12, 40}};
  const std::uint32_t user_dashes[] = {5, 2, 1, 3};
  const LogBrush green{BrushStyle::solid, 0x0000C000, HatchStyle::horizontal, kNoObject, nullptr};
  const ObjectHandle hatch = create_hatch_brush(HatchStyle::diagonal_cross, 0x00FF8040);
  const ObjectHandle region = create_rect_region(30, 4, 70, 19);
  // Each step sets what it needs and draws; many reach past the surface's edges.
  const std::vector<std::pair<std::string, std::function<void()>>> steps = {
      {"set_pixel", [&] { set_pixel(dc_, 7, 5, 0x00123456); }},
      {"thin lines in every direction",
       [&] {
         delete_object(select_object(dc_, create_pen(pen_style::kSolid, 0, 0x00FFFFFF)));
         move_to(dc_, 2, 2, nullptr);
         for (const Point& p : zigzag) line_to(dc_, p.x, p.y);
         line_to(dc_, 50, 2);
         line_to(dc_, 50, 30);
       }},
      {"an XOR polyline",
       [&] {
         set_rop2(dc_, rop2::kXorPen);
         polyline(dc_, zigzag, 5);
         set_rop2(dc_, rop2::kCopyPen);
       }},
      {"a wide dashed geometric pen",
       [&] {
         delete_object(
             select_object(dc_, ext_create_pen(pen_style::kGeometric | pen_style::kUserStyle |
                                                   pen_style::kEndCapSquare | pen_style::kJoinMiter,
                                               5, green, 4, user_dashes)));
         polyline(dc_, zigzag, 5);
       }},
      {"small ellipses, hollow and filled",
       [&] {
         delete_object(select_object(dc_, create_pen(pen_style::kSolid, 0, 0x000000FF)));
         const ObjectHandle held = select_object(dc_, get_stock_object(StockObject::null_brush));
         ellipse(dc_, 10, 10, 15, 15);
         select_object(dc_, held);
         ellipse(dc_, 20, 3, 27, 9);
       }},
      {"shapes with a hatch brush in opaque mode",
       [&] {
         set_bk_color(dc_, 0x00202020);
         delete_object(select_object(dc_, hatch));
         ellipse(dc_, 30, -4, 70, 25);
         round_rect(dc_, 2, 12, 28, 30, 9, 7);
         pie(dc_, 5, 5, 45, 35, 40, 0, 0, 30);
         chord(dc_, 35, 10, 60, 40, 60, 25, 35, 12);
         arc(dc_, 0, 0, 50, 30, 50, 0, 0, 0);
       }},
      {"polygon and rectangle under a merge",
       [&] {
         set_rop2(dc_, rop2::kMergePen);
         polygon(dc_, zigzag, 5);
         rectangle(dc_, 40, 20, 60, 40);
         set_rop2(dc_, rop2::kCopyPen);
       }},
      {"text, opaque and blended",
       [&] {
         set_text_color(dc_, 0x0000FFFF);
         text_out(dc_, 3, 4, "Mirror 42");
         set_bk_mode(dc_, static_cast<int>(BackgroundMode::transparent));
         Rect box{20, 15, 60, 31};
         draw_text(dc_, "on the edge", &box, 0);
       }},
      {"a pattern blit and a region fill",
       [&] {
         pat_blt(dc_, 40, -3, 20, 12, rop3::kPatInvert);
         fill_region(dc_, region, hatch);
       }},
      {"blits within the surface, overlapping",
       [&] {
         bit_blt(dc_, 5, 3, 30, 20, dc_, 0, 0, rop3::kSrcCopy);
         bit_blt(dc_, 0, 0, 40, 25, dc_, 8, 4, rop3::kSrcInvert);
       }},
      {"a flood fill",
       [&] { ext_flood_fill(dc_, 25, 20, get_pixel(dc_, 25, 20), FloodFillType::surface); }},
  };
  for (const auto& [name, step] : steps) {
    step();
    expect_mirror_matches(name);
  }
  delete_object(region);
}

TEST_F(MirroredDrawing, AMirrorSmallerThanTheSurfaceIsRefused) {
  PixelWord* small_pixels = nullptr;
  const ObjectHandle small = create_dib_section(kWidth - 1, kHeight, &small_pixels);
  const DcHandle small_dc = create_compatible_dc(kNoDc);
  const ObjectHandle initial = select_object(small_dc, small);
  EXPECT_FALSE(mirror_drawing(dc_, small_dc));
  EXPECT_FALSE(mirror_drawing(dc_, dc_));
  EXPECT_FALSE(mirror_drawing(dc_, DcHandle{12345}));
  set_pixel(dc_, 0, 0, 0x00FFFFFF);
  EXPECT_EQ(small_pixels[0], 0u);
  select_object(small_dc, initial);
  delete_dc(small_dc);
  delete_object(small);
}

TEST_F(MirroredDrawing, EndsWhenAskedOrWhenTheMirrorGoes) {
  ASSERT_TRUE(mirror_drawing(dc_, mirror_dc_));
  set_pixel(dc_, 1, 1, 0x00FFFFFF);
  EXPECT_EQ(mirror_at(1, 1), 0x00FFFFFFu);
  ASSERT_TRUE(mirror_drawing(dc_, kNoDc));
  set_pixel(dc_, 2, 1, 0x00FFFFFF);
  EXPECT_EQ(mirror_at(2, 1), noise(2, 1));

  // A mirror deleted while it is one takes nothing more, and drawing goes on.
  ASSERT_TRUE(mirror_drawing(dc_, mirror_dc_));
  select_object(mirror_dc_, mirror_initial_bitmap_);
  delete_dc(mirror_dc_);
  mirror_dc_ = create_compatible_dc(kNoDc);
  mirror_initial_bitmap_ = select_object(mirror_dc_, mirror_bitmap_);
  EXPECT_TRUE(set_pixel(dc_, 3, 1, 0x00FFFFFF));
  EXPECT_EQ(pixels_[kWidth + 3], 0x00FFFFFFu);
  EXPECT_EQ(mirror_at(3, 1), noise(3, 1));
}

// A mirror draws nothing of its own while it is one; when it ends, its hatch brush paints its
// gaps in the colour the surface's brush took up, as if it had drawn every call itself: here the
// colour of before a change that a new pen took for itself.
TEST_F(MirroredDrawing, TheMirrorsBrushEndsWhereTheSurfacesStands) {
  const ObjectHandle hatch = create_hatch_brush(HatchStyle::horizontal, 0x00FFFFFF);
  const ObjectHandle pen = create_pen(pen_style::kSolid, 0, 0x00000000);
  // The state goes to both, as the caller keeps it; the drawing to the surface only.
  auto on_both = [&](const std::function<void(DcHandle)>& change) {
    change(dc_);
    change(mirror_dc_);
  };
  on_both([&](DcHandle dc) { select_object(dc, hatch); });
  ASSERT_TRUE(mirror_drawing(dc_, mirror_dc_));
  on_both([](DcHandle dc) { set_bk_color(dc, 0x000000FF); });
  rectangle(dc_, 0, 0, 8, 8);  // the brush takes red up for its gaps
  on_both([](DcHandle dc) { set_bk_color(dc, 0x0000FF00); });
  on_both([&](DcHandle dc) { select_object(dc, pen); });
  ASSERT_TRUE(mirror_drawing(dc_, kNoDc));
  on_both([](DcHandle dc) { rectangle(dc, 10, 10, 18, 18); });
  int red = 0;
  for (std::int32_t y = 11; y < 17; ++y) {
    for (std::int32_t x = 11; x < 17; ++x) {
      EXPECT_EQ(mirror_at(x, y), pixels_[y * kWidth + x]) << x << "," << y;
      red += pixels_[y * kWidth + x] == 0x00FF0000u;
    }
  }
  EXPECT_GT(red, 0);
  on_both([](DcHandle dc) {
    select_object(dc, get_stock_object(StockObject::white_brush));
    select_object(dc, get_stock_object(StockObject::black_pen));
  });
  delete_object(hatch);
  delete_object(pen);
}

}  // namespace
}  // namespace kanvo::surface
