#include "host/sound/clip_player.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

namespace kanvo::sound {
namespace {

// The player works in the background: wait (up to a generous limit) for what it reports.
bool eventually_playing(const ClipPlayer& player, const std::string& name) {
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (std::chrono::steady_clock::now() < give_up) {
    if (player.playing() == name) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return false;
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
  // The tone is short: then silence.
  EXPECT_TRUE(eventually_playing(player, ""));
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
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
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
