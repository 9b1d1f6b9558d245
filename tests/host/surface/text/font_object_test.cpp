// Font objects keep the description they were created from.
#include <cstring>

#include "tests/host/surface/text/text_fixture.h"

namespace kanvo::surface::testing {
namespace {

LogFont read_back(ObjectHandle font) {
  LogFont description;
  description.height = 0x5A5A5A5A;  // overwritten by the call
  description.face_name.fill('Z');
  EXPECT_TRUE(get_font_description(font, &description));
  return description;
}

bool same_bytes(const LogFont& a, const LogFont& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(FontObject, TheDefaultFontReadsBackAsCreated) {
  const ObjectHandle font = create_font_indirect(default_font());
  ASSERT_NE(font, kNoObject);
  EXPECT_EQ(get_object_kind(font), ObjectKind::font);
  const LogFont description = read_back(font);
  EXPECT_EQ(description.height, 16);
  EXPECT_EQ(description.width, 0);
  EXPECT_EQ(description.weight, 0);
  EXPECT_EQ(description.char_set, 1);
  EXPECT_EQ(description.quality, 3);
  EXPECT_STREQ(description.face_name.data(), "System");
  EXPECT_TRUE(same_bytes(description, default_font()));
  EXPECT_TRUE(delete_object(font));
  EXPECT_FALSE(get_font_description(font, nullptr));
  LogFont after;
  EXPECT_FALSE(get_font_description(font, &after));
}

TEST(FontObject, EveryFieldIsKeptAsGiven) {
  LogFont odd;
  odd.height = -123456;
  odd.width = 77;
  odd.escapement = 900;
  odd.orientation = -450;
  odd.weight = 1234;
  odd.italic = 200;
  odd.underline = 1;
  odd.strike_out = 255;
  odd.char_set = 134;
  odd.out_precision = 9;
  odd.clip_precision = 8;
  odd.quality = 250;
  odd.pitch_and_family = 0x31;
  std::strcpy(odd.face_name.data(), "\xCB\xCE\xCC\xE5");  // 宋体
  const ObjectHandle font = create_font_indirect(odd);
  EXPECT_TRUE(same_bytes(read_back(font), odd));
  delete_object(font);
}

TEST(FontObject, FaceNamesOfThirtyOneCharactersAndLonger) {
  LogFont longest = default_font();
  const char* thirty_one = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcde";
  ASSERT_EQ(std::strlen(thirty_one), 31u);
  std::memcpy(longest.face_name.data(), thirty_one, 32);
  const ObjectHandle font = create_font_indirect(longest);
  EXPECT_STREQ(read_back(font).face_name.data(), thirty_one);
  delete_object(font);

  // 32 bytes without a terminating zero: the name is cut to 31, never read beyond the field.
  LogFont over_long = default_font();
  std::memset(over_long.face_name.data(), 'Q', 32);
  const ObjectHandle cut = create_font_indirect(over_long);
  ASSERT_NE(cut, kNoObject);
  EXPECT_EQ(std::string(read_back(cut).face_name.data()), std::string(31, 'Q'));
  delete_object(cut);
}

TEST(FontObject, TheStockSystemFontIsNeverDeleted) {
  const ObjectHandle stock = get_stock_object(StockObject::system_font);
  LogFont description = read_back(stock);
  EXPECT_STREQ(description.face_name.data(), "System");
  EXPECT_EQ(description.height, 16);
  EXPECT_EQ(description.quality, kNonAntialiasedQuality);
  delete_object(stock);
  EXPECT_TRUE(get_font_description(stock, &description));
}

TEST(FontObject, SelectingReturnsTheFontItReplaces) {
  const DcHandle dc = create_compatible_dc(kNoDc);
  const ObjectHandle stock = get_stock_object(StockObject::system_font);
  EXPECT_EQ(get_current_object(dc, ObjectKind::font), stock);
  const ObjectHandle font = create_font_indirect(font_description(20, "Arial"));
  EXPECT_EQ(select_object(dc, font), stock);
  EXPECT_EQ(get_current_object(dc, ObjectKind::font), font);
  // Deleting the selected font is deferred: it keeps measuring until replaced.
  EXPECT_TRUE(delete_object(font));
  Size size;
  EXPECT_TRUE(get_text_extent(dc, "x", &size));
  EXPECT_EQ(size.cy, 20);
  EXPECT_EQ(select_object(dc, stock), font);
  EXPECT_TRUE(get_text_extent(dc, "x", &size));
  EXPECT_EQ(size.cy, 16);
  delete_dc(dc);
}

TEST(FontObject, ManyCreationsAndDeletionsOfTheSameFont) {
  for (int i = 0; i < 2000; ++i) {
    const ObjectHandle font = create_font_indirect(font_description(12 + i % 3, "Arial"));
    ASSERT_NE(font, kNoObject);
    ASSERT_TRUE(delete_object(font));
  }
}

}  // namespace
}  // namespace kanvo::surface::testing
