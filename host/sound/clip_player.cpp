#include "host/sound/clip_player.h"

#include <SDL.h>

#include <cstdint>
#include <mutex>
#include <span>
#include <utility>

#include "host/sdl_setup.h"
#include "host/sound/clip_folders.h"
#include "host/sound/quiet_stderr.h"

namespace kanvo::sound {
namespace {

void SDLCALL fill_audio(void* mixer, Uint8* stream, int length) {
  static_cast<ClipMixer*>(mixer)->render(
      std::span(reinterpret_cast<std::int16_t*>(stream), static_cast<std::size_t>(length) / 2));
}

// Opens the default output device for the mixer's format; 0 when there is none. SDL converts to
// whatever the hardware wants.
SDL_AudioDeviceID open_device(ClipMixer& mixer) {
  QuietStderr quiet;
  const std::lock_guard setup(sdl_setup_lock());
  // The program handles its own signals; SDL would turn Ctrl+C into a quit event nobody reads.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
  SDL_AudioSpec wanted{};
  wanted.freq = kSampleRate;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = 1;
  wanted.samples = 1024;
  wanted.callback = fill_audio;
  wanted.userdata = &mixer;
  const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
  if (device == 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 0;
  }
  SDL_PauseAudioDevice(device, 0);
  return device;
}

}  // namespace

ClipPlayer::ClipPlayer(std::vector<std::filesystem::path> clip_folders)
    : clip_folders_(std::move(clip_folders)), thread_([this] { run(); }) {}

ClipPlayer::~ClipPlayer() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void ClipPlayer::play(std::string_view gbk_path) {
  {
    std::lock_guard lock(mutex_);
    request_ = clip_file_path(gbk_path);
  }
  wake_.notify_one();
}

bool ClipPlayer::idle() const {
  std::lock_guard lock(mutex_);
  return !busy_ && !request_.has_value();
}

void ClipPlayer::run() {
  const SDL_AudioDeviceID device = open_device(mixer_);
  for (;;) {
    std::string path;
    {
      std::unique_lock lock(mutex_);
      busy_ = false;
      wake_.wait(lock, [this] { return stopping_ || request_.has_value(); });
      if (stopping_) break;
      path = std::move(*request_);
      request_.reset();
      busy_ = true;
    }
    if (device == 0) continue;
    std::shared_ptr<const Clip> clip = load_clip(find_clip_file(path, clip_folders_));
    mixer_.start(clip ? std::move(clip) : default_sound());
  }
  if (device != 0) {
    SDL_CloseAudioDevice(device);
    const std::lock_guard setup(sdl_setup_lock());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  // SDL keeps per-thread data (its error message) for threads it did not start.
  SDL_TLSCleanup();
}

}  // namespace kanvo::sound
