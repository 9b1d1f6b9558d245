#include <gtest/gtest.h>

#include "host/surface/raster/rop.h"

namespace kanvo::surface::raster {
namespace {

TEST(BinaryRasterOperations, EachCodeCombinesPenAndDestinationByItsName) {
  const std::uint32_t p = 0x00F0F0F0u;
  const std::uint32_t d = 0x00CCAA55u;
  EXPECT_EQ(Rop2(rop2::kBlack).apply(p, d), 0u);
  EXPECT_EQ(Rop2(rop2::kNotMergePen).apply(p, d), ~(p | d));
  EXPECT_EQ(Rop2(rop2::kMaskNotPen).apply(p, d), ~p & d);
  EXPECT_EQ(Rop2(rop2::kNotCopyPen).apply(p, d), ~p);
  EXPECT_EQ(Rop2(rop2::kMaskPenNot).apply(p, d), p & ~d);
  EXPECT_EQ(Rop2(rop2::kNot).apply(p, d), ~d);
  EXPECT_EQ(Rop2(rop2::kXorPen).apply(p, d), p ^ d);
  EXPECT_EQ(Rop2(rop2::kNotMaskPen).apply(p, d), ~(p & d));
  EXPECT_EQ(Rop2(rop2::kMaskPen).apply(p, d), p & d);
  EXPECT_EQ(Rop2(rop2::kNotXorPen).apply(p, d), ~(p ^ d));
  EXPECT_EQ(Rop2(rop2::kNop).apply(p, d), d);
  EXPECT_EQ(Rop2(rop2::kMergeNotPen).apply(p, d), ~p | d);
  EXPECT_EQ(Rop2(rop2::kCopyPen).apply(p, d), p);
  EXPECT_EQ(Rop2(rop2::kMergePenNot).apply(p, d), p | ~d);
  EXPECT_EQ(Rop2(rop2::kMergePen).apply(p, d), p | d);
  EXPECT_EQ(Rop2(rop2::kWhite).apply(p, d), 0xFFFFFFFFu);
}

TEST(BinaryRasterOperations, KnowWhichShowASecondCoat) {
  // Those that invert the destination for some pen bit.
  for (int code : {rop2::kNotMergePen, rop2::kMaskPenNot, rop2::kNot, rop2::kXorPen,
                   rop2::kNotMaskPen, rop2::kNotXorPen, rop2::kMergePenNot}) {
    EXPECT_FALSE(rop2_repeats_harmlessly(code)) << code;
  }
  for (int code : {rop2::kBlack, rop2::kMaskNotPen, rop2::kNotCopyPen, rop2::kMaskPen, rop2::kNop,
                   rop2::kMergeNotPen, rop2::kCopyPen, rop2::kMergePen, rop2::kWhite}) {
    EXPECT_TRUE(rop2_repeats_harmlessly(code)) << code;
  }
}

TEST(TernaryRasterOperations, NamedCodesGiveTheirFormulas) {
  const std::uint32_t p = 0x00F0F0F0u;
  const std::uint32_t s = 0x00CCCCCCu;
  const std::uint32_t d = 0x00AA55AAu;
  auto run = [&](std::uint32_t code) { return apply_rop3(rop3_table(code), p, s, d); };
  EXPECT_EQ(run(rop3::kSrcCopy), s);
  EXPECT_EQ(run(rop3::kSrcPaint), s | d);
  EXPECT_EQ(run(rop3::kSrcAnd), s & d);
  EXPECT_EQ(run(rop3::kSrcInvert), s ^ d);
  EXPECT_EQ(run(rop3::kSrcErase), s & ~d);
  EXPECT_EQ(run(rop3::kNotSrcCopy), ~s);
  EXPECT_EQ(run(rop3::kNotSrcErase), ~(s | d));
  EXPECT_EQ(run(rop3::kMergeCopy), p & s);
  EXPECT_EQ(run(rop3::kMergePaint), ~s | d);
  EXPECT_EQ(run(rop3::kPatCopy), p);
  EXPECT_EQ(run(rop3::kPatPaint), p | ~s | d);
  EXPECT_EQ(run(rop3::kPatInvert), p ^ d);
  EXPECT_EQ(run(rop3::kDstInvert), ~d);
  EXPECT_EQ(run(rop3::kBlackness), 0u);
  EXPECT_EQ(run(rop3::kWhiteness), 0xFFFFFFFFu);
}

TEST(TernaryRasterOperations, KnowWhichOperandsTheyRead) {
  EXPECT_TRUE(rop3_uses_source(rop3_table(rop3::kSrcCopy)));
  EXPECT_FALSE(rop3_uses_pattern(rop3_table(rop3::kSrcCopy)));
  EXPECT_FALSE(rop3_uses_dest(rop3_table(rop3::kSrcCopy)));
  EXPECT_FALSE(rop3_uses_source(rop3_table(rop3::kPatInvert)));
  EXPECT_TRUE(rop3_uses_dest(rop3_table(rop3::kPatInvert)));
  EXPECT_FALSE(rop3_uses_source(rop3_table(rop3::kBlackness)));
  EXPECT_TRUE(rop3_uses_pattern(rop3_table(rop3::kMergeCopy)));
}

}  // namespace
}  // namespace kanvo::surface::raster
