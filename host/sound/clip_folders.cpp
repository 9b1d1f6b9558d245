#include "host/sound/clip_folders.h"

#include <system_error>

namespace kanvo::sound {

std::string find_clip_file(const std::string& relative_path,
                           std::span<const std::filesystem::path> folders) {
  for (const std::filesystem::path& folder : folders) {
    const std::filesystem::path candidate = folder / relative_path;
    std::error_code error;
    if (std::filesystem::is_regular_file(candidate, error)) return candidate.string();
  }
  return relative_path;
}

}  // namespace kanvo::sound
