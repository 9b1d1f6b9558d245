// Handing a window's text out into a caller's buffer of `size` bytes: at most size - 1 bytes of
// whole characters and a terminating zero, never half a double-byte character; nothing at all
// when there is no buffer or no room even for the zero.
#pragma once

#include <cstdint>
#include <string_view>

namespace kanvo::win {

// Returns the bytes copied, the zero not counted.
std::int32_t copy_to_buffer(std::string_view gbk, char* buffer, std::int64_t size);

}  // namespace kanvo::win
