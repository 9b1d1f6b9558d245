// What a sound player gives the device, recorded through its output tap, and the strength of a
// tone in it: tests measure what would be heard, not only that nothing failed.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <numbers>
#include <span>
#include <vector>

#include "host/sound/sound_player.h"

namespace kanvo::sound::testing {

class OutputRecorder {
 public:
  explicit OutputRecorder(SoundPlayer& player) : player_(player) {
    player_.set_output_tap([this](std::span<const std::int16_t> samples) {
      const std::lock_guard lock(mutex_);
      for (std::size_t i = 0; i + 1 < samples.size(); i += kOutputChannels) {
        left_.push_back(samples[i]);
      }
    });
  }
  ~OutputRecorder() { player_.set_output_tap(nullptr); }
  OutputRecorder(const OutputRecorder&) = delete;
  OutputRecorder& operator=(const OutputRecorder&) = delete;

  // Seconds of output recorded so far.
  double seconds() const {
    const std::lock_guard lock(mutex_);
    return static_cast<double>(left_.size()) / kOutputRate;
  }
  // The left channel from `from` seconds on, `length` seconds of it (less when not yet there).
  std::vector<std::int16_t> window(double from, double length) const {
    const std::lock_guard lock(mutex_);
    const auto begin = std::min(left_.size(), static_cast<std::size_t>(from * kOutputRate));
    const auto end = std::min(left_.size(), begin + static_cast<std::size_t>(length * kOutputRate));
    return {left_.begin() + static_cast<std::ptrdiff_t>(begin),
            left_.begin() + static_cast<std::ptrdiff_t>(end)};
  }

 private:
  SoundPlayer& player_;
  mutable std::mutex mutex_;
  std::vector<std::int16_t> left_;
};

// The amplitude (in sample units) of the tone of that frequency in the samples, by the Goertzel
// filter: a sine of amplitude A gives about A, other tones and silence about 0.
inline double tone_amplitude(const std::vector<std::int16_t>& samples, double frequency) {
  if (samples.empty()) return 0.0;
  const double coefficient = 2.0 * std::cos(2.0 * std::numbers::pi * frequency / kOutputRate);
  double previous = 0.0;
  double before = 0.0;
  for (const std::int16_t sample : samples) {
    const double current = sample + coefficient * previous - before;
    before = previous;
    previous = current;
  }
  const double power = previous * previous + before * before - coefficient * previous * before;
  return 2.0 * std::sqrt(std::max(power, 0.0)) / static_cast<double>(samples.size());
}

// The most a measure gives over the pieces of `piece` seconds that start 10 ms apart from `from`
// to `to`: the player starts in the background, so a test looks for a sound over the whole span
// in which it may have started, not at the instant the test happened to look.
template <typename Measure>
double strongest_piece(const OutputRecorder& output, double from, double to, double piece,
                       Measure measure) {
  double strongest = 0.0;
  for (double at = from; at + piece <= to; at += 0.01) {
    strongest = std::max(strongest, measure(output.window(at, piece)));
  }
  return strongest;
}

inline double strongest_tone(const OutputRecorder& output, double from, double to,
                             double frequency) {
  return strongest_piece(output, from, to, 0.1, [frequency](const std::vector<std::int16_t>& s) {
    return tone_amplitude(s, frequency);
  });
}

inline int loudest(const std::vector<std::int16_t>& samples) {
  int peak = 0;
  for (const std::int16_t sample : samples) peak = std::max(peak, std::abs(int{sample}));
  return peak;
}

}  // namespace kanvo::sound::testing
