#include <gtest/gtest.h>

#include <string>

#include "tools/gdi-replay/replay.h"
#include "tools/gdi-replay/script.h"

namespace kanvo::gdi_replay {
namespace {

std::string error_of(const std::string& text) {
  Script script;
  std::string error;
  EXPECT_FALSE(parse_script(text, script, error)) << text;
  return error;
}

TEST(GdiReplayScripts, ParsesEveryKindOfArgument) {
  Script script;
  std::string error;
  ASSERT_TRUE(
      parse_script("# comment\n\nsize 8 4   # trailing comment\n"
                   "brush pattern 2 2 0x2 1\n"
                   "upen 0x100 3 0xFFFFFF 2 4 1\n"
                   "polygon 2 -1 -2 0x10 4\n"
                   "xform 1.5 0 0 -1 0.5 230\n"
                   "xform identity\n"
                   "setpixel 0xFFFFFFFF -2147483648 4294967295\n",
                   script, error))
      << error;
  EXPECT_EQ(script.width, 8);
  EXPECT_EQ(script.height, 4);
  ASSERT_EQ(script.ops.size(), 6u);
  EXPECT_EQ(script.ops[0].name, "brush pattern");
  EXPECT_EQ(script.ops[0].ints, (std::vector<std::int64_t>{2, 2, 2, 1}));
  EXPECT_EQ(script.ops[1].ints.size(), 6u);
  EXPECT_EQ(script.ops[2].ints, (std::vector<std::int64_t>{2, -1, -2, 16, 4}));
  EXPECT_EQ(script.ops[3].floats, (std::vector<double>{1.5, 0, 0, -1, 0.5, 230}));
  EXPECT_EQ(script.ops[4].name, "xform identity");
  // 32-bit words: 0xFFFFFFFF and 4294967295 are -1.
  EXPECT_EQ(script.ops[5].ints, (std::vector<std::int64_t>{-1, INT32_MIN, -1}));
  EXPECT_EQ(script.ops[5].line, 9);
}

TEST(GdiReplayScripts, RefusesInvalidScriptsWithTheLineAndTheReason) {
  EXPECT_EQ(error_of("size 4 4\nfrobnicate 1 2\n"), "line 2: unknown op 'frobnicate'");
  EXPECT_EQ(error_of("size 4 4\nrect 1 2 3\n"), "line 2: 'rect' takes 4 arguments, got 3");
  EXPECT_EQ(error_of("size 4 4\nbrush plaid 1\n"), "line 2: unknown brush kind 'plaid'");
  EXPECT_EQ(error_of("size 4 4\nbrush pattern 8 2 1\n"),
            "line 2: 'brush pattern' takes 4 arguments, got 3");
  EXPECT_EQ(error_of("size 4 4\nupen 0 1 0 3 1 1\n"), "line 2: 'upen' takes 7 arguments, got 6");
  EXPECT_EQ(error_of("size 4 4\npolyline 2 0 0 1\n"),
            "line 2: 'polyline' takes 5 arguments, got 4");
  EXPECT_EQ(error_of("size 4 4\nxform 1 0 0 1 0\n"), "line 2: 'xform' takes 6 arguments, got 5");
  EXPECT_EQ(error_of("size 4 4\nmoveto 1 two\n"), "line 2: 'two' is not a 32-bit integer");
  EXPECT_EQ(error_of("size 4 4\nmoveto 1 0x1FFFFFFFF\n"),
            "line 2: '0x1FFFFFFFF' is not a 32-bit integer");
  EXPECT_EQ(error_of("rect 0 0 1 1\n"), "line 1: the first op must be 'size'");
  EXPECT_EQ(error_of("size 4 4\nsize 2 2\n"), "line 2: 'size' may only be the first op");
  EXPECT_EQ(error_of("size 0 4\n"), "line 1: 'size' needs two positive integers up to 16384");
  EXPECT_EQ(error_of("# nothing\n"), "line 1: no 'size' op");
  EXPECT_EQ(error_of("size 4 4\nbrush pattern 65 1 0\n"),
            "line 2: 'brush pattern' needs a width of 1 to 64 and a height of 1 to 256");
}

TEST(GdiReplayScripts, ReplaysThroughTheSurface) {
  Script script;
  std::string error;
  ASSERT_TRUE(
      parse_script("size 3 2\nfill 0x0000FF\nfillrect 1 0 3 1 0x00FF00\n"
                   "cpen 5 1 0\nbrush solid 0xFF0000\nrect 0 1 1 2\n",
                   script, error));
  const std::vector<std::uint32_t> pixels = replay(script);
  EXPECT_EQ(pixels, (std::vector<std::uint32_t>{0xFF0000, 0x00FF00, 0x00FF00,  //
                                                0x0000FF, 0xFF0000, 0xFF0000}));
}

// The reference's hash of a 117 x 126 surface filled with dark red, as its step file records it;
// the top byte of each word takes no part.
TEST(GdiReplayScripts, StepHashesMatchTheReferenceAndIgnoreTheTopByte) {
  std::vector<std::uint32_t> pixels(117 * 126, 0x00800000u);
  EXPECT_EQ(surface_hash(pixels.data(), pixels.size()), 0x1f45939cb39bef05ull);
  for (std::size_t i = 0; i < pixels.size(); i += 7) pixels[i] |= 0xFF000000u;
  EXPECT_EQ(surface_hash(pixels.data(), pixels.size()), 0x1f45939cb39bef05ull);
  pixels[5] ^= 1u;
  EXPECT_NE(surface_hash(pixels.data(), pixels.size()), 0x1f45939cb39bef05ull);
}

TEST(GdiReplayScripts, ObservesTheSurfaceAfterEveryOp) {
  Script script;
  std::string error;
  ASSERT_TRUE(parse_script("size 2 1\nfill 0x0000FF\n\nsetpixel 1 0 0x00FF00\n", script, error));
  std::vector<std::pair<int, std::vector<std::uint32_t>>> seen;
  replay(script, [&](const Op& op, const std::uint32_t* pixels, std::size_t count) {
    seen.emplace_back(op.line, std::vector<std::uint32_t>(pixels, pixels + count));
  });
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0], (std::pair<int, std::vector<std::uint32_t>>{2, {0xFF0000, 0xFF0000}}));
  EXPECT_EQ(seen[1], (std::pair<int, std::vector<std::uint32_t>>{4, {0xFF0000, 0x00FF00}}));
}

}  // namespace
}  // namespace kanvo::gdi_replay
