#include "host/sound/clip.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "host/text/code_page.h"

namespace kanvo::sound {
namespace {

void append_le(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::string clip_file_path(std::string_view gbk_path) {
  // Converted first: a GBK trail byte may be 0x5C, while UTF-8 has that byte only as '\'.
  std::string path = text::gbk_to_utf8(gbk_path);
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

const std::string& default_sound_wave() {
  static const std::string wave = [] {
    constexpr int kRate = 16000;
    constexpr int kLength = kRate / 5;
    constexpr int kFade = kRate / 100;
    constexpr double kFrequency = 880.0;
    constexpr double kAmplitude = 0.3 * 32767.0;
    constexpr std::uint32_t kDataBytes = kLength * 2;
    std::string wav = "RIFF";
    append_le(wav, 36 + kDataBytes, 4);
    wav += "WAVEfmt ";
    append_le(wav, 16, 4);
    append_le(wav, 1, 2);  // PCM
    append_le(wav, 1, 2);  // mono
    append_le(wav, kRate, 4);
    append_le(wav, kRate * 2, 4);
    append_le(wav, 2, 2);
    append_le(wav, 16, 2);
    wav += "data";
    append_le(wav, kDataBytes, 4);
    for (int i = 0; i < kLength; ++i) {
      const double envelope = std::min(
          {1.0, static_cast<double>(i) / kFade, static_cast<double>(kLength - 1 - i) / kFade});
      const double phase = 2.0 * std::numbers::pi * kFrequency * i / kRate;
      const auto sample =
          static_cast<std::int16_t>(std::lround(kAmplitude * envelope * std::sin(phase)));
      append_le(wav, static_cast<std::uint16_t>(sample), 2);
    }
    return wav;
  }();
  return wave;
}

}  // namespace kanvo::sound
