// What the player needs besides the mixer: clip paths as the quiz spells them, and the short
// tone that stands in for a clip that cannot be played.
#pragma once

#include <string>
#include <string_view>

namespace kanvo::sound {

// A clip path as the quiz spells it, in GBK with backslashes ("音乐\name.wav"), as the path of
// the same file here: UTF-8 with slashes.
std::string clip_file_path(std::string_view gbk_path);

// A fifth of a second of 880 Hz, faded in and out so that it does not click: a complete wave
// file (16-bit mono, 16 kHz), made once.
const std::string& default_sound_wave();

}  // namespace kanvo::sound
