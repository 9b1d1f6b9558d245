// The quiz's pseudo-random generator. Its rule is fixed so that a given seed always yields the
// same sequence of functions, whatever the C library's rand() would do.
#pragma once

#include <cstdint>

namespace kanvo::quiz {

class RandomGenerator {
 public:
  static constexpr int kMax = 0x7FFF;

  void seed(std::uint32_t seed) { state_ = seed; }

  // The next value, 0 to kMax.
  int draw() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & kMax);
  }

 private:
  std::uint32_t state_ = 1;
};

// The seed of a round: the clock plus 100,000 times the round's seed counter, wrapped to 32 bits.
constexpr std::uint32_t round_seed(std::int64_t seconds_since_1970, std::int32_t seed_counter) {
  return static_cast<std::uint32_t>(seconds_since_1970) +
         static_cast<std::uint32_t>(seed_counter) * 100000u;
}

}  // namespace kanvo::quiz
