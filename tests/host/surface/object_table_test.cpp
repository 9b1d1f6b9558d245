#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "host/surface/surface.h"
#include "tests/host/surface/surface_fixture.h"

namespace kanvo::surface {
namespace {

using testing::SurfaceTest;

TEST(ObjectHandles, NullStaleAndWrongKindAreRefused) {
  const ObjectHandle brush = create_solid_brush(0x123456);
  ASSERT_NE(brush, kNoObject);
  EXPECT_EQ(get_object_kind(brush), ObjectKind::brush);
  EXPECT_TRUE(delete_object(brush));
  EXPECT_EQ(get_object_kind(brush), ObjectKind::none);
  EXPECT_FALSE(delete_object(brush));  // stale
  EXPECT_FALSE(delete_object(kNoObject));
  EXPECT_FALSE(delete_object(ObjectHandle{0xFFFFFFFFu}));

  // The slot of the deleted brush is taken again: the old handle still refers to nothing.
  const ObjectHandle pen = create_pen(pen_style::kSolid, 1, 0);
  EXPECT_NE(pen, brush);
  EXPECT_EQ(get_object_kind(brush), ObjectKind::none);

  const DcHandle dc = create_compatible_dc(kNoDc);
  LogFont font;
  EXPECT_FALSE(get_font_description(pen, &font));  // a pen is no font
  Rect box;
  EXPECT_FALSE(get_region_box(pen, &box));
  // A context handle is not an object handle and the other way round.
  EXPECT_EQ(select_object(dc, ObjectHandle{static_cast<std::uint32_t>(dc)}), kNoObject);
  EXPECT_EQ(get_bk_mode(DcHandle{static_cast<std::uint32_t>(pen)}), 0);
  EXPECT_TRUE(delete_dc(dc));
  EXPECT_FALSE(delete_dc(dc));
  EXPECT_EQ(select_object(dc, pen), kNoObject);
  EXPECT_TRUE(delete_object(pen));
}

TEST(ObjectHandles, StockObjectsSurviveDeletion) {
  for (StockObject which :
       {StockObject::white_brush, StockObject::black_brush, StockObject::null_brush,
        StockObject::white_pen, StockObject::black_pen, StockObject::null_pen,
        StockObject::system_font, StockObject::default_palette}) {
    const ObjectHandle stock = get_stock_object(which);
    ASSERT_NE(stock, kNoObject);
    const ObjectKind kind = get_object_kind(stock);
    EXPECT_TRUE(delete_object(stock));
    EXPECT_EQ(get_object_kind(stock), kind);
    EXPECT_EQ(get_stock_object(which), stock);
  }
  EXPECT_EQ(get_object_kind(get_stock_object(StockObject::white_pen)), ObjectKind::pen);
  EXPECT_EQ(get_object_kind(get_stock_object(StockObject::system_font)), ObjectKind::font);
  EXPECT_EQ(get_stock_object(static_cast<StockObject>(99)), kNoObject);
}

TEST(ObjectHandles, NewContextHasTheDefaultObjects) {
  const DcHandle dc = create_compatible_dc(kNoDc);
  EXPECT_EQ(get_current_object(dc, ObjectKind::pen), get_stock_object(StockObject::black_pen));
  EXPECT_EQ(get_current_object(dc, ObjectKind::brush), get_stock_object(StockObject::white_brush));
  EXPECT_EQ(get_current_object(dc, ObjectKind::font), get_stock_object(StockObject::system_font));
  BitmapInfo info;
  ASSERT_TRUE(get_bitmap_info(get_current_object(dc, ObjectKind::bitmap), &info));
  EXPECT_EQ(info.width, 1);
  EXPECT_EQ(info.height, 1);
  EXPECT_EQ(info.bits_per_pixel, 1);
  EXPECT_EQ(create_compatible_dc(DcHandle{12345}), kNoDc);  // a bad reference context
  delete_dc(dc);
}

TEST_F(SurfaceTest, DeletingASelectedObjectWaitsUntilItIsReplaced) {
  const ObjectHandle red = create_solid_brush(0x0000FF);
  const DcHandle other = create_compatible_dc(kNoDc);
  select_object(dc_, red);
  select_object(other, red);
  EXPECT_TRUE(delete_object(red));
  // Still selected in both: it keeps painting and keeps its kind.
  EXPECT_EQ(get_object_kind(red), ObjectKind::brush);
  ASSERT_TRUE(rectangle(dc_, 0, 0, 4, 4));
  EXPECT_EQ(at(1, 1), 0xFF0000u);
  // A second deletion is refused, and nobody can select it any more.
  EXPECT_FALSE(delete_object(red));
  const DcHandle third = create_compatible_dc(kNoDc);
  EXPECT_EQ(select_object(third, red), kNoObject);

  EXPECT_EQ(select_object(dc_, get_stock_object(StockObject::white_brush)), red);
  EXPECT_EQ(get_object_kind(red), ObjectKind::brush);  // the other context still has it
  delete_dc(other);                                    // releases the last selection
  EXPECT_EQ(get_object_kind(red), ObjectKind::none);
  delete_dc(third);
}

TEST_F(SurfaceTest, SelectionHandsBackTheReplacedObject) {
  const ObjectHandle pen = create_pen(pen_style::kSolid, 1, 0xFFFFFF);
  const ObjectHandle brush = create_hatch_brush(HatchStyle::cross, 0);
  EXPECT_EQ(select_object(dc_, pen), get_stock_object(StockObject::black_pen));
  EXPECT_EQ(select_object(dc_, brush), get_stock_object(StockObject::white_brush));
  EXPECT_EQ(select_object(dc_, pen), pen);  // selecting it again changes nothing
  EXPECT_EQ(get_current_object(dc_, ObjectKind::pen), pen);
  const ObjectHandle region = create_rect_region(0, 0, 2, 2);
  EXPECT_EQ(select_object(dc_, region), kNoObject);  // regions go through the clip call
  EXPECT_EQ(get_current_object(dc_, ObjectKind::region), kNoObject);
  delete_object(region);
}

TEST_F(SurfaceTest, ABitmapDrawsForOneContextAtATime) {
  const DcHandle other = create_compatible_dc(kNoDc);
  EXPECT_EQ(select_object(other, bitmap_), kNoObject);
  PixelWord* pixels = nullptr;
  const ObjectHandle second = create_dib_section(4, 4, &pixels);
  const ObjectHandle original = select_object(other, second);
  EXPECT_NE(original, kNoObject);
  EXPECT_TRUE(delete_object(second));  // deferred: `other` still draws into it
  EXPECT_EQ(get_object_kind(second), ObjectKind::bitmap);
  EXPECT_EQ(select_object(other, original), second);
  EXPECT_EQ(get_object_kind(second), ObjectKind::none);
  delete_dc(other);
}

TEST(ObjectHandles, ManyThreadsCreateSelectAndDeleteSafely) {
  std::atomic<int> failures{0};
  auto work = [&failures] {
    const DcHandle dc = create_compatible_dc(kNoDc);
    for (int i = 0; i < 2000; ++i) {
      const ObjectHandle brush = create_solid_brush(static_cast<Color>(i));
      const ObjectHandle old = select_object(dc, brush);
      if (old == kNoObject) ++failures;
      delete_object(old);
      if (get_current_object(dc, ObjectKind::brush) != brush) ++failures;
    }
    delete_object(select_object(dc, get_stock_object(StockObject::white_brush)));
    delete_dc(dc);
  };
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) threads.emplace_back(work);
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(failures.load(), 0);
}

TEST(ObjectHandles, ContextsRacingForOneBitmapGetItOneAtATime) {
  PixelWord* pixels = nullptr;
  const ObjectHandle bitmap = create_dib_section(2, 2, &pixels);
  for (int round = 0; round < 200; ++round) {
    const DcHandle first = create_compatible_dc(kNoDc);
    const DcHandle second = create_compatible_dc(kNoDc);
    ObjectHandle got_first = kNoObject;
    ObjectHandle got_second = kNoObject;
    std::thread a([&] { got_first = select_object(first, bitmap); });
    std::thread b([&] { got_second = select_object(second, bitmap); });
    a.join();
    b.join();
    EXPECT_EQ((got_first != kNoObject) + (got_second != kNoObject), 1);
    delete_dc(first);  // deleting a context lets go of its bitmap
    delete_dc(second);
  }
  const DcHandle dc = create_compatible_dc(kNoDc);
  EXPECT_NE(select_object(dc, bitmap), kNoObject);
  delete_dc(dc);
  EXPECT_TRUE(delete_object(bitmap));
}

// Objects belong to the thread that made them only for bookkeeping: any thread may select, release
// and delete them, before or after their maker has ended.
TEST(ObjectsAcrossThreads, PinsTakenByAnEndedMakerAreReleasedElsewhere) {
  ObjectHandle brush = kNoObject;
  DcHandle dc = kNoDc;
  std::thread maker([&] {
    dc = create_compatible_dc(kNoDc);
    brush = create_solid_brush(0x123456);
    select_object(dc, brush);
  });
  maker.join();
  EXPECT_EQ(select_object(dc, get_stock_object(StockObject::white_brush)), brush);
  EXPECT_EQ(get_object_kind(brush), ObjectKind::brush);
  EXPECT_TRUE(delete_object(brush));
  EXPECT_EQ(get_object_kind(brush), ObjectKind::none);
  EXPECT_FALSE(delete_object(brush));
  EXPECT_TRUE(delete_dc(dc));
}

TEST(ObjectsAcrossThreads, DeletionByAnotherThreadWhileTheMakerLives) {
  std::mutex mutex;
  std::condition_variable changed;
  ObjectHandle brush = kNoObject;
  bool deleted = false;
  bool maker_could_select = true;
  std::thread maker([&] {
    const DcHandle dc = create_compatible_dc(kNoDc);
    {
      std::lock_guard lock(mutex);
      brush = create_solid_brush(0x00FF00);
    }
    changed.notify_all();
    std::unique_lock lock(mutex);
    changed.wait(lock, [&] { return deleted; });
    maker_could_select = select_object(dc, brush) != kNoObject;
    delete_dc(dc);
  });
  {
    std::unique_lock lock(mutex);
    changed.wait(lock, [&] { return brush != kNoObject; });
    EXPECT_TRUE(delete_object(brush));
    EXPECT_FALSE(delete_object(brush));  // deleted once only
    const DcHandle dc = create_compatible_dc(kNoDc);
    EXPECT_EQ(select_object(dc, brush), kNoObject);
    delete_dc(dc);
    deleted = true;
  }
  changed.notify_all();
  maker.join();
  EXPECT_FALSE(maker_could_select);
  EXPECT_EQ(get_object_kind(brush), ObjectKind::none);
}

// Makers keep each brush selected while users on other threads select, release and delete it, so
// pins are taken and released on both sides of every object and deletions wait for the maker.
TEST(ObjectsAcrossThreads, TradedObjectsAreFreedOnceEveryPinIsGone) {
  constexpr int kPerMaker = 1500;
  std::mutex mutex;
  std::deque<ObjectHandle> handed_over;
  std::vector<ObjectHandle> all;
  std::atomic<int> makers_left{2};
  std::atomic<int> failures{0};
  auto make = [&](Color base) {
    const DcHandle dc = create_compatible_dc(kNoDc);
    for (int i = 0; i < kPerMaker; ++i) {
      const ObjectHandle brush = create_solid_brush(base + static_cast<Color>(i));
      if (select_object(dc, brush) == kNoObject) ++failures;
      std::lock_guard lock(mutex);
      handed_over.push_back(brush);
      all.push_back(brush);
    }
    select_object(dc, get_stock_object(StockObject::white_brush));
    delete_dc(dc);
    --makers_left;
  };
  auto use = [&] {
    const DcHandle dc = create_compatible_dc(kNoDc);
    for (;;) {
      ObjectHandle brush = kNoObject;
      {
        std::lock_guard lock(mutex);
        if (!handed_over.empty()) {
          brush = handed_over.front();
          handed_over.pop_front();
        } else if (makers_left.load() == 0) {
          break;
        }
      }
      if (brush == kNoObject) {
        std::this_thread::yield();
        continue;
      }
      if (select_object(dc, brush) == kNoObject) ++failures;
      if (select_object(dc, get_stock_object(StockObject::black_brush)) != brush) ++failures;
      if (!delete_object(brush)) ++failures;
    }
    delete_dc(dc);
  };
  std::vector<std::thread> threads;
  threads.emplace_back(make, 0x100000);
  threads.emplace_back(make, 0x200000);
  threads.emplace_back(use);
  threads.emplace_back(use);
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(failures.load(), 0);
  ASSERT_EQ(all.size(), 2u * kPerMaker);
  int still_alive = 0;
  for (ObjectHandle brush : all) still_alive += get_object_kind(brush) != ObjectKind::none;
  EXPECT_EQ(still_alive, 0);
}

TEST(ObjectHandles, ThousandsOfLiveObjectsEachKeepTheirOwnHandle) {
  std::vector<ObjectHandle> brushes;
  for (int i = 0; i < 5000; ++i) brushes.push_back(create_solid_brush(static_cast<Color>(i)));
  const DcHandle dc = create_compatible_dc(kNoDc);
  PixelWord* pixels = nullptr;
  const ObjectHandle bitmap = create_dib_section(1, 1, &pixels);
  const ObjectHandle initial = select_object(dc, bitmap);
  set_graphics_mode(dc, GraphicsMode::advanced);
  select_object(dc, get_stock_object(StockObject::null_pen));
  for (int i = 0; i < 5000; i += 499) {
    ASSERT_NE(select_object(dc, brushes[i]), kNoObject);
    rectangle(dc, 0, 0, 1, 1);
    EXPECT_EQ(*pixels, swap_red_blue(static_cast<Color>(i)));
  }
  select_object(dc, get_stock_object(StockObject::white_brush));
  for (ObjectHandle brush : brushes) EXPECT_TRUE(delete_object(brush));
  select_object(dc, initial);
  delete_dc(dc);
  delete_object(bitmap);
}

}  // namespace
}  // namespace kanvo::surface
