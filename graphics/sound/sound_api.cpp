#include "graphics/sound/sound_api.h"

#include "graphics/platform/sound.h"
#include "graphics/platform/text_encoding.h"

namespace kanvo {

void play_clip(const char* file) {
  if (file == nullptr) return;
  platform::play_sound_clip(platform::file_system_path(file), false);
}

void loop_clip(const char* file) {
  if (file == nullptr) return;
  platform::play_sound_clip(platform::file_system_path(file), true);
}

void stop_clip() {
  platform::stop_sound_clip();
}

void play_effect(const char* file) {
  if (file == nullptr) return;
  platform::play_sound_effect(platform::file_system_path(file));
}

}  // namespace kanvo
