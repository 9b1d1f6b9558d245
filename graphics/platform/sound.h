// Sound in the background: one clip at a time, played once or looped, and effects mixed over it.
// The player starts with the first call; without an audio device nothing plays and nothing fails.
#pragma once

#include <string>

namespace kanvo::platform {

// Replaces any clip still playing; a file that cannot be read plays a short default sound.
void play_sound_clip(std::string path, bool loop);
void stop_sound_clip();
// A file that cannot be read plays nothing.
void play_sound_effect(std::string path);

}  // namespace kanvo::platform
