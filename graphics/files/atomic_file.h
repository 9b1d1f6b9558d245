// Writing a whole file or nothing: the bytes go to a temporary file beside the target, which then
// replaces the target in one step.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace kanvo {

bool write_file_atomically(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace kanvo
