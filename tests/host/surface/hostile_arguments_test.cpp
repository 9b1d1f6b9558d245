// Arguments anywhere in their range: calls fail or draw what is visible, never touching memory
// outside the pixels (run these under the address sanitizer).
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "host/surface/surface.h"
#include "tests/host/surface/surface_fixture.h"

namespace kanvo::surface {
namespace {

using testing::SurfaceTest;

// The ends of the range, values far outside the 16 by 12 surface, and its edges.
constexpr std::int32_t kExtremes[] = {INT32_MIN, INT32_MIN + 1, -100000,  -1, 0, 1, 7, 12, 16,
                                      100000,    INT32_MAX - 1, INT32_MAX};

// A value brought into -100 to 100: beyond the 16 by 12 surface either way, so a shape whose
// edges are moved so covers the same pixels.
std::int32_t near(std::int32_t value) {
  return std::clamp(value, -100, 100);
}

class ExtremeCoordinates : public SurfaceTest {
 protected:
  // A starting picture in which every pixel differs from its neighbours.
  void paint_numbers() {
    for (std::int32_t i = 0; i < kWidth * kHeight; ++i) {
      pixels_[i] = 0x010203u * static_cast<PixelWord>(i + 1);
    }
  }
  std::vector<PixelWord> picture() const {
    return std::vector<PixelWord>(pixels_, pixels_ + kWidth * kHeight);
  }
  // The picture that `call` leaves from the numbered start.
  template <typename Call>
  std::vector<PixelWord> after(Call call) {
    paint_numbers();
    call();
    return picture();
  }
};

// Edges anywhere in the range cover what edges just outside the surface cover.
TEST_F(ExtremeCoordinates, ShapesCoverWhatTheirVisiblePartCovers) {
  const ObjectHandle brush = create_solid_brush(0x00FF00);
  int compared = 0;
  int differing = 0;
  for (std::int32_t a : kExtremes) {
    for (std::int32_t b : kExtremes) {
      const std::int32_t na = near(a);
      const std::int32_t nb = near(b);
      const auto same = [&](auto far_call, auto near_call) {
        ++compared;
        differing += after(far_call) != after(near_call);
      };
      same([&] { rectangle(dc_, a, b, b, a); }, [&] { rectangle(dc_, na, nb, nb, na); });
      same([&] { rectangle(dc_, a, a, b, b); }, [&] { rectangle(dc_, na, na, nb, nb); });
      same(
          [&] {
            fill_rect(dc_, {a, b, b, a}, brush);
          },
          [&] {
            fill_rect(dc_, {na, nb, nb, na}, brush);
          });
      same([&] { pat_blt(dc_, a, b, b, a, rop3::kPatInvert); },
           [&] { pat_blt(dc_, na, nb, nb, na, rop3::kPatInvert); });
      same([&] { set_pixel(dc_, a, b, 0xFF); }, [&] { set_pixel(dc_, na, nb, 0xFF); });
      same([&] { ext_flood_fill(dc_, a, b, 0, FloodFillType::border); },
           [&] { ext_flood_fill(dc_, na, nb, 0, FloodFillType::border); });
      // A copy onto itself changes nothing, however large.
      ++compared;
      differing +=
          after([&] { bit_blt(dc_, a, b, a, b, dc_, a, b, rop3::kSrcCopy); }) != after([] {});
    }
  }
  delete_object(brush);
  EXPECT_EQ(differing, 0) << "of " << compared << " calls";
}

TEST_F(ExtremeCoordinates, PixelsOutsideTheSurfaceAreNeitherReadNorWritten) {
  paint_numbers();
  const std::vector<PixelWord> start = picture();
  for (std::int32_t a : kExtremes) {
    for (std::int32_t b : kExtremes) {
      if (a >= 0 && a < kWidth && b >= 0 && b < kHeight) continue;
      EXPECT_EQ(get_pixel(dc_, a, b), kInvalidColor) << a << ", " << b;
      EXPECT_FALSE(set_pixel(dc_, a, b, 0xFF)) << a << ", " << b;
    }
  }
  EXPECT_EQ(picture(), start);
}

// The negation of a 32-bit value, wrapping as the machine does (INT32_MIN stays itself).
std::int32_t opposite(std::int32_t value) {
  return static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(value));
}

// A surface over memory of our own with guard words on both sides: a write past the pixels shows.
class GuardedSurface : public ::testing::Test {
 protected:
  static constexpr std::int32_t kWidth = 16;
  static constexpr std::int32_t kHeight = 12;
  static constexpr std::size_t kGuard = 4096;
  static constexpr PixelWord kGuardWord = 0x5A5A5A5A;

  void SetUp() override {
    memory_.assign(kGuard + kWidth * kHeight + kGuard, kGuardWord);
    dc_ = create_compatible_dc(kNoDc);
    bitmap_ = create_dib_section_over(memory_.data() + kGuard, kWidth, kHeight);
    ASSERT_NE(bitmap_, kNoObject);
    initial_bitmap_ = select_object(dc_, bitmap_);
    set_graphics_mode(dc_, GraphicsMode::advanced);
  }
  void TearDown() override {
    select_object(dc_, initial_bitmap_);
    delete_dc(dc_);
    delete_object(bitmap_);
  }
  int guard_words_changed() const {
    int changed = 0;
    for (std::size_t i = 0; i < kGuard; ++i) {
      changed += memory_[i] != kGuardWord;
      changed += memory_[memory_.size() - 1 - i] != kGuardWord;
    }
    return changed;
  }

  std::vector<PixelWord> memory_;
  DcHandle dc_ = kNoDc;
  ObjectHandle bitmap_ = kNoObject;
  ObjectHandle initial_bitmap_ = kNoObject;
};

TEST_F(GuardedSurface, HugeScalesAndOffsetsStayInsideThePixels) {
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
  EXPECT_EQ(guard_words_changed(), 0);
}

TEST_F(ExtremeCoordinates, ClipRegionsOutsideTheSurfaceOrEmptyKeepTheRestUntouched) {
  const ObjectHandle brush = create_solid_brush(0x123456);
  use_brush(brush);
  int outside_changed = 0;
  for (std::int32_t a : kExtremes) {
    for (std::int32_t b : kExtremes) {
      const ObjectHandle region = create_rect_region(a, b, b, a);
      paint_numbers();
      const std::vector<PixelWord> start = picture();
      select_clip_region(dc_, region);
      delete_object(region);
      rectangle(dc_, -5, -5, 50, 50);
      ext_flood_fill(dc_, 1, 1, 0x123456, FloodFillType::surface);
      // Only pixels inside the region's box may change.
      const std::int32_t left = std::min(a, b);
      const std::int32_t right = std::max(a, b);
      for (std::int32_t y = 0; y < kHeight; ++y) {
        for (std::int32_t x = 0; x < kWidth; ++x) {
          const bool in_region = x >= left && x < right && y >= left && y < right;
          if (!in_region) outside_changed += pixels_[y * kWidth + x] != start[y * kWidth + x];
        }
      }
    }
  }
  select_clip_region(dc_, kNoObject);
  EXPECT_EQ(outside_changed, 0);
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
