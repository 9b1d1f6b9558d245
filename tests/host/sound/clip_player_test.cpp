#include "host/sound/clip_player.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "tests/support/eventually.h"

namespace kanvo::sound {
namespace {

// The player works in the background: wait (up to a generous limit) for what it reports.
constexpr std::chrono::seconds kPatience(10);

bool eventually_playing(const ClipPlayer& player, const std::string& name) {
  return testing::eventually([&] { return player.playing() == name; }, kPatience);
}

bool eventually_idle(const ClipPlayer& player) {
  return testing::eventually([&] { return player.idle(); }, kPatience);
}

// The tests run with SDL's dummy audio driver, a device that plays in real time into nothing.
TEST(ClipPlayer, PlaysTheClipAndANewClipReplacesIt) {
  ClipPlayer player;
  player.play("\xD2\xF4\xC0\xD6\\the 1st, 3rd quadrant and passes through the origin.wav");
  EXPECT_TRUE(
      eventually_playing(player, "音乐/the 1st, 3rd quadrant and passes through the origin.wav"));
  player.play("\xD2\xF4\xC0\xD6\\the first quadrant..wav");
  EXPECT_TRUE(eventually_playing(player, "音乐/the first quadrant..wav"));
}

TEST(ClipPlayer, AClipThatIsNotFoundPlaysTheDefaultSound) {
  ClipPlayer player;
  player.play("\xD2\xF4\xC0\xD6\\the first quadrant.wav");
  EXPECT_TRUE(eventually_playing(player, "default sound"));
  EXPECT_TRUE(eventually_idle(player));
  // The tone is short: then silence.
  EXPECT_TRUE(eventually_playing(player, ""));
}

// An installed program's clips: a folder that holds none is passed over for the next.
TEST(ClipPlayer, LooksForTheClipInItsFoldersInTurn) {
  ClipPlayer player(
      {std::filesystem::path("/no/such/folder"), std::filesystem::path(KANVO_SOURCE_DIR)});
  player.play("\xD2\xF4\xC0\xD6\\the first quadrant..wav");
  EXPECT_TRUE(eventually_playing(player, KANVO_SOURCE_DIR "/音乐/the first quadrant..wav"));
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

TEST(ClipPlayer, WithoutAnAudioDeviceNothingPlaysAndNothingIsPrinted) {
  const ScopedEnvironment no_device("SDL_AUDIODRIVER", "no-such-driver");
  int errors[2];
  ASSERT_EQ(pipe(errors), 0);
  const int saved_stderr = dup(STDERR_FILENO);
  dup2(errors[1], STDERR_FILENO);
  {
    ClipPlayer player;
    player.play("\xD2\xF4\xC0\xD6\\1st, 3rd quadrant.wav");
    player.play("missing.wav");
    // Both requests handled, the device looked for: a missing clip would play the default
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
