// Pictures encoded by another library's writers, for tests of decoding.
#pragma once

#include <cstdint>
#include <vector>

namespace kanvo::testing {

using Bytes = std::vector<std::uint8_t>;

// Grey pixels of one value.
Bytes blank_png(std::int32_t width, std::int32_t height);
Bytes blank_jpeg(std::int32_t width, std::int32_t height);  // sequential, three components

// The file's bytes; empty when it cannot be read.
Bytes contents_of(const char* file_name);

}  // namespace kanvo::testing
