// Writing a whole file or nothing: the bytes go to a new file beside the target, which then
// replaces the target in one step. The new file gets the permissions any new file of the
// program would (read and write for all, less the process's file creation mask).
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace kanvo::platform {

bool write_file_atomically(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace kanvo::platform
