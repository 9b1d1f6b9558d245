#include "host/text/font_lookup.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace kanvo::text {
namespace {

bool file_contains(const FaceFile& face, std::string_view part) {
  return face.path.find(part) != std::string::npos;
}

TEST(FontLookup, SystemAndUnknownFacesFallBackToTheCjkSansSerif) {
  for (const std::string_view name :
       {"System", "system", "No Such Face", "\xE5\xAE\x8B\xE4\xBD\x93"}) {
    const FaceFile face = find_face({.family = name});
    EXPECT_TRUE(face.substituted) << name;
    EXPECT_TRUE(file_contains(face, "wqy-microhei")) << name << ": " << face.path;
  }
  EXPECT_EQ(find_face({.family = "No Such Face"}), find_fallback_face(400, false));
}

TEST(FontLookup, InstalledFacesAndTheirMetricEquivalentsAreFound) {
  const FaceFile dejavu = find_face({.family = "DejaVu Sans"});
  EXPECT_FALSE(dejavu.substituted);
  EXPECT_TRUE(file_contains(dejavu, "DejaVuSans.ttf")) << dejavu.path;
  // Case and blanks do not matter.
  EXPECT_EQ(find_face({.family = "dejavusans"}), dejavu);
  // Arial is not installed, but its metric equivalent is (fonts-liberation2).
  const FaceFile arial = find_face({.family = "Arial"});
  EXPECT_FALSE(arial.substituted);
  EXPECT_TRUE(file_contains(arial, "LiberationSans")) << arial.path;
}

TEST(FontLookup, WeightAndSlantPickTheMatchingFile) {
  const FaceFile bold = find_face({.family = "DejaVu Sans", .weight = 700});
  EXPECT_TRUE(file_contains(bold, "Bold")) << bold.path;
  const FaceFile italic = find_face({.family = "DejaVu Serif", .italic = true});
  EXPECT_TRUE(file_contains(italic, "Italic")) << italic.path;
  // Out-of-range weights are taken as the nearest valid ones.
  EXPECT_EQ(find_face({.family = "DejaVu Sans", .weight = 0}),
            find_face({.family = "DejaVu Sans"}));
  EXPECT_EQ(find_face({.family = "DejaVu Sans", .weight = 5000}).path,
            find_face({.family = "DejaVu Sans", .weight = 1000}).path);
}

TEST(FontLookup, EmptyNamesChooseByPitchAndFamily) {
  EXPECT_TRUE(find_face({}).substituted);
  const FaceFile mono = find_face({.family = "", .pitch_and_family = 0x31});  // fixed pitch, modern
  EXPECT_FALSE(mono.substituted);
  EXPECT_TRUE(file_contains(mono, "Mono")) << mono.path;
  const FaceFile serif = find_face({.family = "", .pitch_and_family = 0x12});  // variable pitch, roman
  EXPECT_FALSE(serif.substituted);
  EXPECT_NE(serif.path, mono.path);
}

TEST(FontLookup, SafeFromSeveralThreads) {
  std::vector<std::thread> threads;
  std::vector<FaceFile> found(8);
  for (int i = 0; i < 8; ++i) {
    threads.emplace_back([&found, i] {
      for (int j = 0; j < 50; ++j) {
        found[i] =
            find_face({.family = j % 2 ? "Courier New" : "System", .weight = 100 * (j % 9 + 1)});
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (const FaceFile& face : found) EXPECT_FALSE(face.path.empty());
}

}  // namespace
}  // namespace kanvo::text
