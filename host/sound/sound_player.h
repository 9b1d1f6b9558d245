// Clips and effects played in the background through SDL2_mixer, which decodes WAV, Ogg Vorbis
// and MP3 files and mixes them. One clip is heard at a time (a new one stops the old one) and
// may loop; short effects play over it. Only the audio thread opens and drives the mixer:
// opening a device may take a while or print complaints when there is none, and neither may
// reach the caller. Without a device every request is taken and nothing plays. One player at a
// time per process: the mixer is one for all.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <thread>

#include "host/process/orderly_end.h"

namespace kanvo::sound {

// What the device is fed, after mixing: interleaved 16-bit stereo at kOutputRate.
inline constexpr int kOutputRate = 44100;
inline constexpr int kOutputChannels = 2;
using OutputTap = std::function<void(std::span<const std::int16_t> samples)>;

class SoundPlayer {
 public:
  // Starts the audio thread, which opens the default audio device.
  SoundPlayer();
  ~SoundPlayer();
  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;

  // Each returns at once; requests are carried out in order. Paths are UTF-8.
  // The clip replaces any clip still playing, once or, with `loop`, until stopped or replaced;
  // one that cannot be read plays the default sound.
  void play_clip(std::string path, bool loop = false);
  void stop_clip();
  // Mixed over the clip and over other effects; a file that cannot be read plays nothing.
  void play_effect(std::string path);

  // The name of the clip being heard (its file, or "default sound"); empty when none is.
  std::string playing() const;
  // Whether the device is open (or known to be missing) and every request so far was handled.
  bool idle() const;
  // Called on the audio thread with every block the device is given; null to stop. For tests
  // and meters: what is heard, measured.
  void set_output_tap(OutputTap tap);

 private:
  struct Request {
    enum class Kind : std::uint8_t { clip, loop, stop, effect } kind = Kind::stop;
    std::string path;
  };
  class Mixer;

  void request(Request request);
  void run();
  // Ends the audio thread and waits for it (unless called on it).
  void stop();

  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<Request> requests_;
  bool busy_ = true;  // opening the device or handling a request
  bool stopping_ = false;
  std::string clip_name_;  // of the clip last started; what playing() reports while it plays
  std::mutex tap_mutex_;
  OutputTap tap_;
  std::thread thread_;
  // A process that ends without destroying the player stops the audio thread on the way.
  process::EndStep stops_at_end_{process::EndStage::sound, [this] { stop(); }};
};

}  // namespace kanvo::sound
