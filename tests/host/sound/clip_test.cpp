#include "host/sound/clip.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
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

// A temporary file removed at the end of the test.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& bytes) {
    char name[] = "/tmp/kanvo-clip-XXXXXX";
    const int fd = mkstemp(name);
    path_ = name;
    if (fd >= 0) {
      (void)!write(fd, bytes.data(), bytes.size());
      close(fd);
    }
  }
  ~TemporaryFile() { unlink(path_.c_str()); }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

void append_le(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A PCM wave file of unsigned 8-bit samples.
std::string wave_file(int rate, int channels, const std::vector<std::uint8_t>& samples) {
  std::string wav = "RIFF";
  append_le(wav, static_cast<std::uint32_t>(36 + samples.size()), 4);
  wav += "WAVEfmt ";
  append_le(wav, 16, 4);
  append_le(wav, 1, 2);  // PCM
  append_le(wav, static_cast<std::uint32_t>(channels), 2);
  append_le(wav, static_cast<std::uint32_t>(rate), 4);
  append_le(wav, static_cast<std::uint32_t>(rate * channels), 4);
  append_le(wav, static_cast<std::uint32_t>(channels), 2);
  append_le(wav, 8, 2);
  wav += "data";
  append_le(wav, static_cast<std::uint32_t>(samples.size()), 4);
  wav.append(samples.begin(), samples.end());
  return wav;
}

TEST(LoadClip, OtherFormatsAreConvertedToSixteenKilohertzMono) {
  // One second of 8 kHz stereo, 8-bit: a square wave on the left, silence on the right.
  std::vector<std::uint8_t> samples;
  for (int i = 0; i < 8000; ++i) {
    samples.push_back((i / 20) % 2 ? 228 : 28);
    samples.push_back(128);
  }
  const TemporaryFile file(wave_file(8000, 2, samples));
  const auto clip = load_clip(file.path());
  ASSERT_NE(clip, nullptr);
  EXPECT_EQ(clip->name, file.path());
  EXPECT_NEAR(clip->seconds(), 1.0, 0.01);
  const auto loudest = std::max_element(clip->samples.begin(), clip->samples.end());
  EXPECT_GT(*loudest, 10000);  // the left channel comes through, halved by the downmix at most
}

TEST(LoadClip, MissingOrBrokenFilesGiveNothing) {
  EXPECT_EQ(load_clip("/nonexistent/kanvo.wav"), nullptr);
  EXPECT_EQ(load_clip(""), nullptr);
  const TemporaryFile not_a_wave("this is not a wave file at all, just some text");
  EXPECT_EQ(load_clip(not_a_wave.path()), nullptr);
  std::string truncated = wave_file(8000, 1, std::vector<std::uint8_t>(100, 128));
  truncated.resize(20);
  const TemporaryFile cut_short(truncated);
  EXPECT_EQ(load_clip(cut_short.path()), nullptr);
}

TEST(DefaultSound, AShortAudibleToneWithoutClicks) {
  const auto tone = default_sound();
  ASSERT_NE(tone, nullptr);
  EXPECT_EQ(tone, default_sound());  // made once
  EXPECT_GT(tone->seconds(), 0.05);
  EXPECT_LT(tone->seconds(), 0.5);
  const auto [quietest, loudest] = std::minmax_element(tone->samples.begin(), tone->samples.end());
  EXPECT_GT(*loudest, 5000);
  EXPECT_LT(*quietest, -5000);
  EXPECT_LT(std::abs(tone->samples.front()), 200);
  EXPECT_LT(std::abs(tone->samples.back()), 200);
}

}  // namespace
}  // namespace kanvo::sound
