#include "host/sound/sound_player.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <map>
#include <utility>

#include "host/sdl_setup.h"
#include "host/sound/clip.h"
#include "host/sound/quiet_stderr.h"

namespace kanvo::sound {
namespace {

constexpr int kEffectChannels = 16;
// The default sound plays on a channel of its own, so that it counts as the clip.
constexpr int kDefaultSoundChannel = 0;
// Effects loaded once stay for the next time, up to this many files.
constexpr std::size_t kKeptEffects = 32;
constexpr const char* kDefaultSoundName = "default sound";

// Whether the clip (or the default sound in its place) is still heard. The mixer's callbacks
// carry no pointer of their own, and there is one mixer per process.
std::atomic<bool> g_clip_heard{false};

void SDLCALL clip_finished() {
  g_clip_heard.store(false, std::memory_order_release);
}

void SDLCALL channel_finished(int channel) {
  if (channel == kDefaultSoundChannel) g_clip_heard.store(false, std::memory_order_release);
}

}  // namespace

// The open device and what plays on it; lives on the audio thread only.
class SoundPlayer::Mixer {
 public:
  explicit Mixer(SoundPlayer& player) : player_(player) {
    QuietStderr quiet;
    const std::lock_guard setup(sdl_setup_lock());
    // The program handles its own signals; SDL would turn Ctrl+C into a quit event nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    // SDL converts to whatever the hardware wants: the tap always sees the same format.
    if (Mix_OpenAudioDevice(kOutputRate, AUDIO_S16SYS, kOutputChannels, 1024, nullptr, 0) != 0) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return;
    }
    Mix_Init(MIX_INIT_OGG | MIX_INIT_MP3);
    Mix_AllocateChannels(kEffectChannels + 1);
    Mix_ReserveChannels(1);
    Mix_HookMusicFinished(clip_finished);
    Mix_ChannelFinished(channel_finished);
    Mix_SetPostMix(&Mixer::tap, &player_);
    SDL_RWops* wave = SDL_RWFromConstMem(default_sound_wave().data(),
                                         static_cast<int>(default_sound_wave().size()));
    default_sound_ = Mix_LoadWAV_RW(wave, 1);
    open_ = true;
  }

  ~Mixer() {
    if (!open_) return;
    Mix_SetPostMix(nullptr, nullptr);
    Mix_HookMusicFinished(nullptr);
    Mix_ChannelFinished(nullptr);
    Mix_HaltMusic();
    Mix_HaltChannel(-1);
    Mix_FreeMusic(clip_);
    Mix_FreeChunk(default_sound_);
    for (const auto& [path, chunk] : effects_) Mix_FreeChunk(chunk);
    Mix_CloseAudio();
    Mix_Quit();
    const std::lock_guard setup(sdl_setup_lock());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  Mixer(const Mixer&) = delete;
  Mixer& operator=(const Mixer&) = delete;

  bool open() const { return open_; }

  // Returns the name of what is now heard as the clip.
  std::string start_clip(const std::string& path, bool loop) {
    stop_clip();
    clip_ = Mix_LoadMUS(path.c_str());
    if (clip_ != nullptr && Mix_PlayMusic(clip_, loop ? -1 : 0) == 0) {
      g_clip_heard.store(true, std::memory_order_release);
      return path;
    }
    Mix_FreeMusic(clip_);
    clip_ = nullptr;
    if (default_sound_ != nullptr &&
        Mix_PlayChannel(kDefaultSoundChannel, default_sound_, loop ? -1 : 0) >= 0) {
      g_clip_heard.store(true, std::memory_order_release);
    }
    return kDefaultSoundName;
  }

  void stop_clip() {
    Mix_HaltMusic();
    Mix_HaltChannel(kDefaultSoundChannel);
    Mix_FreeMusic(clip_);
    clip_ = nullptr;
    g_clip_heard.store(false, std::memory_order_release);
  }

  void play_effect(const std::string& path) {
    Mix_Chunk* chunk = effect(path);
    if (chunk != nullptr) Mix_PlayChannel(-1, chunk, 0);
  }

 private:
  Mix_Chunk* effect(const std::string& path) {
    const auto known = effects_.find(path);
    if (known != effects_.end()) return known->second;
    if (effects_.size() >= kKeptEffects) forget_silent_effects();
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    if (chunk != nullptr) effects_.emplace(path, chunk);
    return chunk;
  }

  // Frees the effects that no channel is playing; a playing one must stay.
  void forget_silent_effects() {
    for (auto it = effects_.begin(); it != effects_.end();) {
      bool playing = false;
      for (int channel = 0; channel <= kEffectChannels && !playing; ++channel) {
        playing = Mix_Playing(channel) != 0 && Mix_GetChunk(channel) == it->second;
      }
      if (playing) {
        ++it;
      } else {
        Mix_FreeChunk(it->second);
        it = effects_.erase(it);
      }
    }
  }

  static void SDLCALL tap(void* player, Uint8* stream, int length) {
    auto& self = *static_cast<SoundPlayer*>(player);
    const std::lock_guard lock(self.tap_mutex_);
    if (self.tap_) {
      self.tap_(std::span(reinterpret_cast<const std::int16_t*>(stream),
                          static_cast<std::size_t>(length) / sizeof(std::int16_t)));
    }
  }

  SoundPlayer& player_;
  bool open_ = false;
  Mix_Music* clip_ = nullptr;
  Mix_Chunk* default_sound_ = nullptr;
  std::map<std::string, Mix_Chunk*> effects_;
};

SoundPlayer::SoundPlayer() : thread_([this] { run(); }) {}

SoundPlayer::~SoundPlayer() {
  stop();
}

void SoundPlayer::stop() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) thread_.join();
}

void SoundPlayer::request(Request request) {
  {
    std::lock_guard lock(mutex_);
    // Only the newest clip counts: a clip still waiting would be stopped at once anyway.
    if (request.kind != Request::Kind::effect) {
      std::erase_if(requests_, [](const Request& r) { return r.kind != Request::Kind::effect; });
    }
    requests_.push_back(std::move(request));
    busy_ = true;
  }
  wake_.notify_one();
}

void SoundPlayer::play_clip(std::string path, bool loop) {
  request({loop ? Request::Kind::loop : Request::Kind::clip, std::move(path)});
}

void SoundPlayer::stop_clip() {
  request({Request::Kind::stop, {}});
}

void SoundPlayer::play_effect(std::string path) {
  request({Request::Kind::effect, std::move(path)});
}

std::string SoundPlayer::playing() const {
  std::lock_guard lock(mutex_);
  return g_clip_heard.load(std::memory_order_acquire) ? clip_name_ : std::string();
}

bool SoundPlayer::idle() const {
  std::lock_guard lock(mutex_);
  return !busy_;
}

void SoundPlayer::set_output_tap(OutputTap tap) {
  const std::lock_guard lock(tap_mutex_);
  tap_ = std::move(tap);
}

void SoundPlayer::run() {
  {
    Mixer mixer(*this);
    // SDL and the mixer have loaded their drivers' and decoders' libraries.
    process::libraries_may_have_loaded();
    for (;;) {
      Request next;
      {
        std::unique_lock lock(mutex_);
        busy_ = !requests_.empty();
        wake_.wait(lock, [this] { return stopping_ || !requests_.empty(); });
        if (stopping_) break;
        busy_ = true;
        next = std::move(requests_.front());
        requests_.pop_front();
      }
      if (!mixer.open()) continue;
      switch (next.kind) {
        case Request::Kind::clip:
        case Request::Kind::loop: {
          std::string name = mixer.start_clip(next.path, next.kind == Request::Kind::loop);
          std::lock_guard lock(mutex_);
          clip_name_ = std::move(name);
          break;
        }
        case Request::Kind::stop:
          mixer.stop_clip();
          break;
        case Request::Kind::effect:
          mixer.play_effect(next.path);
          break;
      }
      // A first file of a kind may have loaded its decoder.
      process::libraries_may_have_loaded();
    }
  }
  // SDL keeps per-thread data (its error message) for threads it did not start.
  SDL_TLSCleanup();
}

}  // namespace kanvo::sound
