// Sound for programs: one clip at a time (music, a voice), played once or looped, and short
// effects mixed over it, from WAV, Ogg Vorbis and MP3 files. Every call returns at once; the
// sound plays in the background on a thread of the library's, started by the first call.
// Without an audio device nothing plays and nothing fails.
#pragma once

namespace kanvo {

// The clip replaces any clip still playing; a file that cannot be read plays a short default
// sound instead. File names are in the program's text encoding.
void play_clip(const char* file);
// The same, played again and again until stopped or replaced.
void loop_clip(const char* file);
void stop_clip();
// Played over the clip and over other effects; a file that cannot be read plays nothing.
void play_effect(const char* file);

}  // namespace kanvo
