#include "host/sound/clip_mixer.h"

#include <algorithm>
#include <utility>

namespace kanvo::sound {

void ClipMixer::start(std::shared_ptr<const Clip> clip) {
  std::lock_guard lock(mutex_);
  clip_ = std::move(clip);
  position_ = 0;
}

void ClipMixer::render(std::span<std::int16_t> out) {
  std::shared_ptr<const Clip> finished;  // released outside the lock
  std::lock_guard lock(mutex_);
  std::size_t copied = 0;
  if (clip_) {
    const auto& samples = clip_->samples;
    copied = std::min(out.size(), samples.size() - position_);
    std::copy_n(samples.begin() + static_cast<std::ptrdiff_t>(position_), copied, out.begin());
    position_ += copied;
    if (position_ == samples.size()) finished = std::exchange(clip_, nullptr);
  }
  std::fill(out.begin() + static_cast<std::ptrdiff_t>(copied), out.end(), std::int16_t{0});
}

std::string ClipMixer::playing() const {
  std::lock_guard lock(mutex_);
  return clip_ ? clip_->name : std::string();
}

}  // namespace kanvo::sound
