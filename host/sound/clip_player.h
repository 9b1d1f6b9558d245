// Voice clips played in the background. Only the audio thread talks to SDL: opening the device
// may take a while or print complaints when there is none, and neither may reach the learner.
#pragma once

#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "host/sound/clip_mixer.h"

namespace kanvo::sound {

class ClipPlayer {
 public:
  // Starts the audio thread, which opens the default audio device. Clips are looked up in the
  // folders in turn (find_clip_file); by default in the working directory alone.
  explicit ClipPlayer(std::vector<std::filesystem::path> clip_folders = {std::filesystem::path()});
  ~ClipPlayer();
  ClipPlayer(const ClipPlayer&) = delete;
  ClipPlayer& operator=(const ClipPlayer&) = delete;

  // Returns at once. The clip at the GBK path ("音乐\name.wav") replaces any clip still playing;
  // one that cannot be loaded plays the default sound; without an audio device nothing plays.
  void play(std::string_view gbk_path);

  // The name of the clip being heard (its file, or "default sound"); empty when silent.
  std::string playing() const { return mixer_.playing(); }

  // Whether the device is open (or known to be missing) and every request so far was handled:
  // for callers that must know what the player did with a clip, even when nothing plays.
  bool idle() const;

 private:
  void run();

  const std::vector<std::filesystem::path> clip_folders_;
  ClipMixer mixer_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<std::string> request_;  // only the latest request counts
  bool busy_ = true;                    // opening the device or handling a request
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace kanvo::sound
