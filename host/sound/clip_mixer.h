// The one clip being heard and how far it has played; the audio device pulls samples from here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>

#include "host/sound/clip.h"

namespace kanvo::sound {

class ClipMixer {
 public:
  // Plays `clip` from its start; a clip still playing stops.
  void start(std::shared_ptr<const Clip> clip);
  // Fills `out` with the next samples, silence after the clip's end.
  void render(std::span<std::int16_t> out);
  // The name of the clip being heard; empty when silent.
  std::string playing() const;

 private:
  mutable std::mutex mutex_;
  std::shared_ptr<const Clip> clip_;
  std::size_t position_ = 0;
};

}  // namespace kanvo::sound
