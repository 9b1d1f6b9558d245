// The drawing calls and pen and brush creation must not touch the heap once warmed up: every
// operator new of this test program is counted.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cstdlib>
#include <new>

#include "host/surface/surface.h"
#include "tests/host/surface/surface_fixture.h"

namespace {
std::atomic<long> g_allocations{0};

void* counted_allocation(std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
}  // namespace

void* operator new(std::size_t size) {
  return counted_allocation(size);
}
void* operator new[](std::size_t size) {
  return counted_allocation(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  return std::malloc(size == 0 ? 1 : size);
}
void operator delete(void* block) noexcept {
  std::free(block);
}
void operator delete[](void* block) noexcept {
  std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
  std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
  std::free(block);
}

namespace kanvo::surface {
namespace {

using testing::SurfaceTest;

// One round of what a drawing program does between frames.
void drawing_round(DcHandle dc, ObjectHandle fill_brush, int i) {
  LogBrush hollow;
  hollow.style = BrushStyle::null;
  LogBrush solid;
  solid.color = 0x00FF00;
  const std::uint32_t dashes[4] = {3, 1, 1, 1};
  const std::array<Point, 5> points = {{{1, 1}, {9, 2}, {6, 9}, {2, 7}, {1, 1}}};

  delete_object(select_object(dc, create_brush_indirect(hollow)));
  delete_object(select_object(dc, create_solid_brush(static_cast<Color>(i))));
  delete_object(select_object(dc, create_hatch_brush(HatchStyle::cross, 0xFF)));
  delete_object(select_object(dc, create_pen(pen_style::kSolid, 1, 0xFFFFFF)));
  delete_object(select_object(
      dc, ext_create_pen(pen_style::kGeometric | pen_style::kUserStyle, 3, solid, 4, dashes)));
  delete_object(select_object(
      dc, ext_create_pen(pen_style::kGeometric | pen_style::kEndCapFlat, 4, solid, 0, nullptr)));
  rectangle(dc, 1, 1, 12, 9);
  ellipse(dc, 2, 2, 6, 6);
  round_rect(dc, 0, 0, 10, 8, 3, 3);
  arc(dc, 0, 0, 10, 10, 10, 5, 0, 5);
  pie(dc, 0, 0, 10, 10, 10, 5, 0, 5);
  chord(dc, 0, 0, 10, 10, 10, 5, 0, 5);
  polygon(dc, points.data(), static_cast<std::int32_t>(points.size()));
  polyline(dc, points.data(), static_cast<std::int32_t>(points.size()));
  move_to(dc, 0, 0, nullptr);
  line_to(dc, 15, 11);
  set_pixel(dc, i % 16, 3, 0x123456);
  get_pixel(dc, 3, 3);
  fill_rect(dc, {2, 2, 8, 8}, fill_brush);
  pat_blt(dc, 0, 0, 8, 8, rop3::kPatInvert);
  bit_blt(dc, 4, 4, 8, 6, dc, 0, 0, rop3::kSrcInvert);
  bit_blt(dc, 1, 0, 8, 6, dc, 0, 0, rop3::kSrcCopy);
  ext_flood_fill(dc, 0, 11, 0xFFFFFF, FloodFillType::border);
  delete_object(select_object(dc, get_stock_object(StockObject::black_pen)));
}

TEST_F(SurfaceTest, DrawingAndObjectChurnDoNotAllocate) {
  const ObjectHandle fill_brush = create_solid_brush(0x0000FF);
  drawing_round(dc_, fill_brush, 0);  // scratch memory grows to its working size here
  const long before = g_allocations.load();
  for (int i = 1; i < 500; ++i) drawing_round(dc_, fill_brush, i);
  EXPECT_EQ(g_allocations.load() - before, 0);
  delete_object(fill_brush);
}

// The same with every pixel mirrored on a larger picture, as a window's beside its canvas.
TEST_F(SurfaceTest, DrawingMirroredOnAnotherPictureDoesNotAllocate) {
  PixelWord* mirror_pixels = nullptr;
  const ObjectHandle mirror_bitmap = create_dib_section(kWidth + 5, kHeight + 3, &mirror_pixels);
  const DcHandle mirror = create_compatible_dc(kNoDc);
  const ObjectHandle mirror_initial = select_object(mirror, mirror_bitmap);
  ASSERT_TRUE(mirror_drawing(dc_, mirror));
  const ObjectHandle fill_brush = create_solid_brush(0x0000FF);
  drawing_round(dc_, fill_brush, 0);
  const long before = g_allocations.load();
  for (int i = 1; i < 500; ++i) drawing_round(dc_, fill_brush, i);
  EXPECT_EQ(g_allocations.load() - before, 0);
  EXPECT_NE(mirror_pixels[3 * (kWidth + 5) + 3], 0u);  // the rounds reached the mirror
  mirror_drawing(dc_, kNoDc);
  delete_object(fill_brush);
  select_object(mirror, mirror_initial);
  delete_dc(mirror);
  delete_object(mirror_bitmap);
}

// Text in a font made once, its glyphs made by the first round.
void text_round(DcHandle dc, const LogFont& description, int i) {
  delete_object(select_object(dc, create_font_indirect(description)));
  set_bk_mode(dc, i % 2 == 0 ? 1 : 2);
  text_out(dc, i % 7 - 3, 1, "y=x^(1/2) \xC3\xDD\xBA\xAF\xCA\xFD");
  Size size;
  get_text_extent(dc, "\xC3\xDD\xBA\xAF\xCA\xFD", &size);
  Rect rect{0, 0, 12, 10};
  draw_text(dc, "a &b\tc \xC3\xDD\xBA\xAF\r\nd", &rect,
            text_format::kWordBreak | text_format::kExpandTabs | text_format::kCalcRect);
  draw_text(dc, "a &b\tc \xC3\xDD\xBA\xAF\r\nd", &rect,
            text_format::kWordBreak | text_format::kExpandTabs | text_format::kCenter);
  set_world_transform(dc, {2.0f, 0.0f, 0.0f, -1.0f, 0.0f, 10.0f});
  text_out(dc, 0, 0, "zoom \xC3\xDD");
  set_world_transform(dc, {});
}

TEST_F(SurfaceTest, TextDoesNotAllocateOnceItsFontAndGlyphsAreMade) {
  LogFont description;
  description.height = -11;
  description.weight = 700;
  description.underline = 1;
  description.quality = 4;
  const char face[] = "System";
  std::copy(std::begin(face), std::end(face), description.face_name.begin());
  text_round(dc_, description, 0);
  const long before = g_allocations.load();
  for (int i = 1; i < 300; ++i) text_round(dc_, description, i);
  EXPECT_EQ(g_allocations.load() - before, 0);
  delete_object(select_object(dc_, get_stock_object(StockObject::system_font)));
}

TEST(Allocation, TheCounterSeesAllocations) {
  const long before = g_allocations.load();
  auto* block = new int(3);
  delete block;
  EXPECT_EQ(g_allocations.load() - before, 1);
}

}  // namespace
}  // namespace kanvo::surface
