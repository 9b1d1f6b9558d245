// A sound ready to play: 16-bit mono samples at the player's rate.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kanvo::sound {

inline constexpr int kSampleRate = 16000;

struct Clip {
  std::string name;  // the file it came from, or "default sound"
  std::vector<std::int16_t> samples;

  double seconds() const { return static_cast<double>(samples.size()) / kSampleRate; }
};

// A clip path as the quiz spells it, in GBK with backslashes ("音乐\name.wav"), as the path of
// the same file here: UTF-8 with slashes.
std::string clip_file_path(std::string_view gbk_path);

// Reads a wave file of any rate, sample format and channel count; nothing if the file is missing
// or not a wave file SDL understands.
std::shared_ptr<const Clip> load_clip(const std::string& path);

// The short tone that stands in for a clip that cannot be played.
std::shared_ptr<const Clip> default_sound();

}  // namespace kanvo::sound
