#include "host/sound/sound_player.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <string>

#include "tests/host/sound/sound_output.h"
#include "tests/support/eventually.h"

namespace kanvo::sound {
namespace {

using testing::OutputRecorder;
using testing::strongest_piece;
using testing::strongest_tone;
using testing::tone_amplitude;

// The player works in the background: wait (up to a generous limit) for what it reports.
constexpr std::chrono::seconds kPatience(10);
// The data files: 0.3 s of 440 Hz (the clip) and 0.15 s of 1000 Hz (the effect), mono, made
// from generated tones with oggenc and lame.
const std::string kData = KANVO_SOUND_DATA;
constexpr double kClipSeconds = 0.3;
constexpr double kHeard = 2000.0;  // amplitude of a tone that is there (the files' is ~13000)
constexpr double kAbsent = 300.0;

bool eventually_playing(const SoundPlayer& player, const std::string& name) {
  return kanvo::testing::eventually([&] { return player.playing() == name; }, kPatience);
}

bool eventually_idle(const SoundPlayer& player) {
  return kanvo::testing::eventually([&] { return player.idle(); }, kPatience);
}

bool eventually_recorded(const OutputRecorder& output, double seconds) {
  return kanvo::testing::eventually([&] { return output.seconds() >= seconds; }, kPatience);
}

// A 16-bit mono wave file of a tone, removed at the end of the test.
class ToneFile {
 public:
  ToneFile(double frequency, double seconds) {
    char name[] = "/tmp/kanvo-tone-XXXXXX";
    const int fd = mkstemp(name);
    if (fd >= 0) close(fd);
    path_ = std::string(name);
    constexpr int kRate = 22050;
    const auto frames = static_cast<std::uint32_t>(kRate * seconds);
    std::string wav = "RIFF";
    append(wav, 36 + frames * 2, 4);
    wav += "WAVEfmt ";
    append(wav, 16, 4);
    append(wav, 1, 2);
    append(wav, 1, 2);
    append(wav, kRate, 4);
    append(wav, kRate * 2, 4);
    append(wav, 2, 2);
    append(wav, 16, 2);
    wav += "data";
    append(wav, frames * 2, 4);
    for (std::uint32_t i = 0; i < frames; ++i) {
      const double sample = 13000.0 * std::sin(2.0 * std::numbers::pi * frequency * i / kRate);
      append(wav, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(sample))), 2);
    }
    std::ofstream(path_, std::ios::binary) << wav;
  }
  ~ToneFile() { unlink(path_.c_str()); }
  const std::string& path() const { return path_; }

 private:
  static void append(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  }
  std::string path_;
};

// The tests run with SDL's dummy audio driver, a device that plays in real time into nothing;
// the output tap sees what it is fed.
TEST(SoundPlayer, PlaysTheClipAndANewClipReplacesIt) {
  SoundPlayer player;
  player.play_clip("音乐/the 1st, 3rd quadrant and passes through the origin.wav");
  EXPECT_TRUE(
      eventually_playing(player, "音乐/the 1st, 3rd quadrant and passes through the origin.wav"));
  player.play_clip("音乐/the first quadrant..wav");
  EXPECT_TRUE(eventually_playing(player, "音乐/the first quadrant..wav"));
  player.stop_clip();
  EXPECT_TRUE(eventually_playing(player, ""));
}

TEST(SoundPlayer, EachFormatIsHeard) {
  const ToneFile wave(440.0, kClipSeconds);
  for (const std::string& file : {wave.path(), kData + "/clip_440.ogg", kData + "/clip_440.mp3"}) {
    SCOPED_TRACE(file);
    SoundPlayer player;
    OutputRecorder output(player);
    const double asked = output.seconds();
    player.play_clip(file);
    ASSERT_TRUE(eventually_playing(player, file));
    // Played once: silent after its end.
    ASSERT_TRUE(eventually_playing(player, ""));
    const double end = output.seconds();
    ASSERT_TRUE(eventually_recorded(output, end + 0.2));
    EXPECT_GT(strongest_tone(output, asked, end, 440.0), kHeard);
    EXPECT_LT(strongest_tone(output, asked, end, 1000.0), kAbsent);
    EXPECT_EQ(testing::loudest(output.window(end + 0.05, 0.1)), 0);
  }
}

TEST(SoundPlayer, ALoopingClipGoesOnAndEffectsMixOverIt) {
  SoundPlayer player;
  OutputRecorder output(player);
  player.play_clip(kData + "/clip_440.ogg", true);
  ASSERT_TRUE(eventually_playing(player, kData + "/clip_440.ogg"));
  const double start = output.seconds();
  // Three lengths of the clip later it is still heard.
  ASSERT_TRUE(eventually_recorded(output, start + 3 * kClipSeconds + 0.2));
  EXPECT_GT(tone_amplitude(output.window(start + 3 * kClipSeconds, 0.1), 440.0), kHeard);
  EXPECT_EQ(player.playing(), kData + "/clip_440.ogg");

  for (const std::string effect : {"/effect_1000.ogg", "/effect_1000.mp3"}) {
    SCOPED_TRACE(effect);
    const double asked = output.seconds();
    player.play_effect(kData + effect);
    ASSERT_TRUE(eventually_recorded(output, asked + 0.6));
    // Somewhere after the request both tones sound at once.
    const double both =
        strongest_piece(output, asked, asked + 0.55, 0.05, [](const std::vector<std::int16_t>& s) {
          return std::min(tone_amplitude(s, 1000.0), tone_amplitude(s, 440.0));
        });
    EXPECT_GT(both, kHeard);
    // The effect is short; the clip goes on without it.
    const auto later = output.window(asked + 0.45, 0.1);
    EXPECT_LT(tone_amplitude(later, 1000.0), kAbsent);
    EXPECT_GT(tone_amplitude(later, 440.0), kHeard);
  }

  player.stop_clip();
  ASSERT_TRUE(eventually_playing(player, ""));
  const double stopped = output.seconds();
  ASSERT_TRUE(eventually_recorded(output, stopped + 0.3));
  EXPECT_EQ(testing::loudest(output.window(stopped + 0.1, 0.2)), 0);
}

TEST(SoundPlayer, AClipThatIsNotFoundPlaysTheDefaultSound) {
  SoundPlayer player;
  OutputRecorder output(player);
  const double requested = output.seconds();
  player.play_clip("音乐/the first quadrant.wav");
  ASSERT_TRUE(eventually_playing(player, "default sound"));
  // The tone is short: then silence.
  ASSERT_TRUE(eventually_playing(player, ""));
  const double ended = output.seconds();
  ASSERT_TRUE(eventually_recorded(output, ended + 0.1));
  EXPECT_GT(strongest_tone(output, requested, ended + 0.1, 880.0), kHeard);
  // An effect that cannot be read plays nothing at all.
  player.play_effect("/nonexistent/effect.wav");
  ASSERT_TRUE(eventually_idle(player));
  const double asked = output.seconds();
  ASSERT_TRUE(eventually_recorded(output, asked + 0.3));
  EXPECT_EQ(testing::loudest(output.window(asked, 0.3)), 0);
}

// Restores an environment variable when the test ends.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value, 1);
  }
  ~ScopedEnvironment() {
    if (old_.empty()) {
      unsetenv(name_);
    } else {
      setenv(name_, old_.c_str(), 1);
    }
  }

 private:
  const char* name_;
  std::string old_;
};

TEST(SoundPlayer, WithoutAnAudioDeviceNothingPlaysAndNothingIsPrinted) {
  const ScopedEnvironment no_device("SDL_AUDIODRIVER", "no-such-driver");
  int errors[2];
  ASSERT_EQ(pipe(errors), 0);
  const int saved_stderr = dup(STDERR_FILENO);
  dup2(errors[1], STDERR_FILENO);
  {
    SoundPlayer player;
    player.play_clip(kData + "/clip_440.ogg", true);
    player.play_effect(kData + "/effect_1000.ogg");
    player.play_clip("missing.wav");
    // Every request handled, the device looked for: a missing clip would play the default
    // sound if there were a device.
    EXPECT_TRUE(eventually_idle(player));
    EXPECT_EQ(player.playing(), "");
  }
  dup2(saved_stderr, STDERR_FILENO);
  close(saved_stderr);
  close(errors[1]);
  char buffer[256];
  EXPECT_EQ(read(errors[0], buffer, sizeof buffer), 0);
  close(errors[0]);
}

}  // namespace
}  // namespace kanvo::sound
