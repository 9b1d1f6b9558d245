// Encoded pictures the decoder could not read safely: JPEG streams with Huffman tables of too many
// symbols or scans that decode with tables never defined are refused before it sees them; a PNG
// whose first data chunk is empty decodes as if the chunk were not there.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "graphics/files/bitmap_file.h"
#include "graphics/files/picture_decoder.h"
#include "tests/graphics/encoded_pictures.h"

namespace kanvo {
namespace {

using testing::blank_jpeg;
using testing::Bytes;
using testing::contents_of;

const std::string kData = std::string(KANVO_SOURCE_DIR) + "/tests/graphics/data/";

std::vector<std::uint8_t> jpeg_with_table(std::uint8_t symbols_of_length_16, bool after_scan) {
  std::vector<std::uint8_t> data = {0xFF, 0xD8};
  // Room for it all at once: growing from two bytes trips a false array-bounds warning at -O3.
  data.reserve(64 + 2 * 256);
  if (after_scan) {
    // A scan header, then entropy-coded data with a stuffed byte and a restart marker.
    data.insert(data.end(),
                {0xFF, 0xDA, 0x00, 0x04, 0x00, 0x00, 0x12, 0xFF, 0x00, 0x34, 0xFF, 0xD0, 0x56});
  }
  const std::size_t symbols = 255u + symbols_of_length_16;
  const std::size_t length = 2 + 17 + symbols;
  data.insert(data.end(), {0xFF, 0xC4, static_cast<std::uint8_t>(length >> 8),
                           static_cast<std::uint8_t>(length), 0x00});
  std::vector<std::uint8_t> counts(16, 0);
  counts[14] = 255;
  counts[15] = symbols_of_length_16;
  data.insert(data.end(), counts.begin(), counts.end());
  data.insert(data.end(), symbols, 0x01);
  data.insert(data.end(), {0xFF, 0xD9});
  return data;
}

TEST(JpegStreams, HuffmanTablesOfAtMost256SymbolsFit) {
  for (bool after_scan : {false, true}) {
    EXPECT_TRUE(jpeg_huffman_tables_usable(jpeg_with_table(1, after_scan))) << after_scan;
    EXPECT_FALSE(jpeg_huffman_tables_usable(jpeg_with_table(2, after_scan))) << after_scan;
  }
  // A segment whose length runs on past its one table: the decoder reads the bytes after it as
  // the next table, here one of 2 x 200 symbols.
  std::vector<std::uint8_t> overrun = {0xFF, 0xD8, 0xFF, 0xC4, 0x00, 2 + 18 + 17 + 2, 0x00, 1};
  overrun.insert(overrun.end(), 15, 0);
  overrun.push_back(0x07);  // the table's one symbol; the segment's own bytes end here
  overrun.insert(overrun.end(), {0x00, 200, 200});
  overrun.insert(overrun.end(), 14, 0);
  EXPECT_FALSE(jpeg_huffman_tables_usable(overrun));
  const std::vector<std::uint8_t> cut = {0xFF, 0xD8, 0xFF, 0xC4, 0x00};
  EXPECT_TRUE(
      jpeg_huffman_tables_usable(cut));  // too short to hold a table: the decoder refuses it
}

TEST(JpegStreams, MayStartWithFillBytesAndAreCheckedAllTheSame) {
  Bytes gradient = contents_of((kData + "gradient_96x48.jpg").c_str());
  Bytes oversized = contents_of((kData + "oversized_huffman_table.jpg").c_str());
  ASSERT_FALSE(gradient.empty());
  ASSERT_FALSE(oversized.empty());
  gradient.insert(gradient.begin(), 3, 0xFF);
  oversized.insert(oversized.begin(), 3, 0xFF);
  const std::optional<DecodedPicture> picture = decode_picture(gradient);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, 96);
  EXPECT_FALSE(jpeg_huffman_tables_usable(oversized));
  EXPECT_FALSE(decode_picture(oversized));
}

// Where the first segment with this marker starts, at its 0xFF; the data's size if there is none.
std::size_t segment_at(const Bytes& jpeg, std::uint8_t marker) {
  std::size_t at = 2;
  while (at + 4 <= jpeg.size() && jpeg[at] == 0xFF && jpeg[at + 1] != marker) {
    at += 2 + ((std::size_t{jpeg[at + 2]} << 8) | jpeg[at + 3]);
  }
  return at + 4 <= jpeg.size() && jpeg[at] == 0xFF ? at : jpeg.size();
}

void remove_segment(Bytes& jpeg, std::uint8_t marker) {
  const std::size_t at = segment_at(jpeg, marker);
  ASSERT_LT(at, jpeg.size());
  const std::size_t length = (std::size_t{jpeg[at + 2]} << 8) | jpeg[at + 3];
  jpeg.erase(jpeg.begin() + static_cast<std::ptrdiff_t>(at),
             jpeg.begin() + static_cast<std::ptrdiff_t>(at + 2 + length));
}

// Turns the stream progressive, its one scan into one of the given spectral selection and
// successive approximation.
void make_progressive(Bytes& jpeg, std::uint8_t start, std::uint8_t end, std::uint8_t bits) {
  const std::size_t frame = segment_at(jpeg, 0xC0);
  const std::size_t scan = segment_at(jpeg, 0xDA);
  ASSERT_LT(frame, jpeg.size());
  ASSERT_LT(scan, jpeg.size());
  jpeg[frame + 1] = 0xC2;
  const std::size_t after = scan + 5 + 2 * std::size_t{jpeg[scan + 4]};
  jpeg[after] = start;
  jpeg[after + 1] = end;
  jpeg[after + 2] = bits;
}

TEST(JpegStreams, ScansNeedTheTablesTheyDecodeWith) {
  const Bytes whole = blank_jpeg(16, 16);
  ASSERT_TRUE(jpeg_huffman_tables_usable(whole));
  ASSERT_TRUE(decode_picture(whole));
  // Without its tables a sequential scan would decode with whatever memory held.
  Bytes no_tables = whole;
  remove_segment(no_tables, 0xC4);
  EXPECT_FALSE(jpeg_huffman_tables_usable(no_tables));
  EXPECT_FALSE(decode_picture(no_tables));
  // Tables defined only after the scan come too late.
  Bytes late = whole;
  const std::size_t tables = segment_at(whole, 0xC4);
  const std::size_t length = (std::size_t{whole[tables + 2]} << 8) | whole[tables + 3];
  remove_segment(late, 0xC4);
  late.insert(late.end() - 2, whole.begin() + static_cast<std::ptrdiff_t>(tables),
              whole.begin() + static_cast<std::ptrdiff_t>(tables + 2 + length));
  EXPECT_FALSE(jpeg_huffman_tables_usable(late));
}

TEST(JpegStreams, ProgressiveScansNeedOnlyTheTablesTheyUse) {
  // A first DC scan reads DC tables only, a DC refinement none, any other scan AC tables only.
  struct Scan {
    std::uint8_t start, end, bits;
    bool uses_dc, uses_ac;
  };
  for (const Scan& scan : {Scan{0, 0, 0x00, true, false}, Scan{0, 0, 0x10, false, false},
                           Scan{1, 5, 0x00, false, true}, Scan{1, 63, 0x21, false, true}}) {
    Bytes jpeg = blank_jpeg(16, 16);
    make_progressive(jpeg, scan.start, scan.end, scan.bits);
    EXPECT_TRUE(jpeg_huffman_tables_usable(jpeg));
    Bytes without = jpeg;
    remove_segment(without, 0xC4);
    EXPECT_EQ(jpeg_huffman_tables_usable(without), !scan.uses_dc && !scan.uses_ac)
        << int{scan.start} << "-" << int{scan.end} << " " << int{scan.bits};
    decode_picture(jpeg);  // whatever it makes of it, it reads only what it has
  }
}

TEST(PngStreams, AnEmptyFirstDataChunkChangesNothing) {
  const Bytes png = contents_of((kData + "four_by_two.png").c_str());
  const std::optional<DecodedPicture> plain = decode_picture(png);
  ASSERT_TRUE(plain);
  const std::uint8_t data_type[] = {'I', 'D', 'A', 'T'};
  const auto first_data =
      std::search(png.begin(), png.end(), std::begin(data_type), std::end(data_type));
  ASSERT_NE(first_data, png.end());
  Bytes with_empty = png;
  const std::uint8_t empty_chunk[] = {0, 0, 0, 0, 'I', 'D', 'A', 'T', 0x35, 0xAF, 0x06, 0x1E};
  with_empty.insert(with_empty.begin() + (first_data - png.begin()) - 4, std::begin(empty_chunk),
                    std::end(empty_chunk));
  const std::optional<DecodedPicture> decoded = decode_picture(with_empty);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->pixels, plain->pixels);
}

TEST(PngStreams, ChunksMustLieWithinTheData) {
  const Bytes png = contents_of((kData + "four_by_two.png").c_str());
  ASSERT_TRUE(png_chunks_within_data(png));
  // Bytes after the end chunk are never read.
  Bytes trailing = png;
  trailing.insert(trailing.end(), {0xFF, 0xFF, 0xFF, 0xFF, 'I', 'D', 'A', 'T'});
  EXPECT_TRUE(png_chunks_within_data(trailing));
  EXPECT_TRUE(decode_picture(trailing));
  // A data chunk claiming a gigabyte in a file of a few dozen bytes: the decoder would grow its
  // buffer to the claim before finding the bytes missing.
  const std::uint8_t data_type[] = {'I', 'D', 'A', 'T'};
  const auto first_data =
      std::search(png.begin(), png.end(), std::begin(data_type), std::end(data_type));
  ASSERT_NE(first_data, png.end());
  Bytes claiming = png;
  const std::size_t length_at = static_cast<std::size_t>(first_data - png.begin()) - 4;
  claiming[length_at] = 0x40;
  EXPECT_FALSE(png_chunks_within_data(claiming));
  EXPECT_FALSE(decode_picture(claiming));
  // Cut inside a chunk, or before the end chunk.
  const Bytes cut(png.begin(), first_data + 6);
  EXPECT_FALSE(png_chunks_within_data(cut));
  EXPECT_FALSE(decode_picture(cut));
  const Bytes no_end(png.begin(), png.end() - 12);
  EXPECT_FALSE(png_chunks_within_data(no_end));
  EXPECT_FALSE(decode_picture(no_end));
}

}  // namespace
}  // namespace kanvo

namespace kanvo {
namespace {

std::vector<std::uint8_t> bytes_of(std::string_view text) {
  return {text.begin(), text.end()};
}

// One small picture in each format the decoder leaves out: refused before any byte reaches it
// (the number parser of PNM once overflowed on "P=zP666...").
TEST(RefusedFormats, PnmPsdHdrPicAndTgaAreNotDecoded) {
  using namespace std::string_view_literals;
  const std::vector<std::pair<const char*, std::vector<std::uint8_t>>> pictures = {
      {"PNM (P6)", bytes_of("P6\n1 1\n255\n\xFF\x00\x00"sv)},
      {"PNM (P5)", bytes_of("P5\n1 1\n255\n\x80"sv)},
      {"PNM that overflowed", bytes_of("P=zP666666666666666666666662"sv)},
      {"PSD", bytes_of("8BPS\x00\x01\x00\x00\x00\x00\x00\x00\x00\x03\x00\x00\x00\x01\x00\x00\x00"
                       "\x01\x00\x08\x00\x03\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
                       "\x00\x00\xFF\x00\x00"sv)},
      {"HDR", bytes_of("#?RADIANCE\nFORMAT=32-bit_rle_rgbe\n\n-Y 1 +X 1\n\x80\x80\x80\x81"sv)},
      {"TGA", bytes_of("\x00\x00\x02\x00\x00\x00\x00\x00\x00\x00\x00\x00\x01\x00\x01\x00\x18\x00"
                       "\x00\x00\xFF"sv)},
  };
  for (const auto& [name, encoded] : pictures) {
    EXPECT_FALSE(decode_picture(encoded).has_value()) << name;
  }
  // PIC: its magic, a header of 88 bytes in all, "PICT", a 1 by 1 size and one raw RGB packet.
  std::vector<std::uint8_t> pic = {0x53, 0x80, 0xF6, 0x34};
  pic.resize(88, 0);
  for (const std::uint8_t b : bytes_of("PICT\x00\x01\x00\x01\x00\x00\x80\x3F\x00\x03\x00\x00"
                                       "\x00\x08\x00\xE0\xFF\x00\x00"sv)) {
    pic.push_back(b);
  }
  EXPECT_FALSE(decode_picture(pic).has_value()) << "PIC";
  // What a user expects still decodes.
  EXPECT_TRUE(decode_picture(testing::blank_png(2, 2)).has_value());
  EXPECT_TRUE(decode_picture(testing::blank_jpeg(8, 8)).has_value());
  const std::uint32_t pixel = 0x00FF0000;
  EXPECT_TRUE(decode_picture(encode_bitmap_file(&pixel, 1, 1)).has_value());
}

}  // namespace
}  // namespace kanvo
