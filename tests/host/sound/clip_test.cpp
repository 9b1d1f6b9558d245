#include "host/sound/clip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace kanvo::sound {
namespace {

TEST(ClipFilePath, GbkWithBackslashesBecomesUtf8WithSlashes) {
  EXPECT_EQ(clip_file_path("\xD2\xF4\xC0\xD6\\the first quadrant..wav"),
            "音乐/the first quadrant..wav");
  // "乗" is 81 5C in GBK: its second byte is not a separator.
  EXPECT_EQ(clip_file_path("a\\\x81\x5C.wav"), "a/乗.wav");
  EXPECT_EQ(clip_file_path(""), "");
}

TEST(DefaultSound, AShortAudibleToneWithoutClicks) {
  const std::string& wave = default_sound_wave();
  EXPECT_EQ(&wave, &default_sound_wave());  // made once
  ASSERT_GT(wave.size(), 44u);
  EXPECT_EQ(wave.substr(0, 4), "RIFF");
  EXPECT_EQ(wave.substr(8, 8), "WAVEfmt ");
  std::vector<std::int16_t> samples((wave.size() - 44) / 2);
  std::memcpy(samples.data(), wave.data() + 44, samples.size() * 2);
  const double seconds = static_cast<double>(samples.size()) / 16000;
  EXPECT_GT(seconds, 0.05);
  EXPECT_LT(seconds, 0.5);
  const auto [quietest, loudest] = std::minmax_element(samples.begin(), samples.end());
  EXPECT_GT(*loudest, 5000);
  EXPECT_LT(*quietest, -5000);
  EXPECT_LT(std::abs(samples.front()), 200);
  EXPECT_LT(std::abs(samples.back()), 200);
}

}  // namespace
}  // namespace kanvo::sound
