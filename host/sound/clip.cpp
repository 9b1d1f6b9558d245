#include "host/sound/clip.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#include "host/text/code_page.h"

namespace kanvo::sound {
namespace {

// Frees the buffer of SDL_LoadWAV whatever happens after loading.
struct WavBuffer {
  Uint8* bytes = nullptr;
  Uint32 length = 0;
  ~WavBuffer() { SDL_FreeWAV(bytes); }
};

}  // namespace

std::string clip_file_path(std::string_view gbk_path) {
  // Converted first: a GBK trail byte may be 0x5C, while UTF-8 has that byte only as '\'.
  std::string path = text::gbk_to_utf8(gbk_path);
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

std::shared_ptr<const Clip> load_clip(const std::string& path) {
  SDL_AudioSpec spec{};
  WavBuffer wav;
  if (SDL_LoadWAV(path.c_str(), &spec, &wav.bytes, &wav.length) == nullptr) return nullptr;

  // Converted in one piece: SDL's streaming converter drops the end of a resampled clip.
  SDL_AudioCVT conversion{};
  if (SDL_BuildAudioCVT(&conversion, spec.format, spec.channels, spec.freq, AUDIO_S16SYS, 1,
                        kSampleRate) < 0) {
    return nullptr;
  }
  const Uint32 frame_bytes = SDL_AUDIO_BITSIZE(spec.format) / 8u * spec.channels;
  const Uint32 length = frame_bytes == 0 ? 0 : wav.length - wav.length % frame_bytes;
  std::vector<Uint8> buffer(static_cast<std::size_t>(length) *
                            static_cast<std::size_t>(std::max(conversion.len_mult, 1)));
  std::copy_n(wav.bytes, length, buffer.begin());
  conversion.buf = buffer.data();
  conversion.len = static_cast<int>(length);
  if (SDL_ConvertAudio(&conversion) != 0) return nullptr;

  auto clip = std::make_shared<Clip>();
  clip->name = path;
  clip->samples.resize(static_cast<std::size_t>(conversion.len_cvt) / sizeof(std::int16_t));
  std::memcpy(clip->samples.data(), buffer.data(), clip->samples.size() * sizeof(std::int16_t));
  return clip;
}

std::shared_ptr<const Clip> default_sound() {
  static const std::shared_ptr<const Clip> tone = [] {
    // A fifth of a second of 880 Hz, faded in and out so that it does not click.
    constexpr int kLength = kSampleRate / 5;
    constexpr int kFade = kSampleRate / 100;
    constexpr double kFrequency = 880.0;
    constexpr double kAmplitude = 0.3 * 32767.0;
    auto clip = std::make_shared<Clip>();
    clip->name = "default sound";
    clip->samples.resize(kLength);
    for (int i = 0; i < kLength; ++i) {
      const double envelope = std::min(
          {1.0, static_cast<double>(i) / kFade, static_cast<double>(kLength - 1 - i) / kFade});
      const double phase = 2.0 * std::numbers::pi * kFrequency * i / kSampleRate;
      clip->samples[static_cast<std::size_t>(i)] =
          static_cast<std::int16_t>(std::lround(kAmplitude * envelope * std::sin(phase)));
    }
    return clip;
  }();
  return tone;
}

}  // namespace kanvo::sound
