// Where a clip's file is: a clip path names a file relative to a folder, and a program may keep
// its clips in more than one (the working directory, the folder it was installed with).
#pragma once

#include <filesystem>
#include <span>
#include <string>

namespace kanvo::sound {

// The relative path under the first folder that holds it; an empty folder stands for the working
// directory. The relative path itself when no folder holds it, so that loading it fails.
std::string find_clip_file(const std::string& relative_path,
                           std::span<const std::filesystem::path> folders);

}  // namespace kanvo::sound
