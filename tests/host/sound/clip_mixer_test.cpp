#include "host/sound/clip_mixer.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace kanvo::sound {
namespace {

std::shared_ptr<const Clip> clip(std::string name, std::vector<std::int16_t> samples) {
  return std::make_shared<const Clip>(Clip{std::move(name), std::move(samples)});
}

std::vector<std::int16_t> render(ClipMixer& mixer, std::size_t count) {
  std::vector<std::int16_t> out(count, 777);
  mixer.render(out);
  return out;
}

using Samples = std::vector<std::int16_t>;

TEST(ClipMixer, SilentUntilAClipStarts) {
  ClipMixer mixer;
  EXPECT_EQ(render(mixer, 3), (Samples{0, 0, 0}));
  EXPECT_EQ(mixer.playing(), "");
}

TEST(ClipMixer, PlaysAClipAcrossBuffersThenFallsSilent) {
  ClipMixer mixer;
  mixer.start(clip("a", {1, 2, 3, 4, 5}));
  EXPECT_EQ(mixer.playing(), "a");
  EXPECT_EQ(render(mixer, 2), (Samples{1, 2}));
  EXPECT_EQ(render(mixer, 4), (Samples{3, 4, 5, 0}));
  EXPECT_EQ(mixer.playing(), "");
  EXPECT_EQ(render(mixer, 2), (Samples{0, 0}));
}

TEST(ClipMixer, ANewClipStopsTheOldOneAndStartsFromItsBeginning) {
  ClipMixer mixer;
  mixer.start(clip("a", {1, 2, 3, 4}));
  EXPECT_EQ(render(mixer, 2), (Samples{1, 2}));
  mixer.start(clip("b", {9, 8}));
  EXPECT_EQ(mixer.playing(), "b");
  EXPECT_EQ(render(mixer, 3), (Samples{9, 8, 0}));
  // The same clip again restarts it.
  const auto c = clip("c", {5, 6});
  mixer.start(c);
  EXPECT_EQ(render(mixer, 1), Samples{5});
  mixer.start(c);
  EXPECT_EQ(render(mixer, 2), (Samples{5, 6}));
}

TEST(ClipMixer, AnEmptyClipIsSilence) {
  ClipMixer mixer;
  mixer.start(clip("empty", {}));
  EXPECT_EQ(render(mixer, 2), (Samples{0, 0}));
  EXPECT_EQ(mixer.playing(), "");
}

}  // namespace
}  // namespace kanvo::sound
