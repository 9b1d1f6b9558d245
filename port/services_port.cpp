// Texts, sound and the process's end over the host's.
#include <vector>

#include "graphics/platform/process_end.h"
#include "graphics/platform/sound.h"
#include "graphics/platform/text_encoding.h"
#include "host/process/orderly_end.h"
#include "host/sound/sound_player.h"
#include "host/text/code_page.h"
#include "port/host_values.h"

namespace kanvo::platform {
namespace {

// Made at the first call, so that a program without sound starts no audio thread; stopped and
// joined at exit.
sound::SoundPlayer& player() {
  static sound::SoundPlayer instance;
  return instance;
}

}  // namespace

void set_program_encoding(TextEncoding encoding) {
  text::set_program_encoding(to_host(encoding));
}
TextEncoding program_encoding() {
  return from_host(text::program_encoding());
}
std::string file_system_path(std::string_view program_text) {
  return text::file_system_path(program_text);
}
std::string window_text(std::string_view program_text) {
  return text::utf32_to_gbk(text::decode_program_text(program_text));
}
std::string encode_program_text(std::u32string_view text) {
  return text::encode_program_text(text);
}
std::string gbk_to_utf8(std::string_view gbk) {
  return text::gbk_to_utf8(gbk);
}
std::size_t gbk_prefix_length(std::string_view gbk, std::size_t max_bytes) {
  return text::gbk_prefix_length(gbk, max_bytes);
}
std::size_t utf8_prefix_length(std::string_view utf8, std::size_t max_bytes) {
  return text::utf8_prefix_length(utf8, max_bytes);
}

void play_sound_clip(std::string path, bool loop) {
  player().play_clip(std::move(path), loop);
}
void stop_sound_clip() {
  player().stop_clip();
}
void play_sound_effect(std::string path) {
  player().play_effect(std::move(path));
}

void at_process_end(EndStage stage, std::function<void()> work) {
  const process::EndStage host = stage == EndStage::window_users ? process::EndStage::window_users
                                                                 : process::EndStage::typed_input;
  // Never destroyed: the steps must stay until the end has run.
  static auto* const steps = new std::vector<const process::EndStep*>();
  steps->push_back(new process::EndStep(host, std::move(work)));
}
bool process_ending() {
  return process::ending();
}

}  // namespace kanvo::platform
