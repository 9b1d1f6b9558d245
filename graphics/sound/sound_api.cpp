#include "graphics/sound/sound_api.h"

#include "graphics/platform/sound.h"
#include "graphics/platform/text_encoding.h"

namespace kanvo {
namespace {

// Made at the first call, so that a program without sound starts no audio thread; stopped and
// joined at exit.
sound::SoundPlayer& player() {
  static sound::SoundPlayer instance;
  return instance;
}

}  // namespace

void play_clip(const char* file) {
  if (file == nullptr) return;
  player().play_clip(text::file_system_path(file), false);
}

void loop_clip(const char* file) {
  if (file == nullptr) return;
  player().play_clip(text::file_system_path(file), true);
}

void stop_clip() {
  player().stop_clip();
}

void play_effect(const char* file) {
  if (file == nullptr) return;
  player().play_effect(text::file_system_path(file));
}

}  // namespace kanvo
