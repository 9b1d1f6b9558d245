#include "host/surface/raster/word_fill.h"

#include <gtest/gtest.h>

#include <vector>

namespace kanvo::surface::raster {
namespace {

// Every length and start that the blocks of four and the overlapping last block can meet: the
// run is written whole and not a word beside it.
TEST(WordFill, WritesExactlyTheRunAtEveryLengthAndStart) {
  constexpr PixelWord kBefore = 0x00123456u, kInk = 0x00ABCDEFu;
  for (std::int64_t start = 0; start < 4; ++start) {
    for (std::int64_t count = 0; count <= 37; ++count) {
      std::vector<PixelWord> row(48, kBefore);
      fill_words(row.data() + start, count, kInk);
      for (std::int64_t x = 0; x < static_cast<std::int64_t>(row.size()); ++x) {
        const bool inside = x >= start && x < start + count;
        ASSERT_EQ(row[static_cast<std::size_t>(x)], inside ? kInk : kBefore)
            << "start " << start << " count " << count << " x " << x;
      }
    }
  }
}

TEST(WordFill, NegativeCountWritesNothing) {
  std::vector<PixelWord> row(8, 7u);
  fill_words(row.data() + 4, -3, 9u);
  EXPECT_EQ(row, std::vector<PixelWord>(8, 7u));
}

}  // namespace
}  // namespace kanvo::surface::raster
