// Arguments anywhere in their range: calls fail or draw what is visible, never touching memory
// outside the pixels (run these under the address sanitizer).
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "host/surface/surface.h"
#include "tests/host/surface/surface_fixture.h"

namespace kanvo::surface {
namespace {

using testing::SurfaceTest;

constexpr std::int32_t kExtremes[] = {INT32_MIN, INT32_MIN + 1, -100000,       -1,       0, 1,
                                      7,         100000,        INT32_MAX - 1, INT32_MAX};

TEST_F(SurfaceTest, RectanglesAndFillsAcrossThe32BitRange) {
  const ObjectHandle brush = create_solid_brush(0x00FF00);
  for (std::int32_t a : kExtremes) {
    for (std::int32_t b : kExtremes) {
      rectangle(dc_, a, b, b, a);
      rectangle(dc_, a, a, b, b);
      fill_rect(dc_, {a, b, b, a}, brush);
      pat_blt(dc_, a, b, b, a, rop3::kPatInvert);
      pat_blt(dc_, a, b, a, b, rop3::kDstInvert);
      bit_blt(dc_, a, b, b, a, dc_, b, a, rop3::kSrcCopy);
      bit_blt(dc_, b, a, a, b, dc_, a, b, rop3::kSrcInvert);
      set_pixel(dc_, a, b, 0xFF);
      get_pixel(dc_, a, b);
      ext_flood_fill(dc_, a, b, 0, FloodFillType::border);
    }
  }
  delete_object(brush);
  SUCCEED();  // the sanitizers watch the memory accesses
}

// The negation of a 32-bit value, wrapping as the machine does (INT32_MIN stays itself).
std::int32_t opposite(std::int32_t value) {
  return static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(value));
}

TEST_F(SurfaceTest, HugeScalesAndOffsetsStayInsideThePixels) {
  const Transform transforms[] = {{1e30f, 0, 0, 1e30f, 0, 0},
                                  {-1e30f, 0, 0, 1e-30f, 1e30f, -1e30f},
                                  {3.5f, 0, 0, -2.25f, 2147483647.0f, -2147483648.0f},
                                  {0.001f, 0, 0, 0.001f, 5, 5}};
  for (const Transform& transform : transforms) {
    ASSERT_TRUE(set_world_transform(dc_, transform));
    for (std::int32_t a : kExtremes) {
      rectangle(dc_, a, opposite(a), a / 2, a / 3);
      pat_blt(dc_, a, a, a, opposite(a), rop3::kWhiteness);
      bit_blt(dc_, 0, 0, a, a, dc_, a, opposite(a), rop3::kSrcCopy);
      set_pixel(dc_, a, a, 0xFF);
    }
  }
  SUCCEED();
}

TEST_F(SurfaceTest, ClipRegionsOutsideTheSurfaceOrEmpty) {
  for (std::int32_t a : kExtremes) {
    for (std::int32_t b : kExtremes) {
      const ObjectHandle region = create_rect_region(a, b, b, a);
      select_clip_region(dc_, region);
      delete_object(region);
      rectangle(dc_, -5, -5, 50, 50);
      ext_flood_fill(dc_, 1, 1, 0x123456, FloodFillType::surface);
    }
  }
  SUCCEED();
}

TEST(HostileArguments, NullPointersAndBadSizes) {
  EXPECT_EQ(create_dib_section(0, 10, nullptr), kNoObject);
  PixelWord* bits = reinterpret_cast<PixelWord*>(1);
  EXPECT_EQ(create_dib_section(-5, 10, &bits), kNoObject);
  EXPECT_EQ(bits, nullptr);
  EXPECT_EQ(create_dib_section(INT32_MAX, INT32_MAX, &bits), kNoObject);
  EXPECT_EQ(create_dib_section(1 << 20, 1 << 20, &bits), kNoObject);
  EXPECT_EQ(create_dib_section_over(nullptr, 4, 4), kNoObject);
  EXPECT_EQ(create_bitmap(-1, 4, 1, 1, nullptr), kNoObject);
  EXPECT_EQ(create_bitmap(4, 4, 2, 1, nullptr), kNoObject);
  EXPECT_EQ(create_bitmap(4, 4, 1, 7, nullptr), kNoObject);
  EXPECT_FALSE(get_bitmap_info(kNoObject, nullptr));
  EXPECT_EQ(get_dib_bits(kNoDc, kNoObject, 0, 1, nullptr, nullptr), 0);

  const DcHandle dc = create_compatible_dc(kNoDc);
  EXPECT_FALSE(polyline(dc, nullptr, 5));
  EXPECT_FALSE(polygon(dc, nullptr, -1));
  EXPECT_FALSE(get_world_transform(dc, nullptr));
  EXPECT_FALSE(fill_rect(dc, {0, 0, 4, 4}, kNoObject));
  EXPECT_FALSE(fill_region(dc, kNoObject, get_stock_object(StockObject::black_brush)));
  EXPECT_EQ(get_clip_region(dc, kNoObject), -1);
  EXPECT_FALSE(get_region_box(kNoObject, nullptr));
  EXPECT_FALSE(get_font_description(get_stock_object(StockObject::system_font), nullptr));
  // Drawing into the 1 by 1 monochrome default bitmap does nothing and fails nothing.
  EXPECT_TRUE(rectangle(dc, 0, 0, 10, 10));
  EXPECT_EQ(get_pixel(dc, 0, 0), kInvalidColor);
  EXPECT_FALSE(bit_blt(dc, 0, 0, 4, 4, DcHandle{777}, 0, 0, rop3::kSrcCopy));
  delete_dc(dc);
}

TEST(HostileArguments, PensAndBrushesWithOddStyles) {
  LogBrush solid;
  const std::uint32_t dashes[16] = {1, 2, 3};
  EXPECT_EQ(create_pen(0x1234, 1, 0), kNoObject);
  EXPECT_EQ(create_pen(pen_style::kUserStyle, 1, 0), kNoObject);
  EXPECT_EQ(ext_create_pen(pen_style::kGeometric | pen_style::kUserStyle, 3, solid, 0, dashes),
            kNoObject);
  EXPECT_EQ(ext_create_pen(pen_style::kGeometric | pen_style::kUserStyle, 3, solid, 17, dashes),
            kNoObject);
  EXPECT_EQ(ext_create_pen(pen_style::kGeometric | pen_style::kUserStyle, 3, solid, 3, nullptr),
            kNoObject);
  EXPECT_EQ(ext_create_pen(pen_style::kGeometric | 0x300, 3, solid, 0, nullptr), kNoObject);
  EXPECT_EQ(ext_create_pen(pen_style::kGeometric | 0x3000, 3, solid, 0, nullptr), kNoObject);
  EXPECT_EQ(ext_create_pen(pen_style::kCosmetic, 5, solid, 0, nullptr), kNoObject);
  EXPECT_EQ(ext_create_pen(pen_style::kGeometric | pen_style::kAlternate, 1, solid, 0, nullptr),
            kNoObject);
  const ObjectHandle user =
      ext_create_pen(pen_style::kGeometric | pen_style::kUserStyle, 3, solid, 3, dashes);
  EXPECT_EQ(get_object_kind(user), ObjectKind::pen);
  delete_object(user);

  EXPECT_EQ(create_hatch_brush(static_cast<HatchStyle>(6), 0), kNoObject);
  EXPECT_EQ(create_hatch_brush(static_cast<HatchStyle>(-1), 0), kNoObject);
  EXPECT_EQ(create_pattern_brush(kNoObject), kNoObject);
  LogBrush odd;
  odd.style = static_cast<BrushStyle>(99);
  EXPECT_EQ(create_brush_indirect(odd), kNoObject);
  odd.style = BrushStyle::indexed;
  EXPECT_EQ(create_brush_indirect(odd), kNoObject);
  odd.style = BrushStyle::dib_pattern;
  odd.packed_dib = nullptr;
  EXPECT_EQ(create_brush_indirect(odd), kNoObject);
  BitmapInfoHeader huge;
  huge.width = 1 << 30;
  huge.height = 2;
  huge.bit_count = 32;
  odd.packed_dib = &huge;
  EXPECT_EQ(create_brush_indirect(odd), kNoObject);
}

}  // namespace
}  // namespace kanvo::surface
